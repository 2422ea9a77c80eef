#include "programs/CWrkFile.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "engine/CPassProgress.h"
#include "engine/CUnsavedRslts.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "engine/PassVerdicts.h"
#include "platform/PlatFs.h"
#include "texts/FileCoding.h"
#include "texts/ISmrtFile.h"
#include "texts/IUtltsFile.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
ISmrtFile* MakeFileObject(const char* nullMessage)
{
    ISmrtFile* f = g_pILsnAFc ? g_pILsnAFc->Create_ISmrtFile() : nullptr;
    if (!f)
        LogFatal("%s", nullMessage);
    return f;
}
} // namespace

CWrkFile::CWrkFile(const char* path)
    : m_pISf_In(nullptr), m_pISf_Out(nullptr), m_Dic{}, m_BackDic{}, m_Screen{}, m_WasWritten(0)
{
    m_pISf_In = MakeFileObject("\nCWrkFile::CWrkFile(), error, m_pISf_In == 0");
    m_pISf_Out = MakeFileObject("\nCWrkFile::CWrkFile(), error, m_pISf_Out == 0");
    if (!g_pIUtltsFile)
        LogFatal("\nCWrkFile::CWrkFile(), error, g_pIUtltsFile == 0");
    if (!path || m_pISf_In->sf_fopen(path, "rb") != 0)
        LogFatal("\nCWrkFile::CWrkFile(), error, Cannot open input file");
    if (m_pISf_Out->sf_fopen(g_pIUtltsFile->GetCutFileName(), "wb") != 0) {
        m_pISf_In->sf_fclose();
        LogFatal("\nCWrkFile::CWrkFile(), error, Cannot open output file (current.cut)");
    }
    m_Path = path;
    // The records are counted and the coding decided in one reading of the input; the pass's
    // reading then starts at its first text byte.
    m_Records = CountRecordsDeciding(*m_pISf_In, m_Coding);
    m_pReader.reset(new CPhraseReader(*m_pISf_In, m_Coding));
}

CWrkFile::~CWrkFile()
{
    StoreResults();
    delete m_pISf_In;
    delete m_pISf_Out;
}

int CWrkFile::ReadRecord()
{
    const int one = ReadField(PHRASE_SECOND_MARKER, PHRASE_FIRST_MARKER, m_Dic);
    const int two = ReadField(PHRASE_FIRST_MARKER, PHRASE_SECOND_MARKER, m_BackDic);
    if (!(one && two)) {
        if (m_Stored < 0) {
            PassProgress().ReachEnd();
            PassVerdicts().InputEnded();
        }
        return 0;
    }
    PassProgress().Step();
    PassVerdicts().Shown(m_Dic, m_BackDic);
    return 1;
}

int CWrkFile::ReadField(char closer, char opener, char* dst)
{
    if (m_Stored >= 0) { // the input is closed
        dst[0] = 0;
        return 0;
    }
    return m_pReader->ReadField(opener, closer, dst);
}

int CWrkFile::CopyTexts(char* dic, char* backDic)
{
    std::memcpy(dic, m_Dic, sizeof m_Dic);
    std::memcpy(backDic, m_BackDic, sizeof m_BackDic);
    return 0;
}

void CWrkFile::BeginRecord()
{
    m_RecordStarts.push_back(m_pISf_Out->sf_ftell());
    m_WasWritten = 1;
    ++m_Marked;
    PassProgress().Mark();
    PassVerdicts().Written();
}

int CWrkFile::TakeBackLast()
{
    if (m_Stored >= 0 || m_RecordStarts.empty())
        return 0;
    const char* cut = g_pIUtltsFile->GetCutFileName();
    m_pISf_Out->sf_fclose(); // flushed: the file holds every record written
    std::string bytes;
    const long start = m_RecordStarts.back();
    if (start < 0 || !plat::ReadFileWhole(cut, bytes) || static_cast<std::size_t>(start) > bytes.size())
        LogFatal("\nCWrkFile::TakeBackLast(), error, cannot read the output (current.cut)");
    bytes.resize(static_cast<std::size_t>(start));
    if (!plat::WriteFileAtomic(cut, bytes) || m_pISf_Out->sf_fopen(cut, "ab") != 0 ||
        m_pISf_Out->sf_fseek(0, SEEK_END) != 0)
        LogFatal("\nCWrkFile::TakeBackLast(), error, cannot rewrite the output (current.cut)");
    m_RecordStarts.pop_back();
    --m_Marked;
    m_WasWritten = m_Marked > 0 ? 1 : 0;
    PassProgress().Unmark();
    PassVerdicts().TakenBack();
    return 1;
}

int CWrkFile::WritePair(const char* dic, const char* backDic)
{
    BeginRecord();
    m_pISf_Out->sf_fputc('*');
    m_pISf_Out->sf_fputs(dic);
    m_pISf_Out->sf_fputc('\n');
    m_pISf_Out->sf_fputc('=');
    m_pISf_Out->sf_fputs(backDic);
    m_pISf_Out->sf_fputc('\n');
    return 0;
}

