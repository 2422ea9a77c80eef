#include "texts/CTxtMkr.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbLexer.h"
#include "platform/PlatFs.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/IUtltsFile.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

// The marker that opens a record: "#" alone as a word. A "#" between double quotes is text.
bool IsMarker(IDbLexer& lx)
{
    if (lx.GetSymType() != SYM_WORD)
        return false;
    const char* text = lx.GetSymText();
    return text[0] == '#' && text[1] == 0;
}

bool AtEnd(IDbLexer& lx)
{
    return lx.GetSymType() == SYM_EOF;
}

// Reads symbols up to the next marker or the end of the file; the position just after it.
long PosAfterNextMarker(IDbLexer& lx)
{
    lx.SkipToWord('#');
    return lx.GetPosAfterSym();
}

std::string Format(const char* format, ...) LX_PRINTF(1, 2);
std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(&out[0], out.size() + 1, format, args);
    va_end(args);
    return out;
}

[[noreturn]] void FatalOpen(const std::string& path)
{
    LogFatal("\nCAliceTxtMkr::UnfastenText(), File opening error [%s]", path.c_str());
}

} // namespace

void CTxtMkr::OpenSource(IDbLexer& lx, const std::string& path, std::string& bytes, const char* logLine)
{
    if (ReadSource(path, bytes)) {
        lx.OpenBytes(bytes.data(), bytes.size(), path.c_str());
        return;
    }
    // The tokenizer's own open of a source that cannot be read ends the program and logs why.
    if (lx.OpenFile(path.c_str()) != 0)
        LogFatal("%s", logLine);
    FatalOpen(path);
}

bool CTxtMkr::ReadSource(const std::string& path, std::string& bytes)
{
    if (plat::ReadFileWhole(path, bytes))
        return true;
    // Only a source that does not open is refused here. One that opens but does not read (a
    // folder) gives what it gave, as a stream would: the tokenizer's reading of it says why.
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe)
        return false;
    std::fclose(probe);
    return true;
}

bool CTxtMkr::SaveOutput(const std::string& path, const std::string& bytes)
{
    return plat::WriteFileAtomic(path, bytes);
}

int CTxtMkr::SetCodedOutput()
{
    m_Mode = kCodedOutput;
    return 0;
}

int CTxtMkr::SetNrmlOutput()
{
    m_Mode = kNrmlOutput;
    return 0;
}

void CTxtMkr::Put(int c)
{
    m_pOut->sf_fputc(c);
    ++m_Written;
}

void CTxtMkr::Write(const char* bytes, std::size_t n)
{
    m_pOut->sf_fwrite(bytes, n);
    m_Written += static_cast<long>(n);
}

int CTxtMkr::CopyUpTo(const std::string& source, long start, long end)
{
    const std::size_t size = source.size();
    std::size_t from = static_cast<std::size_t>(start);
    if (start < 0 || from >= size)
        return -1;
    // The characters that begin in [start, end], at least one; a CR LF beginning at end is
    // one character and is taken whole.
    std::size_t to = end >= start ? std::min(size, static_cast<std::size_t>(end) + 1) : from + 1;
    if (source[to - 1] == '\r' && to < size && source[to] == '\n')
        ++to;
    const char* text = source.data();
    // Copied a stretch at a time, up to each CR that opens a CR LF, which is copied as its LF.
    while (from < to) {
        const void* cr = std::memchr(text + from, '\r', to - from);
        std::size_t stop = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - text) : to;
        if (stop + 1 < to && text[stop + 1] == '\n') {
            Write(text + from, stop - from);
            from = stop + 1; // the LF stands for the pair
        } else {
            stop = cr ? stop + 1 : to; // a lone CR is an ordinary character
            Write(text + from, stop - from);
            from = stop;
        }
    }
    // to - 1 is the last byte copied: a CR LF's LF, or any other character.
    return static_cast<unsigned char>(source[to - 1]);
}

void CTxtMkr::Abandon(const std::string& logLine)
{
    m_pOut->sf_fclose();
    LogFatal("%s", logLine.c_str());
}

