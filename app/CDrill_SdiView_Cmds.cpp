// The view's command handlers.
#include "app/CDrill_SdiView.h"

#include "engine/DrillCommands.h"

#include "app/AppHooks.h"
#include "app/CHelpDesk.h"
#include "app/CMainFrame.h"
#include "app/PrintKit.h"
#include "app/MemoryTexts.h"
#include "app/WindowTexts.h"
#include "base/Globals.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/MemoryKeeper.h"
#include "import/Import.h"
#include "locale/CLocal.h"
#include "locale/ILocal.h"
#include "locale/ImportTexts.h"
#include "locale/LclFill.h"
#include "locale/LocaleGlobals.h"
#include "locale/MemoryTexts.h"
#include "locale/PassTexts.h"
#include "platform/PlatFs.h"
#include "qttext/CodePageText.h"
#include "resources/Resources.h"
#include "settings/CLsnInst.h"
#include "settings/sheet/CZelPrprtSheet.h"
#include "texts/IUtltsFile.h"
#include "texts/RsltsKeeping.h"

#include <QStatusBar>

namespace {
// The handler names of the Phrase-book commands, for their log lines; the folders are the
// shared commands' (drill::PhraseBookFolder).
struct SPhraseBook {
    int id;
    const char* handler;
};
const SPhraseBook kPhraseBook[] = {
    {32818, "OnPhrasebookEnglishFrench"},
    {32819, "OnPhrasebookEnglishGerman"},
    {32820, "OnPhrasebookEnglishRussian"},
    {32821, "OnPhrasebookFrenchEnglish"},
    {32822, "OnPhrasebookFrenchGerman"},
    {32823, "OnPhrasebookFrenchRussian"},
    {32824, "OnPhrasebookGermanEnglish"},
    {32825, "OnPhrasebookGermanFrench"},
    {32826, "OnPhrasebookGermanRussian"},
    {32827, "OnPhrasebookRussianEnglish"},
    {32828, "OnPhrasebookRussianFrench"},
    {32829, "OnPhrasebookRussianGerman"},
};

void WriteInt(const char* sec, const char* par, int value)
{
    g_pIDbVars->WrVal(sec, par, PAR_TYPE_INT, &value);
}

// A Run command whose pass could not start says so in the status bar (the driver logged it).
// A pass that could not start is said; one that starts clears what an earlier command said,
// so that the bar shows the pass.
void TellStart(CMainFrame* frame, int started)
{
    if (!frame)
        return;
    if (started != 0)
        frame->statusBar()->showMessage(LclText(420, "The pass could not start."), 10000);
    else
        frame->statusBar()->clearMessage();
}
} // namespace

