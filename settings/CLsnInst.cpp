#include "settings/CLsnInst.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/IOutFile.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbSec.h"
#include "config/IDbVars.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/IterationGlobals.h"
#include "engine/MemoryKeeper.h"
#include "engine/RecentFiles.h"
#include "locale/ILocal.h"
#include "locale/ISetHelp.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatEvent.h"
#include "platform/PlatFs.h"
#include "settings/DisplaySettings.h"
#include "settings/ILsnFont.h"
#include "settings/MemorySettings.h"
#include "settings/ScreenSettings.h"
#include "settings/SpeechSettings.h"
#include "texts/IAliceTxtMkr.h"
#include "texts/IUtltsFile.h"
#include "texts/PhraseList.h"
#include "texts/RsltsKeeping.h"
#include "title/ITitlePctr.h"

#include <cstring>
#include <mutex>
#include <new>
#include <string>

ILsnInst* g_pILsnInst = nullptr;
plat::CCriticalSection g_InstallLock;
int g_DeInstallCount = 0;

namespace {

// One maker of the shipped phrase files, run once: its flag in "OnceImpActn" records it.
void MakeShippedTextsOnce(const char* flag, int type, const char* nullLine, const char* failLine)
{
    int ready = 0;
    g_pIDbVars->RdVal("OnceImpActn", flag, PAR_TYPE_INT, &ready);
    if (ready != 0)
        return;
    IAliceTxtMkr* maker = g_pILsnAFc->Create_IAliceTxtMkr(type);
    if (!maker)
        LogFatal("%s", nullLine);
    maker->SetNrmlOutput();
    // A failed making is logged and start-up goes on: the learner still has his own files.
    if (maker->UnfastenText() != 0)
        LogMsg("%s", failLine);
    ready = 1;
    g_pIDbVars->WrVal("OnceImpActn", flag, PAR_TYPE_INT, &ready);
    g_pIDbVars->Save("OnceImpActn");
    delete maker;
}

// A program folder made by an older version lacks the sections added since: it gets the
// shipped ones, with their defaults (the results never saved, the recent files, speech).
void AddMissingSection(bool present, const char* section, const char* shipped)
{
    if (present)
        return;
    const std::string path = std::string("Settings/") + section + ".cfg";
    if (plat::FileExists(path))
        return; // there, but without the value: its readers take the default
    if (!plat::WriteFileAtomic(path, shipped)) {
        LogMsg("\nCLsnInst::InstallAll(), error, cannot add [%s]", path.c_str());
        return;
    }
    IDbSec* sec = g_pILsnAFc->Create_IDbSec();
    if (!sec || sec->ParseFile(path.c_str()) != 0 || g_pIDbVars->AddSec(sec) != 0)
        LogFatal("\nCLsnInst::InstallAll(), error, after adding [%s]", path.c_str());
}

void AddMissingSections()
{
    // The same texts as the shipped Settings/KeepRslts.cfg, Recent.cfg, Speech.cfg, Memory.cfg and Display.cfg.
    AddMissingSection(rslts::HasSection(), rslts::kSection,
                      "sn = KeepRslts\n\npt_i WhenDropped sv = 0\npt_str_any Folder sv = \"\"");
    AddMissingSection(recent::HasSection(), recent::kSection,
                      "sn = Recent\n\npt_str_any File1 sv = \"\"\npt_str_any File2 sv = \"\"\npt_str_any File3 sv = \"\"\n"
                      "pt_str_any File4 sv = \"\"\npt_str_any File5 sv = \"\"");
    AddMissingSection(spch::HasSection(), spch::kSection,
                      "sn = Speech\n\npt_str_any FirstLanguage sv = \"guess\"\npt_str_any SecondLanguage sv = \"guess\"\n"
                      "pt_i Rate sv = 175\npt_str_any Variant sv = \"\"\npt_i SpeakAnswers sv = 0\npt_i SpeakQuestions sv = 0");
    AddMissingSection(memcfg::HasSection(), memcfg::kSection, memcfg::kShipped);
    AddMissingSection(dispcfg::HasSection(), dispcfg::kSection, dispcfg::kShipped);
    AddMissingSection(scrcfg::HasSection(), scrcfg::kSection, scrcfg::kAdded);
}
} // namespace

