#include "texts/FileCoding.h"

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

void RewindText(ISmrtFile& file, plat::TextCoding coding)
{
    file.sf_fseek(coding == plat::TextCoding::Utf8Bom ? static_cast<long>(plat::kUtf8BomSize) : 0L, 0);
}
