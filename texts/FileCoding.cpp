#include "texts/FileCoding.h"

#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_Nrml.h"

#include <algorithm>

plat::TextCoding DecideFileCoding(ISmrtFile& file, long limit)
{
    plat::CCodingProbe probe;
    file.sf_fseek(0, 0);
    std::size_t left = limit < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(limit);
    if (auto* plain = dynamic_cast<CSmrtFile_Nrml*>(&file)) {
        // A block at a time: the decision costs little more than the reading itself.
        while (left > 0) {
            std::size_t n = 0;
            const char* block = plain->Buffered(n);
            if (n == 0)
                break;
            n = std::min(n, left);
            probe.Feed(block, n);
            plain->Skip(n);
            left -= n;
        }
    } else {
        char piece[256];
        std::size_t n = 0;
        for (int c = file.sf_fgetc(); !file.sf_feof() && left > 0; c = file.sf_fgetc(), --left) {
            piece[n++] = static_cast<char>(c);
            if (n == sizeof piece) {
                probe.Feed(piece, n);
                n = 0;
            }
        }
        probe.Feed(piece, n);
    }
    const plat::TextCoding coding = left == 0 ? probe.ResultOfBeginning() : probe.Result();
    RewindText(file, coding);
    return coding;
}

int CountRecordsDeciding(ISmrtFile& file, plat::TextCoding& coding)
{
    auto* plain = dynamic_cast<CSmrtFile_Nrml*>(&file);
    if (!plain)
        coding = DecideFileCoding(file);
    plat::CCodingProbe probe;
    if (plain)
        plain->WatchBlocks(&probe);
    // A byte-order mark does not change where the records begin and end.
    static thread_local char one[MAX_PHRASE_FIELD_SZ];
    static thread_local char two[MAX_PHRASE_FIELD_SZ];
    CPhraseReader reader(file);
    int count = 0;
    while (reader.ReadRecord(one, two))
        ++count;
    if (plain) {
        // A malformed record ends the counting; the rest of the file still counts for the coding.
        for (std::size_t n = 0; plain->Buffered(n), n > 0;)
            plain->Skip(n);
        plain->WatchBlocks(nullptr);
        coding = probe.Result();
    }
    RewindText(file, coding);
    return count;
}

void RewindText(ISmrtFile& file, plat::TextCoding coding)
{
    file.sf_fseek(coding == plat::TextCoding::Utf8Bom ? static_cast<long>(plat::kUtf8BomSize) : 0L, 0);
}
