// The view's painting of the screen text, its scrolling and its key and mouse delivery.
#include "app/CDrill_SdiView.h"

#include "app/CMainFrame.h"
#include "app/DisplayLook.h"
#include "app/MemoryTexts.h"
#include "app/ScreenPainter.h"
#include "app/ViewDecor.h"
#include "base/Globals.h"
#include "base/Log.h"
#include "engine/CPassProgress.h"
#include "engine/CScreen.h"
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IterationGlobals.h"
#include "engine/MemoryKeeper.h"
#include "engine/RecentFiles.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "locale/PassTexts.h"
#include "platform/PlatEvent.h"
#include "platform/PlatScreenText.h"
#include "qttext/CodePageText.h"
#include "resources/Resources.h"
#include "settings/LsnLogFont.h"
#include "settings/sheet/LogFontQt.h"
#include "texts/IUtltsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <vector>

std::string CDrill_SdiView::ScreenBytes(int* caret, std::vector<SScreenSpan>* spans)
{
    // A copy: the worker may write the screen text meanwhile.
    static thread_local std::vector<char> text(SCREEN_TEXT_SIZE);
    if (caret)
        *caret = -1;
    if (spans)
        spans->clear();
    const int n = g_pOScreen ? g_pOScreen->CopyText(text.data(), SCREEN_TEXT_SIZE, caret, spans) : 0;
    return std::string(text.data(), static_cast<std::size_t>(n));
}

std::u32string CDrill_SdiView::ShownText(int* caret, std::vector<SScreenSpan>* spans) const
{
    std::vector<SScreenSpan> own;
    if (!spans)
        spans = &own; // the verdicts' words are translated in every copy
    const std::string text = ScreenBytes(caret, spans);
    const int n = static_cast<int>(text.size());
    const plat::TextCoding coding = g_pOScreen ? g_pOScreen->GetCoding() : plat::TextCoding::SingleByte;
    // A byte place; in UTF-8 text the characters before it are fewer.
    const auto chars = [&](int at) {
        return coding == plat::TextCoding::SingleByte || at <= 0
            ? at
            : static_cast<int>(
                  plat::ScreenToUnicode(text.data(), std::min(at, n), DisplayFontCodePage(), coding).size());
    };
    if (caret)
        *caret = chars(*caret);
    std::u32string shown = plat::ScreenToUnicode(text.data(), n, DisplayFontCodePage(), coding);
    for (SScreenSpan& span : *spans) {
        span.begin = chars(span.begin);
        span.end = chars(span.end);
    }
    // A verdict's word in the interface language: the characters after it move with it.
    for (std::size_t i = 0; i < spans->size(); ++i) {
        const std::string word = VerdictText((*spans)[i].kind);
        if (word.empty())
            continue;
        const std::u32string local = FromCodePage(word.c_str(), InterfaceCodePage()).toStdU32String();
        SScreenSpan& span = (*spans)[i];
        const int shift = static_cast<int>(local.size()) - (span.end - span.begin);
        shown.replace(static_cast<std::size_t>(span.begin), static_cast<std::size_t>(span.end - span.begin), local);
        for (SScreenSpan& later : *spans)
            if (&later != &span && later.begin >= span.end) {
                later.begin += shift;
                later.end += shift;
            }
        span.end += shift;
    }
    return shown;
}

