// The judge of typed answers over the languages of the phrase files, with and without MatchCase.
#include "programs/AnswerJudge.h"
#include "platform/PlatUtf8.h"

#include <gtest/gtest.h>

namespace {

std::u32string U(const std::string& utf8)
{
    std::u32string out;
    char32_t u = 0;
    for (std::size_t pos = 0; plat::NextUtf8(utf8, pos, u);)
        out.push_back(u);
    return out;
}

struct SJudged {
    const char* typed;
    const char* answer;
    bool matchCase;
    EAnswer verdict;
};

const SJudged kJudged[] = {
    // French: case, blanks and the end's punctuation do not count; accents make Almost.
    {"bonjour", "Bonjour", false, EAnswer::Right},
    {"bonjour", "Bonjour", true, EAnswer::Almost},
    {"Où est la gare", "Où est la gare ?", false, EAnswer::Right},
    {"  où   est la\tgare ", "Où est la gare ?", false, EAnswer::Right},
    {"ou est la gare", "Où est la gare ?", false, EAnswer::Almost},
    {"eleve", "élève", false, EAnswer::Almost},
    {"élèves", "élève", false, EAnswer::Almost},
    {"e\xCC\x81te\xCC\x81", "été", true, EAnswer::Right}, // decomposed as typed, composed in the file
    {"oeuf", "œuf", false, EAnswer::Wrong},               // two edits in three letters
    {"chat", "chien", false, EAnswer::Wrong},
    {"", "Merci", false, EAnswer::Wrong},
    // German: ß folds to ss only without MatchCase.
    {"strasse", "Straße", false, EAnswer::Right},
    {"STRASSE", "Straße", false, EAnswer::Right},
    {"strasse", "Straße", true, EAnswer::Wrong},
    {"Muller", "Müller", false, EAnswer::Almost},
    {"Mueller", "Müller", false, EAnswer::Almost},
    {"Guten Morgen!", "Guten Morgen", true, EAnswer::Right},
    {"Gutn Morgen", "Guten Morgen", false, EAnswer::Almost},
    {"Gutn Morgn", "Guten Morgen", false, EAnswer::Almost},
    {"Gtn Mrgn", "Guten Morgen", false, EAnswer::Wrong},
    // Polish: ł has no accent to drop, ę and ż do.
    {"łódź", "Łódź", false, EAnswer::Right},
    {"lodz", "Łódź", false, EAnswer::Almost},
    {"zolw", "żółw", false, EAnswer::Almost},
    {"dziekuje", "Dziękuję", false, EAnswer::Almost},
    {"Dziękuję", "Dziękuję", true, EAnswer::Right},
    {"prosze", "Dziękuję", false, EAnswer::Wrong},
    // Greek: the final sigma folds to sigma.
    {"ΛΟΓΟΣ", "λογος", false, EAnswer::Right},
    {"λογοσ", "λογος", true, EAnswer::Almost},
    {"καλημερα", "Καλημέρα", false, EAnswer::Almost},
    {"Καλημέρα", "Καλημέρα", true, EAnswer::Right},
    {"ευχαριστω", "Καλημέρα", false, EAnswer::Wrong},
    // Russian: ё without its dots is е; under 4 letters nothing else is forgiven.
    {"еще", "ещё", false, EAnswer::Almost},
    {"Ещё", "ещё", false, EAnswer::Right},
    {"Ещё", "ещё", true, EAnswer::Wrong},
    {"спасибо", "Спасибо!", false, EAnswer::Right},
    {"спосибо", "Спасибо", false, EAnswer::Almost},
    {"спаисбо", "Спасибо", false, EAnswer::Almost}, // two neighbours swapped: one edit
    {"привет", "пока", false, EAnswer::Wrong},
    // Spanish: the leading ¿ and ¡ go, on both sides.
    {"Dónde está", "¿Dónde está?", false, EAnswer::Right},
    {"donde esta", "¿Dónde está?", false, EAnswer::Almost},
    {"¡hola!", "Hola", false, EAnswer::Right},
    {"¿Qué tal?", "¿qué tal?", true, EAnswer::Almost},
    {"gracias…", "Gracias", false, EAnswer::Right},
    // Chinese: short answers must be exact; the ideographic full stop is no end punctuation.
    {"谢谢", "谢谢", true, EAnswer::Right},
    {"谢", "谢谢", false, EAnswer::Wrong},
    {"你好。", "你好", false, EAnswer::Wrong},
    {"北京欢迎你", "北京欢迎您", false, EAnswer::Almost},
};

struct SMarked {
    const char* typed;
    const char* answer;
    bool matchCase;
    const char* marks; // one letter per typed character: x differs
};

const SMarked kMarked[] = {
    {"Danke shcon", "Danke schön", false, ".......xxx."},
    {"danke schön", "Danke schön", true, "x.........."},
    {"DANKE", "danke", false, "....."},
    {"Guten  Morgen", "Guten Morgen", false, "......x......"},
    {"xyz", "", false, "xxx"},
    {"Москва", "Мосвка", false, "...xx."},
};

} // namespace

TEST(AnswerJudgeTest, VerdictsAndDifferingCharactersAcrossLanguages)
{
    for (const SJudged& c : kJudged)
        EXPECT_EQ(JudgeAnswer(U(c.typed), U(c.answer), c.matchCase), c.verdict)
            << c.typed << " / " << c.answer << " / " << c.matchCase;
    for (const SMarked& c : kMarked) {
        std::string marks;
        for (const bool d : DifferingChars(U(c.typed), U(c.answer), c.matchCase))
            marks += d ? 'x' : '.';
        EXPECT_EQ(marks, c.marks) << c.typed << " / " << c.answer;
    }
}
