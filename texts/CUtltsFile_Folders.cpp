// The folder operations of the file utilities: listing, emptying the results folder and
// copying the results to the folder the learner chose.
#include "texts/CUtltsFile.h"

#include "base/Log.h"
#include "engine/CUnsavedRslts.h"
#include "platform/PlatFs.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {
unsigned char Fold(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Name order with runs of digits compared by value, so that results numbered past 9 keep
// their pass order: x_2 before x_10.
bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && IsDigit(a[ei]))
                ++ei;
            while (ej < b.size() && IsDigit(b[ej]))
                ++ej;
            std::size_t si = i, sj = j;
            while (si + 1 < ei && a[si] == '0')
                ++si;
            while (sj + 1 < ej && b[sj] == '0')
                ++sj;
            if (ei - si != ej - sj)
                return ei - si < ej - sj;
            const int cmp = a.compare(si, ei - si, b, sj, ej - sj);
            if (cmp != 0)
                return cmp < 0;
            i = ei;
            j = ej;
            continue;
        }
        const unsigned char x = Fold(static_cast<unsigned char>(a[i]));
        const unsigned char y = Fold(static_cast<unsigned char>(b[j]));
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

bool IsRegularFile(const std::string& path, struct stat& st)
{
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string WithSeparator(const char* folder)
{
    std::string dir = plat::NormalizeSeparators(folder ? folder : "");
    if (!dir.empty() && dir.back() != '/')
        dir.push_back('/');
    return dir;
}

// Copies one file; the target is opened without following a link, so that a link placed in
// the chosen folder cannot make the copy write elsewhere. 0, 1 when a file cannot be opened,
// 2 when the copy fails on the way (the cut target is removed).
int CopyOneFile(const std::string& from, const std::string& to)
{
    std::FILE* in = std::fopen(from.c_str(), "rb");
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    std::FILE* out = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (!in || !out) {
        if (in)
            std::fclose(in);
        if (out)
            std::fclose(out);
        else if (fd >= 0)
            ::close(fd);
        return 1;
    }
    char buf[64 * 1024];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(buf, 1, sizeof buf, in);
        if (n > 0 && std::fwrite(buf, 1, n, out) != n) {
            ok = false;
            break;
        }
        if (n < sizeof buf)
            break;
    }
    ok = ok && !std::ferror(in);
    std::fclose(in);
    ok = (std::fclose(out) == 0) && ok;
    if (!ok) {
        ::unlink(to.c_str());
        return 2;
    }
    return 0;
}
} // namespace

int CUtltsFile::MakeListOfAllDfltRsltsFiles(const char* folder, std::vector<std::string>& list)
{
    try {
        const std::string dir = WithSeparator(folder);
        std::vector<std::string> names;
        if (!plat::ListDir(dir, "*.*", names)) {
            LogMsg("CBsPrgr::MakeListOfAllDfltRsltsFiles(),error, pChar  == 0, CInstll::MakeListOfAllFilesWithExt()");
            return 1;
        }
        for (const std::string& name : names) {
            std::string path = dir + name;
            if (path.size() >= plat::kMaxPath) {
                LogMsg("\nCUtltsFile::MakeListOfAllDfltRsltsFiles(), error, path too long");
                continue;
            }
            list.push_back(std::move(path));
        }
    } catch (const std::bad_alloc&) {
        LogMsg("CBsPrgr::MakeListOfAllDfltRsltsFiles(),error, pChar  == 0, CInstll::MakeListOfAllFilesWithExt(),pChar  == 0");
        return 1;
    }
    return 0;
}

int CUtltsFile::DeleteAllFilesInDir(const char* folder)
{
    // No folder would mean the current one, the program folder itself.
    if (!folder || !*folder) {
        LogMsg("\nCUtltsFile::DeleteAllFilesInDir(), error, no folder");
        return 0;
    }
    std::vector<std::string> list;
    if (MakeListOfAllDfltRsltsFiles(folder, list) != 0)
        LogMsg("CUtltsFile::DeleteAllFilesInDir(), error,!MakeListOfAllDfltRsltsFiles(l_DstVector)");
    // unlink, not remove: a subfolder stays (and is logged), as files alone are results.
    for (const std::string& path : list)
        if (::unlink(path.c_str()) != 0)
            LogMsg("CUtltsFile::DeleteAllFilesInDir(), error,remove(*it) == -1");
    // The folder emptied is the results folder (at start, at a first iteration, at the end):
    // what was never saved is gone with it.
    UnsavedRslts().Dropped();
    return 0;
}

bool CUtltsFile::PlanCopy(const char* srcDir, const char* dstDir, const char* baseName, const char* ext,
                          std::vector<CopyStep>& plan, bool& listed)
{
    plan.clear();
    listed = true;
    if (!srcDir || !*srcDir)
        return true; // no results folder yet: nothing to copy
    if (!baseName || !ext || std::strchr(baseName, '/') || std::strchr(baseName, '\\') || std::strchr(ext, '/') ||
        std::strchr(ext, '\\'))
        return false;
    std::vector<std::string> all;
    listed = MakeListOfAllDfltRsltsFiles(srcDir, all) == 0;
    std::vector<std::string> files;
    struct stat st;
    for (std::string& path : all)
        if (IsRegularFile(path, st))
            files.push_back(std::move(path));
    std::sort(files.begin(), files.end(), NaturalLess);
    const std::string dst = WithSeparator(dstDir);
    for (std::size_t k = 0; k < files.size(); ++k) {
        std::string to = dst + baseName + "_" + std::to_string(k + 1) + "." + ext;
        if (to.size() >= plat::kMaxPath)
            return false;
        plan.push_back(CopyStep{files[k], std::move(to)});
    }
    return true;
}

int CUtltsFile::CopyFromDirToDir(const char* srcDir, const char* dstDir, const char* baseName, const char* ext)
{
    std::vector<CopyStep> plan;
    bool listed = true;
    const bool fits = PlanCopy(srcDir, dstDir, baseName, ext, plan, listed);
    if (!listed)
        LogMsg("CUtltsFile::CopyFromDirToDir(), error,!MakeListOfAllDfltRsltsFiles(l_DstVector)");
    if (!fits) {
        LogMsg("\nCUtltsFile::CopyFromDirToDir(), error, target path too long");
        return 1;
    }
    for (const CopyStep& step : plan) {
        struct stat a, b;
        // Saving into the results folder itself: a file copied onto itself would be emptied.
        if (::stat(step.from.c_str(), &a) == 0 && ::stat(step.to.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
            a.st_ino == b.st_ino)
            continue;
        const int rc = CopyOneFile(step.from, step.to);
        if (rc == 1) {
            LogMsg("\nCUtltsFile::CopyFromDirToDir(), error, m_in = ....== NULL)");
            return 1;
        }
        if (rc == 2) {
            LogMsg("\nCUtltsFile::CopyFromDirToDir(), error, writing [%s]", step.to.c_str());
            return 1;
        }
    }
    return 0;
}