void CDrill_SdiView::OnCommand(int id)
{
    using namespace res;
    // After shut-down there is nothing left to command.
    if (!Installed())
        return;
    switch (id) {
    case ID_SLFILE_FIRSTFILEOPEN: OnSlfileFirstFileOpen(); break;
    case ID_FILE_OPEN: OnFileOpen(); break;
    case ID_SLFILE_IMPORT: OnSlfileImport(); break;
    case ID_SLFILE_EXPORT: OnSlfileExport(); break;
    case ID_SLFILE_SAVERESULTSAS: OnSlfileSaveresultsas(); break;
    case ID_FILE_SAVE: OnFileSave(); break;
    case ID_SLFILE_SETTINGS: OnSlfileSettings(); break;
    case ID_SLFILE_EXIT: OnSlfileExit(); return;
    case ID_KEYBOARD_KEYBOARDONLY: OnKeyboardKeyboardonly(); break;
    case ID_VIEW_LAYOUT_COMFORTABLE: OnLayout(EScreenLayout::Comfortable); break;
    case ID_VIEW_LAYOUT_CLASSIC: OnLayout(EScreenLayout::Classic); break;
    case ID_KEYBOARD_KEYBOARDMOUSE: OnKeyboardKeyboardmouse(); break;
    case ID_DIRECTION_1ST2ND: OnDirection(0); break;
    case ID_DIRECTION_2ND1ST: OnDirection(1); break;
    case ID_MODE_INWHOLE: OnMode(0); break;
    case ID_MODE_WORDBYWORD: OnMode(1); break;
    case ID_MODE_WHICHLETTER: OnMode(2); break;
    case ID_MODE_TIMEOUTINWHOLE: OnMode(3); break;
    case ID_MODE_TIMEOUTWORDBYWORD: OnMode(4); break;
    case ID_MODE_OPENBRACKETSWHOLEWORD: OnModeOpenBrackets(5); break;
    case ID_MODE_OPENBRACKETS1LETTER: OnModeOpenBrackets(6); break;
    case ID_MODE_OPENBRACKETSWHOLEWORDNI: OnMode(7); break;
    case ID_MODE_OPENBRACKETS1LETTERNI: OnMode(8); break;
    case ID_MODE_ADDBRACKETS: OnMode(9); break;
    case ID_MODE_TYPEANSWER: OnMode(drill::kModeTypeAnswer); break;
    case ID_MODE_CHOOSEANSWER: OnMode(drill::kModeChooseAnswer); break;
    case ID_TB_FIRSTITERATION:
    case ID_RUN_FIRSTITERATION: OnRunFirstIteration(); break;
    case ID_TB_NEXTITERATION:
    case ID_RUN_NEXTITERATION: OnRunNextIteration(); break;
    case ID_TB_NEXTFILE:
    case ID_RUN_NEXTFILE: OnRunNextFile(); break;
    case ID_TB_PREVIOUSFILE:
    case ID_RUN_PREVIOUSFILE: OnRunPreviousFile(); break;
    case ID_RUN_REVIEWDUE: OnRunReviewDue(); break;
    case ID_ADDBRACKETS_WORDBYWORD: OnAddBrackets(1); break;
    case ID_ADDBRACKETS_TIMEOUT: OnAddBrackets(2); break;
    case ID_FILE_NEW: OnCancelIteration(); break;
    case ID_HELP_FINDER:
    case ID_DEFAULT_HELP:
    case ID_HELP:
    case ID_CONTEXT_HELP: OnHelpCommand(id); break;
    case ID_FILE_PRINT: Printer().Print(); break;
    case ID_FILE_PRINT_DIRECT: Printer().PrintDirect(); break;
    case ID_FILE_PRINT_PREVIEW: Printer().Preview(); break;
    case ID_FILE_PRINT_SETUP: Printer().PrintSetup(); break;
    case ID_SPEAK: OnSpeak(); break;
    default:
        if (id >= ID_PHRASEBOOK_FIRST && id <= ID_PHRASEBOOK_LAST)
            OnPhrasebook(id);
        else if (id >= ID_FILE_RECENT_FIRST && id <= ID_FILE_RECENT_LAST)
            OnRecentFile(id - ID_FILE_RECENT_FIRST);
        // The edit accelerators have no handler anywhere: they do nothing.
        break;
    }
    UpdateCommandUI();
}

void CDrill_SdiView::OnSlfileFirstFileOpen()
{
    if (drill::OpenFile(this) != 0)
        LogFatal("\n, CDrill_SdiView::OnSlfileFirstFileOpen(), error after g_pIUtltsFile->OpenFile()");
}

void CDrill_SdiView::OnFileOpen()
{
    SetViewHandle();
    if (drill::OpenFile(this) != 0)
        LogFatal("\n,CDrill_SdiView::OnFileOpen(), error after g_pIUtltsFile->OpenFile()");
}

void CDrill_SdiView::OnRecentFile(int index)
{
    SetViewHandle();
    if (drill::OpenRecentFile(this, index) != 0)
        LogFatal("\n,CDrill_SdiView::OnRecentFile(), error after g_pIUtltsFile->OpenPath()");
}

// File > Import: the material is asked for and judged; only material that can be imported is
// given the dialog of the phrase file it becomes. The outcome is told, and the new phrase file
// is opened as File > Open opens a file.
void CDrill_SdiView::OnSlfileImport()
{
    std::string in, out, phrases;
    if (!Dialogs().AskImportSource(g_pIUtltsFile->GetFileDir(), in))
        return;
    imp::Reviews reviews;
    imp::SResult result = imp::ReadInput(in, phrases, imp::SOptions(), &reviews);
    if (result.problem == imp::Problem::None && !Dialogs().AskImportTarget(imp::PhraseFileFor(in).c_str(), out))
        return;
    imp::WritePhrases(out, phrases, result);
    const bool imported = result.problem == imp::Problem::None;
    if (imported) {
        // A package's review log comes along into the memory, for the phrase file written.
        std::string error;
        const int kept = keeper::ImportReviews(std::move(reviews), out, error);
        result.reviews = kept > 0 ? kept : 0;
        if (kept < 0)
            Dialogs().ShowMemoryNotice(
                FromCodePage(FillText(g_pILocal->GetText(586), {error}).c_str(), CLocal::InterfaceCodePage())
                    .toUtf8()
                    .constData());
    }
    if (!imported)
        LogMsg("\nCDrill_SdiView::OnSlfileImport(), the file could not be imported");
    Dialogs().ShowImportOutcome(
        imported, ImportOutcomeText(result, *g_pILocal).c_str(), imp::SubjectPath(result, in, out).c_str());
    if (imported && drill::OpenPath(this, out.c_str()) != 0)
        LogFatal("\nCDrill_SdiView::OnSlfileImport(), error after g_pIUtltsFile->OpenPath()");
}

