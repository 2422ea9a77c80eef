// Import of learner's material: small real files of every form and broken ones, each giving its
// phrase file byte for byte or the problem that keeps anything from being written.

#include "import/Import.h"
#include "import/Export.h"
#include "import/Html.h"
#include "platform/PlatFs.h"

#include <gtest/gtest.h>

namespace {

using imp::Problem;

struct SCase {
    const char* file; // below tests/data/import/
    Problem problem;
    int imported, skipped, markers, line;
    const char* phrases;
};

const SCase kCases[] = {
    {"words.tsv", Problem::None, 3, 2, 2, 0, "*house\n=Haus\n*dog\n=Hund\n*2 ＝ two\n=＊zwei＊\n"},
    {"quoted.csv", Problem::None, 4, 1, 0, 0,
        "*front\n=back\n*one, two\n=eins, zwei\n*say \"hi\"\n=sag \"hallo\"\n*two lines\n=zwei Zeilen\n"},
    {"notes.txt", Problem::None, 2, 0, 0, 0, "*bread & butter\n=Brot und Butter\n*<cat>\n=Abc é\n"},
    {"quoted.tsv", Problem::None, 3, 0, 0, 0, "*word\n=Wort\n*with tab\n=say \"hi\"\n*\"no end\n=quote\n"},
    {"plain_notes.txt", Problem::None, 2, 0, 0, 0, "*sun\n=Sonne; die\n*moon\n=<i>Mond</i>\n"},
    {"two_languages.kvtml", Problem::None, 2, 1, 0, 0, "*water\n=νερό\n*bread (food)\n=ψωμί\n"},
    {"one_language.kvtml", Problem::None, 1, 1, 0, 0, "*źdźbło\n=blade of grass\n"},
    {"excel_unicode.txt", Problem::None, 1, 0, 0, 0, "*a\n=é\n"},
    {"broken.kvtml", Problem::BadXml, 0, 0, 0, 4, ""},
    {"other.xml", Problem::UnknownForm, 0, 0, 0, 0, ""},
    {"notes.dat", Problem::UnknownForm, 0, 0, 0, 0, ""},
    {"picture.txt", Problem::NotText, 0, 0, 0, 0, ""},
    {"latin1.tsv", Problem::NotText, 0, 0, 0, 0, ""},
    {"empty_sides.tsv", Problem::NoPhrases, 0, 2, 0, 0, ""},
};

TEST(Import, FilesOfEveryFormAndBrokenOnes)
{
    for (const SCase& c : kCases) {
        SCOPED_TRACE(c.file);
        std::string bytes, phrases;
        ASSERT_TRUE(plat::ReadFileWhole(std::string(LEXIDO_TEST_DATA_DIR "/import/") + c.file, bytes));
        const imp::SResult r = imp::ImportBytes(bytes, c.file, phrases);
        EXPECT_EQ(r.problem, c.problem);
        EXPECT_EQ(r.imported, c.imported);
        EXPECT_EQ(r.skipped, c.skipped);
        EXPECT_EQ(r.markers, c.markers);
        EXPECT_EQ(r.line, c.line);
        EXPECT_EQ(phrases, c.phrases);
    }
}

TEST(Import, TextsLongerThanAFieldAreCutAtACharactersEnd)
{
    std::string phrases, greek;
    for (int i = 0; i < 600; ++i)
        greek += "λ";
    const imp::SResult r = imp::ImportBytes("short\t" + greek + "\n", "long.tsv", phrases);
    EXPECT_EQ(r.cut, 1);
    EXPECT_EQ(phrases, "*short\n=" + greek.substr(0, 1022) + "\n");
}

struct SPackageCase {
    const char* file; // below tests/data/import/anki/
    imp::SOptions options;
    Problem problem;
    int imported, skipped, missing, media, reviews;
    const char* phrases;
};

// Packages of a third-party producer (the older layout) and of today's layout (a zstd-compressed
// collection beside a legacy one that only asks to update).
TEST(Import, AnkiPackagesGivePhrasesOfTheFieldsAndDeckAskedForAndTheirReviews)
{
    const SPackageCase cases[] = {
        {"exported.apkg", {}, Problem::None, 3, 1, 0, 2, 0,
            "*le chat\n=the cat\n*l’été\n=the summer\n*<Paris> est la capitale\n=capital & city\n"},
        {"current.apkg", {}, Problem::None, 5, 1, 0, 0, 5,
            "*la casa\n=the house\n*hablar\n=to speak\n*Das Haus ist alt.\n=das Haus\n"
            "*<Madrid> es la <capital>\n=Spain\n*<b> AB ça…\n=one two\n"},
        {"current.apkg", {{"word", "Meaning"}, ""}, Problem::None, 1, 1, 4, 0, 1, "*das Haus\n=the house\n"},
        {"current.apkg", {{"2", "1"}, "SPANISH"}, Problem::None, 3, 0, 0, 0, 4,
            "*the house\n=la casa\n*to speak\n=hablar\n*one two\n=<b> AB ça…\n"},
        {"current.apkg", {{}, "Spanish::Verbs"}, Problem::None, 1, 0, 0, 0, 0, "*hablar\n=to speak\n"},
        {"current.apkg", {{}, "Span"}, Problem::NoDeck, 0, 0, 0, 0, 0, ""},
        {"current.apkg", {{"4", "1"}, ""}, Problem::NoPhrases, 0, 0, 6, 0, 0, ""},
    };
    for (const SPackageCase& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.options.deck);
        std::string bytes, phrases;
        ASSERT_TRUE(plat::ReadFileWhole(std::string(LEXIDO_TEST_DATA_DIR "/import/anki/") + c.file, bytes));
        imp::Reviews reviews;
        const imp::SResult r = imp::ImportBytes(bytes, c.file, phrases, c.options, &reviews);
        EXPECT_EQ(r.problem, c.problem);
        EXPECT_EQ(r.form, imp::Form::Package);
        EXPECT_EQ(r.imported, c.imported);
        EXPECT_EQ(r.skipped, c.skipped);
        EXPECT_EQ(r.missing, c.missing);
        EXPECT_EQ(r.media, c.media);
        EXPECT_EQ(static_cast<int>(reviews.size()), c.reviews);
        EXPECT_EQ(phrases, c.phrases);
    }
    // The log of "la casa" as it was graded: Good, Again a day later, Easy; its reverse card Hard
    // (in the second direction); a manual change of its schedule is no review.
    std::string bytes, phrases;
    ASSERT_TRUE(plat::ReadFileWhole(LEXIDO_TEST_DATA_DIR "/import/anki/current.apkg", bytes));
    imp::Reviews reviews;
    imp::ImportBytes(bytes, "current.apkg", phrases, {}, &reviews);
    ASSERT_EQ(reviews.size(), 5u);
    const long long t0 = 1767225600;
    const struct {
        int direction, grade;
        long long time;
    } log[] = {{0, 3, t0}, {0, 1, t0 + 86400}, {1, 2, t0 + 86400}, {0, 3, t0 + 86400}, {0, 4, t0 + 3 * 86400}};
    for (std::size_t i = 0; i < reviews.size(); ++i) {
        EXPECT_EQ(reviews[i].direction, log[i].direction) << i;
        EXPECT_EQ(reviews[i].grade, log[i].grade) << i;
        EXPECT_EQ(reviews[i].time, log[i].time) << i;
    }
    EXPECT_EQ(reviews[0].text1 + "|" + reviews[0].text2, "la casa|the house");
    EXPECT_EQ(reviews[3].text1 + "|" + reviews[3].text2, "Das Haus ist alt.|das Haus");
}

