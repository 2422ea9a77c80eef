#pragma once
// File utilities: every path of the run, the Open and Save dialogs, showing the opened file,
// and listing, deleting and copying the files of a folder.

#include <string>
#include <vector>

class IFileView; // the window side of showing a file: texts/IFileView.h

// What LockPrgrmDir answers when another program runs over the program folder.
constexpr int PRGRM_DIR_IN_USE = 2;

class IUtltsFile {
public:
    virtual ~IUtltsFile() = default;
    // Takes the program folder for this object's life, before anything in it is touched, so
    // that two programs never work over one folder: 0, PRGRM_DIR_IN_USE when another holds it,
    // 1 when it cannot be locked (the folder cannot be written).
    virtual int LockPrgrmDir() = 0;
    virtual int Init() = 0;
    virtual int InitNxtPrFlSrvc() = 0;
    virtual int OpenFile(IFileView* view) = 0;
    virtual int OpenFile_for_Phrase_book(IFileView* view, const char* folder, const char* file) = 0;
    // Opens the file at path as the Open dialog's choice of it is opened (a file that cannot be
    // read is told to the learner and changes nothing). 0.
    virtual int OpenPath(IFileView* view, const char* path) = 0;
    virtual int SaveResultsAs(IFileView* view) = 0;
    virtual int ScrallViewFile(IFileView* view, int code, int position, void* scrollBar) = 0;
    virtual const char* GetPrgrmDir() = 0;
    virtual const char* GetFileDir() = 0;
    virtual const char* GetFilePath() = 0;
    virtual const char* GetFileName() = 0;
    virtual const char* GetFileNameNoExt() = 0;
    virtual const char* GetFileExt() = 0;
    // The next pass's input. A pass rewrites it on its own thread when it starts: another
    // thread reads it only through the copy, which is taken under the lock of the writes.
    virtual const char* GetCurrentFileName() = 0;
    virtual std::string CopyCurrentFileName() = 0;
    virtual const char* GetCutFileName() = 0;
    // The setters refuse (1, field unchanged, logged) a text that does not fit its field.
    virtual int SetFileDir(const char* s) = 0;
    virtual int SetFilePath(const char* s) = 0;
    virtual int SetFileName(const char* s) = 0;
    virtual int SetFileNameNoExt(const char* s) = 0;
    virtual int SetFileExt(const char* s) = 0;
    virtual int SetCurrentFileName(const char* s) = 0;
    virtual int SetCutFileName(const char* s) = 0;
    virtual int GoToOpenedFile() = 0;
    virtual int GoToNextFile() = 0;
    virtual int GoToPreviousFile() = 0;
    virtual int CanStartIteration() = 0;
    virtual int HasNextFile() = 0;
    virtual int HasPreviousFile() = 0;
    virtual int CanStartAddBrackets() = 0;
    // Appends folder + name for every entry of the folder, in name order; 1 when the folder
    // cannot be searched.
    virtual int MakeListOfAllDfltRsltsFiles(const char* folder, std::vector<std::string>& list) = 0;
    virtual int DeleteAllFilesInDir(const char* folder) = 0;
    // Copies the k-th file of srcDir to dstDir + baseName + "_k." + ext; 0 on success, 1 when
    // a path does not fit or a file cannot be written.
    virtual int CopyFromDirToDir(const char* srcDir, const char* dstDir, const char* baseName, const char* ext) = 0;
    // Makes path, an entry of the file folder, the file and the next pass's input.
    virtual int SwitchToNewName(const char* path) = 0;
    // Splits at the first dot: "a.b.mix" has the name "a" and the extension "b.mix".
    virtual int CalcltFileNameAndExt(const char* fileName, std::string& name, std::string& ext) = 0;
};
