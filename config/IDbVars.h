#pragma once
// The interface of the configuration database.

#include <string>

class IOutFile;
class IDbSec;

// The configuration database: every section of Settings/*.cfg, in memory.
class IDbVars {
public:
    virtual ~IDbVars() = default;
    virtual int Open(IOutFile* log, const char* programDir) = 0;
    virtual int Save(const char* secName) = 0;
    virtual int AddSec(IDbSec* sec) = 0;
    virtual int WrVal(const char* secName, const char* parName, int type, const void* value) = 0;
    virtual int RdVal(const char* secName, const char* parName, int type, void* value) = 0;
    // A string value of any length up to a full path: WrText gives 1 when the value was
    // refused because the configuration file could not read it back (IDbPar::WrText).
    virtual int WrText(const char* secName, const char* parName, int type, const std::string& text) = 0;
    virtual int RdText(const char* secName, const char* parName, int type, std::string& text) = 0;
    // Non-fatal lookup: 0 when found with this type, 1 otherwise; nothing is logged.
    virtual int TryRdVal(const char* secName, const char* parName, int type, void* value) = 0;
};
