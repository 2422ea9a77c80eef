#include "locale/LclCount.h"

#include "locale/ILocal.h"

#include <cstring>

std::string LclNumber(long long n, int language)
{
    const char* separator = language == LANGUAGE_GERMAN ? "." : language == LANGUAGE_RUSSIAN ? "\xA0" : ",";
    // The magnitude as unsigned, so that the smallest long long has one too.
    unsigned long long m = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    std::string digits = std::to_string(m);
    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

int LclPluralForm(long long n, int language)
{
    const unsigned long long m =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    if (language != LANGUAGE_RUSSIAN)
        return m == 1 ? 0 : 1;
    const unsigned long long tens = m % 100, units = m % 10;
    if (units == 1 && tens != 11)
        return 0;
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14))
        return 1;
    return 2;
}

std::string LclCount(long long n, const char* forms, int language)
{
    // The form wanted, or the last one where the text lists fewer.
    const char* f = forms ? forms : "";
    for (int k = LclPluralForm(n, language); k > 0; --k) {
        const char* bar = std::strchr(f, '|');
        if (!bar)
            break;
        f = bar + 1;
    }
    const char* end = std::strchr(f, '|');
    const std::string noun(f, end ? static_cast<std::size_t>(end - f) : std::strlen(f));
    return noun.empty() ? LclNumber(n, language) : LclNumber(n, language) + " " + noun;
}

std::string LclCount(long long n, int formsIndex, ILocal& language)
{
    return LclCount(n, language.GetText(formsIndex), language.GetLanguage());
}