int CWrkFile::WriteLine(const char* text)
{
    BeginRecord();
    m_pISf_Out->sf_fputs(text);
    m_pISf_Out->sf_fputc('\n');
    return 0;
}

int CWrkFile::ReadLines(char* dst, int lines)
{
    dst[0] = 0;
    if (m_Stored >= 0)
        return 0;
    const int read = ReadLinesFrom(*m_pISf_In, m_Pending, dst, lines, plat::IsUtf8Coding(m_Coding));
    if (read) {
        PassProgress().Step();
    } else {
        PassProgress().ReachEnd();
        PassVerdicts().InputEnded();
    }
    return read;
}

int CWrkFile::ReadLinesFrom(ISmrtFile& in, int& pending, char* dst, int lines, bool utf8)
{
    dst[0] = 0;
    int c = pending >= 0 ? pending : in.sf_fgetc();
    pending = -1;
    // One line a screen: a blank line would be a screen of nothing, where the pass used to
    // take it for the end of the text. It is skipped; the next line with text is the screen.
    if (lines == 1)
        while (c == '\n')
            c = in.sf_fgetc();
    int count = c == '\n' ? 2 : 1;
    if (count > lines)
        return 0;
    int n = 0;
    for (;;) {
        if (in.sf_feof())
            break;
        // A character of a UTF-8 text that does not fit whole begins the next screen.
        const int size = utf8 ? plat::Utf8Length(static_cast<unsigned char>(c)) : 1;
        if (n + size > WRK_TEXT_SZ - 1) {
            pending = c;
            break;
        }
        dst[n++] = static_cast<char>(c);
        c = in.sf_fgetc();
        if (c == '\n')
            ++count;
        if (count > lines)
            break;
    }
    dst[n] = 0;
    return n > 0 ? 1 : 0;
}

namespace {
// The input opened once more for counting; null when it cannot be.
std::unique_ptr<ISmrtFile> OpenForCount(const std::string& path, plat::TextCoding coding)
{
    std::unique_ptr<ISmrtFile> f(g_pILsnAFc ? g_pILsnAFc->Create_ISmrtFile() : nullptr);
    if (f && f->sf_fopen(path.c_str(), "rb") != 0)
        f.reset();
    if (f)
        RewindText(*f, coding);
    return f;
}
} // namespace

int CWrkFile::CountScreens(int lines) const
{
    std::unique_ptr<ISmrtFile> f = OpenForCount(m_Path, m_Coding);
    if (!f)
        return 0;
    static thread_local char screen[WRK_TEXT_SZ];
    int pending = -1;
    int count = 0;
    while (ReadLinesFrom(*f, pending, screen, lines, plat::IsUtf8Coding(m_Coding)))
        ++count;
    f->sf_fclose();
    return count;
}

std::vector<std::string> CWrkFile::AllTexts(bool first) const
{
    std::vector<std::string> texts;
    std::unique_ptr<ISmrtFile> f = OpenForCount(m_Path, m_Coding);
    if (!f)
        return texts;
    static thread_local char one[MAX_PHRASE_FIELD_SZ], two[MAX_PHRASE_FIELD_SZ];
    CPhraseReader reader(*f, m_Coding);
    while (reader.ReadRecord(one, two))
        texts.emplace_back(first ? one : two);
    f->sf_fclose();
    return texts;
}

int CWrkFile::StoreResults()
{
    if (m_Stored >= 0)
        return m_Stored;
    m_pISf_In->sf_fclose();
    m_pISf_Out->sf_fclose();
    m_Stored = 0;
    if (!m_WasWritten)
        return 0;

    ISmrtFile* cut = MakeFileObject("\nCWrkFile::~CWrkFile(), error, m_pISf_In == 0");
    if (cut->sf_fopen(g_pIUtltsFile->GetCutFileName(), "rb") != 0)
        LogFatal("\nCWrkFile::~CWrkFile(), error, after l_pISf_In->sf_fopen()");
    std::string bytes = m_Coding == plat::TextCoding::Utf8Bom ? plat::kUtf8Bom : "";
    for (int c = cut->sf_fgetc(); !cut->sf_feof(); c = cut->sf_fgetc())
        bytes.push_back(static_cast<char>(c));
    cut->sf_fclose();
    delete cut;

    // Written whole through a temporary file: a crash or a full disk never leaves a half
    // results file that the next iteration would read as the learner's marks.
    const char* target = g_pIItrtnSrvc ? g_pIItrtnSrvc->GetRsltsFileName() : nullptr;
    if (!target || !*target || !plat::WriteFileAtomic(target, bytes))
        LogFatal("\nCWrkFile::~CWrkFile(), error, m_in = ....== NULL)");
    UnsavedRslts().NotePass(m_Marked);
    m_Stored = 1;
    return 1;
}
