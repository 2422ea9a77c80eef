#include "platform/PlatLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {
// A folder of the user's own that no one else may enter or write into.
bool IsPrivateDir(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}
} // namespace

CFileLock::~CFileLock()
{
    Release();
}

CFileLock::Result CFileLock::Take(const std::string& path)
{
    Release();
    // Read access is enough for the lock: a file another user left behind still serves. A
    // pipe planted in its place must not hold the start up: the open never waits.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return Result::Failed;
    int rc;
    while ((rc = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (rc != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::Busy : Result::Failed;
    }
    m_Fd = fd;
    return Result::Taken;
}

void CFileLock::Release()
{
    if (m_Fd >= 0)
        ::close(m_Fd); // closing the only descriptor drops the lock
    m_Fd = -1;
}

std::string UserRuntimeDir()
{
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg == '/' && IsPrivateDir(xdg))
        return xdg;
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp == '/' ? tmp : "/tmp";
    const std::string dir = base + "/lexido-" + std::to_string(::geteuid());
    // One made by someone else, or a link planted in its place, is refused, never used.
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return std::string();
    return IsPrivateDir(dir) ? dir : std::string();
}

} // namespace plat
