#include "texts/CPhraseReader.h"

#include "texts/CSmrtFile_Nrml.h"

#include <algorithm>
#include <cstring>

namespace {
// Skips the blanks, the field's opening markers and the blanks after them; gives the first
// character of the text (or of the closer) as read.
template <class File>
int SkipToText(File& f, char opener)
{
    int c = f.sf_fgetc();
    while (c == ' ' && !f.sf_feof())
        c = f.sf_fgetc();
    while (c == opener && !f.sf_feof())
        c = f.sf_fgetc();
    while (c == ' ' && !f.sf_feof())
        c = f.sf_fgetc();
    return c;
}

// The rule over any file of the family, one character at a time.
template <class File>
int ReadFieldFrom(File& f, char opener, char closer, char* text, bool utf8)
{
    constexpr long kMaxText = MAX_PHRASE_FIELD_SZ - 1;
    int c = SkipToText(f, opener);
    if (c == closer && !f.sf_feof()) {
        text[0] = 0;
        return 0;
    }
    // Characters are kept while they fit; "read" counts them all, so that a field one LF longer
    // than the limit still keeps its whole text.
    long kept = 0;
    long read = 0;
    int last = 0;
    for (;;) {
        if (f.sf_feof())
            break;
        if (kept < kMaxText)
            text[kept++] = static_cast<char>(c);
        ++read;
        last = c;
        c = f.sf_fgetc();
        if (c == closer)
            break;
    }
    if (utf8 && read > kept)
        kept = static_cast<long>(plat::Utf8WholePrefix(text, static_cast<std::size_t>(kept)));
    if (read > 0 && last == '\n' && read == kept)
        --kept;
    text[kept] = 0;
    return read > 0 ? 1 : 0;
}

// The same rule over a plain file, the text taken in runs up to the closer instead of
// character by character: the common case of every pass.
int ReadFieldFrom(CSmrtFile_Nrml& f, char opener, char closer, char* text, bool utf8)
{
    constexpr std::size_t kMaxText = MAX_PHRASE_FIELD_SZ - 1;
    int c = SkipToText(f, opener);
    if (f.sf_feof() || c == closer) {
        text[0] = 0;
        return 0;
    }
    std::size_t kept = 0;
    std::size_t read = 1;
    char last = static_cast<char>(c);
    text[kept++] = last;
    for (;;) {
        std::size_t n = 0;
        const char* run = f.Buffered(n);
        if (n == 0)
            break;
        const char* stop = static_cast<const char*>(std::memchr(run, closer, n));
        const std::size_t len = stop ? static_cast<std::size_t>(stop - run) : n;
        const std::size_t take = std::min(len, kMaxText - kept);
        std::memcpy(text + kept, run, take);
        kept += take;
        read += len;
        if (len > 0)
            last = run[len - 1];
        f.Skip(stop ? len + 1 : len);
        if (stop)
            break;
    }
    if (utf8 && read > kept)
        kept = plat::Utf8WholePrefix(text, kept);
    if (last == '\n' && read == kept)
        --kept;
    text[kept] = 0;
    return 1;
}
} // namespace

CPhraseReader::CPhraseReader(ISmrtFile& file, plat::TextCoding coding)
    : m_File(file), m_pNrml(dynamic_cast<CSmrtFile_Nrml*>(&file)), m_Utf8(plat::IsUtf8Coding(coding))
{
}

int CPhraseReader::ReadField(char opener, char closer, char* text)
{
    return m_pNrml ? ReadFieldFrom(*m_pNrml, opener, closer, text, m_Utf8)
                   : ReadFieldFrom<ISmrtFile>(m_File, opener, closer, text, m_Utf8);
}

int CPhraseReader::ReadRecord(char* first, char* second)
{
    const int one = ReadField(PHRASE_FIRST_MARKER, PHRASE_SECOND_MARKER, first);
    const int two = ReadField(PHRASE_SECOND_MARKER, PHRASE_FIRST_MARKER, second);
    return one && two ? 1 : 0;
}
