#pragma once
// The interface of a configuration file's writer.

#include "base/IOutFile.h"

// The writer of one configuration file. What is written reaches the disk only at Commit,
// all at once: the file on disk is always the whole old or the whole new section.
class ICfgFile : public IOutFile {
public:
    // 0 when the file now holds exactly what was written; 1 when the old file was kept.
    virtual int Commit() = 0;
    virtual const char* GetPath() = 0;
};
