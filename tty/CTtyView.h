#pragma once
// The terminal's stand-in for the window's view: what the screen object, the file utilities
// and the system's messages need of a view. Repaint requests and messages may come from any
// thread; they are queued and the front-end's loop on the main thread takes them.

#include "engine/IScrnView.h"
#include "platform/PlatWindow.h"
#include "texts/IFileView.h"

#include <deque>
#include <functional>
#include <mutex>
#include <string>

namespace tty {

// Why a save of the results failed, for the three failures that say why ("the disk is full (no
// file was changed)"); null for the others.
const char* SaveFailureReason(FileProblem problem);

class CTtyView : public IScrnView, public plat::IWindow, public IFileView {
public:
    // wake is called (from any thread) after a repaint request or a message was queued.
    CTtyView(IFileDialogs& dialogs, std::function<void()> wake);

    // IScrnView: one character is one column, one line one row.
    plat::IWindow* GetWindow() override { return this; }
    int GetLineHeight() override { return 1; }
    int GetCharWidth(char) override { return 1; }

    // plat::IWindow
    void PostMsg(int message) override;
    void Invalidate() override;

    // IFileView: the file utilities show the opened file through the screen object, as the
    // window does.
    void ClearText() override;
    void PutText(const char* text) override;
    void SetTextCoding(plat::TextCoding coding) override;
    void SetScrollSizes(long total, long page, long line) override;
    void SetCaption(const char* caption) override;
    const char* GetCaptionTitle() override;
    IFileDialogs& Dialogs() override { return m_Dialogs; }

    // Main thread: the next queued message, false when there is none.
    bool TakeMessage(int& message);
    // Main thread: true once after each repaint request.
    bool TakeRepaint();
    const std::string& Caption() const { return m_Caption; }

    // The scroll position over the shown file, moved as the window's scroll bar moves
    // (codes 0 line up, 1 line down, 2 page up, 3 page down, 6 top, 7 bottom). Returns the
    // new position, from which the file utilities refill the screen: the terminal shows the
    // part scrolled to at once.
    long Scroll(int code);

private:
    IFileDialogs& m_Dialogs;
    std::function<void()> m_Wake;
    std::mutex m_Mutex;
    std::deque<int> m_Messages;
    bool m_Repaint = true;
    std::string m_Caption;
    long m_Total = 0, m_Page = 0, m_Line = 0, m_Pos = 0;
};

} // namespace tty
