#include "app/PrintKit.h"

#include "app/LateModules.h"
#include "app/WindowTexts.h"

#include <QMessageBox>

namespace {

// Without the print module: the message box alone.
class CProblemBox : public IPrintDialogs {
public:
    explicit CProblemBox(QWidget* parent) : m_Parent(parent) {}
    bool AskPrint(QPrinter&) override { return false; }
    bool AskSetup(QPrinter&) override { return false; }
    void ShowPreview(QPrinter&, const std::function<void(QPrinter*)>&) override {}
    void ShowProblem(const QString& text) override { QMessageBox::warning(m_Parent, ProductTitle(), text); }

private:
    QWidget* m_Parent;
};

// Every command says that printing cannot be done and which file is missing.
class CMissingPrinter : public IViewPrinter {
public:
    explicit CMissingPrinter(QWidget* view) : m_Box(view), m_pDialogs(&m_Box) {}
    void SetDialogs(IPrintDialogs* dialogs) override { m_pDialogs = dialogs ? dialogs : &m_Box; }
    void Print() override { Tell(); }
    void PrintDirect() override { Tell(); }
    void Preview() override { Tell(); }
    void PrintSetup() override { Tell(); }

private:
    void Tell() { m_pDialogs->ShowProblem(WndText(EWndText::PrintMissing).arg(late::Problem(late::kPrint))); }

    CProblemBox m_Box;
    IPrintDialogs* m_pDialogs;
};

} // namespace

std::unique_ptr<IViewPrinter> MakeViewPrinter(SPrintHost host)
{
    using Entry = IViewPrinter* (*)(const SPrintHost&);
    if (const auto entry = reinterpret_cast<Entry>(late::Entry(late::kPrint, "LexidoViewPrinter")))
        return std::unique_ptr<IViewPrinter>(entry(host));
    return std::make_unique<CMissingPrinter>(host.view);
}
