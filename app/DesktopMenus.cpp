#include "app/DesktopMenus.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/WindowTexts.h"
#include "engine/RecentFiles.h"
#include "qttext/CodePageText.h"
#include "resources/Resources.h"
#include "settings/DisplaySettings.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>

namespace desk {

namespace {
constexpr const char* kMarked = "lexidoMarked"; // the caption with the mnemonic added
constexpr const char* kPlain = "lexidoPlain";   // the caption without it
constexpr const char* kAdded = "lexidoAdded";   // an item of the window's, not of the main resource

struct SAdded {
    int id, text;
    const char* english;
};
const SAdded kColours[] = {{ID_VIEW_COLOURS_DESKTOP, 594, "Follow the &Desktop"},
    {ID_VIEW_COLOURS_LIGHT, 595, "&Light"}, {ID_VIEW_COLOURS_DARK, 596, "Dar&k"}};
const SAdded kZoom[] = {{ID_VIEW_ZOOM_IN, 597, "Zoom &In"}, {ID_VIEW_ZOOM_OUT, 598, "Zoom &Out"},
    {ID_VIEW_ZOOM_RESET, 599, "&Normal Size"}};

QMenu* MenuHolding(CMainFrame* frame, int id)
{
    for (QAction* top : frame->menuBar()->actions())
        if (QMenu* menu = top->menu())
            for (QAction* a : menu->actions())
                if (a->data().toInt() == id)
                    return menu;
    return nullptr;
}

QMenu* Submenu(CMainFrame* frame, const char* name)
{
    return frame->menuBar()->findChild<QMenu*>(name);
}

void FillRecent(CMainFrame* frame, QMenu* menu)
{
    menu->clear();
    const std::vector<std::string> files = recent::List();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QFileInfo file(FromPath(files[i]));
        const int id = res::ID_FILE_RECENT_FIRST + static_cast<int>(i);
        QAction* a = menu->addAction(QString("&%1  %2  (%3)").arg(i + 1).arg(file.fileName(), file.absolutePath()));
        a->setObjectName(QString::number(id));
        a->setData(id);
        QObject::connect(a, &QAction::triggered, frame, [frame, id] {
            if (frame->View())
                frame->View()->OnCommand(id);
        });
    }
    if (files.empty())
        menu->addAction(LclText(600, "No recent files"))->setEnabled(false);
}

// Gives the items of a menu (or the bar's menus) without a mnemonic the first letter of their
// caption that no other item of it uses.
void AddMnemonics(QWidget* menu)
{
    QString used;
    const QList<QAction*> items = menu->actions();
    for (QAction* a : items) {
        if (a->property(kMarked).toString() == a->text())
            a->setText(a->property(kPlain).toString()); // marked before: marked anew below
        const int amp = a->text().indexOf('&');
        if (amp >= 0 && amp + 1 < a->text().size())
            used += a->text()[amp + 1].toLower();
    }
    for (QAction* a : items) {
        const QString text = a->text();
        if (a->isSeparator() || text.isEmpty() || text.contains('&'))
            continue;
        for (int i = 0; i < text.size(); ++i) {
            if (!text[i].isLetterOrNumber() || used.contains(text[i].toLower()))
                continue;
            used += text[i].toLower();
            const QString marked = text.left(i) + '&' + text.mid(i);
            a->setProperty(kPlain, text);
            a->setProperty(kMarked, marked);
            a->setText(marked);
            break;
        }
    }
}
} // namespace

QString CaptionOf(const QAction* action)
{
    const QString text = action->text();
    return action->property(kMarked).toString() == text && !text.isEmpty() ? action->property(kPlain).toString() : text;
}

void AddMenus(CMainFrame* frame)
{
    // File > Open Recent, below the item that opens a file.
    if (QMenu* file = MenuHolding(frame, res::ID_SLFILE_FIRSTFILEOPEN)) {
        auto* recentMenu = new QMenu(frame->menuBar());
        recentMenu->setObjectName("RecentMenu");
        const QList<QAction*> items = file->actions();
        const int open = static_cast<int>(items.indexOf(frame->Action(res::ID_SLFILE_FIRSTFILEOPEN)));
        file->insertMenu(open + 1 < items.size() ? items.at(open + 1) : nullptr, recentMenu)->setProperty(kAdded, true);
        QObject::connect(
            recentMenu, &QMenu::aboutToShow, frame, [frame, recentMenu] { FillRecent(frame, recentMenu); });
    }
    // View > Colours and the zoom, below the bars.
    if (QMenu* view = MenuHolding(frame, res::ID_VIEW_TOOLBAR)) {
        view->addSeparator()->setProperty(kAdded, true);
        auto* colours = new QMenu(frame->menuBar());
        colours->setObjectName("ColoursMenu");
        view->addMenu(colours)->setProperty(kAdded, true);
        auto* group = new QActionGroup(colours);
        for (const SAdded& item : kColours) {
            QAction* a = frame->MakeAction(item.id, QString());
            a->setCheckable(true);
            group->addAction(a);
            colours->addAction(a);
        }
        for (const SAdded& item : kZoom) {
            view->addAction(frame->MakeAction(item.id, QString()));
            frame->Action(item.id)->setProperty(kAdded, true);
        }
    }
    // Ctrl+Plus with or without Shift (Ctrl+= on most keyboards), Ctrl+Minus, Ctrl+0.
    frame->Action(ID_VIEW_ZOOM_IN)->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    frame->Action(ID_VIEW_ZOOM_OUT)->setShortcuts(QKeySequence::ZoomOut);
    frame->Action(ID_VIEW_ZOOM_RESET)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (int id : {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_VIEW_ZOOM_RESET})
        frame->addAction(frame->Action(id)); // the keys work also while the menu bar is hidden
}

