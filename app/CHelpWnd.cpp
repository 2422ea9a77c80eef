#include "app/CHelpWnd.h"

#include "app/ToolIcons.h"
#include "app/WindowTexts.h"

#include <QHeaderView>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int kAnchorRole = Qt::UserRole;
} // namespace

CHelpWnd::CHelpWnd(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("HelpWnd");
    setWindowIcon(AppIcon());
    m_pTree = new QTreeWidget(this);
    m_pTree->setObjectName("HelpContents");
    m_pTree->setHeaderHidden(true);
    m_pTree->setColumnCount(1);
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setObjectName("HelpPage");
    // Links name pages of the pair: followed here, never handed to a web browser.
    m_pBrowser->setOpenLinks(false);
    m_pBrowser->setOpenExternalLinks(false);
    m_pBrowser->document()->setDefaultStyleSheet("th, td { padding: 1px 6px; } th { text-align: left; }");
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this, &CHelpWnd::OnLink);
    connect(m_pTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { OnEntry(item); });
    connect(m_pTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { OnEntry(item); });

    m_pSplit = new QSplitter(Qt::Horizontal, this);
    m_pSplit->addWidget(m_pTree);
    m_pSplit->addWidget(m_pBrowser);
    m_pSplit->setStretchFactor(0, 0);
    m_pSplit->setStretchFactor(1, 1);
    m_pSplit->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pSplit);
    resize(960, 600);
}

int CHelpWnd::Load(const std::string& folder)
{
    CHelpDoc doc;
    doc.Load(folder + "/Lexido.hlp", folder + "/Lexido.cnt");
    return Show(std::move(doc));
}

int CHelpWnd::Show(CHelpDoc doc)
{
    const std::string keep = m_Current;
    m_Doc = std::move(doc);
    const bool failed = !m_Doc.Error().empty();
    m_Current.clear();
    FillContents();
    if (failed) {
        setWindowTitle(WndText(EWndText::HelpTitle));
        m_pBrowser->setHtml("<h2>" + WndText(EWndText::HelpTitle).toHtmlEscaped() + "</h2><p>" +
                            WndText(EWndText::HelpUnreadable).toHtmlEscaped() + "</p><p><tt>" +
                            QString::fromStdString(m_Doc.Error()).toHtmlEscaped() + "</tt></p>");
        return 1;
    }
    setWindowTitle(QString::fromStdString(m_Doc.Title()));
    if (keep.empty() || !ShowPage(keep))
        ShowHome();
    return 0;
}

void CHelpWnd::FillContents()
{
    m_pTree->clear();
    // The parent of each level as the entries come: an entry is at most one level below the
    // one before it, so its parent is the last entry one level up.
    QTreeWidgetItem* parents[4] = {};
    for (const SHelpEntry& e : m_Doc.Contents()) {
        QTreeWidgetItem* up = e.level > 1 ? parents[e.level - 1] : nullptr;
        auto* item = up ? new QTreeWidgetItem(up) : new QTreeWidgetItem(m_pTree);
        item->setText(0, QString::fromStdString(e.title));
        item->setData(0, kAnchorRole, QString::fromStdString(e.anchor));
        parents[e.level] = item;
        for (int deeper = e.level + 1; deeper <= 3; ++deeper)
            parents[deeper] = nullptr;
    }
    m_pTree->expandAll();
    // The contents as wide as their longest entry, so that no title is cut, within reason.
    // Measured from the titles: the view measures only the rows it shows, none while hidden.
    int widest = 0;
    for (const SHelpEntry& e : m_Doc.Contents())
        widest = qMax(widest, m_pTree->fontMetrics().horizontalAdvance(QString::fromStdString(e.title)) + e.level * m_pTree->indentation());
    const int wanted = widest + 2 * m_pTree->frameWidth() + 24;
    // Before the first show the splitter has no size of its own yet: the window's counts.
    const int total = m_pSplit->isVisible() ? m_pSplit->width() : width();
    const int tree = qBound(180, wanted, total * 45 / 100);
    m_pSplit->setSizes({tree, total - tree});
}

bool CHelpWnd::ShowPage(const std::string& anchor)
{
    const SHelpPage* page = m_Doc.FindPage(anchor);
    if (!page)
        return false;
    m_Current = anchor;
    m_pBrowser->setHtml(QString::fromStdString(page->html));
    // The entry of the page, if the contents list it; the tree keeps whatever else it shows.
    const QString wanted = QString::fromStdString(anchor);
    for (QTreeWidgetItemIterator it(m_pTree); *it; ++it) {
        if ((*it)->data(0, kAnchorRole).toString() == wanted) {
            m_pTree->setCurrentItem(*it);
            m_pTree->scrollToItem(*it);
            break;
        }
    }
    return true;
}

void CHelpWnd::ShowHome()
{
    ShowPage(m_Doc.HomeAnchor());
}

void CHelpWnd::OnLink(const QUrl& url)
{
    ShowPage(url.fragment().toStdString());
}

void CHelpWnd::OnEntry(QTreeWidgetItem* item)
{
    if (item)
        ShowPage(item->data(0, kAnchorRole).toString().toStdString());
}
