#pragma once
// The main resource of the window, as data: the menu bar with its English captions and command
// ids, the status-bar prompts, the toolbar and the accelerators. The window builds its Qt menus
// from this; the interface languages retitle them by caption.

#include <string>
#include <vector>

namespace res {

// Command ids.
enum : int {
    ID_SLFILE_SETTINGS = 32771,
    ID_SLFILE_FIRSTFILEOPEN = 32772,
    ID_SLFILE_EXIT = 32773,
    ID_DIRECTION_1ST2ND = 32774,
    ID_DIRECTION_2ND1ST = 32775,
    ID_MODE_INWHOLE = 32776,
    ID_MODE_WORDBYWORD = 32777,
    ID_MODE_TIMEOUTINWHOLE = 32778,
    ID_MODE_TIMEOUTWORDBYWORD = 32779,
    ID_ADDBRACKETS_TIMEOUT = 32780,
    ID_MODE_WHICHLETTER = 32781,
    ID_ADDBRACKETS_WORDBYWORD = 32782,
    ID_MODE_OPENBRACKETSWHOLEWORD = 32783,
    ID_MODE_OPENBRACKETS1LETTER = 32784,
    ID_MODE_OPENBRACKETSWHOLEWORDNI = 32785,
    ID_MODE_OPENBRACKETS1LETTERNI = 32786,
    ID_TB_NEXTITERATION = 32787,
    ID_TB_NEXTFILE = 32788,
    ID_TB_PREVIOUSFILE = 32789,
    ID_RUN_NEXTITERATION = 32790,
    ID_RUN_PREVIOUSFILE = 32793,
    ID_RUN_NEXTFILE = 32794,
    ID_SLFILE_SAVERESULTSAS = 32795,
    ID_KEYBOARD_KEYBOARDONLY = 32796,
    ID_KEYBOARD_KEYBOARDMOUSE = 32797,
    ID_TB_FIRSTITERATION = 32800,
    ID_RUN_FIRSTITERATION = 32801,
    ID_MODE_ADDBRACKETS = 32803,
    ID_PHRASEBOOK_FIRST = 32818, // English <---> French ... Russian <---> German: 32818..32829
    ID_PHRASEBOOK_LAST = 32829,
    ID_SPEAK = 32840,             // the text revealed last said in its language: menu, toolbar and F4
    ID_FILE_RECENT_FIRST = 32850, // the welcome page's recent files, newest first: 32850..32854
    ID_FILE_RECENT_LAST = 32854,
    ID_SLFILE_IMPORT = 32870, // material of other trainers into a phrase file
    ID_SLFILE_EXPORT = 32875, // the open phrase file written in the forms of other trainers
    ID_RUN_REVIEWDUE = 32880, // the phrases due today, of every file: menu, toolbar and Ctrl+R
    ID_MODE_TYPEANSWER = 32890,   // mode 11: the answer typed and judged
    ID_MODE_CHOOSEANSWER = 32891, // mode 12: the answer chosen among four
    ID_FILE_NEW = 57600, // Cancel current iteration
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_PRINT_SETUP = 57606, // no menu item, button or accelerator
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_APP_ABOUT = 57664,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_DEFAULT_HELP = 57671, // no item of its own: the help contents, as 57667
    ID_HELP = 57670,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VIEW_PROGRESS = 32860,           // the Progress window: passes over days
    ID_VIEW_LAYOUT_COMFORTABLE = 32920, // the screen text with margins, a larger font and a rule
    ID_VIEW_LAYOUT_CLASSIC = 32921,     // the screen text from the top left corner
};

// The Mode menu's line of dashes: an item with no command, never translated, drawn as a separator.
constexpr int ID_NONE = 0;
constexpr const char* kModeDashes = "-------------------------------";

struct MenuItem {
    int id;              // ID_NONE for the dashes; ignored for separators
    const char* caption; // English bytes, "&" before the accelerator letter, "\t" before the key
    bool separator;
};

struct Popup {
    const char* caption;
    std::vector<MenuItem> items;
};

// The menu bar, top-level popups in order.
const std::vector<Popup>& MainMenu();
// A separator, or an item of nothing but dashes (the Mode menu's line), which is drawn as one.
bool DrawnAsSeparator(const MenuItem& item);
// The commands of each one-of choice (direction, keyboard, mode): one of them is checked.
const std::vector<std::vector<int>>& Choices();

// The status-bar prompt of a command ("prompt\ntool tip"), or nullptr.
const char* Prompt(int id);

// Toolbar buttons in order; ID_NONE stands for a separator.
const std::vector<int>& ToolBar();

enum KeyMod : int { kNone = 0, kCtrl = 1, kShift = 2 };
struct Accel {
    int key; // an upper-case ASCII letter, or one of the keys below
    int mods;
    int id;
};
constexpr int kKeyF1 = 0x10001; // the function keys F1..F12 follow in order
constexpr int kKeyF4 = kKeyF1 + 3;
constexpr int kKeyF5 = kKeyF1 + 4;
const std::vector<Accel>& Accelerators();

// A caption as plain text: up to its tab (the shortcut shown beside it), without its '&' marks.
std::string PlainCaption(const char* caption);

} // namespace res
