// Phrase files as they arrive from anywhere: none may crash, hang, write past a field or write
// anything but the results and current.cut.
#include "base/Globals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "tests/FileTestSupport.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/CUtltsFile.h"
#include "texts/SmrtFileOps.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {
// Reads every phrase, checking that no text overran its field.
PhrasePairs ReadAll(ISmrtFile& f)
{
    CPhraseReader reader(f);
    PhrasePairs out;
    char a[MAX_PHRASE_FIELD_SZ + 16], b[MAX_PHRASE_FIELD_SZ + 16];
    std::memset(a, 'G', sizeof a);
    std::memset(b, 'G', sizeof b);
    while (reader.ReadRecord(a, b)) {
        EXPECT_LT(std::strlen(a), static_cast<std::size_t>(MAX_PHRASE_FIELD_SZ));
        EXPECT_LT(std::strlen(b), static_cast<std::size_t>(MAX_PHRASE_FIELD_SZ));
        out.emplace_back(a, b);
    }
    for (int i = MAX_PHRASE_FIELD_SZ; i < MAX_PHRASE_FIELD_SZ + 16; ++i) {
        EXPECT_EQ(a[i], 'G');
        EXPECT_EQ(b[i], 'G');
    }
    return out;
}

std::vector<std::string> Corpus()
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(std::string(LEXIDO_TEST_DATA_DIR) + "/phrases"))
        if (e.path().extension() == ".mix")
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

class BrokenPhraseFilesTest : public FilesTest {
protected:
    void Install(const std::string& name)
    {
        fs::create_directories(Path("Text"));
        fs::copy_file(std::string(LEXIDO_TEST_DATA_DIR) + "/phrases/" + name, Path("Text/" + name),
                      fs::copy_options::overwrite_existing);
    }

    template <class File>
    PhrasePairs ReadWith(const std::string& path)
    {
        File f;
        EXPECT_EQ(f.sf_fopen(path.c_str(), "rb"), 0);
        PhrasePairs p = ReadAll(f);
        f.sf_fclose();
        return p;
    }

    // What the passes do with a file: show it, scroll it, read its phrases, write the marked ones
    // to current.cut the way the work file does and copy them to the pass's results file.
    void UseAsALearnerWould(const std::string& name)
    {
        m_View.dialogs.openAnswers.push_back(Path("Text/" + name));
        ASSERT_EQ(m_pFiles->OpenFile(&m_View), 0);
        ASSERT_TRUE(m_View.dialogs.problems.empty()) << name;
        EXPECT_LE(m_View.text.size(), CUtltsFile::kMaxShownChars);
        const long length = static_cast<long>(fs::file_size(Path("Text/" + name)));
        EXPECT_EQ(m_View.total, length);
        for (long pos : {0L, 1L, length / 3, length / 2, length - 1, length, length + 10}) {
            m_pFiles->ScrallViewFile(&m_View, 5, static_cast<int>(pos), nullptr);
            EXPECT_LE(m_View.text.size(), CUtltsFile::kMaxShownChars);
        }

        const PhrasePairs plain = ReadWith<CSmrtFile_Nrml>(m_pFiles->GetCurrentFileName());
        ReadWith<CSmrtFile_HideText>(m_pFiles->GetCurrentFileName());

        g_pIItrtnSrvc->BeginPass();
        g_pIItrtnSrvc->MakeRsltsFileName();
        {
            CSmrtFile_Nrml cut;
            ASSERT_EQ(cut.sf_fopen(m_pFiles->GetCutFileName(), "wb"), 0);
            for (const auto& p : plain) {
                cut.sf_fputc('*');
                cut.sf_fputs(p.first.c_str());
                cut.sf_fputc('\n');
                cut.sf_fputc('=');
                cut.sf_fputs(p.second.c_str());
                cut.sf_fputc('\n');
            }
            cut.sf_fclose();
        }
        CSmrtFile_Nrml in, out;
        ASSERT_EQ(in.sf_fopen(m_pFiles->GetCutFileName(), "rb"), 0);
        ASSERT_EQ(out.sf_fopen(g_pIItrtnSrvc->GetRsltsFileName(), "wb"), 0);
        CopySmrtFile(in, out);
        in.sf_fclose();
        out.sf_fclose();
        g_pIItrtnSrvc->SetIterationStatus(plain.empty() ? ITERATION_STATUS_IS_OVER : ITERATION_STATUS_NEXT);
        g_pIItrtnSrvc->EndPass();

        // What the work file writes reads back as the same phrases (texts as C strings see them).
        PhrasePairs asStrings;
        for (const auto& p : plain)
            asStrings.emplace_back(p.first.c_str(), p.second.c_str());
        EXPECT_EQ(ReadWith<CSmrtFile_Nrml>(g_pIItrtnSrvc->GetRsltsFileName()), asStrings) << name;
    }
};

