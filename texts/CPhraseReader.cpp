#include "texts/CPhraseReader.h"

#include "texts/CSmrtFile_Nrml.h"

namespace {
template <class File>
int ReadFieldFrom(File& f, char opener, char closer, char* text)
{
    constexpr long kMaxText = MAX_PHRASE_FIELD_SZ - 1;
    int c = f.sf_fgetc();
    while (c == ' ' && !f.sf_feof())
        c = f.sf_fgetc();
    while (c == opener && !f.sf_feof())
        c = f.sf_fgetc();
    while (c == ' ' && !f.sf_feof())
        c = f.sf_fgetc();
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
    if (read > 0 && last == '\n' && read == kept)
        --kept;
    text[kept] = 0;
    return read > 0 ? 1 : 0;
}
} // namespace

CPhraseReader::CPhraseReader(ISmrtFile& file)
    : m_File(file), m_pNrml(dynamic_cast<CSmrtFile_Nrml*>(&file))
{
}

int CPhraseReader::ReadField(char opener, char closer, char* text)
{
    return m_pNrml ? ReadFieldFrom(*m_pNrml, opener, closer, text) : ReadFieldFrom(m_File, opener, closer, text);
}

int CPhraseReader::ReadRecord(char* first, char* second)
{
    const int one = ReadField(PHRASE_FIRST_MARKER, PHRASE_SECOND_MARKER, first);
    const int two = ReadField(PHRASE_SECOND_MARKER, PHRASE_FIRST_MARKER, second);
    return one && two ? 1 : 0;
}
