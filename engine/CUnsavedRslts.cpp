#include "engine/CUnsavedRslts.h"

void CUnsavedRslts::NoteMark()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    ++m_Running;
}

void CUnsavedRslts::NotePass(int marked)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    ++m_Passes;
    m_Marked += marked > 0 ? marked : 0;
    m_Running = 0;
}

int CUnsavedRslts::RunningMarks() const
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Running;
}

int CUnsavedRslts::Passes() const
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Passes + (m_Running > 0 ? 1 : 0);
}

int CUnsavedRslts::Marked() const
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Marked + m_Running;
}

void CUnsavedRslts::Clear()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    m_Passes = 0;
    m_Marked = 0;
    m_Running = 0;
}

CUnsavedRslts& UnsavedRslts()
{
    static CUnsavedRslts record;
    return record;
}
