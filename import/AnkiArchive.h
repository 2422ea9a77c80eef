#pragma once
// The collection of an Anki package (.apkg, .colpkg): a zip archive read in memory, its newest
// collection entry taken and, when zstd-compressed, decompressed, never beyond kMaxCollection.

#include "import/Import.h"

#include <string>

namespace imp {

// True when the bytes open as a zip archive does (a local entry or an empty archive's end).
bool LooksLikeZip(const std::string& bytes);

// The SQLite image of the package's collection: "collection.anki21b" (zstd), else
// "collection.anki21", else "collection.anki2" (a newer package's legacy file, which holds only
// a note asking to update, is never taken over the first). Problem::None, or BadArchive (detail
// says what is wrong), NoCollection or TooLarge with db empty.
Problem ReadCollection(const std::string& zip, std::string& db, std::string& detail);

} // namespace imp
