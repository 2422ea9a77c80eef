#include "tty/CTtyView.h"

#include "base/Globals.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"

#include <algorithm>

namespace tty {

const char* SaveFailureReason(FileProblem problem)
{
    switch (problem) {
    case FileProblem::NoSpace: return "the disk is full (no file was changed)";
    case FileProblem::NoPermission: return "writing is not permitted here (no file was changed)";
    case FileProblem::LinkRefused:
        return "a link stands at this name, and links are not written through (no file was changed)";
    default: return nullptr;
    }
}

CTtyView::CTtyView(IFileDialogs& dialogs, std::function<void()> wake)
    : m_Dialogs(dialogs), m_Wake(std::move(wake))
{
}

void CTtyView::PostMsg(int message)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Messages.push_back(message);
    }
    m_Wake();
}

void CTtyView::Invalidate()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Repaint = true;
    }
    m_Wake();
}

bool CTtyView::TakeMessage(int& message)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (m_Messages.empty())
        return false;
    message = m_Messages.front();
    m_Messages.pop_front();
    return true;
}

bool CTtyView::TakeRepaint()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    const bool repaint = m_Repaint;
    m_Repaint = false;
    return repaint;
}

void CTtyView::ClearText()
{
    if (g_pOScreen)
        g_pOScreen->ClrScr();
}

void CTtyView::SetTextCoding(plat::TextCoding coding)
{
    if (g_pOScreen)
        g_pOScreen->SetCoding(coding);
}

void CTtyView::PutText(const char* text)
{
    if (g_pOScreen)
        g_pOScreen->PutStr(text);
}

void CTtyView::SetScrollSizes(long total, long page, long line)
{
    m_Total = std::max(0L, total);
    m_Page = std::max(1L, page);
    m_Line = std::max(1L, line);
    m_Pos = 0;
}

void CTtyView::SetCaption(const char* caption)
{
    m_Caption = caption ? caption : "";
}

const char* CTtyView::GetCaptionTitle()
{
    constexpr int kCaptionTitle = 98;
    const char* title = g_pILocal ? g_pILocal->GetText(kCaptionTitle) : nullptr;
    return title ? title : "Lexido";
}

long CTtyView::Scroll(int code)
{
    const long last = std::max(0L, m_Total - m_Page);
    switch (code) {
    case 0: m_Pos -= m_Line; break;
    case 1: m_Pos += m_Line; break;
    case 2: m_Pos -= m_Page; break;
    case 3: m_Pos += m_Page; break;
    case 6: m_Pos = 0; break;
    case 7: m_Pos = last; break;
    default: break;
    }
    m_Pos = std::clamp(m_Pos, 0L, last);
    return m_Pos;
}

} // namespace tty
