// What changes the memory database: a pass's reviews, pass records, the history's import and the
// rebuilding of every card from the review log.
#include "memory/MemoryDb.h"

#include "memory/MemoryDbImpl.h"
#include "memory/ReviewDay.h"

#include <algorithm>
#include <vector>

namespace memory {

namespace {

constexpr const char* kUpdateCardFile = "UPDATE cards SET source_id = ?2, stability = ?3, difficulty = ?4,"
                                        " last_day = ?5, due_day = ?6, reviews = ?7, lapses = ?8, mature = ?3 >= 21"
                                        " WHERE id = ?1";

bool IsMature(double stability)
{
    return stability >= kMatureDays;
}

// Refuses reviews the schedule has no meaning for, before anything is written.
bool CheckReviews(const std::vector<SReview>& reviews, std::string* error)
{
    for (const SReview& r : reviews)
        if (r.grade < kAgain || r.grade > kEasy || (r.direction != 0 && r.direction != 1)) {
            if (error)
                *error = "review of \"" + r.text1 + "\" with grade " + std::to_string(r.grade) + " in direction " +
                    std::to_string(r.direction);
            return false;
        }
    return true;
}

bool NotOpen(std::string* error)
{
    if (error)
        *error = "the memory database is not open";
    return false;
}

} // namespace

void ApplyGrade(SCardRow& card, int grade, long long day, const SParams& p, double retention, long long& elapsed,
    long long& scheduled)
{
    if (card.reviews == 0) {
        card.state = FirstState(grade, p);
        elapsed = -1;
        scheduled = 0;
    } else {
        elapsed = std::max(0LL, day - card.lastDay); // a clock set back counts as the same day
        scheduled = card.dueDay - card.lastDay;
        card.state = NextState(card.state, grade, elapsed, p);
        if (grade == kAgain && elapsed >= 1)
            ++card.lapses;
    }
    ++card.reviews;
    card.lastDay = std::max(card.lastDay, day);
    card.dueDay = card.lastDay + IntervalDays(card.state.stability, retention, p);
}

bool CMemoryDb::SImpl::PrepareAll(std::string* error)
{
    const struct {
        CStatement* st;
        const char* sql;
    } all[] = {
        {&findCard,
            "SELECT id, stability, difficulty, last_day, due_day, reviews, lapses, source_id FROM cards"
            " WHERE text1 = ?1 AND text2 = ?2 AND direction = ?3"},
        {&cardState,
            "SELECT c.due_day, c.last_day, c.stability, c.difficulty, c.reviews, c.lapses, s.path"
            " FROM cards c JOIN sources s ON s.id = c.source_id"
            " WHERE c.text1 = ?1 AND c.text2 = ?2 AND c.direction = ?3"},
        {&insertCard,
            "INSERT INTO cards(text1, text2, direction, source_id, stability, difficulty, last_day, due_day,"
            " reviews, lapses, mature) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?5 >= 21)"},
        // Most reviews leave the card's file and maturity as they were, and so the index over them.
        {&updateCard,
            "UPDATE cards SET stability = ?3, difficulty = ?4, last_day = ?5, due_day = ?6,"
            " reviews = ?7, lapses = ?8 WHERE id = ?1"},
        {&updateCardFile, kUpdateCardFile},
        {&insertReview,
            "INSERT INTO reviews(card_id, time, day, grade, mode, elapsed, scheduled, source_id, pass_id)"
            " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"},
        {&insertPass,
            "INSERT INTO passes(time, mode, direction, iteration, shown, marked, completed, file)"
            " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"},
        {&findSource, "SELECT id FROM sources WHERE path = ?1"},
        {&insertSource, "INSERT INTO sources(path) VALUES(?1)"},
        {&due,
            "SELECT c.text1, c.text2, s.path, c.due_day FROM cards c JOIN sources s ON s.id = c.source_id"
            " WHERE c.direction = ?1 AND c.due_day <= ?2 ORDER BY c.due_day, c.id"},
        {&dueByFile,
            "SELECT s.path, n FROM (SELECT source_id, count(*) AS n FROM cards"
            " WHERE direction = ?1 AND due_day <= ?2 GROUP BY source_id) JOIN sources s ON s.id = source_id"
            " ORDER BY s.path"},
        {&forecast,
            "SELECT max(due_day, ?2) AS d, count(*) FROM cards WHERE direction = ?1 AND due_day < ?2 + ?3"
            " GROUP BY d"},
        {&maturity,
            "SELECT s.path, m.learning, m.mature FROM (SELECT source_id, total(mature = 0) AS learning,"
            " total(mature) AS mature FROM cards WHERE direction = ?1 GROUP BY source_id) m"
            " JOIN sources s ON s.id = m.source_id ORDER BY s.path"},
        {&retained,
            "SELECT count(*), total(grade >= 2) FROM reviews WHERE day > ?1 - ?2 AND day <= ?1"
            " AND scheduled > 0 AND elapsed >= scheduled"},
        {&passes,
            "SELECT time, mode, direction, iteration, shown, marked, completed, file FROM passes"
            " ORDER BY time, id"},
        {&getMeta, "SELECT value FROM meta WHERE key = ?1"},
        {&setMeta, "INSERT INTO meta(key, value) VALUES(?1, ?2) ON CONFLICT(key) DO UPDATE SET value = excluded.value"},
    };
    for (const auto& s : all)
        if (!s.st->Prepare(db, s.sql)) {
            if (error)
                *error = ErrorText(db);
            return false;
        }
    return true;
}

long long CMemoryDb::SImpl::SourceId(const std::string& path)
{
    const auto known = sourceIds.find(path);
    if (known != sourceIds.end())
        return known->second;
    long long id = -1;
    findSource.Reset().Bind(1, path);
    const int rc = findSource.Step();
    if (rc == SQLITE_ROW) {
        id = findSource.ColInt(0);
        findSource.Reset();
    } else if (rc == SQLITE_DONE) {
        insertSource.Reset().Bind(1, path);
        if (insertSource.Step() != SQLITE_DONE)
            return -1;
        id = sqlite3_last_insert_rowid(db);
    } else {
        return -1;
    }
    sourceIds.emplace(path, id);
    return id;
}

long long CMemoryDb::SImpl::InsertPass(const SPassRow& pass)
{
    insertPass.Reset()
        .Bind(1, pass.time)
        .Bind(2, static_cast<long long>(pass.mode))
        .Bind(3, static_cast<long long>(pass.direction))
        .Bind(4, static_cast<long long>(pass.iteration))
        .Bind(5, static_cast<long long>(pass.shown))
        .Bind(6, static_cast<long long>(pass.marked))
        .Bind(7, pass.completed ? 1LL : 0LL)
        .Bind(8, pass.file);
    return insertPass.Step() == SQLITE_DONE ? sqlite3_last_insert_rowid(db) : -1;
}

bool CMemoryDb::SImpl::ApplyReview(const SReview& review, long long passId)
{
    SCardRow card;
    const long long sourceId = SourceId(review.source);
    if (sourceId < 0)
        return false;
    findCard.Reset().Bind(1, review.text1).Bind(2, review.text2).Bind(3, static_cast<long long>(review.direction));
    const int found = findCard.Step();
    if (found == SQLITE_ROW) {
        card.id = findCard.ColInt(0);
        card.state = SMemoryState{findCard.ColDouble(1), findCard.ColDouble(2)};
        card.lastDay = findCard.ColInt(3);
        card.dueDay = findCard.ColInt(4);
        card.reviews = static_cast<int>(findCard.ColInt(5));
        card.lapses = static_cast<int>(findCard.ColInt(6));
        card.sourceId = findCard.ColInt(7);
        findCard.Reset();
    } else if (found != SQLITE_DONE) {
        return false;
    }
    const long long day = DayOf(review.time);
    long long elapsed = 0, scheduled = 0;
    const bool wasMature = IsMature(card.state.stability);
    const bool sameFile = card.sourceId == sourceId;
    card.sourceId = sourceId;
    ApplyGrade(card, review.grade, day, schedule.params, schedule.retention, elapsed, scheduled);
    if (card.id == 0) {
        insertCard.Reset()
            .Bind(1, review.text1)
            .Bind(2, review.text2)
            .Bind(3, static_cast<long long>(review.direction))
            .Bind(4, card.sourceId)
            .Bind(5, card.state.stability)
            .Bind(6, card.state.difficulty)
            .Bind(7, card.lastDay)
            .Bind(8, card.dueDay)
            .Bind(9, static_cast<long long>(card.reviews))
            .Bind(10, static_cast<long long>(card.lapses));
        if (insertCard.Step() != SQLITE_DONE)
            return false;
        card.id = sqlite3_last_insert_rowid(db);
    } else {
        CStatement& update = sameFile && wasMature == IsMature(card.state.stability) ? updateCard : updateCardFile;
        update.Reset()
            .Bind(1, card.id)
            .Bind(2, card.sourceId)
            .Bind(3, card.state.stability)
            .Bind(4, card.state.difficulty)
            .Bind(5, card.lastDay)
            .Bind(6, card.dueDay)
            .Bind(7, static_cast<long long>(card.reviews))
            .Bind(8, static_cast<long long>(card.lapses));
        if (update.Step() != SQLITE_DONE)
            return false;
    }
    insertReview.Reset()
        .Bind(1, card.id)
        .Bind(2, review.time)
        .Bind(3, day)
        .Bind(4, static_cast<long long>(review.grade))
        .Bind(5, static_cast<long long>(review.mode))
        .Bind(6, elapsed)
        .Bind(7, scheduled)
        .Bind(8, card.sourceId);
    if (passId > 0)
        insertReview.Bind(9, passId);
    return insertReview.Step() == SQLITE_DONE;
}

bool CMemoryDb::WritePass(const std::vector<SReview>& reviews, const SPassRow* pass, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_impl)
        return NotOpen(error);
    if (!CheckReviews(reviews, error))
        return false;
    SImpl* p = m_impl.get();
    const bool written = InTransaction(p->db, error, [&] {
        long long passId = 0;
        if (pass && (passId = p->InsertPass(*pass)) < 0)
            return false;
        for (const SReview& r : reviews)
            if (!p->ApplyReview(r, passId))
                return false;
        return true;
    });
    if (!written)
        p->sourceIds.clear(); // ids of sources the rollback took back
    return written;
}

