#include "engine/CScreen.h"

#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IScrnView.h"
#include "platform/PlatScreenText.h"
#include "platform/PlatWindow.h"

#include <cstring>
#include <mutex>

using Guard = std::lock_guard<plat::CCriticalSection>;

namespace {
bool EndsInput(char32_t c)
{
    return c == KEY_ENTER || c == KEY_ESCAPE || c == KEY_SPACE || c == '=' || c == '+';
}
} // namespace

CScreen::CScreen()
    : m_hWnd(nullptr), m_pView(nullptr), m_Width(0), m_Height(0), m_CursorX(0), m_CursorY(0),
      m_TextLen(0)
{
    m_InputBuffer[0] = '\0';
    m_Text[0] = '\0';
}

CScreen::~CScreen() = default;

int CScreen::AttachView(IScrnView* view)
{
    m_pView = view;
    m_hWnd = view ? view->GetWindow() : nullptr;
    return 0;
}

int CScreen::InitScreen()
{
    {
        Guard lk(m_Lock);
        m_Text[0] = '\0';
        m_TextLen = 0;
        m_Width = 79;
        m_Height = 24;
    }
    return ClrScr();
}

int CScreen::WhereX()
{
    Guard lk(m_Lock);
    return m_CursorX;
}

int CScreen::WhereY()
{
    Guard lk(m_Lock);
    return m_CursorY;
}

int CScreen::GotoXY(int x, int y)
{
    Guard lk(m_Lock);
    m_CursorX = x;
    m_CursorY = y;
    return 0;
}

int CScreen::GetWritePos()
{
    Guard lk(m_Lock);
    return g_ScrWritePos;
}

void CScreen::SetWritePos(int pos)
{
    Guard lk(m_Lock);
    g_ScrWritePos = pos;
}

void CScreen::ShowCaret(int pos)
{
    {
        Guard lk(m_Lock);
        g_ScrWritePos = pos;
        m_CaretShown = true;
    }
    Repaint();
}

int CScreen::ClrScr()
{
    {
        Guard lk(m_Lock);
        m_CaretShown = false;
        m_Spans.clear();
        m_Text[0] = '\0';
        m_TextLen = 0;
        GotoXY(0, 0);
        g_ScrWritePos = 0;
    }
    Repaint();
    return 0;
}

void CScreen::AddSpan(const SScreenSpan& span)
{
    {
        Guard lk(m_Lock);
        m_Spans.push_back(span);
    }
    Repaint();
}

void CScreen::CutText(int pos)
{
    {
        Guard lk(m_Lock);
        if (pos >= 0 && pos < m_TextLen) {
            m_TextLen = pos;
            m_Text[pos] = '\0';
        }
        g_ScrWritePos = m_TextLen;
    }
    Repaint();
}

int CScreen::PutChLocked(char c)
{
    if (m_TextLen >= SCREEN_TEXT_SIZE - 1)
        return 0;
    int pos = g_ScrWritePos;
    // A position set outside the text would leave a hole of stale bytes (or write before the
    // buffer): it is taken as the nearest end of the text.
    if (pos < 0)
        pos = 0;
    if (pos > m_TextLen)
        pos = m_TextLen;
    // A terminator inside the text would cut it behind the length kept here: not stored.
    if (c == '\0')
        return g_ScrWritePos = pos;
    m_Text[pos++] = c;
    if (pos >= m_TextLen) {
        m_Text[pos] = '\0';
        m_TextLen = pos;
    }
    return g_ScrWritePos = pos;
}

int CScreen::PutCh(char c)
{
    Guard lk(m_Lock);
    return PutChLocked(c);
}

void CScreen::WriteLocked(const char* text)
{
    for (const char* p = text; *p; ++p)
        PutChLocked(*p);
    if (g_WritingToWindowIsOverEvent)
        g_WritingToWindowIsOverEvent->Reset();
}

int CScreen::PutStr(const char* text)
{
    if (!text)
        return 0;
    {
        Guard lk(m_Lock);
        WriteLocked(text);
    }
    Repaint();
    return 0;
}

void CScreen::Repaint()
{
    if (CThread::StopEventHere()) { // a pass's worker: posted when it waits
        m_RepaintDue = true;
        return;
    }
    // Outside the lock: the window's queueing must never wait for a paint that waits for us.
    if (m_hWnd)
        m_hWnd->Invalidate();
}

void CScreen::Present()
{
    if (m_RepaintDue.exchange(false) && m_hWnd)
        m_hWnd->Invalidate();
}

const char* CScreen::GetInputBuffer()
{
    return m_InputBuffer;
}

void CScreen::EditLine(const char* tail)
{
    if (!tail)
        tail = "";
    const int x0 = WhereX();
    const int y0 = WhereY();
    const int p0 = GetWritePos();
    int n = 0;
    g_pIKbrd->GetKbHit();
    char32_t c = g_pIKbrd->GetKey();
    while (!EndsInput(c)) {
        // A key is one character: of a UTF-8 screen, one to four bytes, stored whole or not at all.
        const std::string one = plat::KeyText(c, GetCoding());
        if (n + static_cast<int>(one.size()) <= INPUT_BUFFER_SIZE - 1) {
            one.copy(m_InputBuffer + n, one.size());
            n += static_cast<int>(one.size());
            {
                // The character and the tail moved right are one change for the paint.
                Guard lk(m_Lock);
                WriteLocked(one.c_str());
                const int x = WhereX();
                const int y = WhereY();
                const int p = g_ScrWritePos;
                WriteLocked(tail);
                GotoXY(x, y);
                g_ScrWritePos = p;
            }
            Repaint();
        }
        g_pIKbrd->GetKbHit();
        c = g_pIKbrd->GetKey();
    }
    m_InputBuffer[n] = '\0';
    GotoXY(x0, y0);
    {
        Guard lk(m_Lock);
        g_ScrWritePos = p0;
        WriteLocked(tail);
    }
    Repaint();
    GotoXY(x0, y0);
}

int CScreen::MeasureText(const char* text, int* x, int* y)
{
    int px = 0;
    int py = 0;
    // The view's own layout when it has one, else line height and character widths.
    if (m_pView && text && !m_pView->MeasureEnd(text, &px, &py)) {
        const int lineHeight = m_pView->GetLineHeight();
        for (const char* p = text; *p; ++p) {
            if (*p == '\n') {
                py += lineHeight;
                px = 0;
            } else {
                px += m_pView->GetCharWidth(*p);
            }
        }
    }
    if (x)
        *x = px;
    if (y)
        *y = py;
    return 0;
}

int CScreen::CopyText(char* out, int size, int* caret, std::vector<SScreenSpan>* spans)
{
    if (!out || size <= 0)
        return 0;
    Guard lk(m_Lock);
    const int n = m_TextLen < size - 1 ? m_TextLen : size - 1;
    std::memcpy(out, m_Text, static_cast<std::size_t>(n));
    out[n] = '\0';
    if (caret) // typing takes a position outside the text as its nearest end, and so does the caret
        *caret = !m_CaretShown ? -1 : g_ScrWritePos < 0 ? 0 : g_ScrWritePos > n ? n : g_ScrWritePos;
    if (spans) {
        spans->clear();
        for (const SScreenSpan& s : m_Spans)
            if (s.begin >= 0 && s.begin < s.end && s.end <= n)
                spans->push_back(s);
    }
    return n;
}
