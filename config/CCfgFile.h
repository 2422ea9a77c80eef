#pragma once
// The writer of one configuration file, saved whole at Commit.

#include "config/ICfgFile.h"

#include <string>

class CCfgFile : public ICfgFile {
public:
    // path = folder + "/" + name; the caller checks IsValid (a path that does not fit is refused).
    CCfgFile(const char* name, const char* folder);
    bool IsValid() const { return m_Valid; }

    int Write(const char* text) override;
    int RequestShutDown() override { return 0; }
    int Commit() override;
    const char* GetPath() override { return m_Path.c_str(); }

private:
    std::string m_Path;
    std::string m_Text;
    bool m_Valid;
};
