#include "locale/CSetHelp.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "locale/ILocal.h"
#include "platform/PlatFs.h"
#include "texts/IUtltsFile.h"

namespace {

constexpr const char* kHelpFile = "Lexido.hlp";
constexpr const char* kContentsFile = "Lexido.cnt";

const char* ProgramDir()
{
    return g_pIUtltsFile ? g_pIUtltsFile->GetPrgrmDir() : nullptr;
}

} // namespace

int CSetHelp::SetHelpForCurrentLocality(ILocal* pILocal)
{
    if (!g_pIDbVars)
        LogFatal("\nCSetHelp::SetHelpForCurrentLocality(), error, g_pIDbVars == 0");
    if (!pILocal)
        LogFatal("\nCSetHelp::SetHelpForCurrentLocality(), error, pILocal == 0");

    int installed = 0;
    g_pIDbVars->RdVal("UnSv", "HelpAavlbl", PAR_TYPE_INT, &installed);
    // The setting alone would leave a deleted help pair missing for good: a pair that is not
    // in the program folder is copied again.
    const bool inPlace = PairIsInPlace();
    if (pILocal->GetLanguage() == LANGUAGE_RUSSIAN) {
        if (installed != HELP_AVAILABLE_RUSSIAN || !inPlace)
            MakeHelp_Russian();
        installed = HELP_AVAILABLE_RUSSIAN;
    } else {
        if (installed != HELP_AVAILABLE_ENGLISH || !inPlace)
            MakeHelp_English();
        installed = HELP_AVAILABLE_ENGLISH;
    }
    g_pIDbVars->WrVal("UnSv", "HelpAavlbl", PAR_TYPE_INT, &installed);
    return 0;
}

int CSetHelp::MakeHelp_English()
{
    if (OverwrireFile("\\Settings\\Help\\English\\") != 0)
        LogFatal("\nCSetHelp::MakeHelp_English(), error, after OverwrireFile");
    return 0;
}

int CSetHelp::MakeHelp_Russian()
{
    if (OverwrireFile("\\Settings\\Help\\Russian\\") != 0)
        LogFatal("\nCSetHelp::MakeHelp_Russian(), error, after OverwrireFile");
    return 0;
}

int CSetHelp::OverwrireFile(const char* folder)
{
    if (CopyOne(folder, kHelpFile) != 0)
        return 1;
    return CopyOne(folder, kContentsFile);
}

int CSetHelp::CopyOne(const char* folder, const char* name)
{
    const char* dir = ProgramDir();
    if (!dir || !folder) {
        LogMsg("\nCSetHelp::OverwrireFile(), error opening src file");
        return 1;
    }
    m_Src = plat::NormalizeSeparators(std::string(dir) + folder + name);
    m_Dst = plat::NormalizeSeparators(std::string(dir) + "\\" + name);
    // A path that does not fit is refused, never cut: a cut path names another file.
    std::string bytes;
    if (m_Src.size() >= plat::kMaxPath || !plat::ReadFileWhole(m_Src, bytes)) {
        LogMsg("\nCSetHelp::OverwrireFile(), error opening src file");
        return 1;
    }
    // Written beside the old file and renamed over it, so a crash or a full disk never
    // leaves a cut help file.
    if (m_Dst.size() >= plat::kMaxPath || !plat::WriteFileAtomic(m_Dst, bytes)) {
        LogMsg("\nCSetHelp::OverwrireFile(), error opening src file");
        return 1;
    }
    return 0;
}

bool CSetHelp::PairIsInPlace()
{
    const char* dir = ProgramDir();
    if (!dir)
        return false;
    return plat::FileExists(std::string(dir) + "/" + kHelpFile) &&
           plat::FileExists(std::string(dir) + "/" + kContentsFile);
}
