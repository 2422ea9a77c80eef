#include "app/CProgressWnd.h"

#include "app/CMemoryPage.h"
#include "app/WindowTexts.h"
#include "engine/DrillCommands.h"
#include "engine/MemoryKeeper.h"
#include "engine/PassHistory.h"
#include "qttext/CodePageText.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <vector>

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

// A chart of two series, shown and marked, over the points given; x is a number or a time.
QChart* MakeChart(const QList<QPointF>& shown, const QList<QPointF>& marked, QAbstractAxis* x, double top)
{
    auto* chart = new QChart;
    const QString names[2] = {LclText(174, "Shown"), LclText(175, "Marked")};
    const QList<QPointF>* points[2] = {&shown, &marked};
    auto* y = new QValueAxis;
    y->setObjectName("Phrases");
    y->setTitleText(LclText(182, "Phrases"));
    WholeNumberAxis(y, 0, top, true);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (int i = 0; i < 2; ++i) {
        auto* series = new QLineSeries;
        series->setName(names[i]);
        series->replace(*points[i]);
        series->setPointsVisible(points[i]->size() <= kDotsUpTo);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// More passes than a chart has room for are drawn as the means of runs of passes in turn.
QChart* PassChart(const std::vector<hist::SPassRecord>& passes)
{
    constexpr std::size_t kMostPoints = 1000;
    const std::size_t n = passes.size();
    const std::size_t run = std::max<std::size_t>(1, (n + kMostPoints - 1) / kMostPoints);
    QList<QPointF> shown, marked;
    double top = 0;
    for (std::size_t b = 0; b < n; b += run) {
        const std::size_t e = std::min(n, b + run);
        double s = 0, m = 0;
        for (std::size_t i = b; i < e; ++i) {
            s += passes[i].shown;
            m += passes[i].marked;
        }
        const double count = double(e - b), x = double(b + 1 + e) / 2.0; // the run's middle pass
        shown.append(QPointF(x, s / count));
        marked.append(QPointF(x, m / count));
        top = std::max(top, s / count);
    }
    auto* x = new QValueAxis;
    x->setObjectName("Passes");
    x->setTitleText(LclText(180, "Pass"));
    // A single pass stands in the middle of the axis.
    WholeNumberAxis(x, passes.size() > 1 ? 1 : 0, std::max<double>(2, double(passes.size())), false);
    return MakeChart(shown, marked, x, top);
}

QChart* DayChart(const std::vector<hist::SPassRecord>& passes)
{
    QList<QPointF> shown, marked;
    double top = 0;
    const std::vector<hist::SDayTotal> days = hist::DayTotals(passes);
    for (const hist::SDayTotal& d : days) {
        const double ms = double(d.day) * 1000.0;
        shown.append(QPointF(ms, d.shown));
        marked.append(QPointF(ms, d.marked));
        top = std::max(top, double(d.shown));
    }
    auto* x = new QDateTimeAxis;
    x->setTitleText(LclText(181, "Day"));
    x->setFormat("yyyy-MM-dd");
    constexpr qint64 kDayMs = 86400000;
    const qint64 first = days.empty() ? 0 : days.front().day * 1000;
    const qint64 last = days.empty() ? 0 : days.back().day * 1000;
    // A single day stands in the middle of the axis.
    x->setRange(QDateTime::fromMSecsSinceEpoch(first - (first == last ? kDayMs : 0)),
        QDateTime::fromMSecsSinceEpoch(last + (first == last ? kDayMs : 0)));
    x->setTickCount(std::min<int>(7, std::max<int>(3, int(days.size()))));
    return MakeChart(shown, marked, x, top);
}

void SetChart(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

CProgressWnd::CProgressWnd(QWidget* parent)
    : QDialog(parent), m_pTitle(new QLabel(this)), m_pCharts(new QTabWidget(this)), m_pByPass(new QChartView(this)),
      m_pByDay(new QChartView(this)), m_pTable(new QTableWidget(this)), m_pMemory(new CMemoryPage(this))
{
    setObjectName("ProgressWnd");
    m_pByPass->setRenderHint(QPainter::Antialiasing);
    m_pByDay->setRenderHint(QPainter::Antialiasing);
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
    SetChart(m_pByPass, PassChart(passes));
    SetChart(m_pByDay, DayChart(passes));

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