TEST_F(BrokenPhraseFilesTest, NoFileOfTheCorpusCrashesHangsOrWritesElsewhere)
{
    const std::vector<std::string> corpus = Corpus();
    ASSERT_GE(corpus.size(), 12u);
    for (const std::string& name : corpus)
        Install(name);
    const auto before = Snapshot();
    for (const std::string& name : corpus) {
        SCOPED_TRACE(name);
        UseAsALearnerWould(name);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(BrokenPhraseFilesTest, TheCorpusReadsAsTheRuleSays)
{
    for (const std::string& name : Corpus())
        Install(name);
    auto read = [&](const char* name) { return ReadWith<CSmrtFile_Nrml>(Path(std::string("Text/") + name)); };
    EXPECT_EQ(read("empty.mix"), PhrasePairs{});
    EXPECT_EQ(read("no_markers.mix"), PhrasePairs{});
    EXPECT_EQ(read("only_markers.mix"), PhrasePairs{});
    EXPECT_EQ(read("crlf.mix"), (PhrasePairs{{"Good morning\r", "Guten Morgen\r"}, {"Good night\r", "Gute Nacht\r"}}));
    EXPECT_EQ(read("cr_only.mix"), (PhrasePairs{{"Yes\r", "Ja\r"}, {"No\r", "Nein\r"}}));
    EXPECT_EQ(read("unterminated.mix"), (PhrasePairs{{"Bread", "Brot"}}));
    const PhrasePairs huge = read("huge_field.mix");
    ASSERT_EQ(huge.size(), 2u);
    EXPECT_EQ(huge[0].second.size(), 1023u);
    EXPECT_EQ(huge[1], (std::pair<std::string, std::string>{"Thank you", "Danke"}));
    const PhrasePairs nul = read("nul_bytes.mix");
    ASSERT_EQ(nul.size(), 2u);
    // The file's last byte is a zero, so the last text does not end with its LF.
    EXPECT_EQ(nul[1].second.c_str(), std::string("Milch\n"));
    // A file hidden with another key is noise to this program's key, and to a plain reader.
    const PhrasePairs other = ReadWith<CSmrtFile_HideText>(Path("Text/hidden_other_key.mix"));
    EXPECT_EQ(std::count(other.begin(), other.end(), std::pair<std::string, std::string>{"Phrase number 0", "Satz Nummer 0"}), 0);
}

TEST_F(BrokenPhraseFilesTest, AGigabyteFileShowsAndScrollsWithoutReadingItAll)
{
    const std::string big = Path("Text/big.mix");
    fs::create_directories(Path("Text"));
    {
        std::ofstream out(big, std::ios::binary);
        out << "* first\n= erste\n";
    }
    fs::resize_file(big, 1024L * 1024 * 1024); // sparse: zero bytes after the first phrase
    const auto start = std::chrono::steady_clock::now();
    m_View.dialogs.openAnswers.push_back(big);
    m_pFiles->OpenFile(&m_View);
    EXPECT_EQ(m_View.text, "* first\n= erste\n"); // the screen text ends at the first zero byte
    EXPECT_EQ(m_View.total, 1024L * 1024 * 1024);
    m_pFiles->ScrallViewFile(&m_View, 5, 512 * 1024 * 1024, nullptr);
    m_pFiles->ScrallViewFile(&m_View, 7, 1024 * 1024 * 1024 - 1, nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    fs::remove(big);
}
