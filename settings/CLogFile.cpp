#include "settings/CLogFile.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "platform/PlatFs.h"
#include "platform/PlatTextFile.h"
#include "platform/PlatWindow.h"

#include <cstring>

namespace {
// Set while this thread asks the database for the switch: a lookup that writes to the log
// must not come back into the lookup.
thread_local bool t_InSwitchLookup = false;

// 1 when logging is on, 0 when off, -1 when the database cannot answer (not yet loaded, or
// "Gnrl"/"Logging" missing): the message is then written, so that no error goes unseen.
int LoggingSwitch()
{
    if (!g_pIDbVars || t_InSwitchLookup)
        return -1;
    t_InSwitchLookup = true;
    int value = 0;
    const int rc = g_pIDbVars->TryRdVal("Gnrl", "Logging", PAR_TYPE_INT, &value);
    t_InSwitchLookup = false;
    return rc == 0 ? (value != 0 ? 1 : 0) : -1;
}
} // namespace

CLogFile::CLogFile(const char* name, const char* folder)
    : m_Path(plat::NormalizeSeparators(std::string(folder) + "/" + name)), m_Valid(false)
{
    if (m_Path.size() < plat::kMaxPath)
        m_Valid = plat::TruncateFile(m_Path);
}

int CLogFile::Write(const char* text)
{
    if (LoggingSwitch() == 0)
        return 0;
    if (std::strlen(text) >= kMaxText)
        return 1;
    plat::AppendText(m_Path, text);
    return 0;
}

int CLogFile::WriteFatal(const char* text)
{
    return plat::AppendText(m_Path, text) ? 0 : 1;
}

int CLogFile::RequestShutDown()
{
    if (g_hWndView)
        g_hWndView->PostMsg(WM_DEINSTALL_ALL);
    return 0;
}
