// What changes the memory database: a pass's reviews, pass records, the history's import and the
// rebuilding of every card from the review log.
#include "memory/MemoryDb.h"

#include "memory/CardKey.h"
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

namespace {

// "(?, ?, ...)" of count parameters, count times over, comma-separated.
std::string Tuples(size_t count, size_t width)
{
    std::string tuple = "(?";
    for (size_t i = 1; i < width; ++i)
        tuple += ", ?";
    tuple += ")";
    std::string all = tuple;
    for (size_t i = 1; i < count; ++i)
        all += ", " + tuple;
    return all;
}

const std::string kFindCards = "SELECT key, text1, text2, direction, id, stability, difficulty, last_day, due_day,"
                               " reviews, lapses, source_id FROM cards INDEXED BY cards_key WHERE key IN " +
    Tuples(1, kChunk);
const std::string kInsertReviews = "INSERT INTO reviews(card_id, time, day, grade, mode, elapsed, scheduled, source_id,"
                                   " pass_id) VALUES " +
    Tuples(kChunk, 9);

} // namespace

const CMemoryDb::SImpl::SStatementSql CMemoryDb::SImpl::kStatements[] = {
    // The keys narrow the search to the cards asked for and a rare other; the texts decide.
    {&SImpl::findCards, kFindCards.c_str()},
    {&SImpl::cardState,
        "SELECT c.due_day, c.last_day, c.stability, c.difficulty, c.reviews, c.lapses, s.path"
        " FROM cards c INDEXED BY cards_key JOIN sources s ON s.id = c.source_id"
        " WHERE c.key = ?4 AND c.text1 = ?1 AND c.text2 = ?2 AND c.direction = ?3"},
    {&SImpl::insertCard,
        "INSERT INTO cards(text1, text2, direction, source_id, stability, difficulty, last_day, due_day,"
        " reviews, lapses, mature, key) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?5 >= 21, ?11)"},
    // Most reviews leave the card's file and maturity as they were, and so the index over them.
    {&SImpl::updateCard,
        "UPDATE cards SET stability = ?3, difficulty = ?4, last_day = ?5, due_day = ?6,"
        " reviews = ?7, lapses = ?8 WHERE id = ?1"},
    {&SImpl::updateCardFile, kUpdateCardFile},
    {&SImpl::insertReview,
        "INSERT INTO reviews(card_id, time, day, grade, mode, elapsed, scheduled, source_id, pass_id)"
        " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"},
    {&SImpl::insertReviews, kInsertReviews.c_str()},
    {&SImpl::insertPass,
        "INSERT INTO passes(time, mode, direction, iteration, shown, marked, completed, file)"
        " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"},
    {&SImpl::findSource, "SELECT id FROM sources WHERE path = ?1"},
    {&SImpl::insertSource, "INSERT INTO sources(path) VALUES(?1)"},
    {&SImpl::due,
        "SELECT c.text1, c.text2, s.path, c.due_day FROM cards c JOIN sources s ON s.id = c.source_id"
        " WHERE c.direction = ?1 AND c.due_day <= ?2 ORDER BY c.due_day, c.id"},
    {&SImpl::dueByFile,
        "SELECT s.path, n FROM (SELECT source_id, count(*) AS n FROM cards"
        " WHERE direction = ?1 AND due_day <= ?2 GROUP BY source_id) JOIN sources s ON s.id = source_id"
        " ORDER BY s.path"},
    // Moves when another connection commits: the kept due count is read anew then.
    {&SImpl::dataVersion, "PRAGMA data_version"},
    {&SImpl::forecast,
        "SELECT max(due_day, ?2) AS d, count(*) FROM cards WHERE direction = ?1 AND due_day < ?2 + ?3"
        " GROUP BY d"},
    {&SImpl::maturity,
        "SELECT s.path, m.learning, m.mature FROM (SELECT source_id, total(mature = 0) AS learning,"
        " total(mature) AS mature FROM cards WHERE direction = ?1 GROUP BY source_id) m"
        " JOIN sources s ON s.id = m.source_id ORDER BY s.path"},
    // Read from the index of due cards' reviews alone, which holds the day and the grade.
    {&SImpl::retained,
        "SELECT count(*), total(grade >= 2) FROM reviews WHERE day > ?1 - ?2 AND day <= ?1"
        " AND scheduled > 0 AND elapsed >= scheduled"},
    {&SImpl::passes,
        "SELECT time, mode, direction, iteration, shown, marked, completed, file FROM passes"
        " ORDER BY time, id"},
    {&SImpl::getMeta, "SELECT value FROM meta WHERE key = ?1"},
    {&SImpl::setMeta,
        "INSERT INTO meta(key, value) VALUES(?1, ?2) ON CONFLICT(key) DO UPDATE SET value = excluded.value"},
};

bool CMemoryDb::SImpl::PrepareAll(std::string* error)
{
    for (const SStatementSql& s : kStatements)
        if (!(this->*s.st).Prepare(db, s.sql)) {
            if (error)
                *error = ErrorText(db);
            return false;
        }
    return true;
}

