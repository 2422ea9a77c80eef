#include "platform/PlatUnicode.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace plat {

int Utf8CaseCompare(const char* a, const char* b)
{
    const icu::UnicodeString x = icu::UnicodeString::fromUTF8(a ? a : "");
    const icu::UnicodeString y = icu::UnicodeString::fromUTF8(b ? b : "");
    return x.caseCompare(y, U_FOLD_CASE_DEFAULT);
}

int CellWidth(char32_t u)
{
    const UChar32 c = static_cast<UChar32>(u);
    const int category = u_charType(c);
    if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK || category == U_FORMAT_CHAR || c == 0x200B)
        return 0;
    const int width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

} // namespace plat
