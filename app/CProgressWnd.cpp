#include "app/CProgressWnd.h"

#include "app/CMemoryPage.h"
#include "app/ChartKit.h"
#include "app/LateModules.h"
#include "app/WindowTexts.h"
#include "engine/DrillCommands.h"
#include "engine/MemoryKeeper.h"
#include "engine/PassHistory.h"
#include "qttext/CodePageText.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <vector>

namespace {

// More passes than a chart has room for are drawn as the means of runs of passes in turn.
SLineChart PassChart(const std::vector<hist::SPassRecord>& passes)
{
    constexpr std::size_t kMostPoints = 1000;
    const std::size_t n = passes.size();
    const std::size_t run = std::max<std::size_t>(1, (n + kMostPoints - 1) / kMostPoints);
    SLineChart c;
    for (std::size_t b = 0; b < n; b += run) {
        const std::size_t e = std::min(n, b + run);
        double s = 0, m = 0;
        for (std::size_t i = b; i < e; ++i) {
            s += passes[i].shown;
            m += passes[i].marked;
        }
        const double count = double(e - b), x = double(b + 1 + e) / 2.0; // the run's middle pass
        c.shown.append(QPointF(x, s / count));
        c.marked.append(QPointF(x, m / count));
        c.top = std::max(c.top, s / count);
    }
    c.xTitle = LclText(180, "Pass");
    // A single pass stands in the middle of the axis.
    c.xLow = passes.size() > 1 ? 1 : 0;
    c.xHigh = std::max<double>(2, double(passes.size()));
    return c;
}

SLineChart DayChart(const std::vector<hist::SPassRecord>& passes)
{
    SLineChart c;
    const std::vector<hist::SDayTotal> days = hist::DayTotals(passes);
    for (const hist::SDayTotal& d : days) {
        const double ms = double(d.day) * 1000.0;
        c.shown.append(QPointF(ms, d.shown));
        c.marked.append(QPointF(ms, d.marked));
        c.top = std::max(c.top, double(d.shown));
    }
    c.days = true;
    c.xTitle = LclText(181, "Day");
    constexpr qint64 kDayMs = 86400000;
    const qint64 first = days.empty() ? 0 : days.front().day * 1000;
    const qint64 last = days.empty() ? 0 : days.back().day * 1000;
    // A single day stands in the middle of the axis.
    c.xLow = double(first - (first == last ? kDayMs : 0));
    c.xHigh = double(last + (first == last ? kDayMs : 0));
    c.dateTicks = std::min<int>(7, std::max<int>(3, int(days.size())));
    return c;
}

void ShowLines(QWidget* view, SLineChart chart)
{
    IChartKit* kit = ChartKit();
    if (!kit)
        return;
    chart.shownName = LclText(174, "Shown");
    chart.markedName = LclText(175, "Marked");
    chart.yTitle = LclText(182, "Phrases");
    kit->ShowLines(view, chart);
}

} // namespace

IChartKit* ChartKit()
{
    using Entry = IChartKit* (*)();
    const auto entry = reinterpret_cast<Entry>(late::Entry(late::kCharts, "LexidoChartKit"));
    return entry ? entry() : nullptr;
}

QWidget* MakeChartView(QWidget* parent)
{
    if (IChartKit* kit = ChartKit())
        return kit->MakeView(parent);
    auto* label = new QLabel(LclText(641, "The charts cannot be shown: %1").arg(late::Problem(late::kCharts)), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

CProgressWnd::CProgressWnd(QWidget* parent)
    : QDialog(parent), m_pTitle(new QLabel(this)), m_pCharts(new QTabWidget(this)), m_pByPass(MakeChartView(this)),
      m_pByDay(MakeChartView(this)), m_pTable(new QTableWidget(this)), m_pMemory(new CMemoryPage(this))
{
    setObjectName("ProgressWnd");
    m_pCharts->addTab(m_pByPass, QString());
    m_pCharts->addTab(m_pByDay, QString());
    m_pMemory->hide();
    // The title and the table of files speak of the passes: the Memory page has its own.
    connect(m_pCharts, &QTabWidget::currentChanged, this, [this](int index) {
        const bool memory = m_pCharts->widget(index) == m_pMemory;
        m_pTitle->setVisible(!memory);
        m_pTable->setVisible(!memory);
    });
    m_pTable->setColumnCount(4);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(false);
    m_pTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTitle);
    layout->addWidget(m_pCharts, 3);
    layout->addWidget(m_pTable, 2);
    layout->addWidget(buttons);
    resize(720, 620);
}

void CProgressWnd::Load(const std::string& historyPath, const std::string& currentFile)
{
    setWindowTitle(PlainCaption(LclText(171, "Progress")));
    m_pCharts->setTabText(0, LclText(172, "Pass by pass"));
    m_pCharts->setTabText(1, LclText(173, "Day by day"));
    m_pTable->setHorizontalHeaderLabels(
        {LclText(176, "File"), LclText(177, "Last practised"), LclText(178, "Passes"), LclText(179, "Known")});

    // The memory's database holds the history; the file at historyPath only without one.
    std::vector<hist::SPassRecord> records = keeper::IsOpen() ? keeper::History() : hist::ReadHistory(historyPath);
    const std::vector<hist::SFileSummary> rows = hist::SummariseFiles(records);
    const std::vector<hist::SPassRecord> passes =
        currentFile.empty() ? std::vector<hist::SPassRecord>() : hist::PassesOf(std::move(records), currentFile);
    const QString name = QFileInfo(FromPath(currentFile)).fileName();
    m_pTitle->setText(passes.empty() ? LclText(184, "No pass of the open file yet.")
                                     : LclText(183, "%1: marked against shown").arg(name));
    ShowLines(m_pByPass, PassChart(passes));
    ShowLines(m_pByDay, DayChart(passes));

    m_pTable->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const hist::SFileSummary& row = rows[std::size_t(i)];
        const QString path = FromPath(row.file);
        auto* file = new QTableWidgetItem(QFileInfo(path).fileName());
        file->setToolTip(path);
        m_pTable->setItem(i, 0, file);
        m_pTable->setItem(i, 1, new QTableWidgetItem(QString::fromStdString(hist::FormatTime(row.last, false))));
        for (int c = 2; c < 4; ++c) {
            // A file none of whose passes went to its end has no known share.
            const QString known = row.knownPercent < 0 ? QString("\u2013") : QString::number(row.knownPercent) + " %";
            auto* item = new QTableWidgetItem(c == 2 ? LclNumberText(row.passes) : known);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pTable->setItem(i, c, item);
        }
    }
    m_pTable->resizeColumnsToContents();
    m_pTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ShowMemory();
}

void CProgressWnd::ShowMemory()
{
    const int at = m_pCharts->indexOf(m_pMemory);
    if (!keeper::IsOpen()) {
        if (at >= 0)
            m_pCharts->removeTab(at);
        m_pMemory->hide();
        return;
    }
    const int direction = drill::GetDirection();
    m_pMemory->Show(keeper::MemoryPage(direction), direction);
    if (at < 0)
        m_pCharts->addTab(m_pMemory, LclText(507, "Memory"));
    else
        m_pCharts->setTabText(at, LclText(507, "Memory"));
}
