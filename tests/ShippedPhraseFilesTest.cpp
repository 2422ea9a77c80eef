// The shipped phrase files as the first start makes them: both makers over the shipped source
// texts give exactly the 5 + 108 files, each phrase the same record of its two sources, read
// back through the phrase reader of the passes, plain and hidden alike.
#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "tests/FakeUtltsFile.h"
#include "tests/FileTestSupport.h"
#include "tests/TestProgramFolder.h"
#include "texts/CAliceTxtMkr.h"
#include "texts/CCgTxtMkr.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {
// The texts of a shipped source, record by record: its lines joined by LF, as a phrase holds
// them once read.
std::vector<std::string> Records(const std::string& bytes)
{
    std::vector<std::string> recs;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 2;
        if (line.compare(0, 2, "# ") == 0) {
            recs.emplace_back();
        } else if (!recs.empty()) {
            if (!recs.back().empty())
                recs.back() += '\n';
            recs.back() += line;
        }
    }
    return recs;
}

struct SMade {
    std::string first, second, output;
};

// Every file the two makers write, with its sources, in the order made.
std::vector<SMade> AllMade()
{
    std::vector<SMade> all;
    for (const CAliceTxtMkr::SRow& r : CAliceTxtMkr::kTable)
        all.push_back({r.first, r.second, r.output});
    for (const CCgTxtMkr::SPair& p : CCgTxtMkr::kPairTable)
        for (const char* topic : CCgTxtMkr::kTopicTable) {
            const std::string src = "/Settings/Texts_Src/Cg/";
            all.push_back({src + p.firstCode + "/" + topic + ".txt", src + p.secondCode + "/" + topic + ".txt",
                           std::string("/Text/Conversational Guide/") + p.folder + "/" + topic + ".mix"});
        }
    return all;
}
} // namespace

class ShippedPhraseFilesTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        InstallShippedTexts();
        m_Files = std::make_unique<FakeUtltsFile>(m_Dir);
        g_pIUtltsFile = m_Files.get();
    }
    void TearDown() override
    {
        g_pIUtltsFile = nullptr;
        ProgramFolderTest::TearDown();
    }

    // What the first start does: each maker from the factory, plain output, all its files.
    void MakeAll(bool hidden)
    {
        for (int type : {1, 2}) {
            std::unique_ptr<IAliceTxtMkr> maker(g_pILsnAFc->Create_IAliceTxtMkr(type));
            ASSERT_NE(maker, nullptr);
            if (!hidden) {
                EXPECT_EQ(maker->SetNrmlOutput(), 0);
            }
            EXPECT_EQ(maker->UnfastenText(), 0);
        }
    }

    std::set<std::string> FilesBelow(const std::string& rel) const
    {
        std::set<std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(Path(rel)))
            if (e.is_regular_file())
                files.insert("/" + fs::relative(e.path(), m_Dir).string());
        return files;
    }

    std::unique_ptr<FakeUtltsFile> m_Files;
};

TEST_F(ShippedPhraseFilesTest, BothMakersGiveEveryPhraseOfTheirSources)
{
    MakeAll(false);
    EXPECT_EQ(Log(), "");
    const std::vector<SMade> all = AllMade();
    ASSERT_EQ(all.size(), 5u + 108u);
    std::set<std::string> expected;
    for (const SMade& m : all)
        expected.insert(m.output);
    EXPECT_EQ(FilesBelow("Text"), expected);

    for (const SMade& m : all) {
        SCOPED_TRACE(m.output);
        const std::vector<std::string> first = Records(ReadFile(m.first.substr(1)));
        const std::vector<std::string> second = Records(ReadFile(m.second.substr(1)));
        ASSERT_FALSE(first.empty());
        ASSERT_EQ(first.size(), second.size());
        const std::string bytes = ReadFile(m.output.substr(1));
        EXPECT_EQ(bytes.find('\r'), std::string::npos);
        EXPECT_NE(bytes.back(), '\n');

        CSmrtFile_Nrml f;
        const PhrasePairs phrases = ReadPhrases(f, Path(m.output.substr(1)));
        ASSERT_EQ(phrases.size(), first.size());
        for (std::size_t i = 0; i < phrases.size(); ++i) {
            EXPECT_FALSE(phrases[i].first.empty()) << i + 1;
            EXPECT_FALSE(phrases[i].second.empty()) << i + 1;
            EXPECT_EQ(phrases[i].first, first[i]) << i + 1;
            EXPECT_EQ(phrases[i].second, second[i]) << i + 1;
        }
    }
}

TEST_F(ShippedPhraseFilesTest, HiddenFilesReadBackToThePlainOnes)
{
    MakeAll(false);
    const std::vector<SMade> all = AllMade();
    std::vector<PhrasePairs> plain;
    for (const SMade& m : all) {
        CSmrtFile_Nrml f;
        plain.push_back(ReadPhrases(f, Path(m.output.substr(1))));
    }
    MakeAll(true);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(FilesBelow("Text").size(), all.size());
    for (std::size_t k = 0; k < all.size(); ++k) {
        SCOPED_TRACE(all[k].output);
        CSmrtFile_HideText h;
        EXPECT_EQ(ReadPhrases(h, Path(all[k].output.substr(1))), plain[k]);
        CSmrtFile_Nrml f;
        EXPECT_NE(ReadPhrases(f, Path(all[k].output.substr(1))), plain[k]);
    }
}
