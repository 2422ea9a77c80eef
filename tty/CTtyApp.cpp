#include "tty/CTtyApp.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "engine/CPassProgress.h"
#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/IterationGlobals.h"
#include "engine/PassNote.h"
#include "engine/RecentFiles.h"
#include "locale/CLocal.h"
#include "locale/LclCount.h"
#include "locale/LclFill.h"
#include "locale/LocaleGlobals.h"
#include "locale/PassTexts.h"
#include "platform/PlatUtf8.h"
#include "platform/PlatWindow.h"
#include "resources/Resources.h"
#include "settings/LsnLogFont.h"
#include "texts/IUtltsFile.h"
#include "texts/RsltsKeeping.h"
#include "tty/CTtyView.h"
#include "tty/TtyAudio.h"
#include "tty/TtyInstall.h"
#include "tty/TtyMemory.h"
#include "tty/TtyStatus.h"
#include "tty/TtyText.h"
#include "tty/TtyWelcome.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace tty {

namespace {

constexpr int kRefreshMs = 200; // the status line follows the passes at least this often
constexpr char kReverse[] = "\x1b[7m";
constexpr char kNormal[] = "\x1b[0m";

int Ctrl(char letter) { return letter - 'a' + 1; }

bool PassRunning() { return g_pCThrdAp && g_pCThrdAp->IsActive(); }

// Cuts a UTF-8 text to at most cols characters and pads it to exactly cols.
std::string Fit(const std::string& text, int cols)
{
    std::string out;
    int n = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t bytes = 1;
        const int cells = CharCells(text, i, bytes);
        if (n + cells > cols)
            break;
        n += cells;
        out.append(text, i, bytes);
        i += bytes;
    }
    out.append(static_cast<std::size_t>(cols - n), ' ');
    return out;
}

std::string Move(int row) { return "\x1b[" + std::to_string(row) + ";1H"; }

const char* const kKeys =
    "Lexido in a terminal: keys\n"
    "\n"
    "  Ctrl+O   open a phrase file            Ctrl+B   phrase-book\n"
    "  Ctrl+S   save results as               Ctrl+Q   exit (also Ctrl+C)\n"
    "  F2       mode                          F3       direction\n"
    "  F4       speak the text shown last\n"
    "  F5       first iteration               F6       next iteration\n"
    "  F7       previous file                 F8       next file\n"
    "  F9       add brackets (word by word)   F10      add brackets (time out)\n"
    "  Ctrl+N   cancel the iteration          1 .. 5   reopen a recent file\n"
    "  Ctrl+R   review the phrases due today\n"
    "  Up, Down, PgUp, PgDn, Home, End   move through the pass or the opened file\n"
    "\n"
    "In a pass: Space marks a phrase not yet known, Backspace takes the last mark back,\n"
    "Escape ends the pass, \"=\" shows without marking; every other key is the answer.\n"
    "Type the Answer: type it, Enter judges, Backspace erases. Choose the Answer: 1 to 4.\n"
    "\n"
    "Up, Down, PgUp, PgDn, Home, End scroll this page; any other key closes it.";

} // namespace

int CTtyApp::Run(const Options& options)
{
    char cwd[4096];
    const std::string startDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
    CTtyView view(*this, [this] { m_Term.Wake(); });
    m_pView = &view;
    if (!Install(view)) {
        m_Term.Restore(); // the line must be seen on the normal screen
        m_pView = nullptr;
        return RefuseFolderInUse();
    }
    if (options.mode >= 0)
        drill::SelectMode(ModeSetting(options.mode));
    if (options.direction >= 0)
        drill::SelectDirection(options.direction);
    if (!options.file.empty()) {
        m_Message = AbsolutePath(options.file, startDir); // AskOpenPath takes it from here
        drill::OpenFile(&view);
    }
    Say("F1: keys   Ctrl+O: open   Ctrl+B: phrase-book   F5: first iteration   Ctrl+Q: exit");
    const std::string kept = rslts::TakeKeptNotice();
    if (!kept.empty())
        ShowKeptResults(kept.c_str());

    while (!m_Quit && !CTtyTerminal::QuitRequested()) {
        if (TakeMessages())
            break;
        if (const std::string notice = TakeNoticeLine(); !notice.empty())
            Say(notice);
        Render();
        // After the frame is out, so that speech never delays it.
        if (PassRunning() && m_Overlay.empty())
            Speak(m_SpeechCue.Follow(ScreenBytes()));
        HandleKey(m_Term.ReadKey(kRefreshMs));
    }
    g_pIMfcCmmnProc->RetirePass();
    // An end the learner was not asked about (a signal, the log's request) keeps what was
    // never saved in the program folder.
    if (!m_LearnerQuit)
        rslts::KeepUnsaved();
    const int status = Uninstall() == 0 ? 0 : 1;
    m_Term.Restore();
    m_pView = nullptr;
    return status;
}

