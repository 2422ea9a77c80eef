#pragma once
// Locks the system drops with their process (one program at a time over a file), and the
// user's private folder for such lock files.

#include <string>

namespace plat {

// An exclusive lock on a file, held from Take until Release or destruction. The operating
// system drops it when the process ends, killed or not, so a lock is never left stale. The
// file is made if missing and never removed: one left behind holds nothing.
class CFileLock {
public:
    enum class Result { Taken, Busy, Failed };

    CFileLock() = default;
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Busy while another open of the file holds it (another process, or another lock object
    // in this one); Failed when the file cannot be opened or locked. A link is never followed.
    Result Take(const std::string& path);
    void Release();
    bool Held() const { return m_Fd >= 0; }

private:
    int m_Fd = -1;
};

// The user's own folder for run-time files: $XDG_RUNTIME_DIR, else <$TMPDIR or /tmp>/lexido-<uid>
// made with mode 0700. Either is taken only as a real folder (not a link) owned by the user and
// closed to everyone else, so no one else can put or take a file there. Empty when neither is.
std::string UserRuntimeDir();

} // namespace plat
