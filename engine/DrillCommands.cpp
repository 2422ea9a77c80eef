#include "engine/DrillCommands.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/IterationGlobals.h"
#include "engine/MemoryKeeper.h"
#include "engine/RecentFiles.h"
#include "texts/IUtltsFile.h"

#include <string>

namespace drill {

namespace {

int ReadInt(const char* section, const char* parameter)
{
    int value = 0;
    g_pIDbVars->RdVal(section, parameter, PAR_TYPE_INT, &value);
    return value;
}

// After an open command: the file open now (the one chosen, or the one before when the choice
// failed or was cancelled) is the most recent.
int Opened(int result)
{
    recent::Remember(g_pIUtltsFile->GetFilePath());
    return result;
}

int WriteInt(const char* section, const char* parameter, int value)
{
    return g_pIDbVars->WrVal(section, parameter, PAR_TYPE_INT, &value);
}

} // namespace

int SelectMode(int mode)
{
    WriteInt("ViewMode", "Mode", mode);
    if (mode == 5 || mode == 6)
        WriteInt("ViewMode", "Direction", 1);
    return 0;
}

int SelectDirection(int direction)
{
    WriteInt("ViewMode", "Direction", direction);
    return 0;
}

int SelectKbrdType(int type)
{
    g_pIKbrd->SetKbrdType(type);
    return WriteInt("Gnrl", "KBoard", type - KBRD_TYPE_KEYBOARD);
}

int GetMode() { return ReadInt("ViewMode", "Mode"); }
int GetDirection() { return ReadInt("ViewMode", "Direction"); }

int RunFirstIteration()
{
    // The retired program's deletion writes the iteration state; it must happen before the
    // state is prepared for the new pass, never after.
    g_pIMfcCmmnProc->RetirePass();
    g_pIUtltsFile->GoToOpenedFile();
    return g_pIMfcCmmnProc->StartFirstItrtn();
}

int RunNextIteration()
{
    // A next iteration may be running: its end sets the status (and its results) that the new
    // pass counts from, so it ends before the new pass reads them.
    g_pIMfcCmmnProc->RetirePass();
    if (!CanRunNextIteration())
        return 0;
    return g_pIMfcCmmnProc->StartFirstItrtn();
}

int RunNextFile()
{
    if (!g_pIUtltsFile->HasNextFile())
        return 0;
    g_pIMfcCmmnProc->RetirePass();
    g_pIUtltsFile->GoToNextFile();
    return g_pIMfcCmmnProc->StartFirstItrtn();
}

int RunPreviousFile()
{
    if (!g_pIUtltsFile->HasPreviousFile())
        return 0;
    g_pIMfcCmmnProc->RetirePass();
    g_pIUtltsFile->GoToPreviousFile();
    return g_pIMfcCmmnProc->StartFirstItrtn();
}

int RunAddBrackets(int type)
{
    g_pIMfcCmmnProc->RetirePass();
    g_pIUtltsFile->GoToOpenedFile();
    return g_pIMfcCmmnProc->StartADdBrkts(type);
}

int CancelIteration()
{
    return g_pIKbrd->PutKey(KEY_ESCAPE);
}

const char* PhraseBookFolder(int id)
{
    static const char* const folders[] = {
        "Text\\Conversational Guide\\English_French\\",  "Text\\Conversational Guide\\English_German\\",
        "Text\\Conversational Guide\\English_Russian\\", "Text\\Conversational Guide\\English_French\\",
        "Text\\Conversational Guide\\French_German\\",   "Text\\Conversational Guide\\French_Russian\\",
        "Text\\Conversational Guide\\English_German\\",  "Text\\Conversational Guide\\French_German\\",
        "Text\\Conversational Guide\\German_Russian\\",  "Text\\Conversational Guide\\English_Russian\\",
        "Text\\Conversational Guide\\French_Russian\\",  "Text\\Conversational Guide\\German_Russian\\",
    };
    constexpr int kFirst = 32818;
    const int index = id - kFirst;
    if (index < 0 || index >= static_cast<int>(sizeof folders / sizeof folders[0]))
        return nullptr;
    return folders[index];
}

int OpenFile(IFileView* view)
{
    g_pIMfcCmmnProc->RetirePass();
    return Opened(g_pIUtltsFile->OpenFile(view));
}

int OpenPath(IFileView* view, const char* path)
{
    g_pIMfcCmmnProc->RetirePass();
    return Opened(g_pIUtltsFile->OpenPath(view, path));
}

int OpenPhraseBook(IFileView* view, int id)
{
    const char* folder = PhraseBookFolder(id);
    if (!folder)
        return 0;
    g_pIMfcCmmnProc->RetirePass();
    return Opened(g_pIUtltsFile->OpenFile_for_Phrase_book(view, folder, kPhraseBookFirstTopic));
}

int OpenRecentFile(IFileView* view, int index)
{
    const std::vector<std::string> list = recent::List();
    if (index < 0 || index >= static_cast<int>(list.size()))
        return 0;
    return OpenPath(view, list[static_cast<std::size_t>(index)].c_str());
}

bool CanRunFirstIteration() { return g_pIUtltsFile->CanStartIteration() != 0; }
bool CanRunNextIteration() { return g_pIItrtnSrvc->CanStartNextIteration() == 1; }
bool CanRunNextFile() { return g_pIUtltsFile->HasNextFile() == 1; }
bool CanRunPreviousFile() { return g_pIUtltsFile->HasPreviousFile() == 1; }
bool CanRunAddBrackets() { return g_pIUtltsFile->CanStartAddBrackets() != 0; }
bool CanRunReviewDue()
{
    return keeper::IsOpen();
}

int RunReviewDue(IFileView* view)
{
    if (!keeper::IsOpen())
        return kNothingDue;
    // The running pass ends first: its reviews count before what is due is asked.
    g_pIMfcCmmnProc->RetirePass();
    const std::string path = std::string(g_pIUtltsFile->GetPrgrmDir()) + "/" + kReviewFileName;
    const int written = keeper::WriteDueFile(GetDirection(), path);
    if (written == 0)
        return kNothingDue;
    if (written < 0)
        return 1;
    g_pIUtltsFile->OpenPath(view, path.c_str()); // not one of the recent files: it is made anew each time
    if (std::string(g_pIUtltsFile->GetFilePath()) != path)
        return 1; // the file made could not be opened: the learner was told
    g_pIUtltsFile->GoToOpenedFile();
    return g_pIMfcCmmnProc->StartFirstItrtn();
}

} // namespace drill
