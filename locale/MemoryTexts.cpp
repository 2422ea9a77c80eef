#include "locale/MemoryTexts.h"

#include "locale/ILocal.h"
#include "locale/LclCount.h"
#include "locale/LclFill.h"

namespace {
std::string Plural(int first, long long n, ILocal& language)
{
    // Three texts a count: one, few and many; English and German know one and many only.
    const int lang = language.GetLanguage();
    const int form = LclPluralForm(n, lang);
    const char* text = language.GetText(first + (lang != LANGUAGE_RUSSIAN && form == 1 ? 2 : form));
    return FillText(text, {LclNumber(n, lang)});
}
} // namespace

std::string DueTodayText(long long count, ILocal& language)
{
    return Plural(kLclDueToday, count, language);
}

std::string NothingDueText(ILocal& language)
{
    return language.GetText(kLclNothingDue);
}

int NoticeTextIndex(keeper::ENotice kind)
{
    switch (kind) {
    case keeper::ENotice::kSetAside: return kLclSetAside;
    case keeper::ENotice::kNewer: return kLclNewer;
    case keeper::ENotice::kNotStored: return kLclNotStored;
    case keeper::ENotice::kFailed: break;
    }
    return kLclFailed;
}

std::string NoticeText(const keeper::SNotice& notice, ILocal& language)
{
    return FillText(language.GetText(NoticeTextIndex(notice.kind)), {notice.detail});
}

std::string MoreFilesText(long long count, ILocal& language)
{
    return Plural(kLclMoreFiles, count, language);
}
