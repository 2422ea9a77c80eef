#pragma once
// File utilities that know only the program folder: what the help selection asks of them.

#include "texts/IUtltsFile.h"

#include <string>

class FakeUtltsFile : public IUtltsFile {
public:
    explicit FakeUtltsFile(std::string programDir) : m_Dir(std::move(programDir)) {}
    const char* GetPrgrmDir() override { return m_Dir.c_str(); }

    int LockPrgrmDir() override { return 0; }
    int Init() override { return 0; }
    int InitNxtPrFlSrvc() override { return 0; }
    int OpenFile(IFileView*) override { return 0; }
    int OpenFile_for_Phrase_book(IFileView*, const char*, const char*) override { return 0; }
    int OpenPath(IFileView*, const char*) override { return 0; }
    int SaveResultsAs(IFileView*) override { return 0; }
    int ScrallViewFile(IFileView*, int, int, void*) override { return 0; }
    const char* GetFileDir() override { return ""; }
    const char* GetFilePath() override { return ""; }
    const char* GetFileName() override { return ""; }
    const char* GetFileNameNoExt() override { return ""; }
    const char* GetFileExt() override { return ""; }
    const char* GetCurrentFileName() override { return ""; }
    std::string CopyCurrentFileName() override { return std::string(); }
    const char* GetCutFileName() override { return ""; }
    int SetFileDir(const char*) override { return 0; }
    int SetFilePath(const char*) override { return 0; }
    int SetFileName(const char*) override { return 0; }
    int SetFileNameNoExt(const char*) override { return 0; }
    int SetFileExt(const char*) override { return 0; }
    int SetCurrentFileName(const char*) override { return 0; }
    int SetCutFileName(const char*) override { return 0; }
    int GoToOpenedFile() override { return 0; }
    int GoToNextFile() override { return 1; }
    int GoToPreviousFile() override { return 1; }
    int CanStartIteration() override { return 0; }
    int HasNextFile() override { return 0; }
    int HasPreviousFile() override { return 0; }
    int CanStartAddBrackets() override { return 0; }
    int MakeListOfAllDfltRsltsFiles(const char*, std::vector<std::string>&) override { return 0; }
    int DeleteAllFilesInDir(const char*) override { return 0; }
    int CopyFromDirToDir(const char*, const char*, const char*, const char*) override { return 0; }
    int SwitchToNewName(const char*) override { return 0; }
    int CalcltFileNameAndExt(const char*, std::string&, std::string&) override { return 0; }

private:
    std::string m_Dir;
};
