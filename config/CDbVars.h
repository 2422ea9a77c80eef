#pragma once
// The configuration database: every section of Settings/*.cfg, in memory.

#include "config/IDbVars.h"

#include <string>
#include <vector>

class CDbVars : public IDbVars {
public:
    CDbVars() = default;
    ~CDbVars() override;

    int Open(IOutFile* log, const char* programDir) override;
    int Save(const char* secName) override;
    int AddSec(IDbSec* sec) override;
    int WrVal(const char* secName, const char* parName, int type, const void* value) override;
    int RdVal(const char* secName, const char* parName, int type, void* value) override;
    int WrText(const char* secName, const char* parName, int type, const std::string& text) override;
    int RdText(const char* secName, const char* parName, int type, std::string& text) override;
    int TryRdVal(const char* secName, const char* parName, int type, void* value) override;

    const std::vector<std::string>& Files() const { return m_Files; }
    std::size_t SecCount() const { return m_Secs.size(); }

private:
    IDbSec* Find(const char* secName) const;
    // The section an operation needs; a missing name or section ends the process with the
    // operation's line.
    IDbSec* Need(const char* secName, const char* op) const;

    std::vector<IDbSec*> m_Secs;
    std::vector<std::string> m_Files;
};
