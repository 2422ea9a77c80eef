#include "engine/CUnsavedRslts.h"

void CUnsavedRslts::NotePass(int marked)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    ++m_Passes;
    m_Marked += marked > 0 ? marked : 0;
}

int CUnsavedRslts::Passes() const
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Passes;
}

int CUnsavedRslts::Marked() const
{
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Marked;
}

void CUnsavedRslts::Clear()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    m_Passes = 0;
    m_Marked = 0;
}

CUnsavedRslts& UnsavedRslts()
{
    static CUnsavedRslts record;
    return record;
}
