#pragma once
// The screen object (g_pOScreen): the screen text that the view paints, the write position
// g_ScrWritePos where the next character goes, and the cursor bookkeeping of the programs.
// Writers and the paint never overlap: every change of the text, the write position and the
// cursor happens under m_Lock, and the paint draws from a copy taken under it (CopyText).

#include "platform/PlatEvent.h"
#include "platform/PlatUtf8.h"

#include <atomic>
#include <vector>

class IScrnView;
namespace plat { class IWindow; }

constexpr int SCREEN_TEXT_SIZE = 10000; // at most 9999 characters and the terminator
constexpr int INPUT_BUFFER_SIZE = 1000; // at most 999 characters and the terminator

// A part of the screen text (bytes begin to end) that the front-ends show apart, beside the
// text as they draw the caret: a typed character that differs from the answer, the word of a
// verdict (which the window shows in its interface language), an option chosen by its number
// (value, 1 to 4).
enum class ESpan { Differs, Right, Almost, Wrong, Option };
struct SScreenSpan {
    int begin;
    int end;
    ESpan kind;
    int value;
};

class CScreen {
public:
    CScreen();
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;
    virtual ~CScreen();
    virtual int AttachView(IScrnView* view);
    virtual int InitScreen();
    virtual int WhereX();
    virtual int WhereY();
    virtual int GotoXY(int x, int y);
    // The write position g_ScrWritePos, read and set under the lock the writers hold.
    int GetWritePos();
    void SetWritePos(int pos);
    // Where the learner types: sets the write position there and shows the caret, which then
    // follows the write position until the screen is cleared. A repaint goes out.
    void ShowCaret(int pos);
    // A repaint request with the text unchanged: what the front-ends draw beside it changed.
    void Refresh() { Repaint(); }
    // Shown apart until the screen is cleared.
    void AddSpan(const SScreenSpan& span);
    // Cuts the text back to its first pos bytes (the learner deleted what he typed); the write
    // position goes there. A repaint goes out.
    void CutText(int pos);
    virtual int ClrScr();
    virtual int PutCh(char c);
    virtual int PutStr(const char* text);
    virtual const char* GetInputBuffer();
    // Lets the learner type a word in place, in front of tail. Characters beyond the 999 the
    // input buffer holds are refused: neither shown nor stored, the input goes on.
    virtual void EditLine(const char* tail);
    virtual int MeasureText(const char* text, int* x, int* y);

    // Copies the screen text (cut to size - 1 characters) for the paint; returns its length.
    // caret, when given, gets the caret's place in the text, or -1 when none is shown.
    // spans, when given, gets the spans shown apart that lie within the copy.
    int CopyText(char* out, int size, int* caret = nullptr, std::vector<SScreenSpan>* spans = nullptr);
    // The coding of the screen text and of the keys typed into it: that of the file the pass
    // reads or the view shows. Set by whoever fills the screen, read by the front-ends.
    void SetCoding(plat::TextCoding coding) { m_Coding = coding; }
    plat::TextCoding GetCoding() const { return m_Coding; }
    int GetWidth() const { return m_Width; }
    int GetHeight() const { return m_Height; }
    // Posts the repaint that a pass's worker's writes left due: called as the worker is about
    // to wait (for a key, at a time-out, at the pass's end), so the window wakes once for all
    // the writes of a key. Writes from any other thread repaint at once.
    void Present();

private:
    int PutChLocked(char c);
    void WriteLocked(const char* text);
    void Repaint();

    plat::IWindow* m_hWnd;
    IScrnView* m_pView;
    short m_Width;
    short m_Height;
    char m_InputBuffer[INPUT_BUFFER_SIZE];
    int m_CursorX;
    int m_CursorY;
    bool m_CaretShown = false;
    std::vector<SScreenSpan> m_Spans;

    plat::CCriticalSection m_Lock;
    char m_Text[SCREEN_TEXT_SIZE];
    int m_TextLen;
    std::atomic<plat::TextCoding> m_Coding{plat::TextCoding::SingleByte};
    std::atomic<bool> m_RepaintDue{false};
};
