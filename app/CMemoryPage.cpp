#include "app/CMemoryPage.h"

#include "app/WindowTexts.h"
#include "qttext/CodePageText.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

namespace {

constexpr int kDueNext = 508, kDaysAhead = 509, kNew = 510, kLearning = 511, kMature = 512, kRetention = 513,
              kNoReviews = 516;

// The step of an axis of whole numbers from 0 to most: 1, 2 or 5 times a power of ten, so that
// there are at most ten steps.
int CountStep(int most)
{
    for (long long scale = 1;; scale *= 10)
        for (int f : {1, 2, 5})
            if (f * scale * 10 >= most)
                return int(f * scale);
}

QValueAxis* CountAxis(int most)
{
    const int step = CountStep(most);
    const int top = std::max(1, (most + step - 1) / step) * step;
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->setTickCount(top / step + 1);
    axis->setLabelFormat("%d");
    axis->setTitleText(LclText(182, "Phrases"));
    return axis;
}

} // namespace

CMemoryPage::CMemoryPage(QWidget* parent)
    : QWidget(parent), m_pTitle(new QLabel(this)), m_pChart(new QChartView(this)), m_pTable(new QTableWidget(this)),
      m_pRetention(new QLabel(this))
{
    setObjectName("MemoryPage");
    m_pChart->setRenderHint(QPainter::Antialiasing);
    m_pChart->setMinimumHeight(220);
    m_pTable->setColumnCount(4);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->verticalHeader()->hide();
    m_pRetention->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTitle);
    layout->addWidget(m_pChart, 3);
    layout->addWidget(m_pTable, 2);
    layout->addWidget(m_pRetention);
}

QBarSet* CMemoryPage::Bars() const
{
    const QChart* chart = m_pChart->chart();
    if (!chart || chart->series().isEmpty())
        return nullptr;
    const auto* bars = qobject_cast<QBarSeries*>(chart->series().front());
    return bars && bars->count() ? bars->barSets().front() : nullptr;
}

void CMemoryPage::Show(const keeper::SMemoryPage& page, int direction)
{
    m_pTitle->setText(
        LclText(kDueNext, "Due in the next 30 days, %1")
            .arg(PlainCaption(LclText(direction ? 14 : 13, direction ? "2-nd --> 1-st" : "1-st --> 2-nd"))));
    auto* set = new QBarSet(LclText(182, "Phrases"));
    set->setColor(QColor(30, 90, 160));
    int most = 0;
    for (int n : page.forecast) {
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
    days->setTitleText(LclText(kDaysAhead, "Days from today"));
    chart->addAxis(days, Qt::AlignBottom);
    series->attachAxis(days);
    QValueAxis* counts = CountAxis(most);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    QChart* old = m_pChart->chart();
    m_pChart->setChart(chart);
    delete old;

    m_pTable->setHorizontalHeaderLabels(
        {LclText(176, "File"), LclText(kNew, "New"), LclText(kLearning, "Learning"), LclText(kMature, "Mature")});
    m_pTable->setRowCount(int(page.files.size()));
    for (int i = 0; i < int(page.files.size()); ++i) {
        const keeper::SFileMemory& f = page.files[std::size_t(i)];
        const QString path = FromPath(f.file);
        auto* file = new QTableWidgetItem(QFileInfo(path).fileName());
        file->setToolTip(path);
        m_pTable->setItem(i, 0, file);
        const int kinds[] = {f.fresh, f.learning, f.mature};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(LclNumberText(kinds[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pTable->setItem(i, c + 1, item);
        }
    }
    m_pTable->resizeColumnsToContents();
    m_pTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    if (page.trueRetention < 0 || page.retentionReviews <= 0)
        m_pRetention->setText(LclText(kNoReviews, "Remembered when due, last 30 days: no reviews yet"));
    else
        m_pRetention->setText(LclPluralText(kRetention, page.retentionReviews,
            {QString::number(qRound(page.trueRetention * 100)) + " %", LclNumberText(page.retentionReviews)}));
}
