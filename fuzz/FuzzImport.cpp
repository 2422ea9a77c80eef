// The importers over arbitrary bytes, in memory. The first byte picks the file name the input
// comes with (and so the form where the content does not tell it); the rest is the input. A
// phrase file made of it holds exactly the phrases counted, each a "*" line and a "=" line of
// well-formed UTF-8 that no marker breaks, and the phrase reader reads those texts back whole.

#include "fuzz/FuzzMemFile.h"
#include "fuzz/FuzzSupport.h"
#include "import/Import.h"
#include "platform/PlatUtf8.h"
#include "texts/CPhraseReader.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    static const char* const kNames[] = {"a.tsv", "a.csv", "a.txt", "a.kvtml", "a", "a.dat"};
    const char* name = size ? kNames[data[0] % (sizeof kNames / sizeof kNames[0])] : "a";
    const std::string bytes = size ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1) : std::string();
    std::string phrases;
    const imp::SResult r = imp::ImportBytes(bytes, name, phrases);
    FUZZ_CHECK((r.problem == imp::Problem::None) == !phrases.empty());
    FUZZ_CHECK(r.problem != imp::Problem::None || r.imported > 0);
    FUZZ_CHECK(r.problem != imp::Problem::BadXml || r.line >= 1);
    FUZZ_CHECK(plat::IsUtf8(phrases));

    FuzzMemFile mem(phrases);
    CPhraseReader reader(mem);
    static char first[MAX_PHRASE_FIELD_SZ], second[MAX_PHRASE_FIELD_SZ];
    std::size_t at = 0;
    for (int i = 0; i < r.imported; ++i) {
        FUZZ_CHECK(reader.ReadRecord(first, second) == 1);
        // Each text is the rest of its line, and its line holds no marker that ends it.
        for (const char* text : {first, second}) {
            const char marker = text == first ? PHRASE_FIRST_MARKER : PHRASE_SECOND_MARKER;
            const char other = text == first ? PHRASE_SECOND_MARKER : PHRASE_FIRST_MARKER;
            const std::size_t end = phrases.find('\n', at);
            FUZZ_CHECK(end != std::string::npos && phrases[at] == marker);
            const std::string line = phrases.substr(at + 1, end - at - 1);
            FUZZ_CHECK(!line.empty() && line == text && line.find(other) == std::string::npos);
            FUZZ_CHECK(line[0] != ' ' && line[0] != marker && line.size() < MAX_PHRASE_FIELD_SZ);
            at = end + 1;
        }
    }
    FUZZ_CHECK(at == phrases.size() && reader.ReadRecord(first, second) == 0);
    return 0;
}
