#include "locale/MemoryTexts.h"

#include "locale/ILocal.h"
#include "locale/LclFill.h"

#include <cstdlib>

std::string GroupedCount(long long n, int language)
{
    const char* separator = language == LANGUAGE_GERMAN ? "." : language == LANGUAGE_RUSSIAN ? "\xA0" : ",";
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string text = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

int PluralForm(long long n, int language)
{
    n = std::llabs(n);
    if (language != LANGUAGE_RUSSIAN)
        return n == 1 ? 0 : 2;
    if (n % 10 == 1 && n % 100 != 11)
        return 0;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14))
        return 1;
    return 2;
}

namespace {
std::string Plural(int first, long long n, ILocal& language)
{
    const char* text = language.GetText(first + PluralForm(n, language.GetLanguage()));
    return FillText(text, {GroupedCount(n, language.GetLanguage())});
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
