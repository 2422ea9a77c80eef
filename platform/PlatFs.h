#pragma once
// Files and folders: the directory search, the program folder, paths, whole-file reads and writes.

#include <string>
#include <vector>

namespace plat {

// The longest path the platform accepts, terminating zero included. Path fields are this size;
// a path that does not fit is refused, never cut (a cut path names another file).
constexpr std::size_t kMaxPath = 4096;
// The longest path WriteFileAtomic takes: its temporary name is four characters longer.
constexpr std::size_t kMaxAtomicPath = kMaxPath - 5;

// Lists the entries of folder whose names match pattern ("*.cfg", "*.*", "*"), without "." and
// "..", sorted by name (letters compared without case, then byte for byte). Patterns match
// without regard to case, as on the original platform, and "*.*" matches every name.
// Returns false when the folder cannot be searched.
bool ListDir(const std::string& folder, const std::string& pattern, std::vector<std::string>& names);

// True when name matches the wildcard pattern (* and ?), letters compared without case.
bool MatchPattern(const char* pattern, const char* name);

// The folder of the running executable, without a trailing separator; empty if unknown.
std::string ExeDir();

bool SetCurrentDir(const std::string& folder);
std::string CurrentDir();

bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);
// The path a file is known by: absolute and without links where the file exists, "." or ".."
// steps normalised away where it does not (a file gone, an unreadable folder).
std::string CanonicalPath(const std::string& path);
// Renames from to to (replacing a file there); false when it cannot.
bool RenameFile(const std::string& from, const std::string& to);

// Turns every "\\" into "/": paths of the system's literals use either separator. By value: a
// path made for the call is normalised in place, without a copy.
std::string NormalizeSeparators(std::string path);

// The whole file at path, read in binary. False when it cannot be opened or read.
bool ReadFileWhole(const std::string& path, std::string& bytes);

// Replaces the file at path by exactly these bytes, through a temporary file in the same folder
// that is flushed to disk and then renamed over it: the file is always whole, old or new. What
// stands at the temporary name (a crash's leftover, a planted link) is removed, never followed;
// the temporary is created anew, and one planted again meanwhile makes the write fail.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

// Fault injection for tests of the writers: after this many more bytes, the next write through
// WriteFileAtomic's stream fails (-1: never). Set to a small number to simulate a full disk.
void SetWriteBudgetForTests(long bytes);
// When set, the process ends with this status at the moment the budget runs out: a crash.
void SetCrashOnBudgetForTests(int status);

} // namespace plat
