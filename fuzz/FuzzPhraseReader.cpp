// The phrase-record reader over arbitrary bytes. The same file is read through the plain file
// (the block-scanning reader) and through a file object of the general kind (the reader that
// takes one character at a time); both must give the same records, never overrun a field, and
// the reading must end.

#include "fuzz/FuzzSupport.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_Nrml.h"

#include <cstring>
#include <string>

namespace {
// An ISmrtFile over bytes in memory, with the plain file's meaning of each read operation.
class CMemFile : public ISmrtFile {
public:
    explicit CMemFile(const std::string& bytes) : m_Bytes(bytes) {}
    int sf_fopen(const char*, const char*) override { return 0; }
    int sf_fclose() override { return 0; }
    int sf_feof() override { return m_AtEnd; }
    int sf_fgetc() override
    {
        if (m_Pos < m_Bytes.size())
            return static_cast<unsigned char>(m_Bytes[m_Pos++]);
        m_AtEnd = 1;
        return -1;
    }
    int sf_fputc(int) override { return -1; }
    int sf_fputs(const char*) override { return -1; }
    int sf_fseek(long, int) override { return -1; }
    long sf_ftell() override { return static_cast<long>(m_Pos); }

private:
    const std::string& m_Bytes;
    std::size_t m_Pos = 0;
    int m_AtEnd = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    // One input in four is put behind well-formed phrases that end just before the plain
    // file's 64 KiB read-ahead block, so that fields also cross a block boundary.
    if (size > 1 && data[0] % 4 == 0) {
        const std::size_t target = 65536 - data[1] % 32;
        std::string pad;
        while (pad.size() + 8 <= target)
            pad += "* a\n= b\n";
        pad.append(target - pad.size(), 'c');
        bytes = pad + bytes.substr(2);
    }
    const std::string path = FuzzScratchFile("phrases.mix", bytes);

    CSmrtFile_Nrml plain;
    FUZZ_CHECK(plain.sf_fopen(path.c_str(), "rb") == 0);
    CMemFile mem(bytes);
    CPhraseReader fast(plain);
    CPhraseReader general(mem);
    // Both readers in step, record by record; fields start zeroed, so that what either writes
    // past its text shows too.
    static char a1[MAX_PHRASE_FIELD_SZ], a2[MAX_PHRASE_FIELD_SZ], b1[MAX_PHRASE_FIELD_SZ], b2[MAX_PHRASE_FIELD_SZ];
    std::size_t records = 0;
    for (;;) {
        // The first records are compared whole; the many of a padded input by their texts.
        const bool whole = records < 64;
        if (whole) {
            std::memset(a1, 0, sizeof a1);
            std::memset(a2, 0, sizeof a2);
            std::memset(b1, 0, sizeof b1);
            std::memset(b2, 0, sizeof b2);
        }
        const int ra = fast.ReadRecord(a1, a2);
        const int rb = general.ReadRecord(b1, b2);
        FUZZ_CHECK(ra == rb);
        if (whole)
            FUZZ_CHECK(std::memcmp(a1, b1, sizeof a1) == 0 && std::memcmp(a2, b2, sizeof a2) == 0);
        else
            FUZZ_CHECK(std::strcmp(a1, b1) == 0 && std::strcmp(a2, b2) == 0);
        FUZZ_CHECK(a1[MAX_PHRASE_FIELD_SZ - 1] == 0 && a2[MAX_PHRASE_FIELD_SZ - 1] == 0);
        FUZZ_CHECK(plain.sf_feof() == mem.sf_feof());
        if (!ra)
            break;
        // Every record read takes at least its two markers: more records than bytes is a loop.
        FUZZ_CHECK(++records <= bytes.size() / 2 + 1);
    }
    // A reading that stopped at the end of the file stays there: nothing more, still the end.
    // (One that stopped at a malformed phrase is simply not read on by the program.)
    if (plain.sf_feof()) {
        FUZZ_CHECK(fast.ReadRecord(a1, a2) == 0);
        FUZZ_CHECK(plain.sf_feof());
    }
    plain.sf_fclose();
    return 0;
}
