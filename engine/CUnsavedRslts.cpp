#include "engine/CUnsavedRslts.h"

#include "engine/CPassProgress.h"

void CUnsavedRslts::NotePass(int marked)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    ++m_Passes;
    m_Marked += marked > 0 ? marked : 0;
}

int CUnsavedRslts::RunningMarks() const
{
    const SPassProgress p = PassProgress().Get();
    return p.running ? p.marked : 0;
}

int CUnsavedRslts::Passes() const
{
    const int running = RunningMarks();
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Passes + (running > 0 ? 1 : 0);
}

int CUnsavedRslts::Marked() const
{
    const int running = RunningMarks();
    std::lock_guard<std::mutex> lk(m_Lock);
    return m_Marked + running;
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