int CLsnInst::InstallAll(IScrnView* pView)
{
    // Never left on failure: every failing step ends the process. Left with PRGRM_DIR_IN_USE
    // when another program runs over the program folder.
    g_InstallLock.lock();

    g_pIUtltsFile = g_pILsnAFc->Create_IUtltsFile();
    if (!g_pIUtltsFile)
        ExitFatal(); // no log yet
    // Another program over the program folder keeps it: this one leaves without touching it.
    const int locked = g_pIUtltsFile->LockPrgrmDir();
    if (locked == PRGRM_DIR_IN_USE) {
        delete g_pIUtltsFile;
        g_pIUtltsFile = nullptr;
        g_InstallLock.unlock();
        return PRGRM_DIR_IN_USE;
    }
    if (locked != 0 || g_pIUtltsFile->Init() != 0)
        ExitFatal();
    g_pILogFile = g_pILsnAFc->Create_ILogFile("Lexido.log", g_pIUtltsFile->GetPrgrmDir());
    if (!g_pILogFile)
        ExitFatal();
    g_pILogFile->Write("\nLexido started");

    InstallTitlePctr();

    g_pIDbVars = g_pILsnAFc->Create_IDbVars();
    if (!g_pIDbVars)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pIDbVars == 0");
    if (g_pIDbVars->Open(g_pILogFile, g_pIUtltsFile->GetPrgrmDir()) != 0)
        LogFatal("\nCLsnInst::InstallAll(), error, after g_pIDbVars->Open()");
    AddMissingSections();

    g_pILsnFont = g_pILsnAFc->Create_ILsnFont();
    if (!g_pILsnFont)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pILsnFont == 0");
    if (g_pILsnFont->Init() != 0)
        LogFatal("\nCLsnInst::InstallAll(), error, after g_pILsnFont-Init()");

    ReadOdb();

    // The memory across days: a database that cannot be used is told to the learner and the
    // practice goes on without it, so nothing here ends the start-up.
    keeper::SetPhraseLister(&ListCardTexts);
    keeper::Open(g_pIUtltsFile->GetPrgrmDir(), memcfg::ReadRetention());

    g_WritingToWindowIsOverEvent = new (std::nothrow) plat::CEvent(false);
    if (!g_WritingToWindowIsOverEvent)
        LogFatal("\nCLsnInst::InstallAll(), Error, g_WritingToWindowIsOverEvent  == 0");

    g_pILocal = g_pILsnAFc->Create_ILocal(LANGUAGE_ENGLISH);
    if (!g_pILocal)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pILocal  == 0");

    g_pIMfcCmmnProc = g_pILsnAFc->Create_IMfcCmmnProc();
    if (!g_pIMfcCmmnProc)
        LogFatal("\nCLsnInst::InstallAll(), error, error after pILsnAFc->Create_IMfcCmmnProc()");

    PrepareTitlePctr();

    g_pINxtPrFlSrvc = g_pILsnAFc->Create_INxtPrFlSrvc();
    if (!g_pINxtPrFlSrvc)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pINxtPrFlSrvc == 0");
    g_pIItrtnSrvc = g_pILsnAFc->Create_IItrtnSrvc();
    if (!g_pIItrtnSrvc)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pIItrtnSrvc == 0");

    g_pIKbrd = g_pILsnAFc->Create_IKbrd(1);
    if (!g_pIKbrd)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pIKbrd == 0");
    int kboard = 0;
    g_pIDbVars->RdVal("Gnrl", "KBoard", PAR_TYPE_INT, &kboard);
    g_pIKbrd->SetKbrdType(kboard + KBRD_TYPE_KEYBOARD);

    g_pOScreen = g_pILsnAFc->Create_OScreen();
    if (!g_pOScreen)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pOScreen == 0");
    g_pOScreen->AttachView(pView);

    g_pISetHelp = g_pILsnAFc->Create_ISetHelp();
    if (!g_pISetHelp)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pISetHelp == 0");

    ShowTitlePctr();

    g_InstallLock.unlock();
    return 0;
}

int CLsnInst::InstallTitlePctr()
{
    g_pITitlePctr = g_pILsnAFc->Create_ITitlePctr(1);
    if (!g_pITitlePctr)
        LogFatal("\nCLsnInst::InstallAll(), error, g_pITitlePctr  == 0");
    if (g_pITitlePctr->CreateHeadBand() != 0)
        LogFatal("\nCLsnInst::InstallAll(), error, after g_pITitlePctr->Init()");
    return 0;
}

