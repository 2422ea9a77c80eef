// The view's speech: Speak, and the texts the Speech page's options say as a pass shows them.
// The screen is read after the paint, a moment later, so that speech never delays it.
#include "app/CDrill_SdiView.h"

#include "app/CMainFrame.h"
#include "app/CQtAudioOut.h"
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
    if (m_Voice.Say(saying) && m_pFrame)
        m_pFrame->statusBar()->showMessage(LclText(136, "No sound device: speech is off."), 10000);
}
