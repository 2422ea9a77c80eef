#include "engine/MemoryKeeper.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "engine/DrillCommands.h"
#include "engine/PassVerdicts.h"
#include "memory/Fsrs.h"
#include "memory/MemoryDb.h"
#include "memory/ReviewDay.h"
#include "platform/PlatFs.h"
#include "platform/PlatUtf8.h"
#include "texts/IUtltsFile.h"

#include <algorithm>
#include <ctime>
#include <map>
#include <mutex>
#include <tuple>

namespace keeper {

namespace {

constexpr const char* kImportedSuffix = ".imported";
constexpr int kForecastDays = 30, kRetentionDays = 30;

struct SKeeper {
    std::mutex lock;    // the fields below; the database has its own
    std::mutex opening; // held while the database is opened or made
    memory::CMemoryDb db;
    EState state = EState::kClosed;
    std::string folder;
    int retention = kRetentionDefault;
    std::vector<SNotice> notices;
    PhraseLister lister = nullptr;
    Clock clock = nullptr;
};

SKeeper& K()
{
    static SKeeper keeper;
    return keeper;
}

void Notify(ENotice kind, const std::string& detail)
{
    std::lock_guard<std::mutex> lk(K().lock);
    K().notices.push_back(SNotice{kind, detail});
}

// The old history file: in the keeper's folder, or the program folder before one is opened.
std::string HistoryPath()
{
    std::lock_guard<std::mutex> lk(K().lock);
    const std::string folder = !K().folder.empty() || !g_pIUtltsFile ? K().folder : g_pIUtltsFile->GetPrgrmDir();
    return folder + "/" + hist::kFileName;
}

// The old history file is imported into a database that has none yet, once, and kept beside
// it under another name, so that it is neither read again nor lost.
void ImportOldHistory(const std::string& folder)
{
    memory::CMemoryDb& db = K().db;
    const std::string path = folder + "/" + hist::kFileName;
    if (!plat::FileExists(path) || db.HistoryImported())
        return;
    const std::vector<memory::SPassRow> rows = hist::ReadHistory(path);
    std::string error;
    if (!db.ImportHistory(rows, &error)) {
        LogMsg("\nkeeper::Open(), error, cannot import %s: %s", path.c_str(), error.c_str());
        return;
    }
    const std::string kept = path + kImportedSuffix;
    if (plat::RenameFile(path, kept))
        LogMsg("\nkeeper::Open(), %zu passes of %s imported, the file kept as %s", rows.size(), path.c_str(),
            kept.c_str());
    else
        LogMsg("\nkeeper::Open(), error, %s imported but not renamed to %s", path.c_str(), kept.c_str());
}

// The source of the reviews of a pass over the file opened: that file, by its canonical path;
// over the due review's file, each phrase's own source.
std::string SourceOf(
    const memory::CMemoryDb& db, const SVerdict& v, int direction, const std::string& opened, bool reviewFile)
{
    memory::SCardState card;
    if (reviewFile && db.FindCard(v.text1, v.text2, direction, card) && !card.source.empty())
        return card.source;
    return opened;
}

bool IsReviewFile(const std::string& canonical, const std::string& folder)
{
    return canonical == plat::CanonicalPath(folder + "/" + drill::kReviewFileName);
}

// The database, made or opened now if it was not yet; false when memory is not kept (a newer
// or unusable database: the learner has been told). Serialised, as the window's reads and the
// worker's first write may both come to it.
bool Made()
{
    SKeeper& k = K();
    std::lock_guard<std::mutex> opening(k.opening);
    std::string folder;
    int percent;
    {
        std::lock_guard<std::mutex> lk(k.lock);
        if (k.state != EState::kNotMade)
            return k.state == EState::kOpen;
        folder = k.folder;
        percent = k.retention;
    }
    const std::string path = folder + "/" + kFileName;
    const memory::SOpenResult opened = k.db.Open(path, percent / 100.0);
    EState state = EState::kOpen;
    switch (opened.status) {
    case memory::EOpen::kOpened:
    case memory::EOpen::kCreated: break;
    case memory::EOpen::kSetAside:
        LogMsg("\nkeeper::Open(), error, %s was damaged: set aside as %s, a new one started", path.c_str(),
            opened.setAsidePath.c_str());
        Notify(ENotice::kSetAside, opened.setAsidePath);
        break;
    case memory::EOpen::kNewer:
        LogMsg("\nkeeper::Open(), error, %s is from a newer Lexido: left as it is, no memory kept", path.c_str());
        Notify(ENotice::kNewer, path);
        state = EState::kNewer;
        break;
    case memory::EOpen::kFailed:
        LogMsg("\nkeeper::Open(), error, cannot open %s: %s", path.c_str(), opened.error.c_str());
        Notify(ENotice::kFailed, opened.error);
        state = EState::kFailed;
        break;
    }
    if (state == EState::kOpen)
        ImportOldHistory(folder);
    std::lock_guard<std::mutex> lk(k.lock);
    k.state = state;
    return state == EState::kOpen;
}

// Before a read: a database another process (the terminal's pass) made since the start is
// opened; without one, the closed database answers as an empty one. Whether memory is kept.
bool Readable()
{
    std::string folder;
    {
        std::lock_guard<std::mutex> lk(K().lock);
        if (K().state != EState::kNotMade)
            return K().state == EState::kOpen;
        folder = K().folder;
    }
    if (plat::FileExists(folder + "/" + kFileName))
        return Made();
    return true;
}

} // namespace

void Open(const std::string& folder, int retentionPercent)
{
    SKeeper& k = K();
    const int percent = std::clamp(retentionPercent, kRetentionLow, kRetentionHigh);
    {
        std::lock_guard<std::mutex> lk(k.lock);
        k.folder = folder;
        k.retention = percent;
        k.state = EState::kNotMade;
    }
    // A learner without reviews yet needs no database: SQLite's code and caches stay out of the
    // start until a pass or an import writes (or another process has made the file meanwhile).
    if (plat::FileExists(folder + "/" + kFileName) || plat::FileExists(folder + "/" + hist::kFileName))
        Made();
}

void Close()
{
    K().db.Close();
    std::lock_guard<std::mutex> lk(K().lock);
    K().state = EState::kClosed;
}

EState State()
{
    std::lock_guard<std::mutex> lk(K().lock);
    return K().state;
}

bool IsOpen()
{
    const EState state = State();
    return state == EState::kOpen || state == EState::kNotMade;
}

void SetRetention(int percent)
{
    percent = std::clamp(percent, kRetentionLow, kRetentionHigh);
    {
        std::lock_guard<std::mutex> lk(K().lock);
        K().retention = percent;
    }
    std::string error;
    if (State() == EState::kOpen && !K().db.SetRetention(percent / 100.0, &error))
        LogMsg("\nkeeper::SetRetention(), error, %s", error.c_str());
}

int Retention()
{
    std::lock_guard<std::mutex> lk(K().lock);
    return K().retention;
}

std::vector<SNotice> TakeNotices()
{
    std::lock_guard<std::mutex> lk(K().lock);
    std::vector<SNotice> taken;
    taken.swap(K().notices);
    return taken;
}

void SetPhraseLister(PhraseLister lister)
{
    std::lock_guard<std::mutex> lk(K().lock);
    K().lister = lister;
}

void SetClock(Clock clock)
{
    std::lock_guard<std::mutex> lk(K().lock);
    K().clock = clock;
}

long long Now()
{
    Clock clock;
    {
        std::lock_guard<std::mutex> lk(K().lock);
        clock = K().clock;
    }
    return clock ? clock() : static_cast<long long>(std::time(nullptr));
}

long long Today()
{
    return memory::DayOf(Now());
}

SDueToday DueToday(int direction)
{
    SDueToday due;
    if (!Readable())
        return due;
    for (const memory::SFileCount& f : K().db.DueByFile(direction, Today())) {
        due.total += f.count;
        due.files.push_back(SFileDue{f.source, f.count});
    }
    std::stable_sort(
        due.files.begin(), due.files.end(), [](const SFileDue& a, const SFileDue& b) { return a.count > b.count; });
    return due;
}

namespace {
// The phrases of a file through the installed lister; false without one or when unreadable.
bool ListPhrases(const std::string& path, std::vector<SCardTexts>& out)
{
    PhraseLister lister;
    {
        std::lock_guard<std::mutex> lk(K().lock);
        lister = K().lister;
    }
    out.clear();
    return lister && lister(path, out);
}
} // namespace

SMemoryPage MemoryPage(int direction)
{
    SMemoryPage page;
    if (!Readable())
        return page;
    const memory::CMemoryDb& db = K().db;
    const long long today = Today();
    page.forecast = db.Forecast(direction, today, kForecastDays);
    page.trueRetention = db.TrueRetention(today, kRetentionDays, &page.retentionReviews);
    for (const memory::SFileMaturity& m : db.Maturity(direction)) {
        SFileMemory f{m.source, 0, m.learning, m.mature};
        std::vector<SCardTexts> phrases;
        memory::SCardState card;
        if (plat::FileExists(m.source) && ListPhrases(m.source, phrases))
            for (const SCardTexts& p : phrases)
                f.fresh += db.FindCard(p.text1, p.text2, direction, card) ? 0 : 1;
        page.files.push_back(f);
    }
    std::sort(page.files.begin(), page.files.end(),
        [](const SFileMemory& a, const SFileMemory& b) { return a.file < b.file; });
    return page;
}

bool PhrasesOf(const std::string& path, int direction, std::vector<SPhraseMemory>& out, std::string& error)
{
    out.clear();
    const bool open = Readable();
    std::vector<SCardTexts> phrases;
    if (!ListPhrases(path, phrases)) {
        error = "cannot read " + path;
        return false;
    }
    for (const SCardTexts& p : phrases) {
        SPhraseMemory m;
        m.text1 = p.text1;
        memory::SCardState card;
        if (open && K().db.FindCard(p.text1, p.text2, direction, card)) {
            m.fresh = false;
            m.dueDay = card.dueDay;
            m.stability = card.stability;
            m.difficulty = card.difficulty;
            m.reviews = card.reviews;
            m.lapses = card.lapses;
        }
        out.push_back(std::move(m));
    }
    return true;
}

int WriteDueFile(int direction, const std::string& path)
{
    if (!Readable())
        return 0;
    const std::vector<memory::SDuePhrase> due = K().db.Due(direction, Today());
    if (due.empty())
        return 0;
    std::string bytes = plat::kUtf8Bom;
    for (const memory::SDuePhrase& p : due)
        bytes += "*" + p.text1 + "\n=" + p.text2 + "\n";
    if (!plat::WriteFileAtomic(path, bytes)) {
        LogMsg("\nkeeper::WriteDueFile(), error, cannot write %s", path.c_str());
        return -1;
    }
    return static_cast<int>(due.size());
}

std::vector<hist::SPassRecord> History()
{
    if (!Readable())
        return hist::ReadHistory(HistoryPath());
    return K().db.Passes();
}

int ImportReviews(std::vector<memory::SReview> reviews, const std::string& path, std::string& error)
{
    if (reviews.empty() || !Made())
        return 0;
    memory::CMemoryDb& db = K().db;
    const std::string source = plat::CanonicalPath(path);
    std::map<std::tuple<std::string, std::string, int>, long long> lastDay; // of the cards met
    std::vector<memory::SReview> fresh;
    for (memory::SReview& r : reviews) {
        const auto card = std::make_tuple(r.text1, r.text2, r.direction);
        auto known = lastDay.find(card);
        if (known == lastDay.end()) {
            memory::SCardState state;
            known = lastDay.emplace(card, db.FindCard(r.text1, r.text2, r.direction, state) ? state.lastDay : -1).first;
        }
        if (memory::DayOf(r.time) <= known->second)
            continue;
        r.source = source;
        fresh.push_back(std::move(r));
    }
    if (!db.WritePass(fresh, nullptr, &error)) {
        LogMsg("\nkeeper::ImportReviews(), error, the reviews for %s not stored: %s", path.c_str(), error.c_str());
        return -1;
    }
    return static_cast<int>(fresh.size());
}

void NotePassEnded(int mode, int direction)
{
    hist::SPassRecord record;
    if (!hist::EndedPassRecord(mode, direction, record))
        return;
    record.time = Now();
    if (!Made()) { // without memory kept the pass goes to the old history file
        const std::string path = HistoryPath();
        if (!hist::AppendRecord(path, record))
            LogMsg("\nkeeper::NotePassEnded(), error, cannot append to %s", path.c_str());
        return;
    }
    memory::CMemoryDb& db = K().db;
    std::string folder;
    {
        std::lock_guard<std::mutex> lk(K().lock);
        folder = K().folder;
    }
    const std::string opened = plat::CanonicalPath(record.file);
    const bool reviewFile = IsReviewFile(opened, folder);
    std::vector<memory::SReview> reviews;
    for (const SVerdict& v : PassVerdicts().Verdicts()) {
        memory::SReview r;
        r.text1 = v.text1;
        r.text2 = v.text2;
        r.direction = direction;
        r.grade = v.forgotten ? memory::kAgain : v.hard ? memory::kHard : memory::kGood;
        r.mode = mode;
        r.time = record.time;
        r.source = SourceOf(db, v, direction, opened, reviewFile);
        reviews.push_back(std::move(r));
    }
    std::string error;
    if (!db.WritePass(reviews, &record, &error)) {
        LogMsg("\nkeeper::NotePassEnded(), error, the reviews of the pass over %s not stored: %s", record.file.c_str(),
            error.c_str());
        Notify(ENotice::kNotStored, error);
    }
}

} // namespace keeper