void CDrill_SdiView::DrawWelcome(QPainter& p)
{
    const int cp = InterfaceCodePage();
    QStringList lines, recent;
    for (const std::string& line : WelcomeLines(false))
        lines << FromCodePage(line.c_str(), cp);
    for (const std::string& path : recent::List()) {
        const QFileInfo file(FromPath(path));
        recent << file.fileName() + "    " + file.absolutePath();
    }
    // What is due today, while the memory is kept, in the direction the next pass runs in.
    m_DueLines.clear();
    if (keeper::IsOpen())
        m_DueLines = WelcomeDueLines(keeper::DueToday(drill::GetDirection()));
    // The page stands on the view's paper, as the screen text does: its ink too.
    p.save();
    p.setPen(look::Current(QColorFromFontColour(g_FontColour)).ink);
    m_RecentRows = DrawWelcomePage(p, lines, m_DueLines, recent, viewport()->width());
    p.restore();
    // Read aloud in the order shown: the title, what is due, the steps, the recent files.
    m_WelcomeText = QStringList{lines.value(0)} + m_DueLines + lines.mid(1, lines.size() - 2);
    if (!recent.isEmpty())
        m_WelcomeText << lines.back();
    for (int i = 0; i < recent.size(); ++i)
        m_WelcomeText << QString::number(i + 1) + "  " + recent[i];
    m_WelcomeShown = true;
}

bool CDrill_SdiView::WelcomeKey(const QString& text)
{
    const int index = text.size() == 1 ? text[0].digitValue() - 1 : -1;
    if (!m_WelcomeShown || index < 0 || index >= static_cast<int>(m_RecentRows.size()))
        return false;
    OnCommand(res::ID_FILE_RECENT_FIRST + index);
    return true;
}

bool CDrill_SdiView::WelcomeClick(QPoint at)
{
    for (std::size_t i = 0; m_WelcomeShown && i < m_RecentRows.size(); ++i)
        if (m_RecentRows[i].contains(at)) {
            OnCommand(res::ID_FILE_RECENT_FIRST + static_cast<int>(i));
            return true;
        }
    return false;
}

void CDrill_SdiView::FollowPaint()
{
    // The worker's repaint carries the pass's progress too. The status bar takes it a moment
    // after the paint, once for however many paints come meanwhile: keys typed in a burst are
    // painted without waiting for the pane, and a learner sees the count follow at once.
    if (m_pFrame && !m_PassStateDue) {
        m_PassStateDue = true;
        QTimer::singleShot(kPassStateDelayMs, this, [this] {
            m_PassStateDue = false;
            m_pFrame->ShowPassState();
            FollowSpeech();
            FollowReading();
        });
    }
}

CDrill_SdiView::SShownScreen CDrill_SdiView::ShownScreen(const CScreenLayout& layout, int shift) const
{
    SShownScreen s;
    s.text = ShownText(&s.caret, &s.spans);
    const SPassProgress progress = PassProgress().Get();
    s.valid = true;
    s.running = progress.running;
    s.badge = progress.running && progress.shownMarked;
    s.shift = shift;
    s.font = layout.Font();
    s.layout = LayoutKind();
    s.singleByte = !g_pOScreen || g_pOScreen->GetCoding() == plat::TextCoding::SingleByte;
    s.size = viewport()->size();
    return s;
}

QRect CDrill_SdiView::ChangedRows(const SShownScreen& shown, const SShownScreen& now, const CScreenLayout& layout)
{
    const QRect whole(0, 0, now.size.width(), now.size.height());
    if (!shown.valid || !now.valid || shown.running != now.running || shown.badge != now.badge || shown.shift != 0 ||
        now.shift != 0 || shown.layout != now.layout || shown.singleByte != now.singleByte || shown.size != now.size ||
        !(shown.font == now.font))
        return whole;
    // A line is drawn from its own characters and those of the lines above it (the Comfortable
    // layout's answer follows its rule): what changed repaints from its line down.
    const auto mismatch = std::mismatch(shown.text.begin(), shown.text.end(), now.text.begin(), now.text.end());
    const std::size_t common = static_cast<std::size_t>(mismatch.second - now.text.begin());
    std::size_t from = common < shown.text.size() || common < now.text.size() ? common : std::u32string::npos;
    const auto at = [&from](int place) {
        if (place >= 0)
            from = std::min(from, static_cast<std::size_t>(place));
    };
    for (std::size_t i = 0; i < std::max(shown.spans.size(), now.spans.size()); ++i) {
        const SScreenSpan* a = i < shown.spans.size() ? &shown.spans[i] : nullptr;
        const SScreenSpan* b = i < now.spans.size() ? &now.spans[i] : nullptr;
        if (a && b && a->begin == b->begin && a->end == b->end && a->kind == b->kind && a->value == b->value)
            continue;
        at(a ? a->begin : -1);
        at(b ? b->begin : -1);
    }
    if (shown.caret != now.caret) {
        at(shown.caret);
        at(now.caret);
    }
    if (from == std::u32string::npos)
        return QRect();
    from = std::min(from, common);
    const int row = static_cast<int>(std::count(now.text.begin(), now.text.begin() + static_cast<long>(from), U'\n'));
    // Below the longer of the two texts both are bare paper: the rows end one line beneath it.
    const auto rows = [](const std::u32string& t) { return static_cast<int>(std::count(t.begin(), t.end(), U'\n')) + 1; };
    const int end = std::max(rows(shown.text), rows(now.text)) + 1;
    // A line above too: the glyphs of one may reach into the next.
    const int top = std::max(0, layout.Origin().y() + (row - 1) * layout.LineHeight());
    const int bottom = std::min(now.size.height(), layout.Origin().y() + end * layout.LineHeight());
    return bottom > top ? QRect(0, top, now.size.width(), bottom - top) : QRect();
}