void CMemoryDb::SImpl::FinalizeAll()
{
    for (const SStatementSql& s : kStatements)
        (this->*s.st).Finalize();
}

long long CMemoryDb::SImpl::SourceId(const std::string& source)
{
    const auto known = sourceIds.find(source);
    if (known != sourceIds.end())
        return known->second;
    long long id = -1;
    findSource.Reset().Bind(1, source);
    const int rc = findSource.Step();
    if (rc == SQLITE_ROW) {
        id = findSource.ColInt(0);
        findSource.Reset();
    } else if (rc == SQLITE_DONE) {
        insertSource.Reset().Bind(1, source);
        if (insertSource.Step() != SQLITE_DONE)
            return -1;
        id = sqlite3_last_insert_rowid(db);
    } else {
        return -1;
    }
    sourceIds.emplace(source, id);
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

namespace {

// A card a pass meets: its row as the pass's reviews change it, and what it was before.
struct SPassCard {
    SCardRow row;
    long long key = 0;
    const SReview* first = nullptr; // its first review in the pass: the texts and direction
    bool found = false, wasMature = false;
    long long sourceBefore = 0;
};

bool SameCard(const SReview& r, std::string_view text1, std::string_view text2, long long direction)
{
    return r.direction == direction && r.text1 == text1 && r.text2 == text2;
}

// A card's derived state written back, by a pass or by the rebuild (the statements bind alike).
bool UpdateCard(CStatement& update, const SCardRow& c)
{
    update.Reset()
        .Bind(1, c.id)
        .Bind(2, c.sourceId)
        .Bind(3, c.state.stability)
        .Bind(4, c.state.difficulty)
        .Bind(5, c.lastDay)
        .Bind(6, c.dueDay)
        .Bind(7, static_cast<long long>(c.reviews))
        .Bind(8, static_cast<long long>(c.lapses));
    return update.Step() == SQLITE_DONE;
}

} // namespace

bool CMemoryDb::SImpl::WriteReviews(const std::vector<SReview>& reviews, long long passId)
{
    // Each card once, in the order first met (new cards get their ids in that order): sorted by
    // key, a review finds an earlier one of the same card among its neighbours.
    std::vector<std::pair<long long, size_t>> byKey(reviews.size());
    for (size_t i = 0; i < reviews.size(); ++i)
        byKey[i] = {CardKey(reviews[i].text1, reviews[i].text2, reviews[i].direction), i};
    std::sort(byKey.begin(), byKey.end());
    std::vector<size_t> firstOf(reviews.size()); // the first review of the same card
    for (size_t g = 0; g < byKey.size(); ++g) {
        const size_t i = byKey[g].second;
        firstOf[i] = i;
        for (size_t h = g; h-- > 0 && byKey[h].first == byKey[g].first;) {
            const SReview& earlier = reviews[byKey[h].second];
            if (SameCard(reviews[i], earlier.text1, earlier.text2, earlier.direction)) {
                firstOf[i] = firstOf[byKey[h].second];
                break;
            }
        }
    }
    std::vector<SPassCard> cards;
    cards.reserve(reviews.size());
    std::vector<size_t> cardOf(reviews.size());
    for (size_t i = 0; i < reviews.size(); ++i) {
        if (firstOf[i] != i) {
            cardOf[i] = cardOf[firstOf[i]];
            continue;
        }
        cardOf[i] = cards.size();
        cards.push_back(SPassCard{});
        cards.back().first = &reviews[i];
    }
    for (const auto& [key, i] : byKey)
        if (firstOf[i] == i)
            cards[cardOf[i]].key = key;
    // The stored ones, kChunk keys a statement; a row found is matched within its chunk.
    for (size_t from = 0; from < cards.size(); from += kChunk) {
        const size_t to = std::min(cards.size(), from + kChunk);
        findCards.Reset();
        for (size_t k = from; k < to; ++k)
            findCards.Bind(static_cast<int>(k - from + 1), cards[k].key);
        int rc;
        while ((rc = findCards.Step()) == SQLITE_ROW) {
            const long long key = findCards.ColInt(0);
            for (size_t k = from; k < to; ++k) {
                SPassCard& card = cards[k];
                if (card.key != key || card.found ||
                    !SameCard(*card.first, findCards.ColView(1), findCards.ColView(2), findCards.ColInt(3)))
                    continue;
                card.found = true;
                card.row.id = findCards.ColInt(4);
                card.row.state = SMemoryState{findCards.ColDouble(5), findCards.ColDouble(6)};
                card.row.lastDay = findCards.ColInt(7);
                card.row.dueDay = findCards.ColInt(8);
                card.row.reviews = static_cast<int>(findCards.ColInt(9));
                card.row.lapses = static_cast<int>(findCards.ColInt(10));
                card.row.sourceId = card.sourceBefore = findCards.ColInt(11);
                card.wasMature = IsMature(card.row.state.stability);
            }
        }
        if (rc != SQLITE_DONE)
            return false;
    }
    // The reviews in the order given, each on its card as the ones before left it.
    struct SLogRow {
        size_t card;
        long long day, elapsed, scheduled, sourceId;
    };
    std::vector<SLogRow> log(reviews.size());
    for (size_t i = 0; i < reviews.size(); ++i) {
        SCardRow& card = cards[cardOf[i]].row;
        if ((card.sourceId = SourceId(reviews[i].source)) < 0)
            return false;
        log[i].card = cardOf[i];
        log[i].sourceId = card.sourceId;
        log[i].day = DayOf(reviews[i].time);
        ApplyGrade(
            card, reviews[i].grade, log[i].day, schedule.params, schedule.retention, log[i].elapsed, log[i].scheduled);
    }
    // Each card written once; the index over file and maturity only when either changed.
    for (SPassCard& card : cards) {
        const SCardRow& c = card.row;
        if (!card.found) {
            insertCard.Reset()
                .Bind(1, card.first->text1)
                .Bind(2, card.first->text2)
                .Bind(3, static_cast<long long>(card.first->direction))
                .Bind(4, c.sourceId)
                .Bind(5, c.state.stability)
                .Bind(6, c.state.difficulty)
                .Bind(7, c.lastDay)
                .Bind(8, c.dueDay)
                .Bind(9, static_cast<long long>(c.reviews))
                .Bind(10, static_cast<long long>(c.lapses))
                .Bind(11, card.key);
            if (insertCard.Step() != SQLITE_DONE)
                return false;
            card.row.id = sqlite3_last_insert_rowid(db);
            continue;
        }
        const bool same = card.sourceBefore == c.sourceId && card.wasMature == IsMature(c.state.stability);
        CStatement& update = same ? updateCard : updateCardFile;
        if (!UpdateCard(update, c))
            return false;
    }
    // The log, kChunk rows a statement; the rest one by one.
    size_t i = 0;
    auto bind = [&](CStatement& st, int at) {
        const SReview& r = reviews[i];
        const SLogRow& l = log[i];
        st.Bind(at + 1, cards[l.card].row.id)
            .Bind(at + 2, r.time)
            .Bind(at + 3, l.day)
            .Bind(at + 4, static_cast<long long>(r.grade))
            .Bind(at + 5, static_cast<long long>(r.mode))
            .Bind(at + 6, l.elapsed)
            .Bind(at + 7, l.scheduled)
            .Bind(at + 8, l.sourceId);
        if (passId > 0)
            st.Bind(at + 9, passId);
        ++i;
    };
    while (reviews.size() - i >= kChunk) {
        insertReviews.Reset();
        for (int k = 0; k < static_cast<int>(kChunk); ++k)
            bind(insertReviews, 9 * k);
        if (insertReviews.Step() != SQLITE_DONE)
            return false;
    }
    while (i < reviews.size()) {
        insertReview.Reset();
        bind(insertReview, 0);
        if (insertReview.Step() != SQLITE_DONE)
            return false;
    }
    return true;
}

bool CMemoryDb::WritePass(const std::vector<SReview>& reviews, const SPassRow* pass, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!SImpl::Live(m_impl))
        return NotOpen(error);
    if (!CheckReviews(reviews, error))
        return false;
    SImpl* p = m_impl.get();
    return p->WriteOwnReferences(error, [&] {
        long long passId = 0;
        if (pass && (passId = p->InsertPass(*pass)) < 0)
            return false;
        return p->WriteReviews(reviews, passId);
    });
}

