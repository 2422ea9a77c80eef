#include "app/CDrill_SdiView.h"

#include "app/AppHooks.h"
#include "app/CMainFrame.h"
#include "app/DisplayLook.h"
#include "app/LateModules.h"
#include "app/PrintKit.h"
#include "app/WindowTexts.h"
#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/IterationGlobals.h"
#include "locale/CLocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatWindow.h"
#include "qttext/CodePageText.h"
#include "settings/CLsnInst.h"
#include "speech/SpeechKit.h"
#include "texts/IUtltsFile.h"
#include "texts/RsltsKeeping.h"

#include <QFile>
#include <QFontMetrics>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The speech engine from its module, loaded at the first text said or the first Speech page.
speech::ISpeechKit* ModuleSpeechKit()
{
    using Entry = speech::ISpeechKit* (*)();
    const auto entry = reinterpret_cast<Entry>(late::Entry(late::kSpeech, "LexidoSpeechKit"));
    return entry ? entry() : nullptr;
}

// The speaker of a window whose speech module is missing: speech stays off.
class CNoSpeaker : public speech::ISpeaker {
public:
    bool Say(const std::string&, const std::string&, const speech::Voicing&) override { return false; }
    void Stop() override {}
};

std::unique_ptr<speech::ISpeaker> MakeSpeaker()
{
    if (speech::ISpeechKit* kit = speech::Kit())
        return kit->MakeSpeaker();
    return std::make_unique<CNoSpeaker>();
}

} // namespace

CDrill_SdiView::CDrill_SdiView(CDrill_SdiDoc* doc, CMainFrame* frame, AppHooks hooks)
    : QAbstractScrollArea(frame), m_pDoc(doc), m_pFrame(frame), m_Voice(&MakeSpeaker), m_Hooks(std::move(hooks)),
      m_Link(this, [this] { ScreenWritten(); }), m_Dialogs(this), m_pDialogs(&m_Dialogs)
{
    setObjectName("View");
    speech::SetKitSource(&ModuleSpeechKit);
    SetTopicChooser(nullptr);
    setFocusPolicy(Qt::StrongFocus);
    // Every paint fills the whole viewport with the paper first: nothing below it is drawn.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The scroll bar moved by the learner shifts a pass's screen or refills it from the file.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int) {
        if (!m_InOwnScroll)
            ScrollMoved(SB_THUMBTRACK);
    });
}

CDrill_SdiView::~CDrill_SdiView()
{
    if (g_pILsnInst && g_pILsnInst->DeInstallAll() != 0)
        ExitFatal();
    if (g_hWndView == &m_Link)
        g_hWndView = nullptr;
}

bool CDrill_SdiView::Installed() const
{
    // After shut-down the settings are gone; nothing acts any more.
    return g_pIDbVars != nullptr;
}

bool CDrill_SdiView::OnInitialUpdate()
{
    ResetScroll();
    SetViewHandle();
    g_pILsnAFc = m_Hooks.MakeFactory();
    if (!g_pILsnAFc)
        ExitFatal();
    g_pILsnInst = g_pILsnAFc->Create_ILsnInst();
    if (!g_pILsnInst)
        ExitFatal();
    const int installed = g_pILsnInst->InstallAll(this);
    if (installed == PRGRM_DIR_IN_USE)
        return false;
    if (installed != 0)
        ExitFatal();
    UpdateMetrics();
    SetInterfaceLanguage();
    UpdateCommandUI();
    return true;
}

void CDrill_SdiView::SetViewHandle()
{
    g_hWndView = &m_Link;
}

int CDrill_SdiView::InterfaceCodePage()
{
    return CLocal::InterfaceCodePage();
}

ILclMenu* CDrill_SdiView::GetMenu()
{
    if (!m_pMenu)
        m_pMenu = std::make_unique<CQtLclMenu>(m_pFrame->menuBar());
    return m_pMenu.get();
}

// ---- Custom messages -------------------------------------------------------------------------

