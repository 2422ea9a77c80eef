#pragma once
// The file dialogs and the message box of the view, as Qt's modal dialogs. Paths cross as the
// bytes of the file system's names.

#include "texts/IFileView.h"

#include <memory>

class QFileDialog;
class QMessageBox;
class QString;
class QWidget;

class CViewDialogs : public IFileDialogs {
public:
    explicit CViewDialogs(QWidget* parent) : m_Parent(parent) {}
    bool AskOpenPath(const char* initialPath, const char* filter, std::string& path) override;
    bool AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path) override;
    bool ConfirmOverwrite(const std::vector<std::string>& existing) override;
    void ShowFileProblem(FileProblem problem, const char* path) override;
    UnsavedAnswer AskUnsavedResults(int passes, int marked) override;
    bool AskResultsFolder(std::string& folder) override;
    void ShowKeptResults(const char* folder) override;
    bool AskImportSource(const char* initialPath, std::string& path) override;
    bool AskImportTarget(const char* initialName, std::string& path) override;
    bool AskExportTarget(const char* initialName, std::string& path) override;
    void ShowImportOutcome(bool imported, const char* text, const char* path) override;
    std::string DocumentsFolder() override;

    // A save dialog as it is shown: at initialName (a folder and a name, or a name), asking
    // about the chosen name only when confirmOverwrite.
    static std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const QString& title, const char* defaultExt,
        const char* initialName, const char* filter, bool confirmOverwrite);
    void ShowMemoryNotice(const char* text) override;

    // The question about results never saved, as it is shown (its buttons named "Save",
    // "Discard" and "Cancel").
    // Space presses none of its buttons and Enter presses Cancel.
    static std::unique_ptr<QMessageBox> MakeUnsavedBox(QWidget* parent, int passes, int marked);

    // The message of what an import came to, as it is shown.
    static std::unique_ptr<QMessageBox> MakeImportOutcomeBox(QWidget* parent, bool imported, const char* text,
                                                             const char* path);

private:
    bool AskOpen(const QString& title, const char* initialPath, const char* filter, std::string& path);
    static bool Ask(QFileDialog& dialog, std::string& path);

    QWidget* m_Parent;
};
