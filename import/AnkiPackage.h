#pragma once
// The notes of an Anki package (.apkg, .colpkg) as phrases, and its review log as reviews.

#include "import/PhraseSink.h"

#include <string>

namespace imp {

// Reads the package's collection in memory (an SQLite image, never a file on disk): each note's
// two fields (options.fields, else its first two) as a phrase, in the order the notes were made;
// notes of options.deck and its subdecks only, when given. Problems go into result (with its
// detail); the reviews of the phrases made are appended to reviews when given.
void ReadPackage(
    const std::string& bytes, const SOptions& options, CPhraseSink& sink, SResult& result, Reviews* reviews);
// The same over the collection's SQLite image, taken out of its archive (the header of a file
// left in WAL mode is changed in place to read without its log).
void ReadCollectionNotes(
    std::string& image, const SOptions& options, CPhraseSink& sink, SResult& result, Reviews* reviews);

} // namespace imp
