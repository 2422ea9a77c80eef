// What the front-ends ask of the memory database: a card's state, the due phrases, counts per
// file and per day, and the retention the learner reached.
#include "memory/MemoryDb.h"

#include "memory/CardKey.h"
#include "memory/MemoryDbImpl.h"

namespace memory {

bool CMemoryDb::FindCard(const std::string& text1, const std::string& text2, int direction, SCardState& out) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!SImpl::Live(m_impl))
        return false;
    CStatement& st = m_impl->cardState;
    st.Reset()
        .Bind(1, text1)
        .Bind(2, text2)
        .Bind(3, static_cast<long long>(direction))
        .Bind(4, CardKey(text1, text2, direction));
    const int rc = st.Step();
    if (rc != SQLITE_ROW) {
        m_impl->Read(rc);
        return false;
    }
    out.dueDay = st.ColInt(0);
    out.lastDay = st.ColInt(1);
    out.stability = st.ColDouble(2);
    out.difficulty = st.ColDouble(3);
    out.reviews = static_cast<int>(st.ColInt(4));
    out.lapses = static_cast<int>(st.ColInt(5));
    out.source = st.ColText(6);
    st.Reset();
    return true;
}

std::vector<SDuePhrase> CMemoryDb::Due(int direction, long long today) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::vector<SDuePhrase> due;
    if (!SImpl::Live(m_impl))
        return due;
    CStatement& st = m_impl->due;
    st.Reset().Bind(1, static_cast<long long>(direction)).Bind(2, today);
    int rc;
    while ((rc = st.Step()) == SQLITE_ROW)
        due.push_back(SDuePhrase{st.ColText(0), st.ColText(1), st.ColText(2), st.ColInt(3)});
    st.Reset();
    if (!m_impl->Read(rc))
        due.clear();
    return due;
}

std::vector<SFileCount> CMemoryDb::DueByFile(int direction, long long today) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::vector<SFileCount> counts;
    if (!SImpl::Live(m_impl))
        return counts;
    SImpl& d = *m_impl;
    // The last answer again while nothing was written since, here or by another connection.
    CStatement& version = d.dataVersion;
    version.Reset();
    const long long stamp = version.Step() == SQLITE_ROW ? version.ColInt(0) : -1;
    version.Reset();
    const long long changes = sqlite3_total_changes64(d.db);
    SImpl::SDueByFile& last = d.dueByFileRead;
    if (stamp >= 0 && last.direction == direction && last.today == today && last.changes == changes &&
        last.version == stamp)
        return last.counts;
    CStatement& st = d.dueByFile;
    st.Reset().Bind(1, static_cast<long long>(direction)).Bind(2, today);
    int rc;
    while ((rc = st.Step()) == SQLITE_ROW)
        counts.push_back(SFileCount{st.ColText(0), static_cast<int>(st.ColInt(1))});
    st.Reset();
    if (!d.Read(rc))
        counts.clear();
    else if (stamp >= 0)
        last = SImpl::SDueByFile{direction, today, changes, stamp, counts};
    return counts;
}

std::vector<int> CMemoryDb::Forecast(int direction, long long today, int days) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::vector<int> counts(days > 0 ? static_cast<size_t>(days) : 0);
    if (!SImpl::Live(m_impl) || days <= 0)
        return counts;
    CStatement& st = m_impl->forecast;
    st.Reset().Bind(1, static_cast<long long>(direction)).Bind(2, today).Bind(3, static_cast<long long>(days));
    int rc;
    while ((rc = st.Step()) == SQLITE_ROW) {
        const long long offset = st.ColInt(0) - today;
        if (offset >= 0 && offset < days)
            counts[static_cast<size_t>(offset)] = static_cast<int>(st.ColInt(1));
    }
    st.Reset();
    if (!m_impl->Read(rc))
        counts.assign(counts.size(), 0);
    return counts;
}

std::vector<SFileMaturity> CMemoryDb::Maturity(int direction) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::vector<SFileMaturity> files;
    if (!SImpl::Live(m_impl))
        return files;
    CStatement& st = m_impl->maturity;
    st.Reset().Bind(1, static_cast<long long>(direction));
    int rc;
    while ((rc = st.Step()) == SQLITE_ROW)
        files.push_back(SFileMaturity{st.ColText(0), static_cast<int>(st.ColInt(1)), static_cast<int>(st.ColInt(2))});
    st.Reset();
    if (!m_impl->Read(rc))
        files.clear();
    return files;
}

double CMemoryDb::TrueRetention(long long today, int days, int* reviewCount) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (reviewCount)
        *reviewCount = 0;
    if (!SImpl::Live(m_impl))
        return -1;
    CStatement& st = m_impl->retained;
    st.Reset().Bind(1, today).Bind(2, static_cast<long long>(days));
    const int rc = st.Step();
    if (rc != SQLITE_ROW) {
        m_impl->Read(rc);
        return -1;
    }
    const long long count = st.ColInt(0);
    const double recalled = st.ColDouble(1);
    st.Reset();
    if (reviewCount)
        *reviewCount = static_cast<int>(count);
    return count > 0 ? recalled / static_cast<double>(count) : -1;
}

std::vector<SPassRow> CMemoryDb::Passes() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::vector<SPassRow> rows;
    if (!SImpl::Live(m_impl))
        return rows;
    CStatement& st = m_impl->passes;
    st.Reset();
    int rc;
    while ((rc = st.Step()) == SQLITE_ROW) {
        SPassRow row;
        row.time = st.ColInt(0);
        row.mode = static_cast<int>(st.ColInt(1));
        row.direction = static_cast<int>(st.ColInt(2));
        row.iteration = static_cast<int>(st.ColInt(3));
        row.shown = static_cast<int>(st.ColInt(4));
        row.marked = static_cast<int>(st.ColInt(5));
        row.completed = st.ColInt(6) != 0;
        row.file = st.ColText(7);
        rows.push_back(std::move(row));
    }
    st.Reset();
    if (!m_impl->Read(rc))
        rows.clear();
    return rows;
}

} // namespace memory
