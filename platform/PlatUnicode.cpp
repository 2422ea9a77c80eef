#include "platform/PlatUnicode.h"

#include <unicode/normalizer2.h>
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

namespace {

icu::UnicodeString FromUtf32(const std::u32string& text)
{
    return icu::UnicodeString::fromUTF32(
        reinterpret_cast<const UChar32*>(text.data()), static_cast<int32_t>(text.size()));
}

std::u32string ToUtf32(const icu::UnicodeString& text)
{
    std::u32string out(static_cast<std::size_t>(text.countChar32()), U'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = text.toUTF32(reinterpret_cast<UChar32*>(out.data()), static_cast<int32_t>(out.size()), status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(n) : 0);
    return out;
}

// One of ICU's normalizers; null when its data cannot be loaded (the text then stays as it is).
icu::UnicodeString Normalize(const icu::Normalizer2* (*instance)(UErrorCode&), const icu::UnicodeString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* n = instance(status);
    if (U_FAILURE(status) || !n)
        return text;
    icu::UnicodeString out = n->normalize(text, status);
    return U_SUCCESS(status) ? out : text;
}

} // namespace

std::u32string Nfc(const std::u32string& text)
{
    return ToUtf32(Normalize(&icu::Normalizer2::getNFCInstance, FromUtf32(text)));
}

std::u32string WithoutAccents(const std::u32string& text)
{
    const std::u32string decomposed = ToUtf32(Normalize(&icu::Normalizer2::getNFDInstance, FromUtf32(text)));
    std::u32string bare;
    bare.reserve(decomposed.size());
    for (const char32_t u : decomposed)
        if (u_charType(static_cast<UChar32>(u)) != U_NON_SPACING_MARK)
            bare.push_back(u);
    return Nfc(bare);
}

std::u32string FoldCase(const std::u32string& text)
{
    icu::UnicodeString s = FromUtf32(text);
    return ToUtf32(s.foldCase(U_FOLD_CASE_DEFAULT));
}

char32_t FoldChar(char32_t u)
{
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(u), U_FOLD_CASE_DEFAULT));
}

bool IsWhiteSpace(char32_t u)
{
    return u_isUWhiteSpace(static_cast<UChar32>(u)) != 0;
}

} // namespace plat