void ApplyTexts(CMainFrame* frame)
{
    if (QMenu* recentMenu = Submenu(frame, "RecentMenu"))
        recentMenu->setTitle(LclText(592, "Open &Recent"));
    if (QMenu* colours = Submenu(frame, "ColoursMenu"))
        colours->setTitle(LclText(593, "&Colours"));
    for (const SAdded* list : {kColours, kZoom})
        for (int i = 0; i < 3; ++i)
            if (QAction* a = frame->Action(list[i].id))
                a->setText(LclText(list[i].text, list[i].english));
    AddMnemonics(frame->menuBar());
    for (QAction* top : frame->menuBar()->actions())
        if (QMenu* menu = top->menu())
            AddMnemonics(menu);
    // The toolbar's buttons are named by their command's caption, or else by their tool tip.
    if (auto* tools = frame->findChild<QToolBar*>("ToolBar")) {
        for (QAction* a : tools->actions()) {
            QWidget* button = tools->widgetForAction(a);
            if (!button || a->isSeparator())
                continue;
            const QString caption = PlainCaption(CaptionOf(a));
            button->setAccessibleName(caption.isEmpty() ? a->toolTip() : caption);
            button->setAccessibleDescription(a->statusTip());
        }
    }
    static const char* const kFields[][2] = {{"IndicatorCAP", "Caps Lock"}, {"IndicatorNUM", "Num Lock"},
        {"IndicatorSCRL", "Scroll Lock"}, {"PassPane", "Pass"}, {"LegendPane", "Keys and messages"}};
    for (int i = 0; i < 5; ++i)
        if (auto* field = frame->statusBar()->findChild<QLabel*>(kFields[i][0]))
            field->setAccessibleName(LclText(601 + i, kFields[i][1]));
    frame->statusBar()->setAccessibleName(LclText(606, "Status bar"));
}

void NameControls(QWidget* dialog)
{
    QList<QWidget*> named; // the buddies of labels, which Qt names by their label
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label->buddy())
            named << label->buddy();
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->accessibleName().isEmpty() || named.contains(control) ||
            (qobject_cast<QAbstractButton*>(control) && !static_cast<QAbstractButton*>(control)->text().isEmpty()) ||
            !control->parentWidget())
            continue;
        // The nearest label before it among its siblings, else the title of its group.
        QString name;
        for (QObject* sibling : control->parentWidget()->children()) {
            if (sibling == control)
                break;
            if (auto* label = qobject_cast<QLabel*>(sibling); label && !label->text().isEmpty())
                name = label->text();
        }
        for (QWidget* w = control->parentWidget(); name.isEmpty() && w && w != dialog; w = w->parentWidget())
            if (auto* group = qobject_cast<QGroupBox*>(w))
                name = group->title();
        if (!name.isEmpty())
            control->setAccessibleName(PlainCaption(name).remove(QRegularExpression("<[^>]*>")));
    }
}

void UpdateChecks(CMainFrame* frame)
{
    const int scheme = dispcfg::ReadColours();
    for (const SAdded& item : kColours)
        if (QAction* a = frame->Action(item.id))
            a->setChecked(item.id - ID_VIEW_COLOURS_DESKTOP == scheme);
    const int zoom = dispcfg::ReadZoom();
    if (frame->Action(ID_VIEW_ZOOM_IN)) {
        frame->Action(ID_VIEW_ZOOM_IN)->setEnabled(zoom < dispcfg::kZoomLimit);
        frame->Action(ID_VIEW_ZOOM_OUT)->setEnabled(zoom > -dispcfg::kZoomLimit);
    }
}

bool OnCommand(CMainFrame* frame, int id)
{
    const int zoom = dispcfg::ReadZoom();
    switch (id) {
    case ID_VIEW_COLOURS_DESKTOP:
    case ID_VIEW_COLOURS_LIGHT:
    case ID_VIEW_COLOURS_DARK: dispcfg::WriteColours(id - ID_VIEW_COLOURS_DESKTOP); break;
    case ID_VIEW_ZOOM_IN: dispcfg::WriteZoom(std::min(zoom + 1, int(dispcfg::kZoomLimit))); break;
    case ID_VIEW_ZOOM_OUT: dispcfg::WriteZoom(std::max(zoom - 1, -int(dispcfg::kZoomLimit))); break;
    case ID_VIEW_ZOOM_RESET: dispcfg::WriteZoom(0); break;
    default: return false;
    }
    UpdateChecks(frame);
    if (frame->View())
        frame->View()->DisplayChanged();
    return true;
}

} // namespace desk
