// The view's speech: Speak, and the texts the Speech page's options say as a pass shows them.
// The screen is read after the paint, a moment later, so that speech never delays it.
#include "app/CDrill_SdiView.h"

#include "app/CMainFrame.h"
#include "app/LateModules.h"
#include "app/WindowTexts.h"
#include "engine/CPassProgress.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"

#include <QStatusBar>

void CDrill_SdiView::OnSpeak()
{
    Say(spch::CSpeechCue::Revealed(ScreenBytes()));
}

void CDrill_SdiView::FollowSpeech()
{
    if (!Installed() || !PassProgress().Get().running)
        return;
    Say(m_SpeechCue.Follow(ScreenBytes()));
}

void CDrill_SdiView::Say(const spch::SSaying& saying)
{
    if (!m_Voice.Say(saying) || !m_pFrame)
        return;
    // Off for want of the speech module, or of a sound device.
    const QString missing = late::Problem(late::kSpeech);
    m_pFrame->statusBar()->showMessage(missing.isEmpty() ? LclText(136, "No sound device: speech is off.")
                                                         : LclText(640, "Speech is off: %1").arg(missing),
        10000);
}
