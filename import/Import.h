#pragma once
// Import of a learner's material into a UTF-8 phrase file: tab- and comma-separated text, Anki's
// plain-text export of notes, Anki's packages and KDE's kvtml 2.0 vocabulary, each record as
// "*first\n=second\n".

#include "memory/MemoryDb.h"

#include <string>
#include <vector>

namespace imp {

// The forms an input can have; chosen by its content first (XML root, Anki's header), then by
// its extension.
enum class Form { Unknown, Tsv, Csv, Anki, Kvtml, Package };

// Why nothing was written.
enum class Problem {
    None,
    CannotRead,   // the input cannot be read
    NotText,      // neither UTF-8 (after an optional byte-order mark) nor UTF-16 with one, or binary
    BadXml,       // XML that is not well-formed (line says where)
    UnknownForm,  // none of the known forms
    NoPhrases,    // not one record with both sides
    CannotWrite,  // the phrase file cannot be written
    BadArchive,   // a package whose archive is damaged (detail: what is wrong)
    NoCollection, // a package without a collection of notes
    TooLarge,     // a collection larger than kMaxCollection once uncompressed
    BadDatabase,  // a collection that is no SQLite database of notes (detail: SQLite's text)
    NoDeck,       // the deck asked for is not in the package (detail: its name)
};

// The largest collection a package may hold once uncompressed: a larger one is refused before
// it takes more memory.
constexpr std::size_t kMaxCollection = std::size_t(512) << 20;

// What a package import keeps: the two fields of each note (numbers from 1 or the names of its
// note type's fields; empty: the first two) and the deck whose notes (its subdecks' too) are
// read (empty: every deck).
struct SOptions {
    std::vector<std::string> fields;
    std::string deck;
};

struct SResult {
    Problem problem = Problem::None;
    Form form = Form::Unknown;
    int imported = 0; // phrases written
    int skipped = 0;  // records with an empty side, left out
    int cut = 0;      // texts cut at a character's end to the phrase file's 1023 bytes
    int markers = 0;  // texts whose phrase markers ('=' in a first text, '*' in a second, or
                      // either's own marker at its start) were put as their full-width forms
    int line = 0;     // with BadXml: the line of the fault, from 1
    int missing = 0;  // notes of a package without a field asked for, left out
    int media = 0;    // sound and picture references removed from the texts
    int reviews = 0;  // reviews of a package's log for the phrases made
    std::string detail; // with BadArchive, BadDatabase and NoDeck: what is wrong
};

// A package's review log for the phrases it made, oldest first: card texts (no brackets), the
// direction of the card, Anki's grade; no source (the phrase file's path is set by the caller).
using Reviews = std::vector<memory::SReview>;

// The phrase file made of an input's bytes; name is the input's file name, whose extension picks
// the form where the content does not. phrases is empty unless the result has no problem.
SResult ImportBytes(const std::string& bytes, const std::string& name, std::string& phrases,
    const SOptions& options = SOptions(), Reviews* reviews = nullptr);

// Reads the file in and judges it: phrases is the phrase file it becomes, empty with a problem.
// The window asks where to write only what can be imported.
SResult ReadInput(
    const std::string& in, std::string& phrases, const SOptions& options = SOptions(), Reviews* reviews = nullptr);
// Writes what ReadInput made to out through the atomic writer; the problem is CannotWrite when
// it cannot be written.
void WritePhrases(const std::string& out, const std::string& phrases, SResult& result);

// Both: reads the file in, imports it and writes the phrase file out; nothing is written when
// there is a problem.
SResult ImportFile(
    const std::string& in, const std::string& out, const SOptions& options = SOptions(), Reviews* reviews = nullptr);

// The phrase file an input becomes unless the learner names another: its path with the
// extension ".mix" for its own.
std::string PhraseFileFor(const std::string& in);

// The file a message about the result names: out when it was written or could not be, in
// otherwise.
const std::string& SubjectPath(const SResult& result, const std::string& in, const std::string& out);

} // namespace imp
