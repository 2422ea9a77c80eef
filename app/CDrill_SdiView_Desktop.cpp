// The view on a desktop: what a screen reader reads of it, the display's colours and zoom, and
// the files the desktop hands it.
#include "app/CDrill_SdiView.h"

#include "app/CMainFrame.h"
#include "base/Log.h"
#include "engine/CPassProgress.h"
#include "engine/DrillCommands.h"
#include "locale/PassTexts.h"
#include "qttext/CodePageText.h"

#include <QAccessible>
#include <QScrollBar>

a11y::SReading CDrill_SdiView::Reading() const
{
    a11y::SReading r;
    if (m_FileListShown) { // the list a file just opened shows, not the raw text beside it
        r.text = m_FileList.Reading();
        return r;
    }
    int caret = -1;
    const std::u32string shown = ShownText(&caret);
    // The welcome page stands on the empty screen only.
    if (m_WelcomeShown && shown.empty()) {
        r.text = m_WelcomeText.join('\n');
        return r;
    }
    r.text = QString::fromUcs4(shown.data(), static_cast<qsizetype>(shown.size()));
    const SPassProgress progress = PassProgress().Get();
    if (progress.running) {
        r.caret = m_TypingCaret >= 0 ? m_TypingCaret : caret;
        if (progress.shownMarked)
            r.text += "\n" + FromCodePage(PassMarkText().c_str(), InterfaceCodePage());
    } else if (m_pFrame && !m_pFrame->PassText().isEmpty()) {
        // The summary of the pass just over, which the status bar shows.
        r.text += (r.text.isEmpty() ? "" : "\n\n") + m_pFrame->PassText();
    }
    return r;
}

void CDrill_SdiView::FollowReading()
{
    // Nothing is read, copied or compared while no assistive technology listens.
    if (QAccessible::isActive() && isVisible())
        m_Announcer.Follow(this, Reading());
}

void CDrill_SdiView::DisplayChanged()
{
    ApplyDisplayFont();
}

void CDrill_SdiView::OpenFromDesktop(const std::string& path)
{
    if (!Installed() || !isVisible()) {
        m_DesktopFile = path; // opened when the title picture has closed
        return;
    }
    SetViewHandle();
    if (drill::OpenPath(this, path.c_str()) != 0)
        LogFatal("\nCDrill_SdiView::OpenFromDesktop(), error after g_pIUtltsFile->OpenPath()");
    UpdateCommandUI();
    setFocus();
}
