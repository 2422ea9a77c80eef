#pragma once
// The system's one UTF-8 codec: the texts written in this source tree (interface tables, help
// files, the masters of the shipped texts) and the terminal's output and keys pass through it.

#include <cstddef>
#include <cstdint>
#include <string>

namespace plat {

// How the bytes of a phrase file, of a screen and of the keys are read: one byte a character in
// the code page of its language, or UTF-8 (the file began with the byte-order mark, or not).
enum class TextCoding { SingleByte, Utf8, Utf8Bom };

constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kUtf8BomSize = 3;

inline bool IsUtf8Coding(TextCoding coding)
{
    return coding != TextCoding::SingleByte;
}

// Decides the coding of a text given in pieces (a file read block by block): UTF-8 when it
// begins with the byte-order mark, or when it holds a byte of 0x80 or above and the whole text
// is well-formed UTF-8; single-byte otherwise.
class CCodingProbe {
public:
    void Feed(const char* bytes, std::size_t n);
    TextCoding Result() const;
    // The same for text that goes on beyond what was fed: a character cut by the end of the
    // last piece does not count against UTF-8.
    TextCoding ResultOfBeginning() const;

private:
    struct SState {
        std::uint64_t carry = 0; // continuation bytes the last block's characters call for
        unsigned second = 0;     // the range the next block's first byte must lie in
        bool high = false;       // a byte of 0x80 or above was seen
        bool valid = true;
    };
    struct SEnd {
        bool utf8; // high bytes, all well-formed so far
        bool cut;  // the text ends inside a character
    };
    static bool Block(SState& state, const unsigned char* block, std::uint64_t real);
    SEnd End() const;

    std::size_t m_Fed = 0;
    bool m_Bom = true; // the bytes fed so far agree with the byte-order mark
    SState m_State;
    unsigned char m_Pending[64] = {}; // the start of a block not yet whole
    std::size_t m_PendingLen = 0;
};

// Decodes the character at text (n bytes available) into out; its length in bytes, or 0 when
// it is malformed or cut short.
int DecodeUtf8(const char* text, std::size_t n, char32_t& out);

// The length a UTF-8 character that begins with this byte has (1 for ASCII and for a byte
// that cannot begin one).
inline int Utf8Length(unsigned char lead)
{
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
}

// The first n bytes of text without a character that they cut short at their end: what a
// bounded copy of a UTF-8 text keeps.
std::size_t Utf8WholePrefix(const char* text, std::size_t n);

// Where the last character of the first n bytes of text begins (0 when n is 0): what a
// Backspace leaves of a UTF-8 text. Stray continuation bytes go with the character before them.
std::size_t Utf8LastCharStart(const char* text, std::size_t n);

// Decodes the character at text[pos] and moves pos past it. False, with pos unchanged, at the
// end or on a malformed sequence (cut short, overlong, a surrogate, beyond U+10FFFF).
bool NextUtf8(const std::string& text, std::size_t& pos, char32_t& out);

// True when the whole text is well-formed UTF-8.
bool IsUtf8(const std::string& text);

// UTF-16 bytes after their byte-order mark (the first two bytes), appended to text as UTF-8;
// false for an odd length, a lone surrogate or a zero character.
bool Utf16ToUtf8(const std::string& bytes, bool bigEndian, std::string& text);

// Appends the UTF-8 form of one code point; one that UTF-8 cannot hold (a surrogate, beyond
// U+10FFFF) is appended as U+FFFD.
void AppendUtf8(char32_t u, std::string& out);

// The UTF-8 form of a sequence of code points.
std::string ToUtf8(const std::u32string& text);

// The bytes of a UTF-8 text in a single-byte code page. False when the text is not UTF-8 or
// holds a character the code page lacks; each such byte or character becomes '?'.
bool Utf8ToCodePage(const std::string& utf8, int codePage, std::string& out);

} // namespace plat
