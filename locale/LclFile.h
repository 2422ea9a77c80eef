#pragma once
// Reading a whole file, for the help files.

#include <string>

// The whole file at path, read in binary. False when it cannot be opened or read.
bool LclReadFile(const std::string& path, std::string& bytes);
