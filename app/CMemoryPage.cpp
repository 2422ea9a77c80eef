#include "app/CMemoryPage.h"

#include "app/ChartKit.h"
#include "app/WindowTexts.h"
#include "qttext/CodePageText.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kDueNext = 508, kDaysAhead = 509, kNew = 510, kLearning = 511, kMature = 512, kRetention = 513,
              kNoReviews = 516;

} // namespace

CMemoryPage::CMemoryPage(QWidget* parent)
    : QWidget(parent), m_pTitle(new QLabel(this)), m_pChart(MakeChartView(this)), m_pTable(new QTableWidget(this)),
      m_pRetention(new QLabel(this))
{
    setObjectName("MemoryPage");
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
    IChartKit* kit = ChartKit();
    return kit ? kit->Bars(m_pChart) : nullptr;
}

void CMemoryPage::Show(const keeper::SMemoryPage& page, int direction)
{
    m_pTitle->setText(
        LclText(kDueNext, "Due in the next 30 days, %1")
            .arg(PlainCaption(LclText(direction ? 14 : 13, direction ? "2-nd --> 1-st" : "1-st --> 2-nd"))));
    if (IChartKit* kit = ChartKit()) {
        SBarChart chart;
        chart.counts = QList<int>(page.forecast.begin(), page.forecast.end());
        chart.name = chart.yTitle = LclText(182, "Phrases");
        chart.xTitle = LclText(kDaysAhead, "Days from today");
        kit->ShowBars(m_pChart, chart);
    }

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
