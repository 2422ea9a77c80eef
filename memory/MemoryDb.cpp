// The memory database (first form: the interface, not yet the storage).
#include "memory/MemoryDb.h"

#include <sqlite3.h>

namespace memory {

struct CMemoryDb::SImpl {
    sqlite3* db = nullptr;
};

CMemoryDb::CMemoryDb() = default;
CMemoryDb::~CMemoryDb() { Close(); }

SOpenResult CMemoryDb::Open(const std::string&, double)
{
    SOpenResult r;
    r.error = "not implemented";
    return r;
}
void CMemoryDb::Close() { m_impl.reset(); }
bool CMemoryDb::IsOpen() const { return false; }
bool CMemoryDb::SetRetention(double, std::string*) { return false; }
bool CMemoryDb::WritePass(const std::vector<SReview>&, const SPassRow*, std::string*) { return false; }
bool CMemoryDb::FindCard(const std::string&, const std::string&, int, SCardState&) const { return false; }
std::vector<SDuePhrase> CMemoryDb::Due(int, long long) const { return {}; }
std::vector<SFileCount> CMemoryDb::DueByFile(int, long long) const { return {}; }
std::vector<int> CMemoryDb::Forecast(int, long long, int days) const { return std::vector<int>(days > 0 ? days : 0); }
std::vector<SFileMaturity> CMemoryDb::Maturity(int) const { return {}; }
double CMemoryDb::TrueRetention(long long, int, int* reviewCount) const
{
    if (reviewCount)
        *reviewCount = 0;
    return -1;
}
bool CMemoryDb::Rebuild(std::string*) { return false; }
bool CMemoryDb::AppendPass(const SPassRow&, std::string*) { return false; }
std::vector<SPassRow> CMemoryDb::Passes() const { return {}; }
bool CMemoryDb::HistoryImported() const { return false; }
bool CMemoryDb::ImportHistory(const std::vector<SPassRow>&, std::string*) { return false; }

} // namespace memory
