#include "engine/CItrtnSrvc.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "engine/CUnsavedRslts.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatFs.h"
#include "texts/IUtltsFile.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
bool Fits(const char* s)
{
    return s && std::strlen(s) < plat::kMaxPath;
}
} // namespace

int CItrtnSrvc::ResetIterations()
{
    m_IterationStatus = ITERATION_STATUS_FIRST;
    m_IterationNmb = 0;
    if (!g_pIUtltsFile) {
        LogMsg("\nCItrtnSrvc::ResetIterations(), error, g_pIUtltsFile == 0");
        return 1;
    }
    g_pIUtltsFile->SetCurrentFileName(g_pIUtltsFile->GetFilePath());
    // The program folder fits its field with room for this.
    m_RsltsDir.Set(std::string(g_pIUtltsFile->GetPrgrmDir()) + "/DfltRslts/");
    return 0;
}

int CItrtnSrvc::BeginPass()
{
    m_PassRunning = 1;
    return 0;
}

int CItrtnSrvc::EndPass()
{
    m_PassRunning = 0;
    return 0;
}

int CItrtnSrvc::IsPassRunning()
{
    return m_PassRunning.load();
}

int CItrtnSrvc::CanStartNextIteration()
{
    const int mode = CurrentViewMode();
    return IsIterationMode(mode) && m_IterationStatus.load() == ITERATION_STATUS_NEXT ? 1 : 0;
}

int CItrtnSrvc::MakeRsltsFileName()
{
    if (!g_pIUtltsFile) {
        LogMsg("\nCItrtnSrvc::MakeRsltsFileName(), error, g_pIUtltsFile == 0");
        return 1;
    }
    switch (m_IterationStatus.load()) {
    case ITERATION_STATUS_FILE_NOT_OPEN:
        LogMsg("\nCBsPrgr::CBsPrgr, eror, ITERATION_STATUS_FILE_NOT_OPEN");
        return 0;
    case ITERATION_STATUS_FIRST:
        if (g_pIUtltsFile->DeleteAllFilesInDir(m_RsltsDir.c_str()) != 0)
            LogMsg("\nCBsPrgr::CBsPrgr, eror, after g_pIUtltsFile->DeleteAllFilesInDir()");
        m_IterationNmb = 1;
        break;
    case ITERATION_STATUS_NEXT:
        ++m_IterationNmb;
        g_pIUtltsFile->SetCurrentFileName(m_RsltsFileName.c_str());
        break;
    case ITERATION_STATUS_IS_OVER:
        LogMsg("\nCBsPrgr::CBsPrgr, eror, ITERATION_STATUS_IS_OVER");
        return 0;
    default:
        LogMsg("\nCBsPrgr::CBsPrgr, eror, unknown g_IterationStatus");
        return 0;
    }
    char number[32];
    std::snprintf(number, sizeof number, "_%d", m_IterationNmb.load());
    std::string name = m_RsltsDir.str() + g_pIUtltsFile->GetFileNameNoExt() + number + "." + g_pIUtltsFile->GetFileExt();
    if (name.size() >= plat::kMaxPath) {
        // A cut name would be another file; with no name the pass cannot store its results and
        // says so, instead of writing over something else.
        LogMsg("\nCItrtnSrvc::MakeRsltsFileName(), error, results file name too long");
        name.clear();
    }
    m_RsltsFileName.Set(name);
    return 0;
}

int CItrtnSrvc::SetIterationStatus(int status)
{
    m_IterationStatus = status;
    return 0;
}

const char* CItrtnSrvc::GetRsltsFileName()
{
    return m_RsltsFileName.c_str();
}

int CItrtnSrvc::SetRsltsTarget(const char* dir, const char* name, const char* ext)
{
    if (!Fits(dir) || !Fits(name) || !Fits(ext)) {
        LogMsg("\nCItrtnSrvc::SetRsltsTarget(), error, target too long");
        return 1;
    }
    m_SaveDir.Set(dir);
    m_SaveName.Set(name);
    m_SaveExt.Set(ext);
    return 0;
}

int CItrtnSrvc::SaveRslts()
{
    if (!g_pIUtltsFile)
        return 1;
    const int rc = g_pIUtltsFile->CopyFromDirToDir(m_RsltsDir.c_str(), m_SaveDir.c_str(), m_SaveName.c_str(), m_SaveExt.c_str());
    if (rc == 0)
        UnsavedRslts().Saved();
    return rc;
}
