// The charts module (lexido-charts.so): the Progress window's charts drawn with Qt Charts, loaded
// by the window when the Progress window first opens (app/LateModules).
#include "app/ChartKit.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Many points are drawn as lines only; a few also as dots, so that one pass or day shows.
constexpr int kDotsUpTo = 60;

// Passes and phrases are counted: an axis from low to high with ticks on whole numbers only, a
// step of 1, 2 or 5 times a power of ten, at most about eight of them. With room above, the
// axis ends a step or more above high, so that the highest point stands below the chart's edge.
void WholeNumberAxis(QValueAxis* axis, double low, double high, bool roomAbove)
{
    static const double kSteps[] = {1, 2, 5};
    double step = 1;
    for (int i = 1; (high - low) / step > 8; ++i)
        step = kSteps[i % 3] * std::pow(10.0, i / 3);
    const double first = std::floor(low / step) * step;
    double last = std::max(first + step, std::ceil(high / step) * step);
    if (roomAbove && last <= high)
        last += step;
    axis->setRange(first, last);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(first);
    axis->setTickInterval(step);
    axis->setMinorTickCount(0);
    axis->setLabelFormat("%d");
}

// The step of an axis of whole numbers from 0 to most: 1, 2 or 5 times a power of ten, so that
// there are at most ten steps.
int CountStep(int most)
{
    for (long long scale = 1;; scale *= 10)
        for (int f : {1, 2, 5})
            if (f * scale * 10 >= most)
                return int(f * scale);
}

void SetChart(QWidget* view, QChart* chart)
{
    auto* chartView = static_cast<QChartView*>(view);
    QChart* old = chartView->chart();
    chartView->setChart(chart);
    delete old;
}

class CQtChartKit : public IChartKit {
public:
    QWidget* MakeView(QWidget* parent) override
    {
        auto* view = new QChartView(parent);
        view->setRenderHint(QPainter::Antialiasing);
        return view;
    }

    void ShowLines(QWidget* view, const SLineChart& c) override
    {
        QAbstractAxis* x;
        if (c.days) {
            auto* axis = new QDateTimeAxis;
            axis->setFormat("yyyy-MM-dd");
            axis->setRange(
                QDateTime::fromMSecsSinceEpoch(qint64(c.xLow)), QDateTime::fromMSecsSinceEpoch(qint64(c.xHigh)));
            axis->setTickCount(c.dateTicks);
            x = axis;
        } else {
            auto* axis = new QValueAxis;
            axis->setObjectName("Passes");
            WholeNumberAxis(axis, c.xLow, c.xHigh, false);
            x = axis;
        }
        x->setTitleText(c.xTitle);
        auto* chart = new QChart;
        auto* y = new QValueAxis;
        y->setObjectName("Phrases");
        y->setTitleText(c.yTitle);
        WholeNumberAxis(y, 0, c.top, true);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        const QString* names[2] = {&c.shownName, &c.markedName};
        const QList<QPointF>* points[2] = {&c.shown, &c.marked};
        for (int i = 0; i < 2; ++i) {
            auto* series = new QLineSeries;
            series->setName(*names[i]);
            series->replace(*points[i]);
            series->setPointsVisible(points[i]->size() <= kDotsUpTo);
            chart->addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
        }
        chart->legend()->setAlignment(Qt::AlignBottom);
        SetChart(view, chart);
    }

    void ShowBars(QWidget* view, const SBarChart& c) override
    {
        auto* set = new QBarSet(c.name);
        set->setColor(QColor(30, 90, 160));
        int most = 0;
        for (int n : c.counts) {
            set->append(n);
            most = std::max(most, n);
        }
        auto* series = new QBarSeries;
        series->append(set);
        series->setBarWidth(0.7);
        auto* chart = new QChart;
        chart->addSeries(series);
        // Thirty dated labels side by side would be cut to "...": the axis counts the days from
        // today, a label a week, the bars standing on whole days.
        auto* days = new QValueAxis;
        days->setRange(-0.5, std::max<qsizetype>(1, set->count()) - 0.5);
        days->setTickType(QValueAxis::TicksDynamic);
        days->setTickAnchor(0);
        days->setTickInterval(7);
        days->setLabelFormat("%d");
        days->setTitleText(c.xTitle);
        chart->addAxis(days, Qt::AlignBottom);
        series->attachAxis(days);
        const int step = CountStep(most);
        const int top = std::max(1, (most + step - 1) / step) * step;
        auto* counts = new QValueAxis;
        counts->setRange(0, top);
        counts->setTickCount(top / step + 1);
        counts->setLabelFormat("%d");
        counts->setTitleText(c.yTitle);
        chart->addAxis(counts, Qt::AlignLeft);
        series->attachAxis(counts);
        chart->legend()->hide();
        chart->setMargins(QMargins(4, 4, 4, 4));
        SetChart(view, chart);
    }

    QBarSet* Bars(QWidget* view) override
    {
        const QChart* chart = static_cast<QChartView*>(view)->chart();
        if (!chart || chart->series().isEmpty())
            return nullptr;
        const auto* bars = qobject_cast<QBarSeries*>(chart->series().front());
        return bars && bars->count() ? bars->barSets().front() : nullptr;
    }
};

} // namespace

extern "C" __attribute__((visibility("default"))) IChartKit* LexidoChartKit()
{
    static CQtChartKit kit;
    return &kit;
}
