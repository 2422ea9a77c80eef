#include "texts/CInstll.h"

#include "base/Log.h"
#include "platform/PlatFs.h"

#include <new>

int CInstll::MakeListOfAllFilesWithExt(const char* ext, std::vector<std::string>& list)
{
    try {
        std::vector<std::string> names;
        if (!plat::ListDir("Settings", std::string("*") + ext, names))
            return 0;
        for (const std::string& name : names) {
            const std::string path = "Settings/" + name;
            // Only files: a folder named like a configuration file is not one.
            if (!plat::IsDirectory(path))
                list.push_back(path);
        }
    } catch (const std::bad_alloc&) {
        LogMsg("CInstll::MakeListOfAllFilesWithExt(), error, pChar  == 0");
        return 1;
    }
    return 0;
}