bool CDrill_SdiView::event(QEvent* e)
{
    const int type = e->type();
    if (type == CQtWindowLink::EventType(WM_CHANGE_LANGUAGE)) {
        OnChangeLanguage();
        return true;
    }
    if (type == CQtWindowLink::EventType(WM_INSTALL_ALL)) {
        OnInstallAll();
        return true;
    }
    if (type == CQtWindowLink::EventType(WM_DEINSTALL_ALL)) {
        OnDeInstallAll();
        return true;
    }
    return QAbstractScrollArea::event(e);
}

void CDrill_SdiView::OnChangeLanguage()
{
    if (!Installed())
        return;
    SetInterfaceLanguage();
}

void CDrill_SdiView::SetInterfaceLanguage()
{
    int language = LANGUAGE_ENGLISH;
    g_pIDbVars->RdVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language);
    g_pILocal->SetLanguage(this, language);
    m_pFrame->ApplyInterfaceTexts();
    viewport()->update(); // the welcome page speaks the language too
}

void CDrill_SdiView::OnInstallAll()
{
    SetViewHandle();
    // The main window exists before the message loop runs; should it not yet, look again in
    // 100 ms instead of blocking the window thread.
    if (!g_pMainWnd) {
        QTimer::singleShot(100, this, [this] { OnInstallAll(); });
        return;
    }
    g_pMainWnd->ShowWithinScreen();
    g_pMainWnd->raise();
    g_pMainWnd->activateWindow();
    setFocus();
    if (!m_DesktopFile.empty())
        OpenFromDesktop(std::exchange(m_DesktopFile, std::string()));
    const std::string kept = rslts::TakeKeptNotice();
    if (!kept.empty())
        m_pDialogs->ShowKeptResults(kept.c_str());
}

void CDrill_SdiView::OnDeInstallAll()
{
    // The session's end waits for no answer: the pass stores its marks, and results never
    // saved are kept in the program folder instead of being dropped.
    if (Installed() && g_pIMfcCmmnProc) {
        g_pIMfcCmmnProc->RetirePass();
        rslts::KeepUnsaved();
    }
    if (!g_pILsnInst || g_pILsnInst->DeInstallAll() != 0)
        ExitFatal();
    m_Hooks.Quit(0);
}

// ---- IFileView --------------------------------------------------------------------------------

void CDrill_SdiView::ClearText()
{
    if (g_pOScreen)
        g_pOScreen->ClrScr();
}

void CDrill_SdiView::SetTextCoding(plat::TextCoding coding)
{
    if (g_pOScreen)
        g_pOScreen->SetCoding(coding);
}

void CDrill_SdiView::PutText(const char* text)
{
    if (g_pOScreen)
        g_pOScreen->PutStr(text);
}

void CDrill_SdiView::SetScrollSizes(long total, long page, long line)
{
    m_ScrollTotal = total > 0 ? total : 0;
    m_ScrollPage = page > 0 ? page : 1;
    m_ScrollLine = line > 0 ? line : 1;
    m_PassScroll = false;
    m_InOwnScroll = true;
    ApplyScrollRange();
    verticalScrollBar()->setValue(0);
    m_InOwnScroll = false;
}

bool CDrill_SdiView::PassOwnsScreen() const
{
    return g_pIItrtnSrvc && g_pIItrtnSrvc->IsPassRunning() != 0;
}