// File > Export: the open phrase file written as a table, a kvtml vocabulary or Anki notes (its
// form by the extension chosen); the outcome is told.
void CDrill_SdiView::OnSlfileExport()
{
    const std::string in = g_pIUtltsFile->GetFilePath();
    std::string out;
    if (in.empty()) {
        Dialogs().ShowImportOutcome(false, g_pILocal->GetText(585), "");
        return;
    }
    const std::string name =
        g_pIUtltsFile->GetFileDir() + std::string("/") + g_pIUtltsFile->GetFileNameNoExt() + ".tsv";
    if (!Dialogs().AskExportTarget(name.c_str(), out))
        return;
    const imp::SExportResult result = imp::ExportFile(in, out);
    const bool exported = result.problem == imp::ExportProblem::None;
    if (!exported)
        LogMsg("\nCDrill_SdiView::OnSlfileExport(), %s could not be exported", in.c_str());
    Dialogs().ShowImportOutcome(exported, ExportOutcomeText(result, *g_pILocal).c_str(), (exported ? out : in).c_str());
}

void CDrill_SdiView::OnSlfileSaveresultsas()
{
    if (g_pIUtltsFile->SaveResultsAs(this) != 0)
        ExitFatal();
}

void CDrill_SdiView::OnFileSave()
{
    if (g_pIUtltsFile->SaveResultsAs(this) != 0)
        ExitFatal();
}

void CDrill_SdiView::OnSlfileSettings()
{
    // The sheet takes its caption and every text from the interface language itself.
    ShowSettingsSheet(this, [this] {
        if (CHelpDesk* help = m_pFrame->HelpDesk())
            help->ShowCommand(res::ID_SLFILE_SETTINGS);
    });
    // A font chosen or reset in the sheet is shown now, whether it closed with OK or Cancel.
    ApplyDisplayFont();
}

void CDrill_SdiView::OnSlfileExit()
{
    if (!ResultsMayGo())
        return;
    if (g_pILsnInst->DeInstallAll() != 0)
        LogFatal("\nCDrill_SdiView::OnSlfileExit(),Error, after g_pILsnInst->DeInstallAll()");
    m_Hooks.Quit(0);
}

void CDrill_SdiView::OnKeyboardKeyboardonly()
{
    SetViewHandle();
    g_pIKbrd->SetKbrdType(KBRD_TYPE_KEYBOARD);
    const int value = 0;
    if (g_pIDbVars->WrVal("Gnrl", "KBoard", PAR_TYPE_INT, &value) != 0)
        LogFatal("\nCDrill_SdiView::OnKeyboardKeyboardonly(). error after g_pIDbVars->WrVal()");
}

void CDrill_SdiView::OnKeyboardKeyboardmouse()
{
    SetViewHandle();
    g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE);
    const int value = 1;
    if (g_pIDbVars->WrVal("Gnrl", "KBoard", PAR_TYPE_INT, &value) != 0)
        LogFatal("\nCDrill_SdiView::OnKeyboardKeyboardmouse(). error after g_pIDbVars->WrVal()");
}

void CDrill_SdiView::OnDirection(int direction)
{
    SetViewHandle();
    WriteInt("ViewMode", "Direction", direction);
}

void CDrill_SdiView::OnMode(int mode)
{
    WriteInt("ViewMode", "Mode", mode);
}

void CDrill_SdiView::OnModeOpenBrackets(int mode)
{
    // The Open Brackets programs ask in the second language; a direction turned is told.
    bool turned = false;
    drill::SelectMode(mode, &turned);
    if (turned)
        m_pFrame->statusBar()->showMessage(FromCodePage(DirectionTurnedText().c_str(), InterfaceCodePage()), 10000);
}

// The Run commands (and Open and the phrase-book above) are shared with the terminal front-end
// (engine/DrillCommands): each retires the running pass before it prepares the file and the
// iteration state.

