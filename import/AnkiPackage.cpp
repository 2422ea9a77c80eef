#include "import/AnkiPackage.h"

#include "engine/PassVerdicts.h"
#include "import/AnkiArchive.h"
#include "import/Delimited.h"
#include "import/Html.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

namespace imp {

namespace {

struct SDbClose {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct SStmtFinalize {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, SStmtFinalize>;

// Queries of the collection; the first SQLite error stops them and is kept.
class CCollection {
public:
    // Opens the image read-only in memory; the bytes must outlive the object.
    explicit CCollection(std::string& image)
    {
        // A file left in WAL mode says so in its header, which an image in memory cannot be;
        // as the log is not in the package, the file reads as one without it.
        if (image.size() >= 20 && image[18] == 2 && image[19] == 2)
            image[18] = image[19] = 1;
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            m_Error = db ? sqlite3_errmsg(db) : "out of memory";
            sqlite3_close(db);
            return;
        }
        m_Db.reset(db);
        const int rc = sqlite3_deserialize(db, "main", reinterpret_cast<unsigned char*>(&image[0]),
            static_cast<sqlite3_int64>(image.size()), static_cast<sqlite3_int64>(image.size()),
            SQLITE_DESERIALIZE_READONLY);
        if (rc != SQLITE_OK)
            m_Error = sqlite3_errmsg(db);
    }
    bool Ok() const { return m_Error.empty(); }
    const std::string& Error() const { return m_Error; }

    bool HasTable(const char* name)
    {
        bool found = false;
        Each(("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '" + std::string(name) + "'").c_str(),
            [&](sqlite3_stmt*) { found = true; });
        return found;
    }

    // Runs sql and hands each row to f.
    template <class F>
    void Each(const char* sql, F&& f)
    {
        if (!Ok())
            return;
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_Db.get(), sql, -1, &raw, nullptr) != SQLITE_OK) {
            m_Error = sqlite3_errmsg(m_Db.get());
            return;
        }
        Statement st(raw);
        int rc;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
            f(raw);
        if (rc != SQLITE_DONE)
            m_Error = sqlite3_errmsg(m_Db.get());
    }

private:
    std::unique_ptr<sqlite3, SDbClose> m_Db;
    std::string m_Error;
};

std::string Text(sqlite3_stmt* st, int col)
{
    const unsigned char* t = sqlite3_column_text(st, col);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(st, col)))
             : std::string();
}

// The fields of a note, split at 0x1F.
std::vector<std::string> SplitFields(const std::string& flds)
{
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t sep = flds.find('\x1f', from);
        fields.push_back(flds.substr(from, sep == std::string::npos ? std::string::npos : sep - from));
        if (sep == std::string::npos)
            return fields;
        from = sep + 1;
    }
}

bool IsNumber(const std::string& s)
{
    return !s.empty() && s.size() < 6 && s.find_first_not_of("0123456789") == std::string::npos;
}

// The field names of each note type, lower-case, by their place.
using FieldNames = std::map<long long, std::vector<std::string>>;

FieldNames ReadFieldNames(CCollection& c, bool current)
{
    FieldNames names;
    c.Each(current ? "SELECT ntid, ord, name FROM fields"
                   : "SELECT CAST(m.key AS INTEGER), json_extract(f.value, '$.ord'), json_extract(f.value, '$.name')"
                     " FROM json_each((SELECT models FROM col)) m, json_each(m.value, '$.flds') f",
        [&](sqlite3_stmt* st) {
            const long long ord = sqlite3_column_int64(st, 1);
            if (ord < 0 || ord > 1000)
                return;
            std::vector<std::string>& type = names[sqlite3_column_int64(st, 0)];
            if (type.size() <= static_cast<std::size_t>(ord))
                type.resize(static_cast<std::size_t>(ord) + 1);
            type[static_cast<std::size_t>(ord)] = AsciiLower(Text(st, 2));
        });
    return names;
}

// The decks named deck or below it ("Deck::Sub"); the collection's own names separate their
// levels with 0x1F, an older one's with "::".
std::set<long long> ReadDecks(CCollection& c, bool current, const std::string& deck)
{
    std::set<long long> ids;
    const std::string wanted = AsciiLower(deck);
    c.Each(current
            ? "SELECT id, name FROM decks"
            : "SELECT CAST(key AS INTEGER), json_extract(value, '$.name') FROM json_each((SELECT decks FROM col))",
        [&](sqlite3_stmt* st) {
            std::string name = AsciiLower(Text(st, 1));
            for (std::size_t at; (at = name.find('\x1f')) != std::string::npos;)
                name.replace(at, 1, "::");
            if (name == wanted || name.compare(0, wanted.size() + 2, wanted + "::") == 0)
                ids.insert(sqlite3_column_int64(st, 0));
        });
    return ids;
}

// The place of a field asked for in a note of a type, or -1 when the type has none of that name.
long long FieldPlace(const std::string& asked, const std::vector<std::string>* names)
{
    if (IsNumber(asked))
        return std::atol(asked.c_str()) - 1;
    if (!names)
        return -1;
    const auto it = std::find(names->begin(), names->end(), AsciiLower(asked));
    return it == names->end() ? -1 : it - names->begin();
}

