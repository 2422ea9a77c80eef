// The view's list of an opened file's phrases: drawn beside the screen text in the Comfortable
// layout, which keeps the file's raw text for printing and the Classic layout, until a pass
// begins; the scroll bar, the wheel and the keys move it a row at a time.
#include "app/CDrill_SdiView.h"

#include "app/DisplayLook.h"
#include "app/WindowTexts.h"
#include "engine/CPassProgress.h"
#include "qttext/CodePageText.h"
#include "settings/LsnLogFont.h"
#include "settings/sheet/LogFontQt.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QPainter>
#include <QScrollBar>

namespace {
// The list's least pixel size of the display font.
constexpr int kListMinPixels = 18;
// Interface texts: what starts a pass over the file, and a file without phrases.
constexpr int kStartHint = 630, kNoPhrases = 631, kPhraseForms = 443, kFirstIteration = 27;
} // namespace

void CDrill_SdiView::FileShown(const char* path)
{
    m_FileList.Clear();
    m_FileListFile = path ? path : "";
    m_FileListSerial = PassProgress().Get().serial;
}

bool CDrill_SdiView::FileListDue() const
{
    if (!Installed() || m_FileListFile.empty() || LayoutKind() != EScreenLayout::Comfortable || PassOwnsScreen())
        return false;
    const SPassProgress p = PassProgress().Get();
    return !p.running && p.serial == m_FileListSerial;
}

void CDrill_SdiView::FileListLook()
{
    // Read at the first paint that lists it: a file opened in the Classic layout is never read.
    if (m_FileList.Path() != m_FileListFile)
        m_FileList.Load(m_FileListFile);
    QFont f = DisplayFont();
    f.setPixelSize(std::max(QFontInfo(f).pixelSize(), kListMinPixels));
    const int n = m_FileList.Count();
    const QStringList lines = n == 0 ? QStringList{LclText(kNoPhrases, "This file holds no phrases.")}
                                     : QStringList{LclCountText(n, kPhraseForms),
                                           LclText(kStartHint, "F5: %1 over these phrases")
                                               .arg(PlainCaption(LclText(kFirstIteration, "First Iteration")))};
    m_FileList.SetLook(
        f, DisplayFontCodePage(), viewport()->size(), QFileInfo(FromPath(m_FileListFile)).fileName(), lines);
}

void CDrill_SdiView::DrawFileList(QPainter& p)
{
    FileListLook();
    const look::SColours colours = look::Current(QColorFromFontColour(g_FontColour));
    QColor soft = colours.ink;
    soft.setAlphaF(0.65);
    p.save();
    m_FileList.Draw(p, verticalScrollBar()->value(), SListInks{colours.ink, look::AnswerInk(colours), soft});
    p.restore();
    m_FileListShown = true;
}

bool CDrill_SdiView::ApplyListRange()
{
    QScrollBar* bar = verticalScrollBar();
    if (!FileListDue()) {
        if (m_ListScroll) { // the file's sizes again, from its top
            m_ListScroll = false;
            bar->setValue(0);
        }
        return false;
    }
    FileListLook();
    bar->setRange(0, m_FileList.LastFirst());
    bar->setSingleStep(1);
    bar->setPageStep(m_FileList.PageItems());
    if (!m_ListScroll || m_PassScroll || m_SummaryScroll)
        bar->setValue(0);
    m_ListScroll = true;
    m_PassScroll = m_SummaryScroll = false;
    return true;
}

void CDrill_SdiView::FileViewFromTop()
{
    // The list and the raw view each begin at the file's top after a change of layout.
    if (m_FileListFile.empty() || PassOwnsScreen() || PassProgress().Get().serial != m_FileListSerial)
        return;
    m_InOwnScroll = true;
    verticalScrollBar()->setValue(0);
    m_InOwnScroll = false;
    RefillFromFile(SB_TOP);
}