bool CDrill_SdiView::ResultsMayGo()
{
    return !Installed() || rslts::MayDrop(this);
}

void CDrill_SdiView::OnRunFirstIteration()
{
    if (!ResultsMayGo())
        return;
    SetViewHandle();
    ResetScroll();
    TellStart(m_pFrame, drill::RunFirstIteration());
}

void CDrill_SdiView::OnRunNextIteration()
{
    TellStart(m_pFrame, drill::RunNextIteration());
}

void CDrill_SdiView::OnRunNextFile()
{
    if (!drill::CanRunNextFile() || !ResultsMayGo())
        return;
    SetViewHandle();
    ResetScroll();
    TellStart(m_pFrame, drill::RunNextFile());
}

void CDrill_SdiView::OnRunPreviousFile()
{
    if (!drill::CanRunPreviousFile() || !ResultsMayGo())
        return;
    SetViewHandle();
    ResetScroll();
    TellStart(m_pFrame, drill::RunPreviousFile());
}

// Review Due opens the phrases due today as its own file and runs them; with nothing due the
// status bar says so and nothing changes.
void CDrill_SdiView::OnRunReviewDue()
{
    if (!drill::CanRunReviewDue() || !ResultsMayGo())
        return;
    SetViewHandle();
    ResetScroll();
    const int result = drill::RunReviewDue(this);
    if (result == drill::kNothingDue)
        m_pFrame->statusBar()->showMessage(LclText(kLclNothingDue, "Nothing is due today."), 10000);
    else if (result != 0)
        LogFatal("\nCDrill_SdiView::OnRunReviewDue(), error after drill::RunReviewDue()");
}

void CDrill_SdiView::ShowMemoryNotices()
{
    // A message box runs the event loop, and the frame's timer with it: no second round meanwhile.
    if (!Installed() || m_InNotice || !m_pFrame->isVisible())
        return;
    m_InNotice = true;
    for (const keeper::SNotice& notice : keeper::TakeNotices()) {
        const QString text = MemoryNoticeText(notice);
        if (notice.kind == keeper::ENotice::kNotStored)
            m_pFrame->statusBar()->showMessage(text, 15000);
        else
            Dialogs().ShowMemoryNotice(text.toUtf8().constData());
    }
    m_InNotice = false;
}

void CDrill_SdiView::OnAddBrackets(int type)
{
    if (!ResultsMayGo())
        return;
    SetViewHandle();
    ResetScroll();
    TellStart(m_pFrame, drill::RunAddBrackets(type));
}

void CDrill_SdiView::OnCancelIteration()
{
    g_pIKbrd->PutKey(KEY_ESCAPE);
}

void CDrill_SdiView::OnPhrasebook(int id)
{
    for (const SPhraseBook& pb : kPhraseBook) {
        if (pb.id != id)
            continue;
        // The pair's topics in the chooser; a folder without them (not made yet) in the file dialog.
        std::string folder = plat::NormalizeSeparators(drill::PhraseBookFolder(id));
        folder = std::string(g_pIUtltsFile->GetPrgrmDir()) + "/" + folder.substr(0, folder.size() - 1);
        std::vector<STopicRow> rows = TopicRows(folder, drill::GetDirection());
        if (!rows.empty()) {
            const std::string path =
                m_TopicChooser(LclText(35 + id - res::ID_PHRASEBOOK_FIRST, "").remove('&'), std::move(rows));
            if (!path.empty() && drill::OpenPath(this, path.c_str()) != 0)
                LogFatal("\n,CDrill_SdiView::%s(), error after g_pIUtltsFile->OpenPath()", pb.handler);
            return;
        }
        if (drill::OpenPhraseBook(this, id) != 0)
            LogFatal("\n,CDrill_SdiView::%s(), error after g_pIUtltsFile->g_pIUtltsFile->OpenFile_for_Phrase_book()",
                     pb.handler);
        return;
    }
}

void CDrill_SdiView::OnHelpCommand(int id)
{
    CHelpDesk* help = m_pFrame->HelpDesk();
    if (!help)
        return;
    switch (id) {
    case res::ID_CONTEXT_HELP: help->EnterContextHelp(); break;
    case res::ID_HELP: {
        // Help on the current task: the page of the mode the next pass runs in.
        int mode = 0;
        g_pIDbVars->RdVal("ViewMode", "Mode", PAR_TYPE_INT, &mode);
        help->ShowCommand(CommandOfMode(mode));
        break;
    }
    default: help->ShowContents(); break;
    }
}
