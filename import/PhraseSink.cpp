#include "import/PhraseSink.h"

#include "platform/PlatUtf8.h"
#include "texts/CPhraseReader.h"

namespace imp {

namespace {
// The full-width forms of the two markers, which a text may hold where the markers may not.
constexpr char32_t kFullWidthAsterisk = 0xFF0A;
constexpr char32_t kFullWidthEquals = 0xFF1D;

bool IsLineBreak(char32_t c)
{
    return c < 0x20 || c == 0x7F || c == 0x85 || c == 0x2028 || c == 0x2029;
}
} // namespace

std::string CPhraseSink::Clean(const std::string& raw) const
{
    std::string text;
    text.reserve(raw.size());
    for (std::size_t pos = 0; pos < raw.size();) {
        char32_t c = 0;
        if (!plat::NextUtf8(raw, pos, c)) {
            c = 0xFFFD;
            ++pos;
        }
        if (!IsLineBreak(c)) {
            plat::AppendUtf8(c, text);
            continue;
        }
        // A CR LF pair is one line end, so one blank.
        if (c == '\r' && pos < raw.size() && raw[pos] == '\n')
            ++pos;
        text += ' ';
    }
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return std::string();
    return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
}

// A text ends at the other field's marker and loses its own at its start: those become their
// full-width forms, which read and look alike.
void CPhraseSink::Guard(std::string& text, char own, char other)
{
    if (text.find(other) == std::string::npos && text[0] != own)
        return;
    std::string guarded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == other || (i == 0 && c == own))
            plat::AppendUtf8(c == PHRASE_FIRST_MARKER ? kFullWidthAsterisk : kFullWidthEquals, guarded);
        else
            guarded += c;
    }
    text.swap(guarded);
    ++m_Result.markers;
}

// A field holds 1023 bytes: a longer text keeps the whole characters that fit.
void CPhraseSink::Fit(std::string& text)
{
    constexpr std::size_t kMaxText = MAX_PHRASE_FIELD_SZ - 1;
    if (text.size() <= kMaxText)
        return;
    text.resize(plat::Utf8WholePrefix(text.data(), kMaxText));
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    ++m_Result.cut;
}

bool CPhraseSink::Add(const std::string& first, const std::string& second, std::string* written1, std::string* written2)
{
    std::string one = Clean(first);
    std::string two = Clean(second);
    if (one.empty() || two.empty()) {
        ++m_Result.skipped;
        return false;
    }
    Guard(one, PHRASE_FIRST_MARKER, PHRASE_SECOND_MARKER);
    Guard(two, PHRASE_SECOND_MARKER, PHRASE_FIRST_MARKER);
    Fit(one);
    Fit(two);
    m_Out += PHRASE_FIRST_MARKER;
    m_Out += one;
    m_Out += '\n';
    m_Out += PHRASE_SECOND_MARKER;
    m_Out += two;
    m_Out += '\n';
    ++m_Result.imported;
    if (written1)
        *written1 = std::move(one);
    if (written2)
        *written2 = std::move(two);
    return true;
}

} // namespace imp
