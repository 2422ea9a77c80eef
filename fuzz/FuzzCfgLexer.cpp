// The configuration tokenizer over arbitrary bytes: it ends, every symbol fits its buffer, the
// line count is one more than the line ends, and going back to the position after a symbol
// (as the text maker does) reads the same symbols again. The file is a stream in memory, read
// by one tokenizer throughout.

#include "config/CDbLexer.h"
#include "fuzz/FuzzMemFile.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct Sym {
    unsigned char type;
    std::string text;
    long after;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::vector<Sym> syms;
    int lines = 0;
    CDbLexer lexer;
    const bool read = FuzzRun([&] {
        lexer.OpenStream(FuzzReadStream(bytes), "lexer.cfg");
        for (;;) {
            lexer.GetSym();
            const char* text = lexer.GetSymText();
            FUZZ_CHECK(std::strlen(text) <= static_cast<std::size_t>(DB_MAX_SYM));
            const unsigned char type = lexer.GetSymType();
            FUZZ_CHECK(type == SYM_EOF || type == SYM_QUOTED || type == SYM_WORD);
            FUZZ_CHECK(lexer.GetPosAfterSym() >= 0 && lexer.GetPosAfterSym() <= static_cast<long>(size));
            syms.push_back(Sym{type, text, lexer.GetPosAfterSym()});
            if (type == SYM_EOF)
                break;
            // Each symbol takes at least one byte: more symbols than bytes is a loop.
            FUZZ_CHECK(syms.size() <= size + 1);
        }
        // After the end, the end again.
        lexer.GetSym();
        FUZZ_CHECK(lexer.GetSymType() == SYM_EOF);
        lines = lexer.GetLineNumber();
    });
    const long lineEnds = std::count(data, data + size, static_cast<std::uint8_t>('\n'));
    FUZZ_CHECK(lines == lineEnds + 1);

    // Seeking back to the position after a symbol reads on alike, whatever the tokenizer read
    // before: from the first symbol to the end, and from 15 more spread over the file for the
    // next 8 symbols each.
    const std::size_t step = syms.size() / 16 + 1;
    for (std::size_t i = 0; read && i + 1 < syms.size(); i += step) {
        const std::size_t last = i == 0 ? syms.size() : std::min(syms.size(), i + 9);
        FuzzRun([&] {
            lexer.Set_fseek(syms[i].after);
            for (std::size_t j = i + 1; j < last; ++j) {
                lexer.GetSym();
                FUZZ_CHECK(lexer.GetSymType() == syms[j].type);
                FUZZ_CHECK(syms[j].text == lexer.GetSymText());
            }
        });
    }
    return 0;
}
