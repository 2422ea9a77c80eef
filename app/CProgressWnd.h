#pragma once
// The Progress window (View > Progress...): for the open file a chart of marked against shown
// phrases, pass by pass and day by day, and a table of every file practised.

#include <QDialog>

#include <string>

class QChartView;
class QLabel;
class QTabWidget;
class QTableWidget;

class CProgressWnd : public QDialog {
    Q_OBJECT
public:
    explicit CProgressWnd(QWidget* parent);

    // Reads the history (the memory's, or without one the file at historyPath) and shows it;
    // the charts follow currentFile (the full path of the open file, empty when none is open).
    void Load(const std::string& historyPath, const std::string& currentFile);

    QTableWidget* Table() const { return m_pTable; }
    QTabWidget* Charts() const { return m_pCharts; }
    QLabel* Title() const { return m_pTitle; }

private:
    QLabel* m_pTitle;
    QTabWidget* m_pCharts;
    QChartView* m_pByPass;
    QChartView* m_pByDay;
    QTableWidget* m_pTable;
};
