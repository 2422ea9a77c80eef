// The hidden-file reader over arbitrary bytes: any file is some hidden stream. Reading it with
// the usual pattern must end; when no carriage return was dropped, hiding what was read again
// gives back the very bytes of the file; a seek lands on the character it names; and the
// phrase reader over the hidden file ends too. The files are streams in memory.

#include "fuzz/FuzzMemFile.h"
#include "fuzz/FuzzSupport.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_HideText.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The stream as a reader sees it: read; while not at the end, keep and read again.
    std::string plainText;
    FuzzRun([&] {
        CSmrtFile_HideText file;
        FUZZ_CHECK(file.sf_fopen_stream(FuzzReadStream(bytes)) == 0);
        int c = file.sf_fgetc();
        while (!file.sf_feof()) {
            plainText.push_back(static_cast<char>(c));
            FUZZ_CHECK(plainText.size() <= size);
            c = file.sf_fgetc();
        }
        // At the end it stays at the end.
        file.sf_fgetc();
        FUZZ_CHECK(file.sf_feof());
        file.sf_fclose();
    });

    if (plainText.size() == size) {
        // Nothing was dropped: hiding the text again must give the file back byte for byte.
        FuzzWriteStream again;
        FuzzRun([&] {
            CSmrtFile_HideText out;
            FUZZ_CHECK(out.sf_fopen_stream(again.Stream()) == 0);
            for (char ch : plainText)
                out.sf_fputc(static_cast<unsigned char>(ch));
            out.sf_fclose();
        });
        FUZZ_CHECK(again.Take() == bytes);

        // A seek from the start lands on the character it names.
        if (size > 0) {
            const long offset = static_cast<long>((data[0] * 131u + size) % size);
            FuzzRun([&] {
                CSmrtFile_HideText file;
                FUZZ_CHECK(file.sf_fopen_stream(FuzzReadStream(bytes)) == 0);
                file.sf_fseek(offset, 0);
                FUZZ_CHECK(file.sf_ftell() == offset);
                const int c = file.sf_fgetc();
                FUZZ_CHECK(c == static_cast<signed char>(plainText[static_cast<std::size_t>(offset)]));
                file.sf_fclose();
            });
        }
    }

    // Phrases out of a hidden file: the general reader over the hidden stream ends.
    FuzzRun([&] {
        CSmrtFile_HideText file;
        FUZZ_CHECK(file.sf_fopen_stream(FuzzReadStream(bytes)) == 0);
        CPhraseReader reader(file);
        char first[MAX_PHRASE_FIELD_SZ], second[MAX_PHRASE_FIELD_SZ];
        std::size_t n = 0;
        while (reader.ReadRecord(first, second)) {
            FUZZ_CHECK(std::strlen(first) < MAX_PHRASE_FIELD_SZ && std::strlen(second) < MAX_PHRASE_FIELD_SZ);
            FUZZ_CHECK(++n <= size / 2 + 1);
        }
        file.sf_fclose();
    });
    return 0;
}
