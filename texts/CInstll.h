#pragma once
// The list of the configuration files in Settings/.

#include <string>
#include <vector>

class CInstll {
public:
    // Appends "Settings/<name>" for every file of Settings/ (relative to the current directory)
    // whose name ends with ext, in name order. 0, or 1 when memory runs out. A missing folder
    // gives an empty list.
    static int MakeListOfAllFilesWithExt(const char* ext, std::vector<std::string>& list);
};
