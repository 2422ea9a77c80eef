#include "platform/PlatCodePage.h"
#include "platform/PlatScreenText.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryByteOfBothPagesRoundTrips)
{
    for (int cp : {plat::kCpWestern, plat::kCpCyrillic})
        for (int b = 0; b < 256; ++b) {
            unsigned char back = 0;
            const char32_t u = plat::ToUnicode(static_cast<unsigned char>(b), cp);
            ASSERT_TRUE(plat::FromUnicode(u, cp, back)) << cp << " " << b;
            EXPECT_EQ(back, b) << cp;
        }
}

TEST(CodePage, KnownCharacters)
{
    EXPECT_EQ(plat::ToUnicode(0xC0, plat::kCpCyrillic), U'\u0410'); // А
    EXPECT_EQ(plat::ToUnicode(0xFF, plat::kCpCyrillic), U'\u044F'); // я
    EXPECT_EQ(plat::ToUnicode(0xA8, plat::kCpCyrillic), U'\u0401'); // Ё
    EXPECT_EQ(plat::ToUnicode(0xB9, plat::kCpCyrillic), U'\u2116'); // №
    EXPECT_EQ(plat::ToUnicode(0x80, plat::kCpWestern), U'\u20AC');  // €
    EXPECT_EQ(plat::ToUnicode(0xDF, plat::kCpWestern), U'\u00DF');  // ß
    EXPECT_EQ(plat::ToUnicode(0x9C, plat::kCpWestern), U'\u0153');  // œ
    unsigned char b = 0;
    EXPECT_FALSE(plat::FromUnicode(U'\u0410', plat::kCpWestern, b)); // no Cyrillic in 1252
    EXPECT_FALSE(plat::FromUnicode(U'\u00E9', plat::kCpCyrillic, b)); // no é in 1251
    EXPECT_TRUE(plat::FromUnicode(U'\u00E9', plat::kCpWestern, b));
    EXPECT_EQ(b, 0xE9);
}

TEST(CodePage, LowerCaseOfLettersOnly)
{
    EXPECT_EQ(plat::ToLower('Q', plat::kCpWestern), 'q');
    EXPECT_EQ(plat::ToLower(0xC4, plat::kCpWestern), 0xE4); // Ä ä
    EXPECT_EQ(plat::ToLower(0xD7, plat::kCpWestern), 0xD7); // × is no letter
    EXPECT_EQ(plat::ToLower(0x9F, plat::kCpWestern), 0xFF); // Ÿ ÿ
    EXPECT_EQ(plat::ToLower(0xC0, plat::kCpCyrillic), 0xE0); // А а
    EXPECT_EQ(plat::ToLower(0xA8, plat::kCpCyrillic), 0xB8); // Ё ё
    EXPECT_EQ(plat::ToLower(0x80, plat::kCpCyrillic), 0x90); // Ђ ђ
    EXPECT_EQ(plat::ToLower(0xE0, plat::kCpCyrillic), 0xE0);
    EXPECT_EQ(plat::ToLower('1', plat::kCpCyrillic), '1');
}

TEST(CodePage, CaseInsensitiveComparison)
{
    EXPECT_EQ(plat::StrCmpI("Hello", "hELLO", plat::kCpWestern), 0);
    EXPECT_EQ(plat::StrCmpI("\xCF\xF0\xE8\xE2\xE5\xF2", "\xEF\xD0\xC8\xC2\xC5\xD2", plat::kCpCyrillic), 0); // Привет
    EXPECT_LT(plat::StrCmpI("abc", "abd", plat::kCpWestern), 0);
    EXPECT_GT(plat::StrCmpI("abc", "ab", plat::kCpWestern), 0);
    // The same bytes are different letters in the other page: 0xC0 is À, not А.
    EXPECT_EQ(plat::StrCmpI("\xC0", "\xE0", plat::kCpWestern), 0);
    EXPECT_NE(plat::StrCmpI("\xA8", "\xB8", plat::kCpWestern), 0); // ¨ and ¸ are no letters
}

// The screen's bytes as both front-ends show them (the shipped guide pairs are checked in full with
// the shipped texts): a field's words decide, the font only where none can; a typed character is
// the Western byte, else the Cyrillic one.
TEST(ScreenText, WordsDecideTheCodePageTheFontWhereNoneCanAndKeysPreferTheWesternByte)
{
    EXPECT_EQ(plat::ScreenToUnicode("*\xe0 Paris=\xe2 \xcf\xe0\xf0\xe8\xe6", 16, plat::kCpCyrillic),
              U"*à Paris=в Париж");
    EXPECT_EQ(plat::ScreenToUnicode("\xe0\n\xb9", 3, plat::kCpWestern), U"а\n¹");
    EXPECT_EQ(plat::ScreenToUnicode("\xb9", 1, plat::kCpCyrillic), U"№");
    unsigned char b = 0;
    EXPECT_TRUE(plat::TypedCharToByte(U'ü', b) && b == 0xFC);
    EXPECT_TRUE(plat::TypedCharToByte(U'я', b) && b == 0xFF);
    EXPECT_FALSE(plat::TypedCharToByte(U'中', b));
}
