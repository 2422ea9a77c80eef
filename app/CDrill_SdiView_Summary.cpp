// The view's end of a pass: a summary drawn beside the screen text, which stays as the programs
// left it (for printing and the file view), until another file or pass begins.
#include "app/CDrill_SdiView.h"

#include "app/DisplayLook.h"
#include "base/Globals.h"
#include "engine/CPassProgress.h"
#include "engine/DrillCommands.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "settings/LsnLogFont.h"
#include "settings/sheet/LogFontQt.h"

#include <QPainter>

bool CDrill_SdiView::SummaryDue() const
{
    const SPassProgress p = PassProgress().Get();
    // A pass the learner stopped gives the view back to the file, which the keys browse again.
    return Installed() && !p.running && p.ended && p.completed && p.total > 0 && g_pIItrtnSrvc && !PassOwnsScreen() &&
        g_pIItrtnSrvc->GetIterationNmb() == p.pass;
}

void CDrill_SdiView::DrawSummary(QPainter& p, int shift)
{
    const SPassProgress progress = PassProgress().Get();
    if (progress.serial != m_SummarySerial) {
        m_Summary = MakePassSummary(progress, drill::GetDirection());
        m_SummarySerial = progress.serial;
    }
    const int width = viewport()->width();
    const int margin = LayoutKind() == EScreenLayout::Comfortable ? width / 10 : 16;
    p.save();
    p.translate(0, -shift);
    QFont f = font();
    f.setPixelSize(std::max(QFontInfo(f).pixelSize(), LayoutKind() == EScreenLayout::Comfortable ? 16 : 13));
    p.setFont(f);
    p.setPen(look::Current(QColorFromFontColour(g_FontColour)).ink); // on the view's paper, light or dark
    const int height = DrawPassSummary(p, m_Summary, margin, margin, width - 2 * margin) + 2 * margin;
    p.restore();
    if (height != m_SummaryHeight) {
        m_SummaryHeight = height;
        m_InOwnScroll = true;
        ApplyScrollRange();
        m_InOwnScroll = false;
    }
}

bool CDrill_SdiView::SummaryKey(int key)
{
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !SummaryDue() ||
        m_SummarySerial != PassProgress().Get().serial || m_Summary.enterCommand == 0)
        return false;
    OnCommand(m_Summary.enterCommand);
    return true;
}