void CDrill_SdiView::ScreenWritten()
{
    // What the view shows once the repaints asked for are done. A write after this copy was
    // taken asks for another call.
    QWidget* canvas = viewport();
    const CScreenLayout layout = ScreenLayout();
    SShownScreen now = ShownScreen(layout, PassShift());
    const bool whole = !m_PassScroll || SummaryDue();
    const QRect rows = whole ? QRect() : ChangedRows(m_Shown, now, layout);
    m_Shown = std::move(now);
    if (whole)
        canvas->update();
    else if (!rows.isEmpty())
        canvas->update(rows);
    else // nothing shown differs; the paint's end still tells the worker the screen is written
        canvas->update(0, 0, 1, 1);
}

void CDrill_SdiView::paintEvent(QPaintEvent* e)
{
    QPainter p(viewport());
    const look::SColours colours = look::Current(QColorFromFontColour(g_FontColour));
    p.fillRect(viewport()->rect(), colours.paper);
    FollowPaint();
    if (g_pILocal) { // the title follows the interface language; converted only when it changes
        const char* title = g_pILocal->GetText(97);
        if (title && m_TitleSet != title) {
            m_TitleSet = title;
            setWindowTitle(FromCodePage(title, InterfaceCodePage()));
        }
    }
    UpdateMetrics();
    const CScreenLayout layout = ScreenLayout();
    int caret = -1;
    std::vector<SScreenSpan> spans;
    const std::u32string text = ShownText(&caret, &spans);
    // The pass's text may have grown or shrunk since the last paint: its range follows.
    m_InOwnScroll = true;
    ApplyScrollRange(&layout, &text);
    m_InOwnScroll = false;
    const int shift = PassShift();
    const SPassProgress progress = PassProgress().Get();
    m_WelcomeShown = false;
    m_RecentRows.clear();
    m_DueLines.clear();
    m_MarkBadge = m_Caret = QRect();
    m_OptionRows.clear();
    m_FileListShown = false;
    if (FileListDue()) { // a file just opened, listed beside its raw text
        DrawFileList(p);
        if (g_WritingToWindowIsOverEvent)
            g_WritingToWindowIsOverEvent->Set();
        return;
    }
    // The empty screen before any pass (nothing opened, or nothing run over the file yet) tells
    // what to do.
    if (text.empty() && !progress.running && Installed() && g_pIItrtnSrvc && g_pIItrtnSrvc->GetIterationNmb() == 0)
        DrawWelcome(p);
    if (m_WelcomeShown)
        m_Shown.valid = false; // a write's changes are not all there is to paint
    if (SummaryDue()) {
        m_Shown.valid = false;
        DrawSummary(p, verticalScrollBar()->value());
        if (g_WritingToWindowIsOverEvent)
            g_WritingToWindowIsOverEvent->Set();
        return;
    }
    p.translate(0, -shift);
    p.setFont(layout.Font());
    p.setPen(colours.ink);
    // The verdicts and the typed characters that differ from the answer in colour; the options
    // of a choice answer a click on their row.
    std::vector<SInkRun> runs;
    for (const SScreenSpan& span : spans) {
        if (span.kind == ESpan::Option) {
            const int row = static_cast<int>(std::count(text.begin(), text.begin() + span.begin, U'\n'));
            m_OptionRows.emplace_back(QRect(0, layout.Origin().y() + row * layout.LineHeight() - shift,
                                          viewport()->width(), layout.LineHeight()),
                span.value);
            continue;
        }
        // Lighter inks and a deep red ground on dark paper, so that both read on either.
        const QColor ink = span.kind == ESpan::Right ? (colours.dark ? QColor(110, 210, 110) : QColor(0, 110, 0))
            : span.kind == ESpan::Almost ? (colours.dark ? QColor(235, 170, 80) : QColor(150, 80, 0))
                                         : (colours.dark ? QColor(255, 120, 120) : QColor(190, 0, 0));
        const QColor ground = colours.dark ? QColor(110, 30, 30) : QColor(255, 215, 215);
        runs.push_back(SInkRun{span.begin, span.end, ink, span.kind == ESpan::Differs ? ground : QColor()});
    }
    const QColor answer = look::AnswerInk(colours);
    // Lines wholly above the part painted (less one, whose glyphs may reach into it) are not drawn.
    const int top = e->rect().top() + shift - layout.LineHeight();
    const QPoint at =
        layout.Draw(p, text, viewport()->height() + shift, progress.running ? caret : -1, answer, runs, top);
    if (at.x() >= 0)
        m_Caret = DrawCaret(p, at, GetLineHeight()).translated(0, -shift);
    p.resetTransform();
    if (progress.running && progress.shownMarked) {
        p.setFont(font());
        m_MarkBadge = DrawMarkBadge(p, FromCodePage(PassMarkText().c_str(), InterfaceCodePage()), viewport()->width());
    }
    if (g_WritingToWindowIsOverEvent)
        g_WritingToWindowIsOverEvent->Set();
}

