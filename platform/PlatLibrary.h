#pragma once
// Shared libraries opened at their first use (dlopen), so that a start does not load and
// relocate what only one command needs.

#include <string>

namespace plat {

// The library of that file name, as the dynamic loader looks it up (a soname such as
// "libzip.so.4", or a path), opened at the first call and kept open; null with the loader's
// reason in error.
void* OpenLibrary(const char* file, std::string& error);

// The address of a symbol of an opened library; null when it has none.
void* LibrarySymbol(void* library, const char* name);

} // namespace plat
