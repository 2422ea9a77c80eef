#pragma once
// The main window's menus as localisation sees them. The window implements these over its
// menu bar; tests give an in-memory menu tree.
//
// Captions cross this boundary as bytes in a single-byte code page (plat::kCpWestern or
// plat::kCpCyrillic): the window converts them to and from what it displays, so a caption
// read back in the code page it was set in gives the same bytes.

#include <string>

// One menu: the menu bar, or one drop-down menu of it. Positions count from 0.
class ILclMenu {
public:
    virtual ~ILclMenu() = default;

    // Number of items, separators included; -1 when the menu cannot be read.
    virtual int GetItemCount() = 0;

    // The whole caption of the item at pos (accelerator marks and the tab part included), as
    // bytes in codePage (a character the code page lacks reads as '?'); empty for a
    // separator or a bad position.
    virtual std::string GetItemCaption(int pos, int codePage) = 0;

    // Command id of the item at pos; -1 for an item that opens a drop-down menu or a bad
    // position; 0 for a separator or an item without a command.
    virtual int GetItemId(int pos) = 0;

    // The drop-down menu opened by the item at pos, owned by this menu; null when there is none.
    virtual ILclMenu* GetSubMenu(int pos) = 0;

    // Replaces the caption of the item at pos, keeping the item and its drop-down menu.
    // 0 on success, nonzero when there is no such item or it cannot be changed.
    virtual int SetCaptionByPosition(int pos, const char* caption, int codePage) = 0;

    // Replaces the caption of the first item of this menu whose command id is id, keeping the
    // id. 0 on success, nonzero when there is no such item or it cannot be changed.
    virtual int SetCaptionByCommand(int id, const char* caption, int codePage) = 0;
};

// The window whose menu bar the interface language rewrites (the view hands itself in).
class ILclWnd {
public:
    virtual ~ILclWnd() = default;
    // The menu bar; null when the window has none.
    virtual ILclMenu* GetMenu() = 0;
};
