// Import of learner's material: small real files of every form and broken ones, each giving its
// phrase file byte for byte or the problem that keeps anything from being written.

#include "import/Import.h"
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
    {"notes.txt", Problem::None, 2, 0, 0, 0, "*bread & butter\n=Brot und Butter\n*<cat>\n=Abc &eacute;\n"},
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

} // namespace