bool CMemoryDb::Rebuild(std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!SImpl::Live(m_impl))
        return NotOpen(error);
    SImpl* p = m_impl.get();
    // Outside the transaction's body: a failure's code and text outlive it.
    CStatement count, log, update;
    return p->WriteOwnReferences(error, [&] {
        // The log in the order it was written; every card's row kept in memory, by id, until the
        // end. The indexes over the state are made anew after, at once instead of row by row.
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
            if (!UpdateCard(update, card))
                return false;
        }
        return Exec(p->db, kCardIndexes, error);
    });
}

bool CMemoryDb::AppendPass(const SPassRow& pass, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!SImpl::Live(m_impl))
        return NotOpen(error);
    SImpl* p = m_impl.get();
    return p->Write(error, [&] { return p->InsertPass(pass) > 0; });
}

bool CMemoryDb::HistoryImported() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!SImpl::Live(m_impl))
        return false;
    const bool imported = m_impl->Meta("history_imported") == "1";
    return !m_impl->CloseIfDamaged() && imported;
}

bool CMemoryDb::ImportHistory(const std::vector<SPassRow>& rows, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!SImpl::Live(m_impl))
        return NotOpen(error);
    SImpl* p = m_impl.get();
    return p->Write(error, [&] {
        if (p->Meta("history_imported") == "1")
            return true;
        for (const SPassRow& row : rows)
            if (p->InsertPass(row) < 0)
                return false;
        return p->SetMeta("history_imported", "1");
    });
}

} // namespace memory
