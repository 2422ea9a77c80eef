#pragma once
// The window as the file utilities see it. The window implements these on its view, its file
// dialogs and its message box; tests answer them from a script.

#include "platform/PlatUtf8.h"

#include <cstdlib>
#include <string>
#include <vector>

// Why a file the learner chose cannot be used; the window words the message.
enum class FileProblem {
    CannotOpen,  // the picked file cannot be read (removed, no permission, a folder)
    CannotSave,  // the results cannot be written into the chosen folder
    PathTooLong, // the path does not fit its field and is refused
    // A results file cannot be written, and no file was changed (the path is the file's):
    NoSpace,      // the disk is full
    NoPermission, // writing is not permitted
    LinkRefused,  // a link stands at its name; links are never written through
};

// The learner's answer when results never saved would go.
enum class UnsavedAnswer { Save, Discard, Cancel };

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The Open dialog, starting at initialPath; true with the chosen full path, false when
    // cancelled. filter is "Mix- Files (*.mix)|*.mix|...||".
    virtual bool AskOpenPath(const char* initialPath, const char* filter, std::string& path) = 0;
    // The Save dialog of the results, starting at initialName (a name, or a folder and a name);
    // true with the full path (the default extension added when none was typed), false when
    // cancelled. It asks nothing about the chosen name: the files written are numbered after
    // it, and the caller asks about those (ConfirmOverwrite).
    virtual bool AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path) = 0;
    // Saving numbers the results name_1.ext, name_2.ext ...: before any of these existing files
    // is replaced the learner confirms; false leaves everything as it is.
    virtual bool ConfirmOverwrite(const std::vector<std::string>& existing) = 0;
    // The message box.
    virtual void ShowFileProblem(FileProblem problem, const char* path) = 0;
    // Results of this many passes with this many marked phrases were never saved and would go:
    // Save (Save Results As follows), Discard or Cancel. A front-end that never asks (the
    // batch mode) lets them go.
    virtual UnsavedAnswer AskUnsavedResults(int passes, int marked)
    {
        (void)passes;
        (void)marked;
        return UnsavedAnswer::Discard;
    }
    // The folder results are always saved into, chosen once; false when cancelled.
    virtual bool AskResultsFolder(std::string& folder)
    {
        (void)folder;
        return false;
    }
    // The learner's documents folder, proposed for saved results when the settings name none;
    // the window asks the desktop.
    virtual std::string DocumentsFolder()
    {
        const char* xdg = std::getenv("XDG_DOCUMENTS_DIR");
        const char* home = std::getenv("HOME");
        return xdg && *xdg ? std::string(xdg) : home && *home ? std::string(home) + "/Documents" : std::string();
    }
    // The results never saved at the last end of the program were kept in this folder.
    virtual void ShowKeptResults(const char* folder) { (void)folder; }
    // File > Import: the learner's material (a table, another trainer's export), then the
    // phrase file it becomes; false when cancelled. By default the Open and Save dialogs.
    virtual bool AskImportSource(const char* initialPath, std::string& path)
    {
        return AskOpenPath(initialPath, kImportFilter, path);
    }
    virtual bool AskImportTarget(const char* initialName, std::string& path)
    {
        return AskSavePath("mix", initialName, kPhraseFileFilter, path);
    }
    // File > Export: the file the open phrase file is written to, its form by its extension;
    // false when cancelled.
    virtual bool AskExportTarget(const char* initialName, std::string& path)
    {
        return AskSavePath("tsv", initialName, kExportFilter, path);
    }
    // What the import (or the export) came to, in the interface language's code page (imported
    // false: why nothing was written), and the file it is about.
    virtual void ShowImportOutcome(bool imported, const char* text, const char* path)
    {
        (void)imported;
        (void)text;
        (void)path;
    }
    // What became of the memory of phrases across days, as UTF-8: its database set aside, from a
    // newer Lexido or not to be opened. Told once, in a message.
    virtual void ShowMemoryNotice(const char* text) { (void)text; }
    static constexpr const char* kImportFilter =
        "Vocabulary (*.txt *.tsv *.csv *.kvtml *.apkg *.colpkg)|*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.colpkg|"
        "All Files (*.*)|*.*||";
    static constexpr const char* kExportFilter = "Tab-separated text (*.tsv)|*.tsv|Comma-separated text (*.csv)|*.csv|"
                                                 "KDE vocabulary (*.kvtml)|*.kvtml|Anki notes (*.txt)|*.txt||";
    static constexpr const char* kPhraseFileFilter = "Mix- Files (*.mix)|*.mix||";
};

class IFileView {
public:
    virtual ~IFileView() = default;
    // The screen text of the view: emptied, then appended to.
    virtual void ClearText() = 0;
    virtual void PutText(const char* text) = 0;
    // The coding of the shown file's text (and of keys typed over it), told before ClearText.
    virtual void SetTextCoding(plat::TextCoding coding) { (void)coding; }
    // Scroll sizes in text units (bytes of the shown file).
    virtual void SetScrollSizes(long total, long page, long line) = 0;
    // A file was opened and shown from its start (after its text and scroll sizes): its path.
    virtual void FileShown(const char* path) { (void)path; }
    // The main window's caption, and the product title that goes before the file name in it.
    virtual void SetCaption(const char* caption) = 0;
    virtual const char* GetCaptionTitle() = 0;
    virtual IFileDialogs& Dialogs() = 0;
};
