// The string objects' bracket operations over arbitrary texts. The input is a text and, after
// its first zero byte, a list of operations to apply to it. Besides staying inside every
// buffer, the operations keep the rules the training programs rely on: while HasCrrntBrkt()
// says there is a current bracket, placing the cursor on it never ends the program; with every
// bracket dealt with, the screen text is the text; the result text of a text whose brackets
// were all skipped is the text, and with all opened it is the text without its marks.

#include "fuzz/FuzzSupport.h"
#include "programs/CPrStr.h"

#include <cstring>
#include <memory>
#include <string>

namespace {
int CountBrackets(const char* t, bool& allClosed)
{
    int n = 0;
    allClosed = true;
    for (const char* p = t; *p;) {
        if (*p++ != '<')
            continue;
        ++n;
        while (*p && *p != '>')
            ++p;
        if (*p)
            ++p;
        else
            allClosed = false;
    }
    return n;
}

std::string WithoutMarks(const char* t)
{
    std::string out;
    for (const char* p = t; *p;) {
        if (*p != '<') {
            out += *p++;
            continue;
        }
        ++p;
        while (*p && *p != '>')
            out += *p++;
        if (*p)
            ++p;
    }
    return out;
}

void CheckWholeText(IStr& s, const char* text)
{
    bool closed = false;
    const int n = CountBrackets(text, closed);
    const std::size_t len = std::strlen(text);

    // Every bracket dealt with: the whole text, all words in brackets.
    s.ResetBrkt();
    for (int i = 0; i < n; ++i)
        s.NextBrkt();
    if (closed)
        FUZZ_CHECK(std::string(s.GetScreenText()) == text);

    if (n <= MAX_BRKTS_NMB_IN_ANY_STR && closed) {
        s.ResetBrkt();
        for (int i = 0; i < n; ++i, s.NextBrkt())
            s.UserSkippedCrrntBrck();
        FUZZ_CHECK(std::string(s.GetResultText()) == text);
        s.ResetBrkt();
        for (int i = 0; i < n; ++i, s.NextBrkt())
            s.UserOpenedCrrntBrck();
        FUZZ_CHECK(std::string(s.GetResultText()) == WithoutMarks(text));
    }

    // Walking every bracket as Open Brackets does.
    s.ResetBrkt();
    for (int i = 0; s.HasCrrntBrkt(); ++i, s.NextBrkt()) {
        FUZZ_CHECK(FuzzRun([&] { s.SetCursorToNextBrkt(); }));
        FUZZ_CHECK(s.GetLenToCrrntBrkt() >= 0 && static_cast<std::size_t>(s.GetLenToCrrntBrkt()) < STR_BUF_SZ);
        FUZZ_CHECK(std::strlen(s.GetRestOfLine()) < STR_BUF_SZ);
        const char* b = s.GetCrrntBrktText();
        if (b)
            FUZZ_CHECK(std::strlen(b) < BRKT_TEXT_SZ);
        FUZZ_CHECK(i <= static_cast<int>(len));
    }
    FUZZ_CHECK(std::strlen(s.GetScreenText()) < STR_BUF_SZ);
    FUZZ_CHECK(std::strlen(s.GetResultText()) < STR_BUF_SZ);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    const char* begin = reinterpret_cast<const char*>(data);
    const char* zero = static_cast<const char*>(std::memchr(begin, 0, size));
    const std::string text(begin, zero ? zero : begin + size);
    const std::uint8_t* ops = zero ? reinterpret_cast<const std::uint8_t*>(zero + 1) : data + size;
    const std::uint8_t* opsEnd = data + size;

    std::unique_ptr<CScrnStr> scrn(new CScrnStr);
    std::unique_ptr<CPrStr> pr(new CPrStr);
    scrn->SetText(text.c_str());
    pr->SetQuestionAndAnswer(text.c_str(), text.c_str());
    const char* kept = scrn->GetText();
    FUZZ_CHECK(std::strlen(kept) < STR_BUF_SZ);
    CheckWholeText(*scrn, kept);
    CheckWholeText(*pr, pr->GetText());

    // Then any sequence of operations, as a program gone wrong might call them.
    scrn->ResetBrkt();
    for (const std::uint8_t* op = ops; op < opsEnd; ++op) {
        CStr* s = (*op & 0x80) ? static_cast<CStr*>(pr.get()) : static_cast<CStr*>(scrn.get());
        switch (*op & 0x0f) {
        case 0: s->ResetBrkt(); break;
        case 1: s->NextBrkt(); break;
        case 2: FUZZ_CHECK(std::strlen(s->GetScreenText()) < STR_BUF_SZ); break;
        case 3: {
            const char* b = s->GetCrrntBrktText();
            FUZZ_CHECK(!b || std::strlen(b) < BRKT_TEXT_SZ);
            break;
        }
        case 4: FuzzRun([&] { s->SetCursorToNextBrkt(); }); break;
        case 5: s->UserOpenedCrrntBrck(); break;
        case 6: s->UserSkippedCrrntBrck(); break;
        case 7: FUZZ_CHECK(std::strlen(s->GetResultText()) < STR_BUF_SZ); break;
        case 8: FuzzRun([&] { FUZZ_CHECK(std::strlen(s->GetRestOfLine()) < STR_BUF_SZ); }); break;
        case 9: FuzzRun([&] { FUZZ_CHECK(std::strlen(scrn->GetRestOfText()) < STR_BUF_SZ); }); break;
        case 10: FuzzRun([&] { FUZZ_CHECK(scrn->GetDstncToFrstNotFlldOutBrckt() < STR_BUF_SZ); }); break;
        case 11:
            s->NextWord();
            FUZZ_CHECK(std::strlen((*op & 0x80) ? pr->GetWord() : scrn->GetWord()) < STR_BUF_SZ);
            break;
        case 12: s->AppendWord(*op >> 4 & 3, s->GetCrrntBrktText() ? s->GetCrrntBrktText() : "w"); break;
        case 13: s->ClearBuild(); break;
        case 14: s->NextToken(static_cast<char>(op + 1 < opsEnd ? *++op : '>')); break;
        default: FuzzRun([&] { s->GetCursorX(); s->GetCursorY(); s->GetLenToCrrntBrkt(); }); break;
        }
        FUZZ_CHECK(std::strlen(pr->GetBuiltText()) < STR_BUF_SZ && std::strlen(scrn->GetBuiltText()) < STR_BUF_SZ);
    }
    return 0;
}