std::string CTtyApp::ScreenBytes()
{
    static char text[SCREEN_TEXT_SIZE];
    const int length = g_pOScreen->CopyText(text, sizeof text);
    return std::string(text, static_cast<std::size_t>(length));
}

std::unique_ptr<speech::ISpeaker> CTtyApp::MakeSpeaker()
{
    return std::make_unique<speech::CSpeaker>(std::make_unique<CPulseAudioOut>());
}

std::string CTtyApp::Text(int index, const std::string& value)
{
    // The value (a file name, a path) is the file system's bytes: it goes in after the text is
    // in UTF-8.
    const std::string filled = FillText(g_pILocal ? g_pILocal->GetText(index) : nullptr, {"\x01"});
    std::string said = CodePageToUtf8(filled, CLocal::InterfaceCodePage());
    const std::size_t at = said.find('\x01');
    if (at != std::string::npos)
        said.replace(at, 1, value);
    return said;
}

void CTtyApp::Speak(const spch::SSaying& saying)
{
    if (!m_Voice.Say(saying))
        return;
    const char* text = g_pILocal ? g_pILocal->GetText(136) : nullptr;
    Say(CodePageToUtf8(text ? text : "No sound device: speech is off.", CLocal::InterfaceCodePage()));
}

bool CTtyApp::TakeMessages()
{
    int message = 0;
    bool close = false;
    while (m_pView->TakeMessage(message))
        if (message == WM_DEINSTALL_ALL)
            close = true; // the log asks for an orderly end after an error
    return close;
}

std::string CTtyApp::StatusLine(int cols)
{
    const char* name = g_pIUtltsFile->GetFileName();
    // A starting pass may rewrite the current file on its thread: a copy, taken under its lock.
    const std::string current = g_pIUtltsFile->CopyCurrentFileName();
    const int pass = g_pIItrtnSrvc->GetIterationNmb();
    if (m_CountedFile != current || m_CountedPass != pass) {
        m_CountedFile = current;
        m_CountedPass = pass;
        m_Phrases = CountPhrases(current.c_str());
    }
    const int mode = drill::GetMode();
    std::string status = " ";
    status += name && *name ? name : "no file"; // file names are the file system's own bytes
    status += " | " + (mode == drill::kModeAddBrackets ? std::string("Add Brackets") : ModeCaption(mode));
    status += " | " + CommandCaption(drill::GetDirection() == 0 ? res::ID_DIRECTION_1ST2ND : res::ID_DIRECTION_2ND1ST);
    const SPassProgress progress = PassProgress().Get();
    if (PassRunning() && progress.running) { // its place in the pass, with its number and marks
        const int cp = CLocal::InterfaceCodePage();
        status += " | " + CodePageToUtf8(PassProgressText(progress), cp);
        if (progress.shownMarked) // the phrase shown now is marked
            status += " | [*] " + CodePageToUtf8(PassMarkText(), cp);
        return Fit(status, cols);
    }
    status += " | pass " + LclNumber(pass, LANGUAGE_ENGLISH);
    status += " | " + LclCount(m_Phrases, "phrase|phrases", LANGUAGE_ENGLISH);
    if (PassRunning())
        status += " | running";
    else if (g_pIItrtnSrvc->GetIterationStatus() == ITERATION_STATUS_NEXT)
        status += " | next iteration possible";
    else if (g_pIItrtnSrvc->GetIterationStatus() == ITERATION_STATUS_IS_OVER)
        status += " | iterations over";
    return Fit(status, cols);
}