// Every form the export writes reads back as the same phrases; brackets are clozes in Anki's.
TEST(Import, EveryExportFormReadsBackAsTheSamePhrases)
{
    const imp::PhraseTexts phrases = {{"the <house>", "das <Haus>"}, {"\"quoted\" start", "a, b; c"},
        {"tab\there", "R&amp;D <b>"}, {"ünïcödé “x”", "дом"}};
    const std::string expected = "*the <house>\n=das <Haus>\n*\"quoted\" start\n=a, b; c\n*tab here\n=R&amp;D <b>\n"
                                 "*ünïcödé “x”\n=дом\n";
    for (const char* name : {"a.tsv", "a.csv", "a.kvtml", "a.txt"}) {
        SCOPED_TRACE(name);
        const std::string text = imp::ExportText(phrases, imp::ExportFormFor(name), "title");
        std::string back;
        const imp::SResult r = imp::ImportBytes(text, name, back);
        EXPECT_EQ(r.problem, Problem::None);
        EXPECT_EQ(back, expected);
        EXPECT_EQ(text.find("{{c1::house}}") != std::string::npos, name == std::string("a.txt"));
    }
    EXPECT_EQ(imp::ExportFormFor("dir.tsv/a"), imp::ExportForm::Unknown);
}

// A field's HTML as text: named (HTML5) and numbered references, blanks, media; clozes as brackets.
TEST(Import, HtmlFieldsBecomeTextAndClozesBrackets)
{
    const struct {
        const char* html;
        const char* text;
        int media;
    } html[] = {
        {"&Eacute;t&eacute;&nbsp;&amp;&nbsp;&hellip;&NotEqualTilde;&#x1F600;&#65;", "Été & …≂̸😀A", 0},
        {"&unknown; &amp &#xD800; &#; a&b", "&unknown; &amp \xEF\xBF\xBD &#; a&b", 0},
        {" <div>one</div><div>two<br>three</div>  <li>four</li> ", "one two three four", 0},
        {"<img src=\"a.png\">cat [sound:a.mp3][sound:b.ogg] <b>x</b>", "cat x", 3},
    };
    for (const auto& c : html) {
        int media = 0;
        EXPECT_EQ(imp::HtmlToText(c.html, &media), c.text) << c.html;
        EXPECT_EQ(media, c.media) << c.html;
    }
    const struct {
        const char* cloze;
        const char* brackets;
    } clozes[] = {
        {"{{c1::Paris::city}} is in {{c2::France}}", "<Paris> is in <France>"},
        {"{{c1::a {{c2::b::hint}} c}} d", "<a b c> d"},
        {"{{c1::a}} {{c2::open {{c3::x}} and more", "<a> {{c2::open {{c3::x}} and more"},
        {"{{c::no number}} {c1::one brace}", "{{c::no number}} {c1::one brace}"},
    };
    for (const auto& c : clozes)
        EXPECT_EQ(imp::ClozeToBrackets(c.cloze), c.brackets) << c.cloze;
}

} // namespace
