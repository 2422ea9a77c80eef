#pragma once
// The Progress window (View > Progress...): for the open file a chart of marked against shown
// phrases, pass by pass and day by day, and a table of every file practised; while the memory
// is kept, its Memory page.

#include <QDialog>

#include <string>

class CMemoryPage;
class QLabel;
class QTabWidget;
class QTableWidget;

class CProgressWnd : public QDialog {
    Q_OBJECT
public:
    explicit CProgressWnd(QWidget* parent);

    // Reads the history (the memory's, or without one the file at historyPath) and shows it;
    // the charts follow currentFile (the full path of the open file, empty when none is open).
    // The Memory page shows the direction the next pass runs in.
    void Load(const std::string& historyPath, const std::string& currentFile);

    QTableWidget* Table() const { return m_pTable; }
    QTabWidget* Charts() const { return m_pCharts; }
    QLabel* Title() const { return m_pTitle; }
    // The Memory page, a tab of Charts() while the memory is kept.
    CMemoryPage* Memory() const { return m_pMemory; }

private:
    // The Memory page follows the memory: a tab while it is kept, none while not.
    void ShowMemory();

    QLabel* m_pTitle;
    QTabWidget* m_pCharts;
    QWidget* m_pByPass; // the charts (app/ChartKit), or labels saying why there are none
    QWidget* m_pByDay;
    QTableWidget* m_pTable;
    CMemoryPage* m_pMemory;
};
