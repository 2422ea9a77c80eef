#pragma once
// The files opened most recently, newest first, kept in the settings section "Recent"
// (Settings/Recent.cfg): what the welcome page offers to reopen.

#include <string>
#include <vector>

namespace recent {

constexpr const char* kSection = "Recent";
constexpr int kCount = 5; // "File1" .. "File5"

// Whether the settings hold the section (an older program folder that could not be given it
// has none: nothing is remembered then).
bool HasSection();
// The remembered paths, newest first, without the empty entries.
std::vector<std::string> List();
// Puts path first (once) and saves the section. A path the settings file could not read back
// byte for byte is not remembered; the list stays as it was.
void Remember(const char* path);

} // namespace recent
