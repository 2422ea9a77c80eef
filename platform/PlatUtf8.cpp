#include "platform/PlatUtf8.h"

#include "platform/PlatCodePage.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace plat {

int DecodeUtf8(const char* text, std::size_t n, char32_t& out)
{
    if (n == 0)
        return 0;
    const unsigned char b0 = static_cast<unsigned char>(text[0]);
    std::size_t more;
    char32_t cp;
    char32_t least;
    if (b0 < 0x80) {
        out = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        more = 1, cp = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        more = 2, cp = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        more = 3, cp = b0 & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (n <= more)
        return 0;
    for (std::size_t k = 1; k <= more; ++k) {
        const unsigned char b = static_cast<unsigned char>(text[k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    out = cp;
    return static_cast<int>(more + 1);
}

bool NextUtf8(const std::string& text, std::size_t& pos, char32_t& out)
{
    if (pos >= text.size())
        return false;
    const int len = DecodeUtf8(text.data() + pos, text.size() - pos, out);
    pos += static_cast<std::size_t>(len);
    return len > 0;
}

std::size_t Utf8WholePrefix(const char* text, std::size_t n)
{
    // The last character's first byte lies at most three bytes back.
    std::size_t lead = n;
    for (int back = 0; back < 4 && lead > 0; ++back) {
        --lead;
        if ((static_cast<unsigned char>(text[lead]) & 0xC0) != 0x80)
            break;
    }
    if (lead < n && lead + static_cast<std::size_t>(Utf8Length(static_cast<unsigned char>(text[lead]))) > n)
        return lead;
    return n;
}

std::size_t Utf8LastCharStart(const char* text, std::size_t n)
{
    if (n == 0)
        return 0;
    std::size_t lead = n - 1;
    while (lead > 0 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80)
        --lead;
    return lead;
}

bool Utf16ToUtf8(const std::string& bytes, bool bigEndian, std::string& text)
{
    if (bytes.size() % 2)
        return false;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? a << 8 | b : b << 8 | a);
    };
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xDC00 && c < 0xE000)
            return false;
        if (c >= 0xD800 && c < 0xDC00) {
            const char32_t low = i + 2 < bytes.size() ? unit(i + 2) : 0;
            if (low < 0xDC00 || low >= 0xE000)
                return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        if (c == 0)
            return false;
        AppendUtf8(c, text);
    }
    return true;
}

namespace {
// Bit i of the mask stands for byte i of a block of 64: set where the byte equals `byte`
// (kEqual), or else where it is above it, both taken as signed (the bytes of 0x80 and above are
// the negative ones).
template <bool kEqual>
std::uint64_t Mask(const unsigned char* block, unsigned char byte)
{
    std::uint64_t m = 0;
#if defined(__SSE2__)
    const __m128i b = _mm_set1_epi8(static_cast<char>(byte));
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * k));
        const __m128i t = kEqual ? _mm_cmpeq_epi8(v, b) : _mm_cmpgt_epi8(v, b);
        m |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(t))) << (16 * k);
    }
#else
    for (int i = 0; i < 64; ++i) {
        const signed char v = static_cast<signed char>(block[i]);
        const signed char t = static_cast<signed char>(byte);
        if (kEqual ? v == t : v > t)
            m |= std::uint64_t(1) << i;
    }
#endif
    return m;
}

// The masks every block needs, from one load of each of its bytes: high (0x80 and above),
// continuation (0x80 to 0xBF), first of two or more (0xC2 and above), first of three or more
// (0xE0 and above), and rare: the bytes that call for the narrow ranges or begin no character
// (0xE0, 0xED, 0xF0 and above). Without rare bytes a block needs nothing more.
struct SMasks {
    std::uint64_t high = 0, cont = 0, lead = 0, lead3 = 0, rare = 0;
};

SMasks CommonMasks(const unsigned char* block)
{
    SMasks m;
#if defined(__SSE2__)
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * k));
        const auto bits = [k](__m128i t) {
            return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(t))) << (16 * k);
        };
        const auto above = [&v](unsigned char b) { return _mm_cmpgt_epi8(v, _mm_set1_epi8(static_cast<char>(b))); };
        m.high |= bits(v);
        m.cont |= bits(_mm_cmpgt_epi8(_mm_set1_epi8(static_cast<char>(0xC0)), v));
        m.lead |= bits(above(0xC1));
        m.lead3 |= bits(above(0xDF));
        m.rare |= bits(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xE0))),
                                        _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xED)))),
            above(0xEF)));
    }
    m.lead &= m.high;
    m.lead3 &= m.high;
    m.rare &= m.high;
#else
    m.high = ~Mask<false>(block, 0xFF);
    m.cont = m.high & ~Mask<false>(block, 0xBF);
    m.lead = m.high & Mask<false>(block, 0xC1);
    m.lead3 = m.high & Mask<false>(block, 0xDF);
    m.rare = m.high & (Mask<true>(block, 0xE0) | Mask<true>(block, 0xED) | Mask<false>(block, 0xEF));
#endif
    return m;
}
} // namespace