void CTtyApp::FollowPass()
{
    const SPassProgress p = PassProgress().Get();
    const EPassNote note = GetPassNote();
    if (p.running && (p.serial != m_LegendPass || note != m_Note)) {
        // After what started the pass, so the command stays named; a note of the pass (a wrong
        // answer, a text without brackets) as it comes and goes.
        const std::string legend = CodePageToUtf8(PassKeysText(drill::GetMode(), note), CLocal::InterfaceCodePage());
        Say(m_Started.empty() || p.serial == m_LegendPass ? legend : m_Started + "   " + legend);
        m_LegendPass = p.serial;
        m_Note = note;
    }
    if (p.ended && p.serial != m_SummaryPass && p.total == 0) {
        m_SummaryPass = p.serial;
        Say(Text(421, p.file));
    } else if (p.ended && p.serial != m_SummaryPass) {
        m_SummaryPass = p.serial;
        // The file name is the file system's bytes: it goes in after the text is in UTF-8.
        const std::string text = PassSummaryText(p, "\x01", "F6", "F8");
        std::string said = CodePageToUtf8(text, CLocal::InterfaceCodePage());
        const std::size_t at = said.find('\x01');
        if (at != std::string::npos)
            said.replace(at, 1, p.file);
        Say(said);
    }
}

void CTtyApp::Render()
{
    FollowPass();
    CTtyTerminal::TakeResized();
    int rows = 24, cols = 80;
    m_Term.Size(rows, cols);
    const int textRows = rows > 2 ? rows - 2 : 1;

    std::vector<std::string> lines;
    int caret = -1;
    static char text[SCREEN_TEXT_SIZE];
    std::vector<SScreenSpan> spans;
    const int length = g_pOScreen->CopyText(text, sizeof text, &caret, &spans);
    // The empty screen before any pass (nothing opened, or nothing run over the file yet) tells
    // what to do.
    m_Welcome = m_Overlay.empty() && length == 0 && !PassRunning() && g_pIItrtnSrvc->GetIterationNmb() == 0;
    if (!m_Overlay.empty())
        lines = WrapLines(m_Overlay, cols);
    else if (m_Welcome)
        lines = WrapLines(WelcomePage(), cols);
    else { // the typed characters that differ from the answer in reverse video
        const std::string on(1, kDifferOn), off(1, kDifferOff);
        const std::string marked = WithDifferences(text, length, spans, on.c_str(), off.c_str());
        lines =
            WrapLines(ScreenToUtf8(marked.data(), marked.size(), DisplayFontCodePage(), g_pOScreen->GetCoding()), cols);
    }
    // A pass writes at the end of its text: the end stays in sight unless the learner scrolled
    // back over it. A shown file starts at the top.
    std::size_t first = 0;
    if (!PassRunning())
        m_PassBack = 0;
    if (!m_Overlay.empty()) { // a page longer than the screen scrolls
        m_OverlayFirst = std::clamp(m_OverlayFirst, 0L, std::max(0L, static_cast<long>(lines.size()) - textRows));
        first = static_cast<std::size_t>(m_OverlayFirst);
    }
    if (m_Overlay.empty() && PassRunning() && lines.size() > static_cast<std::size_t>(textRows)) {
        const long over = static_cast<long>(lines.size()) - textRows;
        m_PassBack = std::min(m_PassBack, over);
        first = static_cast<std::size_t>(over - m_PassBack);
    }

    std::string frame = "\x1b[H";
    for (int row = 0; row < textRows; ++row) {
        const std::size_t at = first + static_cast<std::size_t>(row);
        std::string line = Fit(at < lines.size() ? lines[at] : std::string(), cols);
        // A run that the line's end cuts is ended there.
        const std::size_t on = line.rfind(kDifferOn), off = line.rfind(kDifferOff);
        const bool open = on != std::string::npos && (off == std::string::npos || off < on);
        std::string out;
        for (const char c : line)
            out += c == kDifferOn ? kReverse : c == kDifferOff ? kNormal : std::string(1, c);
        if (open)
            out += kNormal;
        frame += Move(row + 1) + out;
    }
    frame += Move(rows - 1) + kReverse + StatusLine(cols) + kNormal;
    frame += Move(rows) + Fit(m_Message, cols);
    // The hardware cursor stands where the learner types, while a pass waits for it.
    int row = -1, column = 0;
    if (caret >= 0 && m_Overlay.empty() && PassRunning())
        CellAt(text, caret, cols, row, column, g_pOScreen->GetCoding());
    row -= static_cast<int>(first);
    if (row >= 0 && row < textRows)
        frame += "\x1b[" + std::to_string(row + 1) + ";" + std::to_string(column + 1) + "H\x1b[?25h";
    else
        frame += "\x1b[?25l";
    m_Term.Write(frame);
}

