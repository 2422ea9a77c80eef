#pragma once
// Printing as the window reaches it: the view's printer, made by the print module
// (lexido-print.so, the only code that links Qt PrintSupport), loaded at the first print command.

#include <QFont>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QWidget;

// The dialogs of printing. The printer asks through this interface, so that tests answer for
// the learner without a modal window.
class IPrintDialogs {
public:
    virtual ~IPrintDialogs() = default;
    // The print dialog over printer: true to print with what the learner chose there.
    virtual bool AskPrint(QPrinter& printer) = 0;
    // The page and printer set-up; the choices stay with printer for the next printing.
    virtual bool AskSetup(QPrinter& printer) = 0;
    // The preview of the pages that paint draws onto the printer it is given.
    virtual void ShowPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;
    // The message box.
    virtual void ShowProblem(const QString& text) = 0;
};

// The texts printing shows, asked in the interface language of the moment.
enum class EPrintText { Title, CannotPrint, NoPrinter };

// What printing takes from the view.
struct SPrintHost {
    QWidget* view = nullptr;               // the dialogs' parent; the display font's pixel size is meant at its resolution
    std::function<std::u32string()> text;  // what the view shows, asked at each printing
    std::function<QFont()> font;           // the display font, likewise
    std::function<QString(EPrintText)> texts;
};

class IViewPrinter {
public:
    virtual ~IViewPrinter() = default;
    // Dialogs that answer for the learner; null: Qt's own.
    virtual void SetDialogs(IPrintDialogs* dialogs) = 0;
    // The print dialog, then the pages.
    virtual void Print() = 0;
    // Straight to the printer chosen last (at first the system's default), without a dialog.
    virtual void PrintDirect() = 0;
    virtual void Preview() = 0;
    virtual void PrintSetup() = 0;
};

// The view's printer from the print module, loaded at the first call; without the module, one
// whose every command says which file is missing.
std::unique_ptr<IViewPrinter> MakeViewPrinter(SPrintHost host);
