// Anki's packages over arbitrary bytes, in memory. The first byte picks what the rest is: a
// package (a zip archive), or the SQLite image of a collection read as a package's would be, and
// which fields and deck are asked for. The phrase file holds exactly the phrases counted, in
// well-formed UTF-8; reviews come only with phrases, each in a direction and of a grade that exist.

#include "fuzz/FuzzSupport.h"
#include "import/AnkiPackage.h"
#include "import/Import.h"
#include "platform/PlatUtf8.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    const unsigned pick = size ? data[0] : 0;
    std::string bytes = size ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1) : std::string();
    imp::SOptions options;
    if (pick & 2)
        options.fields = {"back", "Front"};
    if (pick & 4)
        options.fields = {"2", "1"};
    if (pick & 8)
        options.deck = "Default";
    std::string phrases;
    imp::Reviews reviews;
    imp::SResult r;
    if (pick & 1) {
        imp::CPhraseSink sink(r, phrases);
        imp::ReadCollectionNotes(bytes, options, sink, r, &reviews);
        if (r.problem != imp::Problem::None)
            reviews.clear();
    } else {
        r = imp::ImportBytes(bytes, "a.apkg", phrases, options, &reviews);
        FUZZ_CHECK((r.problem == imp::Problem::None) == !phrases.empty());
        FUZZ_CHECK(r.problem != imp::Problem::None || r.imported > 0);
        FUZZ_CHECK(r.problem == imp::Problem::None || reviews.empty());
    }
    FUZZ_CHECK(plat::IsUtf8(phrases));
    FUZZ_CHECK(r.imported >= 0 && r.skipped >= 0 && r.missing >= 0 && r.media >= 0);
    if (r.problem == imp::Problem::None)
        FUZZ_CHECK(static_cast<int>(std::count(phrases.begin(), phrases.end(), '\n')) == 2 * r.imported);
    for (const memory::SReview& review : reviews) {
        FUZZ_CHECK(review.direction == 0 || review.direction == 1);
        FUZZ_CHECK(review.grade >= 1 && review.grade <= 4);
        FUZZ_CHECK(plat::IsUtf8(review.text1) && plat::IsUtf8(review.text2));
    }
    return 0;
}