void CTtyApp::PassKey(const std::string& text)
{
    m_PassBack = 0; // an answer is typed at the end of the text
    char32_t key = 0;
    if (text.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(text[0]);
        // The terminal's Backspace is DEL; the window delivers 8.
        key = c == 0x7F ? 8 : c;
    } else if (!TypedKey(text, g_pOScreen->GetCoding(), key)) {
        Say("That letter is in neither code page of the texts.");
        return;
    }
    g_pIKbrd->PutKey(static_cast<int>(key));
}

void CTtyApp::Run(bool enabled, int (*command)(), const char* what, bool dropsResults)
{
    if (!enabled) {
        Say(std::string(what) + " is not available now.");
        return;
    }
    if (dropsResults && !rslts::MayDrop(m_pView))
        return;
    Say(what);
    m_Started = what;
    if (command() != 0) { // the driver logged it
        Say(Text(420));
        m_Started.clear();
    }
}

void CTtyApp::SaveResults()
{
    const char* folder = g_pIItrtnSrvc->GetRsltsDir();
    std::vector<std::string> all;
    if (folder && *folder)
        g_pIUtltsFile->MakeListOfAllDfltRsltsFiles(folder, all);
    const auto files = std::count_if(all.begin(), all.end(), [](const std::string& path) {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    });
    if (files == 0) {
        Say(Text(423));
        return;
    }
    m_SavedAs.clear();
    m_SaveRefused = false;
    if (g_pIUtltsFile->SaveResultsAs(m_pView) != 0)
        LogFatal("\nCDrill_SdiView::OnSlfileSaveresultsas(), error after g_pIUtltsFile->SaveResultsAs()");
    if (m_SavedAs.empty() || m_SaveRefused)
        return; // cancelled, or the problem was said
    // The k-th results file of the run went to NAME_k.EXT beside the name chosen.
    const std::size_t slash = m_SavedAs.rfind('/');
    const std::size_t dot = m_SavedAs.rfind('.');
    const std::string base = m_SavedAs.substr(0, dot), ext = m_SavedAs.substr(dot);
    const std::string name = base.substr(slash + 1);
    std::string saved = base + "_1" + ext;
    if (files > 1)
        saved += " … " + name + "_" + std::to_string(files) + ext;
    Say(Text(422, saved));
}

void CTtyApp::Scroll(int code)
{
    if (PassRunning()) {
        // A pass owns the screen text: the keys move over it and never show the file, whose
        // lines hold the answers. Render keeps the position within the text.
        int rows = 24, cols = 80;
        m_Term.Size(rows, cols);
        const long page = rows > 3 ? rows - 2 : 1;
        switch (code) {
        case 0: ++m_PassBack; break;
        case 1: --m_PassBack; break;
        case 2: m_PassBack += page; break;
        case 3: m_PassBack -= page; break;
        case 6: m_PassBack = static_cast<long>(SCREEN_TEXT_SIZE); break;
        case 7: m_PassBack = 0; break;
        default: break;
        }
        m_PassBack = std::max(0L, m_PassBack);
        return;
    }
    const long position = m_pView->Scroll(code);
    if (g_pIUtltsFile->ScrallViewFile(m_pView, code, static_cast<int>(position), nullptr) != 0)
        LogFatal("\n,CDrill_SdiView::OnVScroll(), error after g_pIUtltsFile->ScrallViewFile()");
}

