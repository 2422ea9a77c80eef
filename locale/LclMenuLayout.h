#pragma once
// The layout of the main window's menu bar: which interface text each caption shows and the
// command of each item. The window builds its menu bar from this in English (the texts of
// CLocal_English); the language switch then finds every item by the caption it shows.

#include <cstddef>

// Kinds of drop-down entries besides the text-carrying items.
constexpr int LCL_MENU_SEPARATOR = 0;  // a separator line
constexpr int LCL_MENU_DASH_LINE = -1; // the Mode menu's inert line of dashes, never translated

// The inert line of dashes in the Mode menu, between the Open Brackets and Add Brackets items.
constexpr const char* LCL_MENU_DASHES = "-------------------------------";

struct SLclMenuItem {
    int text; // interface text of the caption, or LCL_MENU_SEPARATOR / LCL_MENU_DASH_LINE
    int id;   // command id; 0 for separators and the line of dashes
};

struct SLclMenuTop {
    int text;                  // interface text of the top-level caption
    const SLclMenuItem* items; // the drop-down menu, top to bottom
    std::size_t count;
};

// The nine top-level menus, left to right.
const SLclMenuTop* LclMenuBar(std::size_t& count);
