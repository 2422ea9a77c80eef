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

std::string NoticeText(const keeper::SNotice& notice, ILocal& language)
{
    int index = kLclFailed;
    switch (notice.kind) {
    case keeper::ENotice::kSetAside: index = kLclSetAside; break;
    case keeper::ENotice::kNewer: index = kLclNewer; break;
    case keeper::ENotice::kFailed: index = kLclFailed; break;
    case keeper::ENotice::kNotStored: index = kLclNotStored; break;
    }
    return FillText(language.GetText(index), {notice.detail});
}

std::string MoreFilesText(long long count, ILocal& language)
{
    return Plural(kLclMoreFiles, count, language);
}