// A phrase a note made: its card texts and whether its first card is asked from its second field.
struct SMade {
    std::string text1, text2;
    bool reversed = false;
    bool cloze = false; // its cards are its clozes: the first is read as a phrase's first direction
};

void ReadReviews(CCollection& c, const std::unordered_map<long long, SMade>& made, Reviews& reviews)
{
    if (made.empty() || !c.HasTable("revlog"))
        return;
    struct SCard {
        long long note, ord;
    };
    std::unordered_map<long long, SCard> cards;
    c.Each("SELECT id, nid, ord FROM cards", [&](sqlite3_stmt* st) {
        if (made.count(sqlite3_column_int64(st, 1)))
            cards[sqlite3_column_int64(st, 0)] = SCard{sqlite3_column_int64(st, 1), sqlite3_column_int64(st, 2)};
    });
    // Grades 1 to 4 (Again to Easy); 0 marks a manual change of the schedule, no review.
    c.Each("SELECT id, cid, ease FROM revlog WHERE ease BETWEEN 1 AND 4 ORDER BY id", [&](sqlite3_stmt* st) {
        const auto card = cards.find(sqlite3_column_int64(st, 1));
        if (card == cards.end())
            return;
        const SMade& m = made.at(card->second.note);
        if (card->second.ord > (m.cloze ? 0 : 1))
            return;
        memory::SReview r;
        r.text1 = m.text1;
        r.text2 = m.text2;
        r.direction = static_cast<int>(card->second.ord) ^ (m.reversed ? 1 : 0);
        r.grade = sqlite3_column_int(st, 2);
        r.time = sqlite3_column_int64(st, 0) / 1000;
        reviews.push_back(std::move(r));
    });
}

} // namespace

void ReadPackage(
    const std::string& bytes, const SOptions& options, CPhraseSink& sink, SResult& result, Reviews* reviews)
{
    std::string image;
    result.problem = ReadCollection(bytes, image, result.detail);
    if (result.problem == Problem::None)
        ReadCollectionNotes(image, options, sink, result, reviews);
}

void ReadCollectionNotes(
    std::string& image, const SOptions& options, CPhraseSink& sink, SResult& result, Reviews* reviews)
{
    CCollection c(image);
    const bool current = c.HasTable("notetypes");
    if (!current && !c.HasTable("col") && c.Ok())
        result.detail = "no table of notes";
    const FieldNames names = ReadFieldNames(c, current);
    std::set<long long> decks, notesOfDecks;
    if (!options.deck.empty()) {
        decks = ReadDecks(c, current, options.deck);
        if (decks.empty() && c.Ok() && result.detail.empty()) {
            result.problem = Problem::NoDeck;
            result.detail = options.deck;
            return;
        }
        c.Each("SELECT nid, did FROM cards", [&](sqlite3_stmt* st) {
            if (decks.count(sqlite3_column_int64(st, 1)))
                notesOfDecks.insert(sqlite3_column_int64(st, 0));
        });
    }
    const std::string first = options.fields.size() == 2 ? options.fields[0] : "1";
    const std::string second = options.fields.size() == 2 ? options.fields[1] : "2";
    std::unordered_map<long long, SMade> made;
    if (result.detail.empty())
        c.Each("SELECT id, mid, flds FROM notes ORDER BY id", [&](sqlite3_stmt* st) {
            const long long id = sqlite3_column_int64(st, 0);
            if (!options.deck.empty() && !notesOfDecks.count(id))
                return;
            const auto type = names.find(sqlite3_column_int64(st, 1));
            const std::vector<std::string>* typeNames = type == names.end() ? nullptr : &type->second;
            const std::vector<std::string> fields = SplitFields(Text(st, 2));
            const long long one = FieldPlace(first, typeNames), two = FieldPlace(second, typeNames);
            if (one < 0 || two < 0 || one >= static_cast<long long>(fields.size()) ||
                two >= static_cast<long long>(fields.size())) {
                ++result.missing;
                return;
            }
            const std::string& raw1 = fields[static_cast<std::size_t>(one)];
            const std::string text1 = ClozeToBrackets(HtmlToText(raw1, &result.media));
            const std::string text2 = ClozeToBrackets(HtmlToText(fields[static_cast<std::size_t>(two)], &result.media));
            std::string written1, written2;
            if (!sink.Add(text1, text2, &written1, &written2) || !reviews)
                return;
            const plat::TextCoding utf8 = plat::TextCoding::Utf8;
            made[id] = SMade{CardText(written1.c_str(), utf8), CardText(written2.c_str(), utf8), one > two,
                raw1.find("{{c") != std::string::npos};
        });
    if (reviews) {
        const std::size_t before = reviews->size();
        ReadReviews(c, made, *reviews);
        result.reviews = static_cast<int>(reviews->size() - before);
    }
    if (!c.Ok() || !result.detail.empty()) {
        result.problem = Problem::BadDatabase;
        if (result.detail.empty())
            result.detail = c.Error();
    }
}

} // namespace imp
