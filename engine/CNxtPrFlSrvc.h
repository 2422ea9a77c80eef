#pragma once
// Stepping to the previous and next file of the opened file's folder.

#include "engine/INxtPrFlSrvc.h"

#include <string>
#include <vector>

class IUtltsFile;

// The files of the opened file's folder in name order, the opened file's place among them and
// the current one's. Stepping makes another entry the current file through the file utilities.
class CNxtPrFlSrvc : public INxtPrFlSrvc {
public:
    explicit CNxtPrFlSrvc(IUtltsFile& files);

    int Init() override;
    int GoToOpenedFile() override;
    int GoToNextFile() override;
    int GoToPreviousFile() override;
    int CanStartIteration() override;
    int HasNextFile() override;
    int HasPreviousFile() override;
    int CanStartAddBrackets() override;

    const std::vector<std::string>& FileList() const { return m_FileList; }
    int OpenedFileIndex() const { return m_OpenedFileIndex; }
    int CurFileIndex() const { return m_CurFileIndex; }

private:
    void ApplyFlagRule();
    int Count() const { return static_cast<int>(m_FileList.size()); }

    IUtltsFile& m_Files;
    int m_HasNextFile = 0;
    int m_HasPrevFile = 0;
    int m_OpenedFileIndex = 0;
    int m_CurFileIndex = 0;
    std::vector<std::string> m_FileList;
};
