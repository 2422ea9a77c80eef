// The prepared statement and plain execution over the SQLite C interface.
#include "memory/Sqlite.h"

namespace memory {

bool CStatement::Prepare(sqlite3* db, const char* sql)
{
    Finalize();
    return sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) == SQLITE_OK;
}

void CStatement::Finalize()
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

CStatement& CStatement::Reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    return *this;
}

CStatement& CStatement::Bind(int i, long long v)
{
    sqlite3_bind_int64(m_stmt, i, v);
    return *this;
}

CStatement& CStatement::Bind(int i, double v)
{
    sqlite3_bind_double(m_stmt, i, v);
    return *this;
}

CStatement& CStatement::Bind(int i, const std::string& v)
{
    sqlite3_bind_text(m_stmt, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    return *this;
}

std::string CStatement::ColText(int i) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(m_stmt, i))) : std::string();
}

std::string_view CStatement::ColView(int i) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
    return text ? std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(m_stmt, i))) : std::string_view();
}

int OpenSqlite(const std::string& path, sqlite3** db, int flags)
{
    static const int configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    (void)configured; // refused only once SQLite runs, set up by someone else: it runs as it is
    return sqlite3_open_v2(path.c_str(), db, flags, nullptr);
}

bool Exec(sqlite3* db, const char* sql, std::string* error)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    if (error)
        *error = message ? message : ErrorText(db);
    sqlite3_free(message);
    return false;
}

std::string ErrorText(sqlite3* db)
{
    return std::string(sqlite3_errmsg(db)) + " (" + std::to_string(sqlite3_extended_errcode(db)) + ")";
}

} // namespace memory
