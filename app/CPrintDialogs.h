#pragma once
// The dialogs of printing, as Qt's modal dialogs. The view's printer asks through this
// interface, so that tests answer for the learner without a modal window.

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

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

class CPrintDialogs : public IPrintDialogs {
public:
    explicit CPrintDialogs(QWidget* parent) : m_Parent(parent) {}
    bool AskPrint(QPrinter& printer) override;
    bool AskSetup(QPrinter& printer) override;
    void ShowPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
    void ShowProblem(const QString& text) override;

private:
    QWidget* m_Parent;
};