void CTtyApp::ChooseMode()
{
    // The modes of the Mode menu; the two added last, so that the letters of the others stay.
    static const int kModes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, drill::kModeAddBrackets, drill::kModeTypeAnswer,
                                 drill::kModeChooseAnswer};
    constexpr int kCount = static_cast<int>(sizeof kModes / sizeof kModes[0]);
    std::vector<std::string> items;
    for (const int mode : kModes)
        items.push_back(mode == drill::kModeAddBrackets ? std::string("Add Brackets") : ModeCaption(mode));
    const int current = drill::GetMode();
    int choice = static_cast<int>(std::find(kModes, kModes + kCount, current) - kModes);
    if (choice >= kCount)
        choice = 0;
    if (Choose("Mode", items, choice)) {
        bool turned = false;
        drill::SelectMode(kModes[choice], &turned);
        Say("Mode: " + items[static_cast<std::size_t>(choice)] +
            (turned ? "   " + CodePageToUtf8(DirectionTurnedText(), CLocal::InterfaceCodePage()) : std::string()));
    }
}

void CTtyApp::OpenPhraseBook()
{
    std::vector<std::string> items;
    for (int id = res::ID_PHRASEBOOK_FIRST; id <= res::ID_PHRASEBOOK_LAST; ++id)
        items.push_back(CommandCaption(id));
    int choice = 0;
    if (!Choose("Phrase-book", items, choice))
        return;
    const int id = res::ID_PHRASEBOOK_FIRST + choice;
    if (drill::OpenPhraseBook(m_pView, id) != 0)
        LogFatal("\n,CDrill_SdiView::OnPhrasebook(), error after g_pIUtltsFile->g_pIUtltsFile->OpenFile_for_Phrase_book()");
}

void CTtyApp::HandleKey(const Key& key)
{
    switch (key.kind) {
    case KeyKind::None:
    case KeyKind::Wake: return;
    case KeyKind::F1: ShowKeys(); return;
    case KeyKind::F2: ChooseMode(); return;
    case KeyKind::F3: {
        const int direction = drill::GetDirection() == 0 ? 1 : 0;
        drill::SelectDirection(direction);
        Say("Direction: " + CommandCaption(direction == 0 ? res::ID_DIRECTION_1ST2ND : res::ID_DIRECTION_2ND1ST));
        return;
    }
    case KeyKind::F4: Speak(spch::CSpeechCue::Revealed(ScreenBytes())); return;
    case KeyKind::F5: Run(drill::CanRunFirstIteration(), drill::RunFirstIteration, "First Iteration", true); return;
    case KeyKind::F6: Run(drill::CanRunNextIteration(), drill::RunNextIteration, "Next Iteration"); return;
    case KeyKind::F7: Run(drill::CanRunPreviousFile(), drill::RunPreviousFile, "Previous File", true); return;
    case KeyKind::F8: Run(drill::CanRunNextFile(), drill::RunNextFile, "Next File", true); return;
    case KeyKind::F9: Run(drill::CanRunAddBrackets(), [] { return drill::RunAddBrackets(1); }, "Add Brackets (Word By Word)"); return;
    case KeyKind::F10: Run(drill::CanRunAddBrackets(), [] { return drill::RunAddBrackets(2); }, "Add Brackets (Time Out)"); return;
    case KeyKind::Up: Scroll(0); return;
    case KeyKind::Down: Scroll(1); return;
    case KeyKind::PageUp: Scroll(2); return;
    case KeyKind::PageDown: Scroll(3); return;
    case KeyKind::Home: Scroll(6); return;
    case KeyKind::End: Scroll(7); return;
    case KeyKind::Char: break;
    }
    const int c = static_cast<unsigned char>(key.text[0]);
    if (key.text.size() == 1 && (c == Ctrl('q') || c == Ctrl('c'))) {
        if (rslts::MayDrop(m_pView))
            m_Quit = m_LearnerQuit = true;
    } else if (key.text.size() == 1 && c == Ctrl('o')) {
        m_Message.clear();
        drill::OpenFile(m_pView);
    } else if (key.text.size() == 1 && c == Ctrl('b')) {
        OpenPhraseBook();
    } else if (key.text.size() == 1 && c == Ctrl('s')) {
        SaveResults();
    } else if (key.text.size() == 1 && c == Ctrl('n')) {
        drill::CancelIteration();
    } else if (key.text.size() == 1 && c == Ctrl('r')) {
        if (!rslts::MayDrop(m_pView))
            return;
        m_Message.clear();
        const int started = drill::RunReviewDue(m_pView);
        m_Started = started == 0 ? "Review Due" : "";
        Say(started == drill::kNothingDue ? NothingDueLine() : "Review Due");
    } else if (m_Welcome && key.text.size() == 1 && c >= '1' && c < '1' + recent::kCount) {
        m_Message.clear();
        drill::OpenRecentFile(m_pView, c - '1'); // the page's number keys reopen its files
    } else {
        PassKey(key.text);
    }
}