int CTxtMkr::MakeOneMixFile(const char* first, const char* second, const char* output)
{
    if (!g_pIUtltsFile)
        LogFatal("\nCAliceTxtMkr::UnfastenText(), error, g_pIUtltsFile == 0");
    const std::string dir = g_pIUtltsFile->GetPrgrmDir();
    const std::string path1 = plat::NormalizeSeparators(dir + first);
    const std::string path2 = plat::NormalizeSeparators(dir + second);
    const std::string pathOut = plat::NormalizeSeparators(dir + output);
    for (const std::string* path : {&path1, &path2, &pathOut})
        if (path->size() > plat::kMaxAtomicPath) {
            // The log takes lines below 1024 characters: the path is named by its beginning.
            LogMsg("\nCAliceTxtMkr::UnfastenText(), File opening error [%.900s...]", path->c_str());
            return 1;
        }

    std::unique_ptr<IDbLexer> lx1(g_pILsnAFc ? g_pILsnAFc->Create_IDbLexer() : nullptr);
    if (!lx1)
        LogFatal("\nCAliceTxtMkr::UnfastenText(), error, pILxr_1st == 0");
    std::unique_ptr<IDbLexer> lx2(g_pILsnAFc->Create_IDbLexer());
    if (!lx2)
        LogFatal("\nCAliceTxtMkr::UnfastenText(), error, pILxr_2nd == 0");

    // Each source is read once, then walked symbol by symbol by its tokenizer and copied from
    // the same bytes, both in text mode: CR LF reads as LF, positions are byte offsets.
    std::string copy1, copy2;
    OpenSource(*lx1, path1, copy1, "\nCAliceTxtMkr::UnfastenText(), error, afetr pILxr_1st->OpenFile()");
    OpenSource(*lx2, path2, copy2, "\nCAliceTxtMkr::UnfastenText(), error, afetr pILxr_2nd->OpenFile()");

    std::unique_ptr<CSmrtFile> out;
    if (m_Mode == kNrmlOutput)
        out.reset(new (std::nothrow) CSmrtFile_Nrml);
    else
        out.reset(new (std::nothrow) CSmrtFile_HideText);
    if (!out)
        LogFatal("\nCAliceTxtMkr::CodeAllFile(), error, pISf_DstFile == 0");
    // The output folders are part of the installation: a missing one ends the making at once.
    if (!plat::IsDirectory(pathOut.substr(0, pathOut.rfind('/') + 1)) || out->OpenMemoryOutput() != 0)
        FatalOpen(pathOut);
    m_pOut = out.get();
    m_Written = 0;

    lx1->GetSym();
    lx2->GetSym();
    if (!IsMarker(*lx1))
        Abandon(Format("\nCAliceTxtMkr::UnfastenText(), instead of # there is wrong symbol [%s]", lx1->GetSymText()));
    if (!IsMarker(*lx2))
        Abandon(Format("\nCAliceTxtMkr::UnfastenText(), instead of # there is wrong symbol [%s]", lx2->GetSymText()));

    // The first source drives the loop; records left over in the second are ignored.
    while (!AtEnd(*lx1)) {
        lx1->GetSym();
        // A marker with nothing after it ends the first source: there is no record to pair.
        if (AtEnd(*lx1))
            break;
        lx2->GetSym();
        if (std::strcmp(lx1->GetSymText(), lx2->GetSymText()) != 0)
            Abandon(Format("\nCAliceTxtMkr::UnfastenText(), errtor, record numbers don't coincide, \n in 1-st file [%s] \n rec [%s], \n in 2-st file [%s] \n rec [%s]",
                           path1.c_str(), lx1->GetSymText(), path2.c_str(), lx2->GetSymText()));
        const long start1 = lx1->GetPosAfterSym();
        const long start2 = lx2->GetPosAfterSym();
        // Just after "# " less three is the LF of the CR LF before the marker; at the end of the
        // file, two bytes before it (the final CR LF is left out).
        const long end1 = PosAfterNextMarker(*lx1) - 3;
        const long end2 = PosAfterNextMarker(*lx2) - 3;

        Put('*');
        Put(' ');
        if (start1 > end1 || CopyUpTo(copy1, start1, end1) != '\n')
            Put('\n');
        Put('=');
        Put(' ');
        if (start2 <= end2)
            CopyUpTo(copy2, start2, end2);
    }

    m_pOut = nullptr;
    // Memory that ran out shows as a close that fails or fewer bytes than were written; a full
    // disk as a failed save. The previous phrase file, if any, then stays whole.
    const int closed = out->sf_fclose();
    const std::string bytes = out->TakeBytes();
    if (closed != 0 || static_cast<long>(bytes.size()) != m_Written || !SaveOutput(pathOut, bytes))
        LogFatal("\nCAliceTxtMkr::UnfastenText(), File writing error [%s]", pathOut.c_str());
    return 0;
}
