#pragma once
// The Progress window's charts as plain data, drawn by the charts module (lexido-charts.so, the
// only code that links Qt Charts), which the window loads when the Progress window first opens.

#include <QList>
#include <QPointF>
#include <QString>

class QBarSet;
class QWidget;

// Two lines, shown and marked. Over passes, x is a pass number and the axis runs from xLow to
// xHigh in whole numbers; over days, x is the day's start in milliseconds since the epoch, the
// axis runs from xLow to xHigh with ticks dates. top is the highest point.
struct SLineChart {
    QList<QPointF> shown, marked;
    QString shownName, markedName, xTitle, yTitle;
    bool days = false;
    double xLow = 0, xHigh = 0;
    int dateTicks = 3;
    double top = 0;
};

// Bars, one a day from today, of the phrases due then.
struct SBarChart {
    QList<int> counts;
    QString name, xTitle, yTitle;
};

class IChartKit {
public:
    virtual ~IChartKit() = default;
    // An empty chart view (a QChartView), a child of parent.
    virtual QWidget* MakeView(QWidget* parent) = 0;
    // The view shows the chart, in place of the one before.
    virtual void ShowLines(QWidget* view, const SLineChart& chart) = 0;
    virtual void ShowBars(QWidget* view, const SBarChart& chart) = 0;
    // The bars the view shows; null before ShowBars.
    virtual QBarSet* Bars(QWidget* view) = 0;
};

// The kit, loaded at the first call; null when the charts module is missing.
IChartKit* ChartKit();
// The kit's chart view, or without the module a label that says why there is no chart.
QWidget* MakeChartView(QWidget* parent);
