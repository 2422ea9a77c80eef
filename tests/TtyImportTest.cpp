// lexido-tty --import over Anki packages and --export, as a shell runs them: packages that cannot
// be read refused under a 1 GiB address-space limit with the old phrase file whole, the review
// log brought into the memory once, and a single-byte phrase file written out as UTF-8.

#include "platform/PlatFs.h"
#include "tests/TtyBatchFixture.h"

#include <zip.h>
#include <zstd.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define LEXIDO_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define LEXIDO_SANITIZED 1
#endif

namespace {

using namespace ttybatch;

// The sanitizers reserve far more address space than the limit allows: there it is not set.
#ifdef LEXIDO_SANITIZED
const std::string kLimit;
#else
const std::string kLimit = "prlimit --as=1073741824 ";
#endif
const std::string kPackages = LEXIDO_TEST_DATA_DIR "/import/anki/";

// A zip archive of stored entries.
void WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& entries)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& e : entries) {
        zip_source_t* source = zip_source_buffer(zip, e.second.data(), e.second.size(), 0);
        const zip_int64_t index = zip_file_add(zip, e.first.c_str(), source, ZIP_FL_OVERWRITE);
        ASSERT_GE(index, 0);
        zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

// A zstd stream of that many zero bytes that does not say its size: small, and decompressed only
// as far as the reader allows.
std::string ZstdZeros(std::size_t total)
{
    ZSTD_CCtx* cctx = ZSTD_createCCtx();
    const std::string zeros(std::size_t(1) << 20, '\0');
    std::string out, buffer(ZSTD_CStreamOutSize(), '\0');
    for (std::size_t done = 0; done < total; done += zeros.size()) {
        const bool last = done + zeros.size() >= total;
        ZSTD_inBuffer in{zeros.data(), zeros.size(), 0};
        std::size_t left = 0;
        do {
            ZSTD_outBuffer o{&buffer[0], buffer.size(), 0};
            left = ZSTD_compressStream2(cctx, &o, &in, last ? ZSTD_e_end : ZSTD_e_continue);
            out.append(buffer, 0, o.pos);
        } while (last ? left != 0 : in.pos < in.size);
    }
    ZSTD_freeCCtx(cctx);
    return out;
}

TEST_F(TtyBatchTest, PackagesThatCannotBeReadAreRefusedAndThePhraseFileStaysWhole)
{
    std::string current;
    ASSERT_TRUE(plat::ReadFileWhole(kPackages + "current.apkg", current));
    WriteFile("cut.apkg", current.substr(0, current.size() / 2));
    WriteZip(Path("text.apkg"), {{"collection.anki2", std::string(4096, 'x')}});
    WriteFile("empty.apkg", std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    WriteZip(
        Path("bomb.apkg"), {{"collection.anki2", "legacy"}, {"collection.anki21b", ZstdZeros(std::size_t(1) << 30)}});
    WriteZip(Path("badzstd.colpkg"), {{"collection.anki21b", "\x28\xB5\x2F\xFD garbage"}});
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"cut.apkg", "The package is damaged: "},
        {"text.apkg", "The package's collection is not an Anki database that can be read: file is not a database"},
        {"empty.apkg", "The package holds no Anki collection."},
        {"bomb.apkg", "larger than 512 MiB once uncompressed"},
        {"badzstd.colpkg", "The package is damaged: zstd: "},
    };
    const std::string old = "*old\n=alt\n";
    for (const auto& c : cases) {
        WriteFile("out.mix", old);
        const std::string command = "cd '" + Path(".") + "' && " + kLimit + "./lexido-tty --import " + c.file +
            " out.mix >stdout 2>stderr </dev/null";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << c.file << " " << status;
        EXPECT_NE(ReadFile("stderr").find(c.message), std::string::npos) << c.file << ": " << ReadFile("stderr");
        EXPECT_EQ(ReadFile("out.mix"), old) << c.file;
    }
}

TEST_F(TtyBatchTest, APackagesReviewsComeIntoTheMemoryOnceAndPhraseFilesGoOutAsUtf8)
{
    ASSERT_EQ(Run("--import " + kPackages + "current.apkg out.mix", ""), 0) << m_Err;
    EXPECT_EQ(m_Out, "5 phrases imported, 1 skipped (empty side), reviews brought into the memory: 5\n");
    ASSERT_EQ(Run("--memory --direction 0 out.mix", ""), 0) << m_Err;
    EXPECT_EQ(m_Out.substr(0, 11), "2026-01-08\t") << m_Out;
    EXPECT_NE(m_Out.find("\t3\t1\tla casa\n"), std::string::npos) << m_Out; // 3 reviews, 1 lapse
    ASSERT_EQ(Run("--import " + kPackages + "current.apkg out.mix", ""), 0) << m_Err;
    EXPECT_EQ(m_Out, "5 phrases imported, 1 skipped (empty side)\n");
    EXPECT_EQ(Run("--import x.apkg out.mix --fields 1", ""), 2);
    EXPECT_EQ(Run("--deck D out.mix", ""), 2);

    WriteFile("cp.mix",
        "*Stra\xDF"
        "e\n=street\n*<\xE4hnlich>\n=alike\n");
    ASSERT_EQ(Run("--export cp.mix cp.tsv", ""), 0) << m_Err;
    EXPECT_EQ(m_Out, "2 phrases exported.\n");
    EXPECT_EQ(ReadFile("cp.tsv"), "Straße\tstreet\n<ähnlich>\talike\n");
    EXPECT_EQ(Run("--export cp.mix cp.doc", ""), 1);
    EXPECT_NE(m_Err.find("cp.doc: This file type cannot be written"), std::string::npos) << m_Err;
    EXPECT_FALSE(Exists("cp.doc"));
}

} // namespace