bool CTtyApp::Prompt(const std::string& label, std::string& value)
{
    for (;;) {
        if (TakeMessages()) {
            m_Quit = true;
            return false;
        }
        Render();
        int rows = 24, cols = 80;
        m_Term.Size(rows, cols);
        m_Term.Write(Move(rows) + Fit(label + ": " + value + "_", cols));
        const Key key = m_Term.ReadKey(kRefreshMs);
        if (CTtyTerminal::QuitRequested())
            return false;
        if (key.kind != KeyKind::Char)
            continue;
        const unsigned char c = static_cast<unsigned char>(key.text[0]);
        if (c == 27 || c == Ctrl('c'))
            return false;
        if (c == '\r' || c == '\n')
            return true;
        if (c == 0x7F || c == 8) {
            value.resize(plat::Utf8LastCharStart(value.data(), value.size()));
        } else if (c >= 0x20) {
            value += key.text;
        }
    }
}

bool CTtyApp::Choose(const std::string& title, const std::vector<std::string>& items, int& choice)
{
    for (;;) {
        m_Overlay = title + " (Up/Down or the letter, Enter to choose, Escape to cancel)\n\n";
        for (std::size_t i = 0; i < items.size(); ++i) {
            m_Overlay += static_cast<int>(i) == choice ? " > " : "   ";
            m_Overlay += static_cast<char>('a' + i);
            m_Overlay += "  " + items[i] + "\n";
        }
        Render();
        const Key key = m_Term.ReadKey(kRefreshMs);
        if (CTtyTerminal::QuitRequested() || TakeMessages()) {
            m_Overlay.clear();
            m_Quit = true;
            return false;
        }
        const int count = static_cast<int>(items.size());
        if (key.kind == KeyKind::Up)
            choice = (choice + count - 1) % count;
        else if (key.kind == KeyKind::Down)
            choice = (choice + 1) % count;
        if (key.kind != KeyKind::Char)
            continue;
        const unsigned char c = static_cast<unsigned char>(key.text[0]);
        if (c >= 'a' && c < 'a' + count)
            choice = c - 'a';
        if (c == 27 || c == Ctrl('c')) {
            m_Overlay.clear();
            return false;
        }
        if (c == '\r' || c == '\n' || (c >= 'a' && c < 'a' + count)) {
            m_Overlay.clear();
            if (choice < 0 || choice >= count)
                return false;
            return true;
        }
    }
}

void CTtyApp::ShowKeys()
{
    m_Overlay = kKeys;
    m_OverlayFirst = 0;
    for (;;) {
        Render();
        const Key key = m_Term.ReadKey(-1);
        int rows = 24, cols = 80;
        m_Term.Size(rows, cols);
        const long page = std::max(1, rows - 3);
        if (key.kind == KeyKind::Up || key.kind == KeyKind::Down)
            m_OverlayFirst += key.kind == KeyKind::Up ? -1 : 1;
        else if (key.kind == KeyKind::PageUp || key.kind == KeyKind::PageDown)
            m_OverlayFirst += key.kind == KeyKind::PageUp ? -page : page;
        else if (key.kind == KeyKind::Home || key.kind == KeyKind::End)
            m_OverlayFirst = key.kind == KeyKind::Home ? 0 : static_cast<long>(SCREEN_TEXT_SIZE);
        else if (key.kind != KeyKind::Wake || CTtyTerminal::QuitRequested())
            break;
    }
    m_Overlay.clear();
    m_OverlayFirst = 0;
}

