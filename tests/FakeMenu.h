#pragma once
// An in-memory menu tree behind ILclMenu. Captions are held as Unicode, as a real toolkit
// holds them, so a caption written in one code page and read back in another does not match.

#include "locale/ILclMenu.h"

#include <memory>
#include <string>
#include <vector>

class FakeMenu : public ILclMenu {
public:
    struct Item {
        std::u32string caption;
        int id = 0;
        std::unique_ptr<FakeMenu> sub;
        bool refuseChange = false; // the toolkit refuses to change this caption
    };

    int GetItemCount() override { return static_cast<int>(m_Items.size()); }
    std::string GetItemCaption(int pos, int codePage) override;
    int GetItemId(int pos) override;
    ILclMenu* GetSubMenu(int pos) override;
    int SetCaptionByPosition(int pos, const char* caption, int codePage) override;
    int SetCaptionByCommand(int id, const char* caption, int codePage) override;

    FakeMenu& AddPopup(const std::string& utf8);
    void AddItem(const std::string& utf8, int id);
    void AddSeparator() { m_Items.emplace_back(); }

    Item& At(int pos) { return m_Items.at(static_cast<std::size_t>(pos)); }
    FakeMenu& Sub(int pos) { return *At(pos).sub; }
    std::string Utf8(int pos) const;
    void SetUtf8(int pos, const std::string& utf8);

    // Every caption as "top|item" lines in UTF-8, ids included: the whole menu in one text.
    std::string Dump() const;

    int changes = 0; // captions changed through the interface

private:
    std::vector<Item> m_Items;
};

struct FakeWnd : ILclWnd {
    FakeMenu bar;
    bool hasMenu = true;
    ILclMenu* GetMenu() override { return hasMenu ? &bar : nullptr; }
};

// The menu bar as the window builds it: the English captions with their command ids, written
// out here as the menu resource has them.
struct MenuEntry {
    int text; // interface text the caption shows (0: separator; -1: the line of dashes)
    const char* english;
    int id;
};
struct MenuTop {
    int text;
    const char* english;
    std::vector<MenuEntry> items;
};
const std::vector<MenuTop>& EnglishMenuResource();
void BuildEnglishMenu(FakeMenu& bar);

std::u32string FromUtf8(const std::string& utf8);
// UTF-8 form of bytes in a code page.
std::string CodePageToUtf8(const char* bytes, int codePage);