// ---- Scrolling ------------------------------------------------------------------------------

void CDrill_SdiView::RefillFromFile(int code)
{
    if (!g_pIUtltsFile || !Installed())
        return;
    if (g_pIUtltsFile->ScrallViewFile(this, code, verticalScrollBar()->value(), nullptr) != 0)
        LogFatal("\n,CDrill_SdiView::OnVScroll(), error after g_pIUtltsFile->ScrallViewFile()");
}

void CDrill_SdiView::ScrollMoved(int code)
{
    // A running pass keeps its screen text (the question, never the file with its answers):
    // the view shows another part of it. Between passes the screen is refilled from the file.
    if (m_PassScroll || m_SummaryScroll || m_ListScroll)
        viewport()->update();
    else
        RefillFromFile(code);
}

void CDrill_SdiView::OnVScroll(int code, int position, void*)
{
    QScrollBar* bar = verticalScrollBar();
    m_InOwnScroll = true;
    ApplyScrollRange(); // over whatever owns the screen now
    switch (code) {
    case SB_LINEUP: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case SB_LINEDOWN: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case SB_PAGEUP: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case SB_PAGEDOWN: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case SB_THUMBTRACK: bar->setValue(position); break;
    case SB_TOP: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case SB_BOTTOM: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
    default: break;
    }
    m_InOwnScroll = false;
    // The file view is refilled from the position the scroll reached, so that one Page Down
    // shows the next page of the file.
    ScrollMoved(code);
}

void CDrill_SdiView::OnHScroll(int code)
{
    QScrollBar* bar = horizontalScrollBar();
    switch (code) {
    case SB_LINELEFT: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case SB_LINERIGHT: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case SB_LEFT: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case SB_RIGHT: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
    default: break;
    }
}