bool CTtyApp::AskOpenPath(const char* initialPath, const char*, std::string& path)
{
    // A FILE on the command line is opened without asking.
    if (!m_Message.empty() && m_Message[0] == '/') {
        path = m_Message;
        m_Message.clear();
        return true;
    }
    std::string value = initialPath ? initialPath : "";
    if (!Prompt("Open phrase file", value))
        return false;
    path = value;
    return !path.empty();
}

bool CTtyApp::AskSavePath(const char* defaultExt, const char* initialName, const char*, std::string& path)
{
    std::string value = initialName ? initialName : "";
    if (!Prompt("Save results as", value) || value.empty())
        return false;
    const std::size_t slash = value.rfind('/');
    const std::string name = slash == std::string::npos ? value : value.substr(slash + 1);
    if (name.find('.') == std::string::npos && defaultExt && *defaultExt)
        value += std::string(".") + defaultExt;
    char cwd[4096];
    path = value[0] == '/' || !getcwd(cwd, sizeof cwd) ? value : std::string(cwd) + "/" + value;
    m_SavedAs = path;
    return true;
}

bool CTtyApp::ConfirmOverwrite(const std::vector<std::string>& existing)
{
    std::string answer, names;
    for (const std::string& e : existing)
        names += (names.empty() ? "" : ", ") + e.substr(e.rfind('/') + 1);
    const std::string label = names + (existing.size() > 1 ? " exist" : " exists") + ", replace? (y/n)";
    const bool replace = Prompt(label, answer) && (answer == "y" || answer == "Y" || answer == "yes");
    m_SaveRefused = m_SaveRefused || !replace;
    return replace;
}

UnsavedAnswer CTtyApp::AskUnsavedResults(int passes, int marked)
{
    const std::string counts = " (" + LclCount(passes, "pass|passes", LANGUAGE_ENGLISH) + ", " +
                               LclNumber(marked, LANGUAGE_ENGLISH) + " marked)";
    for (;;) {
        if (TakeMessages() || CTtyTerminal::QuitRequested())
            return UnsavedAnswer::Cancel; // the end that follows keeps them
        Render();
        int rows = 24, cols = 80;
        m_Term.Size(rows, cols);
        m_Term.Write(Move(rows) + Fit("Save the results of this run? y = save as…, n = discard, Escape = back" + counts, cols));
        const Key key = m_Term.ReadKey(kRefreshMs);
        if (key.kind != KeyKind::Char || key.text.size() != 1)
            continue;
        const unsigned char c = static_cast<unsigned char>(key.text[0]);
        if (c == 'y' || c == 'Y')
            return UnsavedAnswer::Save;
        if (c == 'n' || c == 'N')
            return UnsavedAnswer::Discard;
        if (c == 27 || c == Ctrl('c') || c == Ctrl('q')) {
            Say("Nothing was dropped.");
            return UnsavedAnswer::Cancel;
        }
    }
}

bool CTtyApp::AskResultsFolder(std::string& folder)
{
    std::string value;
    if (!Prompt("Folder the results are always saved into", value) || value.empty())
        return false;
    folder = value;
    return true;
}

void CTtyApp::ShowKeptResults(const char* folder)
{
    Say(std::string("The results never saved when Lexido last ended were kept in ") + (folder ? folder : ""));
}

void CTtyApp::ShowFileProblem(FileProblem problem, const char* path)
{
    const std::string where = path ? path : "";
    m_SaveRefused = true;
    switch (problem) {
    case FileProblem::CannotOpen: Say("Cannot open " + where); break;
    case FileProblem::CannotSave: Say("Cannot save the results to " + where); break;
    case FileProblem::PathTooLong: Say("The path is too long: " + where); break;
    case FileProblem::NoSpace:
    case FileProblem::NoPermission:
    case FileProblem::LinkRefused:
        Say("Cannot save the results to " + where + ": " + SaveFailureReason(problem));
        break;
    }
}

} // namespace tty
