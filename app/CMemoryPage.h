#pragma once
// The Memory page of the Progress window: the phrases due on each of the next 30 days, every
// file's new, learning and mature phrases, and how often due phrases were remembered.

#include "engine/MemoryKeeper.h"

#include <QWidget>

class QBarSet;
class QLabel;
class QTableWidget;

class CMemoryPage : public QWidget {
    Q_OBJECT
public:
    explicit CMemoryPage(QWidget* parent);

    // Shows the figures of a direction (0 first language to second, 1 back) as of today.
    void Show(const keeper::SMemoryPage& page, int direction);

    QWidget* Forecast() const { return m_pChart; }
    // The bars, today first; null before Show.
    QBarSet* Bars() const;
    QTableWidget* Table() const { return m_pTable; }
    QLabel* Title() const { return m_pTitle; }
    QLabel* Retention() const { return m_pRetention; }

private:
    QLabel* m_pTitle;
    QWidget* m_pChart; // a chart view of app/ChartKit, or a label saying why there is none
    QTableWidget* m_pTable;
    QLabel* m_pRetention;
};
