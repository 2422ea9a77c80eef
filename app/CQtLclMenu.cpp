#include "app/CQtLclMenu.h"

#include "app/DesktopMenus.h"
#include "qttext/CodePageText.h"

#include <QAction>
#include <QMenu>

QAction* CQtLclMenu::At(int pos)
{
    if (!m_Widget)
        return nullptr;
    const QList<QAction*> items = m_Widget->actions();
    return pos >= 0 && pos < items.size() ? items.at(pos) : nullptr;
}

int CQtLclMenu::GetItemCount()
{
    return m_Widget ? static_cast<int>(m_Widget->actions().size()) : -1;
}

std::string CQtLclMenu::GetItemCaption(int pos, int codePage)
{
    QAction* a = At(pos);
    if (!a || a->isSeparator())
        return std::string();
    return ToCodePage(desk::CaptionOf(a), codePage).toStdString();
}

int CQtLclMenu::GetItemId(int pos)
{
    QAction* a = At(pos);
    if (!a || a->menu())
        return -1;
    if (a->isSeparator())
        return 0;
    return a->data().toInt();
}

ILclMenu* CQtLclMenu::GetSubMenu(int pos)
{
    QAction* a = At(pos);
    QMenu* menu = a ? a->menu() : nullptr;
    if (!menu)
        return nullptr;
    std::unique_ptr<CQtLclMenu>& sub = m_Subs[menu];
    if (!sub)
        sub = std::make_unique<CQtLclMenu>(menu);
    return sub.get();
}

int CQtLclMenu::SetCaptionByPosition(int pos, const char* caption, int codePage)
{
    QAction* a = At(pos);
    if (!a || a->isSeparator() || !caption)
        return 1;
    const QString text = FromCodePage(caption, codePage);
    a->setText(text);
    if (QMenu* menu = a->menu())
        menu->setTitle(text);
    return 0;
}

int CQtLclMenu::SetCaptionByCommand(int id, const char* caption, int codePage)
{
    if (!m_Widget || !caption)
        return 1;
    for (QAction* a : m_Widget->actions()) {
        if (!a->isSeparator() && !a->menu() && a->data().toInt() == id) {
            a->setText(FromCodePage(caption, codePage));
            return 0;
        }
    }
    return 1;
}
