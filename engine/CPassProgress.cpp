#include "engine/CPassProgress.h"

void CPassProgress::Begin(int pass, const char* file)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    const int serial = m_State.serial + 1;
    m_State = SPassProgress();
    m_State.serial = serial;
    m_State.running = true;
    m_State.pass = pass;
    m_State.file = file ? file : "";
}

void CPassProgress::SetTotal(int total, bool screens)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    m_State.total = total;
    m_State.screens = screens;
}

void CPassProgress::Step()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (m_State.running) {
        ++m_State.index;
        m_State.shownMarked = m_State.shownWritten = m_State.takenBack = false;
    }
}

void CPassProgress::MarkShown(bool marked)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_State.running)
        return;
    m_State.takenBack = m_State.shownMarked && !marked;
    m_State.shownMarked = marked;
}

void CPassProgress::Mark()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_State.running)
        return;
    ++m_State.marked;
    m_State.shownWritten = m_State.shownMarked; // the shown phrase's mark is this record
    m_State.takenBack = false;
}

void CPassProgress::Unmark()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_State.running || m_State.marked <= 0)
        return;
    --m_State.marked;
    if (m_State.shownWritten)
        m_State.shownMarked = m_State.shownWritten = false;
    m_State.takenBack = true;
}

void CPassProgress::ReachEnd()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (m_State.running)
        m_State.completed = true;
}

void CPassProgress::End()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_State.running)
        return;
    m_State.running = false;
    m_State.ended = true;
}

SPassProgress CPassProgress::Get() const
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_State;
}

CPassProgress& PassProgress()
{
    static CPassProgress record;
    return record;
}
