#include "tty/TtyMemory.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbSec.h"
#include "engine/CPassProgress.h"
#include "engine/DrillCommands.h"
#include "engine/MemoryKeeper.h"
#include "locale/CLocal.h"
#include "locale/LocaleGlobals.h"
#include "locale/MemoryTexts.h"
#include "memory/ReviewDay.h"
#include "platform/PlatFs.h"
#include "settings/CLsnAFc.h"
#include "settings/MemorySettings.h"
#include "texts/CUtltsFile.h"
#include "texts/PhraseList.h"
#include "tty/TtyText.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace tty {

namespace {

CLsnAFc s_Factory;

// An integer of a settings file of the program folder; false when it is not there.
bool ReadSetting(const std::string& dir, const char* section, const char* parameter, int& value)
{
    const std::string path = dir + "/Settings/" + section + ".cfg";
    if (!plat::FileExists(path))
        return false;
    std::unique_ptr<IDbSec> sec(s_Factory.Create_IDbSec());
    return sec && sec->ParseFile(path.c_str()) == 0 && sec->TryRdVal(parameter, PAR_TYPE_INT, &value) == 0;
}

} // namespace

CMemoryQuery::CMemoryQuery()
{
    g_pILsnAFc = &s_Factory;
    CUtltsFile files;
    m_Dir = files.FindPrgrmDir();
    if (m_Dir.empty())
        return;
    int retention = keeper::kRetentionDefault;
    if (!ReadSetting(m_Dir, memcfg::kSection, "Retention", retention))
        retention = keeper::kRetentionDefault;
    if (!ReadSetting(m_Dir, "ViewMode", "Direction", m_Direction) || m_Direction < 0 || m_Direction > 1)
        m_Direction = 0;
    keeper::SetPhraseLister(&ListCardTexts);
    keeper::Open(m_Dir, retention);
    PrintNotices();
}

CMemoryQuery::~CMemoryQuery()
{
    keeper::Close();
    g_pILsnAFc = nullptr;
}

void PrintNotices()
{
    CLocal_English english;
    for (const keeper::SNotice& n : keeper::TakeNotices())
        std::fprintf(stderr, "lexido-tty: %s\n", NoticeText(n, english).c_str());
}

int PrintMemory(const Options& options, std::FILE* out)
{
    CMemoryQuery query;
    std::error_code ec;
    const std::string path = AbsolutePath(options.file, std::filesystem::current_path(ec).string());
    std::vector<keeper::SPhraseMemory> phrases;
    std::string error;
    if (!query.Ok() || !keeper::PhrasesOf(path, query.Direction(options.direction), phrases, error)) {
        std::fprintf(stderr, "lexido-tty: cannot read %s\n", path.c_str());
        return 1;
    }
    for (const keeper::SPhraseMemory& p : phrases) {
        if (p.fresh)
            std::fprintf(out, "new\t-\t-\t0\t0\t%s\n", p.text1.c_str());
        else
            std::fprintf(out, "%s\t%.4f\t%.4f\t%d\t%d\t%s\n", memory::FormatDay(p.dueDay).c_str(), p.stability,
                p.difficulty, p.reviews, p.lapses, p.text1.c_str());
    }
    return 0;
}

int PrintDue(const Options& options, std::FILE* out)
{
    CMemoryQuery query;
    const keeper::SDueToday due = keeper::DueToday(query.Direction(options.direction));
    for (const keeper::SFileDue& f : due.files)
        std::fprintf(out, "%d\t%s\n", f.count, f.file.c_str());
    std::fprintf(out, "%d due in %zu files\n", due.total, due.files.size());
    return 0;
}

std::string TakeNoticeLine()
{
    std::string line;
    for (const keeper::SNotice& n : keeper::TakeNotices())
        line += (line.empty() ? "" : "   ") + CodePageToUtf8(NoticeText(n, *g_pILocal), CLocal::InterfaceCodePage());
    return line;
}

std::string NothingDueLine()
{
    return CodePageToUtf8(NothingDueText(*g_pILocal), CLocal::InterfaceCodePage());
}

std::vector<std::string> DueWelcomeLinesUtf8()
{
    constexpr std::size_t kTopFiles = 3;
    static keeper::SDueToday due;
    static long long asked = 0;
    static int serial = -1, direction = -1;
    const int pass = PassProgress().Get().serial, now = drill::GetDirection();
    if (pass != serial || now != direction || keeper::Now() - asked >= 60) {
        due = keeper::DueToday(now);
        asked = keeper::Now();
        serial = pass;
        direction = now;
    }
    std::vector<std::string> lines;
    if (due.total <= 0)
        return lines;
    ILocal& language = *g_pILocal;
    const int cp = CLocal::InterfaceCodePage();
    lines.push_back(CodePageToUtf8(DueTodayText(due.total, language) + "   " + language.GetText(kLclReviewKey), cp));
    // The file names are the file system's own bytes.
    for (std::size_t i = 0; i < due.files.size() && i < kTopFiles; ++i) {
        const std::string& path = due.files[i].file;
        lines.push_back(CodePageToUtf8(GroupedCount(due.files[i].count, language.GetLanguage()), cp) + "  " +
            path.substr(path.rfind('/') + 1));
    }
    if (due.files.size() > kTopFiles)
        lines.push_back(
            CodePageToUtf8(MoreFilesText(static_cast<long long>(due.files.size() - kTopFiles), language), cp));
    return lines;
}

} // namespace tty
