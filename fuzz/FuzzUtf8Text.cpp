// The text operations of UTF-8 phrase files over arbitrary input: the coding decision fed in
// pieces as a file is read, the comparison under case folding, and the bracket walk of the
// string objects. The input's first byte chooses the piece size; the rest is the text, and
// after its first zero byte a second text to compare with it. The rules checked: the decision
// does not depend on where the pieces are cut; the comparison is reflexive and antisymmetric
// and finds equal what is byte for byte equal; over a well-formed UTF-8 text every text the
// string objects build is well-formed UTF-8 (nothing is cut inside a character), and the walk
// over its brackets stays inside every buffer.

#include "fuzz/FuzzSupport.h"
#include "platform/PlatUnicode.h"
#include "platform/PlatUtf8.h"
#include "programs/CPrStr.h"

#include <algorithm>
#include <string>

namespace {
int Sign(int v)
{
    return (v > 0) - (v < 0);
}

bool WellFormed(const char* text)
{
    return plat::IsUtf8(text);
}

// The text with every byte that begins no character replaced by U+FFFD: well-formed UTF-8.
std::string Repaired(const std::string& raw)
{
    std::string out;
    for (std::size_t pos = 0; pos < raw.size();) {
        char32_t u = 0;
        if (plat::NextUtf8(raw, pos, u)) {
            plat::AppendUtf8(u, out);
        } else {
            plat::AppendUtf8(0xFFFD, out);
            ++pos;
        }
    }
    return out;
}

void CheckProbe(const std::string& raw, std::size_t piece)
{
    plat::CCodingProbe whole;
    whole.Feed(raw.data(), raw.size());
    plat::CCodingProbe cut;
    for (std::size_t at = 0; at < raw.size(); at += piece)
        cut.Feed(raw.data() + at, std::min(piece, raw.size() - at));
    FUZZ_CHECK(whole.Result() == cut.Result());
    const bool bom = raw.compare(0, plat::kUtf8BomSize, plat::kUtf8Bom) == 0;
    const bool high = std::any_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    const plat::TextCoding expected = bom ? plat::TextCoding::Utf8Bom
        : high && plat::IsUtf8(raw)       ? plat::TextCoding::Utf8
                                          : plat::TextCoding::SingleByte;
    FUZZ_CHECK(whole.Result() == expected);
}

void CheckCompare(const std::string& a, const std::string& b)
{
    FUZZ_CHECK(plat::Utf8CaseCompare(a.c_str(), a.c_str()) == 0);
    FUZZ_CHECK(Sign(plat::Utf8CaseCompare(a.c_str(), b.c_str())) == -Sign(plat::Utf8CaseCompare(b.c_str(), a.c_str())));
    if (a == b)
        FUZZ_CHECK(plat::Utf8CaseCompare(a.c_str(), b.c_str()) == 0);
}

void CheckWalk(CStr& s, CScrnStr* scrn)
{
    s.ResetBrkt();
    // The first brackets: each turn builds whole texts, and a text can hold hundreds.
    for (int i = 0; s.HasCrrntBrkt() && i < 16; ++i, s.NextBrkt()) {
        FUZZ_CHECK(WellFormed(s.GetScreenText()));
        if (const char* b = s.GetCrrntBrktText()) {
            FUZZ_CHECK(WellFormed(b));
            FUZZ_CHECK(WellFormed(s.FirstChar(b).c_str()));
        }
        FUZZ_CHECK(FuzzRun([&] { FUZZ_CHECK(WellFormed(s.GetRestOfLine())); }));
        if (scrn)
            FUZZ_CHECK(FuzzRun([&] { FUZZ_CHECK(WellFormed(scrn->GetRestOfText())); }));
        if (i % 2)
            s.UserOpenedCrrntBrck();
        else
            s.UserSkippedCrrntBrck();
    }
    FUZZ_CHECK(WellFormed(s.GetScreenText()) && WellFormed(s.GetResultText()));
    // The text bracketed twice over: the built text grows past its buffer and is cut between
    // characters.
    s.ClearBuild();
    s.AppendWord(1, s.GetText());
    s.AppendWord(1, s.GetText());
    s.NextWord();
    FUZZ_CHECK(WellFormed(s.GetText()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    if (size == 0)
        return 0;
    const std::size_t piece = 1 + data[0] % 8;
    const char* begin = reinterpret_cast<const char*>(data + 1);
    const std::string raw(begin, size - 1);
    CheckProbe(raw, piece);

    const std::size_t zero = raw.find('\0');
    const std::string first = Repaired(raw.substr(0, zero));
    const std::string second = zero == std::string::npos ? first : Repaired(raw.substr(zero + 1));
    CheckCompare(first, second);

    // The texts a UTF-8 file gives the programs are at most 1023 bytes of whole characters.
    const std::string text =
        first.substr(0, plat::Utf8WholePrefix(first.data(), std::min<std::size_t>(first.size(), STR_BUF_SZ - 1)));
    CPrStr pr;
    CScrnStr scrn;
    pr.SetCoding(plat::TextCoding::Utf8);
    scrn.SetCoding(plat::TextCoding::Utf8);
    pr.SetQuestionAndAnswer(text.c_str(), text.c_str());
    scrn.SetText(text.c_str());
    CheckWalk(pr, nullptr);
    CheckWalk(scrn, &scrn);
    FUZZ_CHECK(WellFormed(pr.GetBuiltText()) && WellFormed(scrn.GetBuiltText()));
    return 0;
}
