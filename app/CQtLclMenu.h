#pragma once
// The menu bar (or one drop-down menu) as the interface language sees it: items found by
// position, captions as bytes in a code page, retitled in place.

#include "locale/ILclMenu.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

class QAction;

class CQtLclMenu : public ILclMenu {
public:
    // widget is a QMenuBar or a QMenu: its actions are the items.
    explicit CQtLclMenu(QWidget* widget) : m_Widget(widget) {}

    int GetItemCount() override;
    std::string GetItemCaption(int pos, int codePage) override;
    int GetItemId(int pos) override;
    ILclMenu* GetSubMenu(int pos) override;
    int SetCaptionByPosition(int pos, const char* caption, int codePage) override;
    int SetCaptionByCommand(int id, const char* caption, int codePage) override;

private:
    QAction* At(int pos);

    QPointer<QWidget> m_Widget;
    std::map<QWidget*, std::unique_ptr<CQtLclMenu>> m_Subs;
};