int CLsnInst::PrepareTitlePctr()
{
    if (g_pITitlePctr->Init(g_pILsnAFc, 3000, 100) != 0)
        LogFatal("\nCLsnInst::InstallAll(), error, after g_pITitlePctr->Init()");
    return 0;
}

int CLsnInst::ShowTitlePctr()
{
    if (g_pITitlePctr->DrawMovie() != 0)
        LogFatal("\nCLsnInst::InstallAll(), error, after g_pITitlePctr->DrawMovie()");
    return 0;
}

int CLsnInst::ReadOdb()
{
    MakeShippedTextsOnce("AlcRdy", 1, "\nCLsnInst::ReadOdb(), error, pIAliceTxtMkr == 0",
                         "\nCLsnInst::ReadOdb(), error, after pIAliceTxtMkr->UnfastenText()");
    MakeShippedTextsOnce("CgRdy", 2, "\nCLsnInst::ReadOdb(), error, pCgTxtMkr == 0",
                         "\nCLsnInst::ReadOdb(), error, after pIAliceTxtMkr->pCgTxtMkr()");
    if (!g_pIUtltsFile)
        LogFatal("\nCLsnInst::ReadOdb(), error, g_pIUtltsFile == 0");
    std::string path;
    g_pIDbVars->RdText("UnSv", "OpnPath", PAR_TYPE_STRING_ANY, path);
    g_pIUtltsFile->SetFilePath(path.c_str());
    return 0;
}

int CLsnInst::DeInstallAll()
{
    std::lock_guard<plat::CCriticalSection> lk(g_InstallLock);
    if (++g_DeInstallCount > 1)
        return 0;
    if (!g_pIUtltsFile)
        return 0; // nothing was installed: the program folder was another program's
    // A pass still running would go on writing into the screen object released below, and
    // its results would land in the folder emptied here: it ends first, as on Escape.
    if (g_pIMfcCmmnProc)
        g_pIMfcCmmnProc->RetirePass();

    // Never cut: a cut path names another folder.
    const std::string rslts = std::string(g_pIUtltsFile->GetPrgrmDir()) + "/DfltRslts/";
    if (g_pIUtltsFile->DeleteAllFilesInDir(rslts.c_str()) != 0)
        LogFatal("\nCLsnInst::DeInstallAll(), eror, after g_pIUtltsFile->DeleteAllFilesInDir()");

    // A path the settings file could not read back is refused by the database: the previous
    // one is then remembered instead.
    const char* opened = g_pIUtltsFile->GetFilePath();
    g_pIDbVars->WrText("UnSv", "OpnPath", PAR_TYPE_STRING_ANY, opened ? opened : "");
    if (g_pIDbVars->Save("UnSv") != 0)
        LogFatal("\nCLsnInst::SaveSettings(), error writting section [%s]", "UnSv");

    if (g_SettingsChanged)
        SaveSettings();
    keeper::Close();

    delete g_pOScreen;
    g_pOScreen = nullptr;
    delete g_pIDbVars;
    g_pIDbVars = nullptr;
    delete g_WritingToWindowIsOverEvent;
    g_WritingToWindowIsOverEvent = nullptr;
    delete g_pILocal;
    g_pILocal = nullptr;
    delete g_pISetHelp;
    g_pISetHelp = nullptr;
    return 0;
}

int CLsnInst::SaveSettings()
{
    static const char* const kSections[] = {"AddBrTo", "Gnrl", "OpBrAll", "To_WbW", "To_InWh", "ViewMode"};
    for (const char* sec : kSections)
        if (g_pIDbVars->Save(sec) != 0)
            LogFatal("\nCLsnInst::SaveSettings(), error writting section [%s]", sec);
    // Present unless a read-only older program folder could not be given it.
    if (rslts::HasSection() && g_pIDbVars->Save(rslts::kSection) != 0)
        LogFatal("\nCLsnInst::SaveSettings(), error writting section [%s]", rslts::kSection);
    if (spch::HasSection() && !spch::Save())
        LogFatal("\nCLsnInst::SaveSettings(), error writting section [%s]", spch::kSection);
    if (memcfg::HasSection() && !memcfg::Save())
        LogFatal("\nCLsnInst::SaveSettings(), error writting section [%s]", memcfg::kSection);
    return 0;
}
