#include "platform/PlatFs.h"

#include <algorithm>
#include <filesystem>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {
std::atomic<long> g_WriteBudget{-1};
std::atomic<int> g_CrashStatus{-1};

unsigned char Fold(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// The path as the system takes it: the path itself when it has no "\\" (no copy), else its
// normalised form, kept in normal.
const char* SystemPath(const std::string& path, std::string& normal)
{
    if (path.find('\\') == std::string::npos)
        return path.c_str();
    normal = NormalizeSeparators(path);
    return normal.c_str();
}

bool NameLess(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = Fold(static_cast<unsigned char>(a[i]));
        const unsigned char y = Fold(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

// Writes with the test fault budget applied; returns false on a failed write.
bool WriteBudgeted(int fd, const char* data, std::size_t len)
{
    while (len > 0) {
        std::size_t chunk = len;
        long budget = g_WriteBudget.load();
        if (budget >= 0) {
            if (budget == 0) {
                if (g_CrashStatus.load() >= 0)
                    _exit(g_CrashStatus.load());
                errno = ENOSPC;
                return false;
            }
            chunk = std::min<std::size_t>(chunk, static_cast<std::size_t>(budget));
            g_WriteBudget.store(budget - static_cast<long>(chunk));
        }
        const ssize_t w = ::write(fd, data, chunk);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += w;
        len -= static_cast<std::size_t>(w);
    }
    return true;
}
} // namespace

bool MatchPattern(const char* p, const char* s)
{
    if (std::strcmp(p, "*.*") == 0)
        return true;
    // Iterative wildcard match with one backtrack point for the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*s) {
        if (*p == '*') {
            star = p++;
            resume = s;
        } else if (*p == '?' || (*p && Fold(static_cast<unsigned char>(*p)) == Fold(static_cast<unsigned char>(*s)))) {
            ++p;
            ++s;
        } else if (star) {
            p = star + 1;
            s = ++resume;
        } else {
            return false;
        }
    }
    while (*p == '*')
        ++p;
    return *p == 0;
}

bool ListDir(const std::string& folder, const std::string& pattern, std::vector<std::string>& names)
{
    const std::string dir = folder.empty() ? std::string(".") : NormalizeSeparators(folder);
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return false;
    std::vector<std::string> found;
    while (dirent* e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        if (MatchPattern(pattern.c_str(), e->d_name))
            found.emplace_back(e->d_name);
    }
    ::closedir(d);
    std::sort(found.begin(), found.end(), NameLess);
    names.insert(names.end(), found.begin(), found.end());
    return true;
}

std::string ExeDir()
{
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return std::string();
    std::string path(buf, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::string();
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool SetCurrentDir(const std::string& folder)
{
    return ::chdir(NormalizeSeparators(folder).c_str()) == 0;
}

std::string CurrentDir()
{
    char buf[PATH_MAX];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

bool FileExists(const std::string& path)
{
    struct stat st;
    std::string normal;
    return ::stat(SystemPath(path, normal), &st) == 0;
}

bool IsDirectory(const std::string& path)
{
    struct stat st;
    std::string normal;
    return ::stat(SystemPath(path, normal), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string CanonicalPath(const std::string& path)
{
    // The links of the part that exists are resolved; the rest is normalised by its words.
    const std::string normal = NormalizeSeparators(path);
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::weakly_canonical(normal, ec);
    return ec || p.empty() ? std::filesystem::path(normal).lexically_normal().string() : p.string();
}

bool RenameFile(const std::string& from, const std::string& to)
{
    return std::rename(NormalizeSeparators(from).c_str(), NormalizeSeparators(to).c_str()) == 0;
}

std::string NormalizeSeparators(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool ReadFileWhole(const std::string& path, std::string& bytes)
{
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    bytes.clear();
    char buf[16384];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, in)) > 0)
        bytes.append(buf, got);
    const bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    const std::string target = NormalizeSeparators(path);
    // The temporary name must not match the patterns the program lists ("*.cfg"), so that a
    // crash between write and rename leaves nothing that the next start would read.
    const std::string tmp = target + ".tmp";
    if (tmp.size() >= kMaxPath)
        return false;
    ::unlink(tmp.c_str());
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = WriteBudgeted(fd, bytes.data(), bytes.size());
    ok = (::fsync(fd) == 0) && ok;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int saved = errno;
        ::unlink(tmp.c_str());
        errno = saved;
    }
    return ok;
}

void SetWriteBudgetForTests(long bytes)
{
    g_WriteBudget.store(bytes);
}

void SetCrashOnBudgetForTests(int status)
{
    g_CrashStatus.store(status);
}

} // namespace plat