void CDrill_SdiView::ApplyScrollRange(const CScreenLayout* layout, const std::u32string* shown)
{
    // As a scrolling view does: the range is what the total size exceeds the window by.
    QScrollBar* bar = verticalScrollBar();
    const int window = viewport()->height();
    horizontalScrollBar()->setRange(0, 0);
    if (PassOwnsScreen()) {
        // The pass's screen text, by lines of the display font; the file is never shown now.
        const CScreenLayout own = layout ? CScreenLayout(*layout) : ScreenLayout();
        const int line = std::max(1, own.LineHeight());
        bar->setRange(0, std::max(0, own.TextHeight(shown ? *shown : ShownText()) - window));
        bar->setSingleStep(line);
        bar->setPageStep(std::max(line, window));
        m_PassScroll = true;
        return;
    }
    if (SummaryDue()) {
        // The end of the pass over its whole height, from its top.
        if (m_PassScroll || !m_SummaryScroll)
            bar->setValue(0);
        m_PassScroll = false;
        m_SummaryScroll = true;
        bar->setSingleStep(std::max(1, fontMetrics().height()));
        bar->setPageStep(std::max(1, window));
        bar->setRange(0, std::max(0, m_SummaryHeight - window));
        return;
    }
    if (ApplyListRange())
        return;
    if (m_SummaryScroll) {
        m_SummaryScroll = false;
        bar->setValue(0);
    }
    bar->setPageStep(static_cast<int>(m_ScrollPage));
    bar->setSingleStep(static_cast<int>(m_ScrollLine));
    bar->setRange(0, static_cast<int>(std::max(0L, m_ScrollTotal - window)));
    if (m_PassScroll) {
        // The pass is over: the file's sizes again, from the top.
        bar->setValue(0);
        m_PassScroll = false;
    }
}

void CDrill_SdiView::ResetScroll()
{
    SetScrollSizes(100, 10, 1);
}

void CDrill_SdiView::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    m_InOwnScroll = true;
    ApplyScrollRange();
    m_InOwnScroll = false;
}

void CDrill_SdiView::SetCaption(const char* caption)
{
    // The title is an interface text in its code page; the file name after it is a name of
    // the file system.
    const std::string c = caption ? caption : "";
    const std::string& title = m_CaptionTitle;
    QString text;
    if (!title.empty() && c.compare(0, title.size(), title) == 0)
        text = FromCodePage(title.c_str(), InterfaceCodePage()) + FromPath(c.substr(title.size()));
    else
        text = FromPath(c);
    m_pFrame->setWindowTitle(text);
}

const char* CDrill_SdiView::GetCaptionTitle()
{
    const char* t = g_pILocal ? g_pILocal->GetText(98) : nullptr;
    m_CaptionTitle = t ? t : "Lexido";
    return m_CaptionTitle.c_str();
}

// ---- IScrnView: metrics of the display font --------------------------------------------------

QFont CDrill_SdiView::DisplayFont() const
{
    return look::Zoomed(ChosenFont(), look::ZoomStep());
}

IViewPrinter& CDrill_SdiView::Printer()
{
    if (!m_pPrinter) {
        SPrintHost host;
        host.view = this;
        host.text = [this] { return ShownText(); };
        host.font = [this] { return ChosenFont(); };
        host.texts = [](EPrintText t) {
            return t == EPrintText::Title ? ProductTitle()
                                          : WndText(t == EPrintText::NoPrinter ? EWndText::NoPrinter : EWndText::CannotPrint);
        };
        m_pPrinter = MakeViewPrinter(std::move(host));
    }
    return *m_pPrinter;
}

QFont CDrill_SdiView::ChosenFont() const
{
    QFont f = font();
    if (g_FontUnset)
        return f;
    const LsnLogFont& lf = g_LogFont;
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, lf.lfFaceName, LF_FACESIZE);
    f.setFamily(QString::fromLatin1(face));
    // A negative height is the character height, a positive one the cell height: both pixels.
    if (lf.lfHeight != 0)
        f.setPixelSize(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight);
    if (lf.lfWeight > 0)
        f.setWeight(static_cast<QFont::Weight>(lf.lfWeight < 100 ? 100 : lf.lfWeight > 900 ? 900 : lf.lfWeight));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    f.setKerning(false);
    return f;
}

void CDrill_SdiView::ApplyDisplayFont()
{
    m_LayoutCache.Clear();
    UpdateMetrics();
    m_InOwnScroll = true;
    ApplyScrollRange();
    m_InOwnScroll = false;
    viewport()->update();
}

int CDrill_SdiView::GetLineHeight()
{
    std::lock_guard<std::mutex> lk(m_MetricsLock);
    return m_LineHeight;
}

int CDrill_SdiView::GetCharWidth(char c)
{
    std::lock_guard<std::mutex> lk(m_MetricsLock);
    return m_CharWidth[static_cast<unsigned char>(c)];
}