// A block of 64 bytes is well-formed UTF-8 when its continuation bytes (0x80 to 0xBF) are
// exactly those that the first bytes of its characters (0xC2 to 0xF4) call for, and the second
// byte after 0xE0, 0xED, 0xF0 and 0xF4 lies in the narrower range that keeps out overlong
// forms, surrogates and what lies beyond U+10FFFF. What the last characters of a block call for
// of the next is carried over to it. real marks the bytes that are text (the rest is padding);
// true when the text ends inside a character.
bool CCodingProbe::Block(SState& st, const unsigned char* block, std::uint64_t real)
{
    const SMasks m = CommonMasks(block);
    const std::uint64_t high = m.high & real, cont = m.cont & real, lead = m.lead & real, lead3 = m.lead3 & real;
    if (high == 0 && st.carry == 0) {
        st.second = 0;
        return false;
    }
    st.high = st.high || high != 0;
    if ((m.rare & real) == 0 && st.second == 0) {
        const std::uint64_t wanted = (lead << 1) | (lead3 << 2) | st.carry;
        if (((wanted ^ cont) | (high & ~cont & ~lead)) & real)
            st.valid = false;
        st.carry = (lead >> 63) | (lead3 >> 62);
        return (wanted & ~real) != 0 || st.carry != 0;
    }
    const std::uint64_t lead4 = high & Mask<false>(block, 0xEF);
    const std::uint64_t beyond = high & Mask<false>(block, 0xF4);
    const std::uint64_t fromA0 = high & Mask<false>(block, 0x9F);
    const std::uint64_t from90 = high & Mask<false>(block, 0x8F);
    const std::uint64_t e0 = Mask<true>(block, 0xE0) & real, ed = Mask<true>(block, 0xED) & real;
    const std::uint64_t f0 = Mask<true>(block, 0xF0) & real, f4 = Mask<true>(block, 0xF4) & real;

    const std::uint64_t wanted = (lead << 1) | (lead3 << 2) | (lead4 << 3) | st.carry;
    std::uint64_t wrong = (wanted ^ cont) | beyond | (high & ~cont & ~lead);
    // After 0xE0 from 0xA0, after 0xED below 0xA0, after 0xF0 from 0x90, after 0xF4 below 0x90.
    const std::uint64_t afterE0 = (e0 << 1) | (st.second & 1), afterED = (ed << 1) | (st.second >> 1 & 1);
    const std::uint64_t afterF0 = (f0 << 1) | (st.second >> 2 & 1), afterF4 = (f4 << 1) | (st.second >> 3 & 1);
    wrong |= (afterE0 & ~fromA0) | (afterED & fromA0) | (afterF0 & ~from90) | (afterF4 & from90);
    if (wrong & real)
        st.valid = false;
    st.carry = (lead >> 63) | (lead3 >> 62) | (lead4 >> 61);
    st.second = static_cast<unsigned>((e0 >> 63) | (ed >> 63) << 1 | (f0 >> 63) << 2 | (f4 >> 63) << 3);
    return (wanted & ~real) != 0 || st.carry != 0;
}

void CCodingProbe::Feed(const char* bytes, std::size_t n)
{
    for (std::size_t i = 0; m_Bom && i < n && m_Fed + i < kUtf8BomSize; ++i)
        m_Bom = bytes[i] == kUtf8Bom[m_Fed + i];
    m_Fed += n;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    const std::uint64_t all = ~std::uint64_t(0);
    if (m_PendingLen > 0) {
        const std::size_t take = std::min(n, sizeof m_Pending - m_PendingLen);
        std::memcpy(m_Pending + m_PendingLen, p, take);
        m_PendingLen += take;
        p += take;
        n -= take;
        if (m_PendingLen < sizeof m_Pending)
            return;
        if (m_State.valid)
            Block(m_State, m_Pending, all);
        m_PendingLen = 0;
    }
    for (; n >= 64 && m_State.valid; p += 64, n -= 64)
        Block(m_State, p, all);
    if (!m_State.valid)
        return;
    std::memcpy(m_Pending, p, n);
    m_PendingLen = n;
}

CCodingProbe::SEnd CCodingProbe::End() const
{
    SState st = m_State;
    unsigned char last[64] = {};
    std::memcpy(last, m_Pending, m_PendingLen);
    const std::uint64_t real = m_PendingLen == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << m_PendingLen) - 1;
    bool cut = st.carry != 0;
    if (st.valid && (m_PendingLen > 0 || st.carry != 0))
        cut = Block(st, last, real);
    return SEnd{st.high && st.valid, cut};
}

TextCoding CCodingProbe::ResultOfBeginning() const
{
    if (m_Bom && m_Fed >= kUtf8BomSize)
        return TextCoding::Utf8Bom;
    return End().utf8 ? TextCoding::Utf8 : TextCoding::SingleByte;
}

TextCoding CCodingProbe::Result() const
{
    if (m_Bom && m_Fed >= kUtf8BomSize)
        return TextCoding::Utf8Bom;
    const SEnd end = End();
    return end.utf8 && !end.cut ? TextCoding::Utf8 : TextCoding::SingleByte;
}

bool IsUtf8(const std::string& text)
{
    std::size_t pos = 0;
    char32_t c;
    while (pos < text.size())
        if (!NextUtf8(text, pos, c))
            return false;
    return true;
}

void AppendUtf8(char32_t u, std::string& out)
{
    if (u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF))
        u = 0xFFFD;
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

std::string ToUtf8(const std::u32string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char32_t u : text)
        AppendUtf8(u, out);
    return out;
}

bool Utf8ToCodePage(const std::string& utf8, int codePage, std::string& out)
{
    out.clear();
    bool exact = true;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c;
        unsigned char b;
        if (!NextUtf8(utf8, pos, c)) {
            exact = false;
            out += '?';
            ++pos;
            continue;
        }
        if (!FromUnicode(c, codePage, b)) {
            exact = false;
            b = '?';
        }
        out += static_cast<char>(b);
    }
    return exact;
}

} // namespace plat
