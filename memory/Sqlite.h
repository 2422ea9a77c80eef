#pragma once
// What the memory database needs of SQLite: a prepared statement that resets itself, and the
// execution of plain SQL with its error text. Inside memory/ only.

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace memory {

// A statement prepared once and reused; Bind* from 1, Col* from 0.
class CStatement {
public:
    CStatement() = default;
    ~CStatement() { sqlite3_finalize(m_stmt); }
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;

    bool Prepare(sqlite3* db, const char* sql);
    void Finalize();
    bool IsPrepared() const { return m_stmt != nullptr; }
    // Resets the statement and its bindings for the next use.
    CStatement& Reset();
    CStatement& Bind(int i, long long v);
    CStatement& Bind(int i, double v);
    CStatement& Bind(int i, const std::string& v);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step() { return sqlite3_step(m_stmt); }
    long long ColInt(int i) const { return sqlite3_column_int64(m_stmt, i); }
    double ColDouble(int i) const { return sqlite3_column_double(m_stmt, i); }
    std::string ColText(int i) const;
    // The text in SQLite's own buffer, valid until the next step or reset.
    std::string_view ColView(int i) const;
    bool ColIsNull(int i) const { return sqlite3_column_type(m_stmt, i) == SQLITE_NULL; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

// Runs SQL (one or more statements); on failure puts SQLite's text into error (when given).
bool Exec(sqlite3* db, const char* sql, std::string* error);
// Opens a connection as sqlite3_open_v2 does, SQLite set up for this process first: without its
// memory statistics, which take a process-wide lock at every allocation and are never read.
int OpenSqlite(const std::string& path, sqlite3** db, int flags);
// The connection's last error as text, with its code.
std::string ErrorText(sqlite3* db);

} // namespace memory
