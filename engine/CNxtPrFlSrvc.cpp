#include "engine/CNxtPrFlSrvc.h"

#include "base/Log.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatFs.h"
#include "texts/IUtltsFile.h"

#include <algorithm>

CNxtPrFlSrvc::CNxtPrFlSrvc(IUtltsFile& files)
    : m_Files(files)
{
}

int CNxtPrFlSrvc::Init()
{
    m_FileList.clear();
    if (m_Files.MakeListOfAllDfltRsltsFiles(m_Files.GetFileDir(), m_FileList) != 0)
        LogMsg("\nCNxtPrFlSrvc::Init, error, g_pIUtltsFile->MakeListOfAllFilesInDir()");
    // Only files are stepped to: a subfolder as the current file would be a pass that cannot
    // open its input, which ends the program.
    m_FileList.erase(std::remove_if(m_FileList.begin(), m_FileList.end(),
                                    [](const std::string& p) { return plat::IsDirectory(p); }),
                     m_FileList.end());

    // The names compare without case as on the original platform; here two names may differ in
    // case only, so the file itself is preferred to its namesake.
    const char* path = m_Files.GetFilePath();
    int index = Count();
    for (int i = 0; i < Count(); ++i)
        if (m_FileList[static_cast<std::size_t>(i)] == path) {
            index = i;
            break;
        }
    if (index == Count())
        for (int i = 0; i < Count(); ++i)
            if (plat::StrCmpI(m_FileList[static_cast<std::size_t>(i)].c_str(), path, plat::kCpWestern) == 0) {
                index = i;
                break;
            }
    m_OpenedFileIndex = m_CurFileIndex = index;
    ApplyFlagRule();
    if (g_pIItrtnSrvc)
        g_pIItrtnSrvc->ResetIterations();
    return 0;
}

void CNxtPrFlSrvc::ApplyFlagRule()
{
    const int count = Count();
    m_HasNextFile = count >= 2 && m_CurFileIndex < count - 1 ? 1 : 0;
    m_HasPrevFile = count >= 2 && m_CurFileIndex > 0 ? 1 : 0;
}

int CNxtPrFlSrvc::GoToOpenedFile()
{
    m_CurFileIndex = m_OpenedFileIndex;
    if (m_CurFileIndex >= 0 && m_CurFileIndex < Count())
        m_Files.SwitchToNewName(m_FileList[static_cast<std::size_t>(m_CurFileIndex)].c_str());
    ApplyFlagRule();
    return 0;
}

int CNxtPrFlSrvc::GoToNextFile()
{
    if (m_CurFileIndex + 1 < Count()) {
        ++m_CurFileIndex;
        m_Files.SwitchToNewName(m_FileList[static_cast<std::size_t>(m_CurFileIndex)].c_str());
        ApplyFlagRule();
        return 0;
    }
    m_HasNextFile = 0;
    m_CurFileIndex = Count() - 1;
    return 1;
}

int CNxtPrFlSrvc::GoToPreviousFile()
{
    if (m_CurFileIndex < 1 || Count() == 0) {
        m_HasPrevFile = 0;
        m_CurFileIndex = 0;
        return 1;
    }
    // An index left past the end by a file missing from its own listing steps to the last one.
    m_CurFileIndex = std::min(m_CurFileIndex, Count()) - 1;
    m_Files.SwitchToNewName(m_FileList[static_cast<std::size_t>(m_CurFileIndex)].c_str());
    ApplyFlagRule();
    return 0;
}

int CNxtPrFlSrvc::CanStartIteration()
{
    const int mode = CurrentViewMode();
    return !m_FileList.empty() && IsIterationMode(mode) ? 1 : 0;
}

int CNxtPrFlSrvc::CanStartAddBrackets()
{
    return !m_FileList.empty() && CurrentViewMode() == 9 ? 1 : 0;
}

int CNxtPrFlSrvc::HasNextFile()
{
    const int mode = CurrentViewMode();
    return IsIterationMode(mode) && m_HasNextFile ? 1 : 0;
}

int CNxtPrFlSrvc::HasPreviousFile()
{
    const int mode = CurrentViewMode();
    return IsIterationMode(mode) && m_HasPrevFile ? 1 : 0;
}
