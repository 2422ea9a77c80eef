#include "resources/Resources.h"

#include <map>

namespace res {

const std::vector<Popup>& MainMenu()
{
    static const std::vector<Popup> menu = {
        {"File",
         {{ID_SLFILE_FIRSTFILEOPEN, "&Open...\tCtrl+O", false},
          {ID_SLFILE_IMPORT, "&Import...", false},
          {ID_SLFILE_EXPORT, "&Export...", false},
          {ID_SLFILE_SAVERESULTSAS, "&Save Results As...\tCtrl+S", false},
          {ID_SLFILE_SETTINGS, "Settings...", false},
          {ID_SLFILE_EXIT, "Exit", false}}},
        {"&View", {{ID_VIEW_TOOLBAR, "&Toolbar", false}, {ID_VIEW_STATUS_BAR, "&Status Bar", false},
                   {ID_VIEW_PROGRESS, "&Progress...", false}, {ID_NONE, "", true},
                   {ID_VIEW_LAYOUT_COMFORTABLE, "Co&mfortable Layout", false},
                   {ID_VIEW_LAYOUT_CLASSIC, "C&lassic Layout", false}}},
        {"Keyboard", {{ID_KEYBOARD_KEYBOARDONLY, "Keyboard", false}, {ID_KEYBOARD_KEYBOARDMOUSE, "Mouse", false}}},
        {"Direction",
         {{ID_DIRECTION_1ST2ND, "1st --> 2nd", false}, {ID_DIRECTION_2ND1ST, "2nd --> 1st", false}}},
        {"Mode",
         {{ID_MODE_INWHOLE, "In Whole", false},
          {ID_MODE_WORDBYWORD, "Word By Word", false},
          {ID_MODE_TIMEOUTINWHOLE, "Time Out (In Whole)", false},
          {ID_MODE_TIMEOUTWORDBYWORD, "Time Out (Word By Word)", false},
          {ID_MODE_WHICHLETTER, "Which Letter?", false},
          {ID_MODE_OPENBRACKETSWHOLEWORD, "Open Brackets (Whole Word)", false},
          {ID_MODE_OPENBRACKETS1LETTER, "Open Brackets (1 Letter)", false},
          {ID_MODE_OPENBRACKETSWHOLEWORDNI, "Open Brackets (Whole Word), N/I", false},
          {ID_MODE_OPENBRACKETS1LETTERNI, "Open Brackets (1 Letter), N/I", false},
          {ID_MODE_TYPEANSWER, "Type the Answer", false},
          {ID_MODE_CHOOSEANSWER, "Choose the Answer", false},
          {ID_NONE, kModeDashes, false},
          {ID_MODE_ADDBRACKETS, "Add Brackets", false}}},
        {"Run",
         {{ID_RUN_FIRSTITERATION, "First Iteration", false},
          {ID_RUN_NEXTITERATION, "Next Iteration", false},
          {ID_RUN_NEXTFILE, "Next File", false},
          {ID_RUN_PREVIOUSFILE, "Previous File", false},
          {ID_RUN_REVIEWDUE, "Review &Due\tCtrl+R", false},
          {ID_NONE, "", true},
          {ID_SPEAK, "Speak\tF4", false}}},
        {"Add Brackets",
         {{ID_ADDBRACKETS_WORDBYWORD, "Add Brackets (Word By Word)", false},
          {ID_ADDBRACKETS_TIMEOUT, "Add Brackets (Time Out)", false}}},
        {"Phrase-book",
         {{32818, "English <---> French", false},
          {32819, "English <---> German", false},
          {32820, "English <---> Russian", false},
          {ID_NONE, "", true},
          {32821, "French <---> English", false},
          {32822, "French <---> German", false},
          {32823, "French <---> Russian", false},
          {ID_NONE, "", true},
          {32824, "German <---> English", false},
          {32825, "German <---> French", false},
          {32826, "German <---> Russian", false},
          {ID_NONE, "", true},
          {32827, "Russian <---> English", false},
          {32828, "Russian <---> French", false},
          {32829, "Russian <---> German", false}}},
        {"&Help",
         {{ID_HELP_FINDER, "&Help Contents", false}, {ID_NONE, "", true}, {ID_APP_ABOUT, "&About Lexido", false}}},
    };
    return menu;
}

bool DrawnAsSeparator(const MenuItem& item)
{
    if (item.separator)
        return true;
    const std::string caption = item.caption ? item.caption : "";
    return item.id == ID_NONE && !caption.empty() && caption.find_first_not_of('-') == std::string::npos;
}

const std::vector<std::vector<int>>& Choices()
{
    static const std::vector<std::vector<int>> choices = {
        {ID_DIRECTION_1ST2ND, ID_DIRECTION_2ND1ST},
        {ID_KEYBOARD_KEYBOARDONLY, ID_KEYBOARD_KEYBOARDMOUSE},
        {ID_MODE_INWHOLE, ID_MODE_WORDBYWORD, ID_MODE_WHICHLETTER, ID_MODE_TIMEOUTINWHOLE, ID_MODE_TIMEOUTWORDBYWORD,
         ID_MODE_OPENBRACKETSWHOLEWORD, ID_MODE_OPENBRACKETS1LETTER, ID_MODE_OPENBRACKETSWHOLEWORDNI,
         ID_MODE_OPENBRACKETS1LETTERNI, ID_MODE_TYPEANSWER, ID_MODE_CHOOSEANSWER, ID_MODE_ADDBRACKETS},
    };
    return choices;
}

const char* Prompt(int id)
{
    static const std::map<int, const char*> prompts = {
        {ID_SLFILE_FIRSTFILEOPEN, "Open a phrase file to work with"},
        {ID_FILE_OPEN, "Open a phrase file to work with\nOpen"},
        {ID_SLFILE_IMPORT, "Make a phrase file of words from another trainer or a table"},
        {ID_SLFILE_EXPORT, "Write the open phrase file as a table, a kvtml vocabulary or Anki notes"},
        {ID_SLFILE_SAVERESULTSAS, "Save the results of the iterations over the file"},
        {ID_FILE_SAVE, "Save the results\nSave"},
        {ID_SLFILE_SETTINGS, "Change the program's settings"},
        {ID_SLFILE_EXIT, "Exit the program"},
        {ID_KEYBOARD_KEYBOARDONLY, "Make keyboard control available"},
        {ID_KEYBOARD_KEYBOARDMOUSE, "Make mouse control available"},
        {ID_DIRECTION_1ST2ND, "Translate phrases from the 1st language into the 2nd"},
        {ID_DIRECTION_2ND1ST, "Translate phrases from the 2nd language into the 1st"},
        {ID_MODE_INWHOLE, "Show whole phrases"},
        {ID_MODE_WORDBYWORD, "Show phrases word by word"},
        {ID_MODE_TIMEOUTINWHOLE, "Show whole phrases with timeout"},
        {ID_MODE_TIMEOUTWORDBYWORD, "Show phrases word by word with timeout"},
        {ID_MODE_WHICHLETTER, "Go forward by typing the first letter of each word"},
        {ID_MODE_OPENBRACKETSWHOLEWORD, "Open the brackets by typing the whole word"},
        {ID_MODE_OPENBRACKETS1LETTER, "Open the brackets by typing only the first letter of each word"},
        {ID_MODE_OPENBRACKETSWHOLEWORDNI, "Open the brackets by typing the whole word, in a text without translation"},
        {ID_MODE_OPENBRACKETS1LETTERNI,
         "Open the brackets by typing only the first letter of each word, in a text without translation"},
        {ID_MODE_TYPEANSWER, "Type the answer of each phrase and see how near it comes"},
        {ID_MODE_CHOOSEANSWER, "Choose the answer of each phrase among four"},
        {ID_MODE_ADDBRACKETS, "Make the Add Brackets menu available"},
        {ID_RUN_FIRSTITERATION, "Begin the first iteration over the file"},
        {ID_TB_FIRSTITERATION, "Begin the first iteration over the file\nFirst Iteration"},
        {ID_RUN_NEXTITERATION, "Begin the next iteration over the file"},
        {ID_TB_NEXTITERATION, "Begin the next iteration over the file\nNext Iteration"},
        {ID_RUN_NEXTFILE, "Begin the first iteration over the next file"},
        {ID_TB_NEXTFILE, "Begin the first iteration over the next file\nNext File"},
        {ID_RUN_PREVIOUSFILE, "Begin the first iteration over the previous file"},
        {ID_TB_PREVIOUSFILE, "Begin the first iteration over the previous file\nPrevious File"},
        {ID_ADDBRACKETS_WORDBYWORD, "Show the file word by word and add brackets"},
        {ID_ADDBRACKETS_TIMEOUT, "Show the file with a time-out and add brackets"},
        {ID_FILE_NEW, "Cancel current iteration\nCancel"},
        {ID_SPEAK, "Say the text revealed last in its language\nSpeak"},
        {ID_RUN_REVIEWDUE, "Review the phrases due today, from every file practised\nReview Due"},
        // The framework's own commands, in our words.
        {ID_APP_ABOUT, "Show the program's name, version and maker\nAbout"},
        {ID_HELP_FINDER, "Show the contents of the help\nHelp Contents"},
        {ID_CONTEXT_HELP, "Click a button, a menu item or the window to get help on it\nContext Help"},
        {ID_HELP, "Show help on the current task or command\nHelp"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToolbar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nStatus Bar"},
        {ID_VIEW_PROGRESS, "Show the passes of the files practised, day by day\nProgress"},
        {ID_VIEW_LAYOUT_COMFORTABLE, "Show the phrases with margins, in a larger font\nComfortable Layout"},
        {ID_VIEW_LAYOUT_CLASSIC, "Show the phrases from the top left corner, as before\nClassic Layout"},
    };
    const auto it = prompts.find(id);
    return it == prompts.end() ? nullptr : it->second;
}

const std::vector<int>& ToolBar()
{
    static const std::vector<int> bar = {
        ID_FILE_NEW,        ID_SLFILE_FIRSTFILEOPEN, ID_SLFILE_SAVERESULTSAS, ID_TB_FIRSTITERATION,
        ID_TB_NEXTITERATION, ID_TB_PREVIOUSFILE,    ID_NONE,                 ID_TB_NEXTFILE,
        ID_NONE,            ID_RUN_REVIEWDUE,        ID_NONE,                 ID_SPEAK,
        ID_NONE,            ID_APP_ABOUT,            ID_CONTEXT_HELP,
    };
    return bar;
}

const std::vector<Accel>& Accelerators()
{
    static const std::vector<Accel> keys = {
        {'N', kCtrl, ID_FILE_NEW},      {'O', kCtrl, ID_FILE_OPEN},      {'S', kCtrl, ID_FILE_SAVE},
        {'P', kCtrl, ID_FILE_PRINT},    {kKeyF1, kNone, ID_HELP},        {kKeyF1, kShift, ID_CONTEXT_HELP},
        {kKeyF5, kNone, ID_RUN_FIRSTITERATION},
        {kKeyF4, kNone, ID_SPEAK},
        {'R', kCtrl, ID_RUN_REVIEWDUE},
    };
    return keys;
}

std::string PlainCaption(const char* caption)
{
    std::string plain;
    for (const char* p = caption; p && *p && *p != '\t'; ++p)
        if (*p != '&')
            plain += *p;
    return plain;
}

} // namespace res
