#include "tests/Permissions.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool GiveUpPermissionOverride(const std::string& dir, bool acrossExec)
{
    const int caps[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};
    if (geteuid() == 0) {
        // Root gets the bounding set back at every exec; what is dropped there stays dropped.
        if (acrossExec)
            for (int cap : caps)
                if (prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0)
                    return false;
        __user_cap_header_struct hdr{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &hdr, data) != 0)
            return false;
        for (int cap : caps) {
            data[cap / 32].effective &= ~(1u << (cap % 32));
            data[cap / 32].permitted &= ~(1u << (cap % 32));
            data[cap / 32].inheritable &= ~(1u << (cap % 32));
        }
        if (syscall(SYS_capset, &hdr, data) != 0)
            return false;
    }
    const std::string probe = dir + "/probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }
    return errno == EACCES;
}

namespace {
// Takes the write bits away, or gives the owner's back; execute bits stay (programs, folders).
void SetWritable(const fs::path& p, bool readOnly)
{
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || S_ISLNK(st.st_mode))
        return;
    const mode_t mode = st.st_mode & 07777;
    chmod(p.c_str(), readOnly ? mode & ~mode_t{0222} : mode | S_IWUSR);
}
} // namespace

void SetTreeReadOnly(const std::string& dir, bool readOnly, const std::string& keep)
{
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(dir, ec)) {
        const std::string rel = fs::relative(e.path(), dir).string();
        if (keep.empty() || (rel != keep && rel.rfind(keep + "/", 0) != 0))
            SetWritable(e.path(), readOnly);
    }
    SetWritable(dir, readOnly);
}
