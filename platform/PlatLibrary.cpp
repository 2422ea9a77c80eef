#include "platform/PlatLibrary.h"

#include <dlfcn.h>

namespace plat {

void* OpenLibrary(const char* file, std::string& error)
{
    // dlopen counts its references: a library opened again is the same handle, kept loaded.
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        error = reason ? reason : file;
    }
    return library;
}

void* LibrarySymbol(void* library, const char* name)
{
    return library ? dlsym(library, name) : nullptr;
}

} // namespace plat
