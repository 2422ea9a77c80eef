// The folder operations of the file utilities: listing, emptying the results folder and
// copying the results to the folder the learner chose.
#include "texts/CUtltsFile.h"

#include "base/Log.h"
#include "engine/CUnsavedRslts.h"
#include "platform/PlatFs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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

// Where a copy is written before it takes its name: a hidden name beside the target, so that a
// save that fails half-way has replaced nothing.
std::string StagedName(const std::string& to)
{
    const std::size_t slash = to.rfind('/');
    return to.substr(0, slash + 1) + "." + to.substr(slash + 1) + ".new";
}

constexpr std::size_t kStagedExtra = 5; // "." and ".new"

// A failure that tells of the disk rather than of the target's name.
bool IsWriteError(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO;
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
        if (to.size() + kStagedExtra >= plat::kMaxAtomicPath)
            return false;
        plan.push_back(CopyStep{files[k], std::move(to)});
    }
    return true;
}

int CUtltsFile::CopyFromDirToDir(const char* srcDir, const char* dstDir, const char* baseName, const char* ext)
{
    m_CopyFailure = SCopyFailure();
    std::vector<CopyStep> plan;
    bool listed = true;
    const bool fits = PlanCopy(srcDir, dstDir, baseName, ext, plan, listed);
    if (!listed)
        LogMsg("CUtltsFile::CopyFromDirToDir(), error,!MakeListOfAllDfltRsltsFiles(l_DstVector)");
    if (!fits) {
        LogMsg("\nCUtltsFile::CopyFromDirToDir(), error, target path too long");
        return 1;
    }
    // Every copy is first written whole under its staged name; only when all were written do
    // they take their names, each by a rename. A failure (a full disk) leaves every file of the
    // folder as it was, and a crash leaves each target old or new, never cut.
    std::vector<CopyStep> staged;
    const auto fail = [&](const std::string& path, int error, bool opening) {
        if (opening)
            LogMsg("\nCUtltsFile::CopyFromDirToDir(), error, m_in = ....== NULL)");
        else
            LogMsg("\nCUtltsFile::CopyFromDirToDir(), error, writing [%s]", path.c_str());
        for (const CopyStep& s : staged)
            ::unlink(s.from.c_str());
        m_CopyFailure = SCopyFailure{path, error};
        return 1;
    };
    for (const CopyStep& step : plan) {
        struct stat a, b;
        const bool exists = ::lstat(step.to.c_str(), &b) == 0;
        // Saving into the results folder itself: the file is already there.
        if (exists && ::stat(step.from.c_str(), &a) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino)
            continue;
        // A link placed at a target's name is never written through, nor replaced.
        if (exists && S_ISLNK(b.st_mode))
            return fail(step.to, ELOOP, true);
        if (exists && !S_ISREG(b.st_mode))
            return fail(step.to, EISDIR, true);
        std::string bytes;
        if (!plat::ReadFileWhole(step.from, bytes))
            return fail(step.from, errno, true);
        const std::string stage = StagedName(step.to);
        if (!plat::WriteFileAtomic(stage, bytes)) {
            const int error = errno;
            return fail(step.to, error, !IsWriteError(error));
        }
        staged.push_back(CopyStep{stage, step.to});
    }
    for (std::size_t k = 0; k < staged.size(); ++k) {
        if (::rename(staged[k].from.c_str(), staged[k].to.c_str()) != 0) {
            // Past the first rename some files were replaced: no reason that says none was.
            const int error = k == 0 ? errno : 0;
            staged.erase(staged.begin(), staged.begin() + static_cast<std::ptrdiff_t>(k));
            return fail(staged.front().to, error, false);
        }
    }
    return 0;
}
