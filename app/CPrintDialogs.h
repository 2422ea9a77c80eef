#pragma once
// The dialogs of printing as Qt's modal dialogs (in the print module).

#include "app/PrintKit.h"

class CPrintDialogs : public IPrintDialogs {
public:
    // title: the message box's, in the interface language of the moment.
    CPrintDialogs(QWidget* parent, std::function<QString()> title) : m_Parent(parent), m_Title(std::move(title)) {}
    bool AskPrint(QPrinter& printer) override;
    bool AskSetup(QPrinter& printer) override;
    void ShowPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
    void ShowProblem(const QString& text) override;

private:
    QWidget* m_Parent;
    std::function<QString()> m_Title;
};
