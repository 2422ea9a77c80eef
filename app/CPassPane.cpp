#include "app/CPassPane.h"

#include "engine/CPassProgress.h"
#include "engine/DrillCommands.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "engine/PassNote.h"
#include "locale/CLocal.h"
#include "locale/LclFill.h"
#include "locale/LocaleGlobals.h"
#include "locale/PassTexts.h"
#include "qttext/CodePageText.h"
#include "resources/Resources.h"

namespace {
// Stands for the file name in the summary: the name is the file system's, not the code page's.
constexpr const char* kFileMark = "\x01";

// A command's caption without its accelerator mark, in the interface code page.
std::string Caption(int index)
{
    return res::PlainCaption(g_pILocal ? g_pILocal->GetText(index) : nullptr);
}
} // namespace

CPassPane::CPassPane(QWidget* parent) : QLabel(parent)
{
    setObjectName("PassPane");
    // A long summary takes a second line rather than being cut.
    setWordWrap(true);
    hide();
}

bool CPassPane::Refresh()
{
    const SPassProgress p = PassProgress().Get();
    QString pane, legend;
    if (p.running) {
        pane = FromCodePage(PassProgressText(p).c_str(), CLocal::InterfaceCodePage());
        legend = FromCodePage(PassKeysText(drill::GetMode(), GetPassNote()).c_str(), CLocal::InterfaceCodePage());
    } else if (p.ended && g_pIItrtnSrvc && g_pIItrtnSrvc->GetIterationNmb() == p.pass) {
        // Shown until another file or pass begins. A pass over a file without phrases says so.
        const std::string text = p.total == 0 ? FillText(g_pILocal ? g_pILocal->GetText(421) : nullptr, {kFileMark})
                                              : PassSummaryText(p, kFileMark, Caption(28).c_str(), Caption(29).c_str());
        pane = FromCodePage(text.c_str(), CLocal::InterfaceCodePage()).replace(kFileMark, QString::fromLocal8Bit(p.file.c_str()));
    }
    if (pane != text())
        setText(pane);
    if (legend == m_Legend)
        return false;
    m_Legend = legend;
    return true;
}
