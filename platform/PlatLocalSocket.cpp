#include "platform/PlatLocalSocket.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace plat {

namespace {

// The address of path; false when it does not fit (never cut: a cut path names another socket).
bool Address(const std::string& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Waits for events on fd until the deadline; false when the time ran out or the wait failed.
bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd, events, 0};
        const int n = poll(&p, 1, int(left.count()));
        if (n > 0)
            return true;
        if (n < 0 && errno != EINTR)
            return false;
    }
}

} // namespace

int ListenLocal(const std::string& path)
{
    sockaddr_un address;
    if (!Address(path, address))
        return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    unlink(path.c_str());
    // For the user alone. The folder already keeps everyone else out (the caller's private
    // runtime folder); the mode is set after the bind rather than through the umask, which is
    // the whole process's and would reach a file another thread makes meanwhile.
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || chmod(path.c_str(), 0600) != 0 ||
        listen(fd, 8) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int AcceptLocal(int listener)
{
    return accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
}

bool ReadLocal(int fd, std::string& bytes)
{
    char buffer[1024];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, std::size_t(n));
            continue;
        }
        if (n == 0)
            return false;
        if (errno == EINTR)
            continue;
        return errno == EAGAIN || errno == EWOULDBLOCK;
    }
}

bool WriteLocal(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n > 0)
            done += std::size_t(n);
        else if (n < 0 && errno != EINTR &&
            (errno != EAGAIN || !WaitFor(fd, POLLOUT, std::chrono::steady_clock::now() + std::chrono::seconds(1))))
            return false;
    }
    return true;
}

void CloseLocal(int fd)
{
    if (fd >= 0)
        close(fd);
}

bool AskLocal(const std::string& path, const std::string& line, std::string& answer, int waitMs)
{
    sockaddr_un address;
    if (!Address(path, address))
        return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) == 0 && WriteLocal(fd, line + '\n');
    std::string got;
    while (ok && got.find('\n') == std::string::npos) {
        ok = WaitFor(fd, POLLIN, deadline);
        // The other end may close right after its line: what came before the end counts.
        if (ok && !ReadLocal(fd, got))
            ok = got.find('\n') != std::string::npos;
    }
    close(fd);
    if (!ok)
        return false;
    answer = got.substr(0, got.find('\n'));
    return true;
}

} // namespace plat
