#include "settings/CSttngs.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/MemoryKeeper.h"
#include "settings/ILsnFont.h"
#include "settings/MemorySettings.h"
#include "settings/SpeechSettings.h"
#include "texts/RsltsKeeping.h"

#include <cstring>

namespace {
struct IntDefault {
    const char* sec;
    const char* par;
    int value;
};

// Writes the defaults in order and stops at the first failure with the group's log line.
template <std::size_t N>
void WriteDefaults(const IntDefault (&defaults)[N], const char* failure)
{
    for (const IntDefault& d : defaults) {
        int v = d.value;
        if (g_pIDbVars->WrVal(d.sec, d.par, PAR_TYPE_INT, &v) != 0)
            LogFatal("%s", failure);
    }
}

void CopyName(char (&dst)[256], const char* src)
{
    std::strncpy(dst, src, sizeof dst - 1);
    dst[sizeof dst - 1] = 0;
}
} // namespace

int CSttngs::WrValue(const char* secName, const char* parName, int value)
{
    char sec[256], par[256];
    CopyName(sec, secName);
    CopyName(par, parName);
    if (g_pIDbVars->WrVal(sec, par, PAR_TYPE_INT, &value) != 0)
        LogFatal("\nCSttngs::WrValue(), error getting par [%s]", par);
    return 0;
}

int CSttngs::RdValue(const char* secName, const char* parName, int* value)
{
    char sec[256], par[256];
    CopyName(sec, secName);
    CopyName(par, parName);
    if (g_pIDbVars->RdVal(sec, par, PAR_TYPE_INT, value) != 0)
        LogFatal("\nCSttngs::RdValue(), error getting par [%s]", par);
    return 0;
}

int CSttngs_Gnrl::SetDefault()
{
    const char* failure = "\nCSttngs_Gnrl::SetDefault(), error after g_pIOdb->PutParVal()";
    const IntDefault before[] = {{m_SecName, "KBoard", 0}, {m_SecName, "Logging", 0}};
    WriteDefaults(before, failure);
    if (!g_pILsnFont || g_pILsnFont->LoadDefault() != 0)
        LogFatal("\nCSttngs_Gnrl::SetDefault(), error after g_pILsnFont->LoadDefault()");
    const IntDefault after[] = {{m_SecName, "InterfaceLanguage", 0}};
    WriteDefaults(after, failure);
    if (rslts::HasSection()) {
        const IntDefault keep[] = {{rslts::kSection, "WhenDropped", rslts::kAsk}};
        WriteDefaults(keep, failure);
        if (!rslts::WriteResultsFolder(""))
            LogFatal("%s", failure);
    }
    return 0;
}

int CSttngs_VieMode::SetDefault()
{
    const IntDefault d[] = {{m_SecName, "Direction", 0}, {m_SecName, "Mode", 0}};
    WriteDefaults(d, "\nCSttngs_VieMode::SetDefault(), error after g_pIOdb->PutParVal()");
    return 0;
}

int CSttngs_ToV::SetDefault()
{
    const IntDefault d[] = {
        {"To_InWh", "MinTimeOut", 0}, {"To_InWh", "MaxTimeOut", 4}, {"To_InWh", "TimeOut", 1500},
        {"To_WbW", "MinTimeOut", 0},  {"To_WbW", "MaxTimeOut", 0},  {"To_WbW", "TimeOut", 500},
    };
    WriteDefaults(d, "\nCSttngs_ToV::SetDefault(), error after g_pIOdb->PutParVal()");
    return 0;
}

int CSttngs_OpBr::SetDefault()
{
    const IntDefault d[] = {{"OpBrAll", "MatchCase", 0}, {"OpBrAll", "ScreenSz", 4}};
    WriteDefaults(d, "\nCSttngs_OpBr::SetDefault(), error after g_pIOdb->PutParVal()");
    return 0;
}

int CSttngs_AddBr::SetDefault()
{
    const IntDefault d[] = {{"AddBrTo", "MinTimeOut", 0}, {"AddBrTo", "MaxTimeOut", 2}, {"AddBrTo", "TimeOut", 500}};
    WriteDefaults(d, "\nCSttngs_AddBr::SetDefault(), error after g_pIOdb->PutParVal()");
    return 0;
}

int CSttngs_Memory::SetDefault()
{
    // Reset in the settings and in the keeper at once, as the sheet's other groups reset.
    if (memcfg::HasSection())
        memcfg::WriteRetention(keeper::kRetentionDefault);
    return 0;
}

int CSttngs_Speech::SetDefault()
{
    // A program folder that could not be given the section has nothing to reset.
    if (spch::HasSection())
        spch::Write(spch::SSettings());
    return 0;
}
