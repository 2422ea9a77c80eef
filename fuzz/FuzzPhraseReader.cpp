// The phrase-record reader over arbitrary bytes, in memory. The same bytes are read through the
// plain file (the block-scanning reader) and through a file object of the general kind (the
// reader that takes one character at a time); both must give the same records, never overrun a
// field, and the reading must end.

#include "fuzz/FuzzMemFile.h"
#include "fuzz/FuzzSupport.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_Nrml.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The plain file reads ahead in blocks of 1 to 128 bytes, as the first byte says, so that
    // fields cross a block's edge as they do at the 64 KiB edges of a long file.
    CSmrtFile_Nrml plain(size ? 1 + data[0] % 128u : 1);
    FUZZ_CHECK(plain.sf_fopen_stream(FuzzReadStream(bytes)) == 0);
    FuzzMemFile mem(bytes);
    CPhraseReader fast(plain);
    CPhraseReader general(mem);
    // Both readers in step, record by record; fields start zeroed, so that what either writes
    // past its text shows too.
    static char a1[MAX_PHRASE_FIELD_SZ], a2[MAX_PHRASE_FIELD_SZ], b1[MAX_PHRASE_FIELD_SZ], b2[MAX_PHRASE_FIELD_SZ];
    std::size_t records = 0;
    for (;;) {
        // The first records are compared whole; the many of a long input by their texts.
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