bool CMemoryDb::Rebuild(std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_impl)
        return NotOpen(error);
    SImpl* p = m_impl.get();
    return InTransaction(p->db, error, [&] {
        // The log in the order it was written; every card's row kept in memory, by id, until the
        // end. The indexes over the state are made anew after, at once instead of row by row.
        CStatement count, log, update;
        if (!count.Prepare(p->db, "SELECT max(id) FROM cards") || count.Step() != SQLITE_ROW)
            return false;
        std::vector<SCardRow> cards(static_cast<size_t>(std::max(0LL, count.ColInt(0))) + 1);
        count.Reset();
        if (!Exec(p->db, "DROP INDEX cards_due; DROP INDEX cards_files", error) ||
            !log.Prepare(p->db, "SELECT card_id, day, grade, source_id FROM reviews ORDER BY id") ||
            !update.Prepare(p->db, kUpdateCardFile))
            return false;
        int rc;
        long long elapsed = 0, scheduled = 0;
        while ((rc = log.Step()) == SQLITE_ROW) {
            const long long id = log.ColInt(0);
            if (id <= 0 || id >= static_cast<long long>(cards.size()))
                continue; // the foreign key makes this impossible
            SCardRow& card = cards[static_cast<size_t>(id)];
            card.id = id;
            card.sourceId = log.ColInt(3);
            ApplyGrade(card, static_cast<int>(log.ColInt(2)), log.ColInt(1), p->schedule.params, p->schedule.retention,
                elapsed, scheduled);
        }
        if (rc != SQLITE_DONE)
            return false;
        for (const SCardRow& card : cards) {
            if (card.id == 0)
                continue;
            update.Reset()
                .Bind(1, card.id)
                .Bind(2, card.sourceId)
                .Bind(3, card.state.stability)
                .Bind(4, card.state.difficulty)
                .Bind(5, card.lastDay)
                .Bind(6, card.dueDay)
                .Bind(7, static_cast<long long>(card.reviews))
                .Bind(8, static_cast<long long>(card.lapses));
            if (update.Step() != SQLITE_DONE)
                return false;
        }
        return Exec(p->db, kCardIndexes, error);
    });
}

bool CMemoryDb::AppendPass(const SPassRow& pass, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_impl)
        return NotOpen(error);
    SImpl* p = m_impl.get();
    return InTransaction(p->db, error, [&] { return p->InsertPass(pass) > 0; });
}

bool CMemoryDb::HistoryImported() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_impl && m_impl->Meta("history_imported") == "1";
}

bool CMemoryDb::ImportHistory(const std::vector<SPassRow>& rows, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_impl)
        return NotOpen(error);
    SImpl* p = m_impl.get();
    return InTransaction(p->db, error, [&] {
        if (p->Meta("history_imported") == "1")
            return true;
        for (const SPassRow& row : rows)
            if (p->InsertPass(row) < 0)
                return false;
        return p->SetMeta("history_imported", "1");
    });
}

} // namespace memory