void CDrill_SdiView::wheelEvent(QWheelEvent* e)
{
    m_InOwnScroll = true;
    ApplyScrollRange();
    QAbstractScrollArea::wheelEvent(e);
    m_InOwnScroll = false;
    ScrollMoved(SB_THUMBTRACK);
}

bool CDrill_SdiView::OnKeyDown(int key)
{
    switch (key) {
    case Qt::Key_PageUp: OnVScroll(SB_PAGEUP, 0, nullptr); return true;
    case Qt::Key_PageDown: OnVScroll(SB_PAGEDOWN, 0, nullptr); return true;
    case Qt::Key_Home: OnVScroll(SB_TOP, 0, nullptr); OnHScroll(SB_LEFT); return true;
    case Qt::Key_End: OnVScroll(SB_BOTTOM, 0, nullptr); OnHScroll(SB_RIGHT); return true;
    case Qt::Key_Up: OnVScroll(SB_LINEUP, 0, nullptr); return true;
    case Qt::Key_Down: OnVScroll(SB_LINEDOWN, 0, nullptr); return true;
    case Qt::Key_Left: OnHScroll(SB_LINELEFT); return true;
    case Qt::Key_Right: OnHScroll(SB_LINERIGHT); return true;
    default: return false;
    }
}

// ---- Keys and mouse buttons for the pass -----------------------------------------------------

void CDrill_SdiView::keyPressEvent(QKeyEvent* e)
{
    if (OnKeyDown(e->key()) || WelcomeKey(e->text()) || SummaryKey(e->key()))
        return;
    // The typed characters, as the character message gives them.
    int code = -1;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: code = 13; break;
    case Qt::Key_Escape: code = 27; break;
    case Qt::Key_Backspace: code = 8; break;
    case Qt::Key_Tab: code = 9; break;
    default: break;
    }
    if (code >= 0) {
        OnChar(static_cast<char32_t>(code));
        return;
    }
    const QString text = e->text();
    if (text.isEmpty()) {
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    const plat::TextCoding coding = g_pOScreen ? g_pOScreen->GetCoding() : plat::TextCoding::SingleByte;
    for (char32_t u : text.toUcs4()) {
        char32_t key = 0;
        if (plat::TypedCharToKey(u, coding, key))
            OnChar(key);
    }
}

void CDrill_SdiView::OnChar(char32_t key)
{
    if (g_pIKbrd && g_pIKbrd->GetKbrdType() == KBRD_TYPE_KEYBOARD)
        g_pIKbrd->PutKey(static_cast<int>(key));
}

void CDrill_SdiView::OnMouseKey(int code)
{
    if (g_pIKbrd && g_pIKbrd->GetKbrdType() == KBRD_TYPE_MOUSE)
        g_pIKbrd->PutKey(code);
}

void CDrill_SdiView::mousePressEvent(QMouseEvent* e)
{
    QAbstractScrollArea::mousePressEvent(e);
    setFocus();
    if (e->button() == Qt::LeftButton && WelcomeClick(e->position().toPoint()))
        return;
    // An option of a choice is chosen as its number key would choose it.
    for (const auto& [row, number] : m_OptionRows)
        if (e->button() == Qt::LeftButton && row.contains(e->position().toPoint()) && g_pIKbrd &&
            g_pIKbrd->GetKbrdType() == KBRD_TYPE_KEYBOARD) {
            OnChar(static_cast<char32_t>(U'0' + number));
            return;
        }
    if (e->button() == Qt::LeftButton)
        OnMouseKey(1);
    else if (e->button() == Qt::RightButton)
        OnMouseKey(2);
}

void CDrill_SdiView::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Not the base handling: it would deliver the press a second time.
    if (e->button() == Qt::LeftButton)
        OnMouseKey(3);
    else if (e->button() == Qt::RightButton)
        OnMouseKey(4);
}
