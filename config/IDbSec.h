#pragma once
// The interface of a configuration section.

#include <string>

class IDbPar;

// One section: a name and its parameters in file order.
class IDbSec {
public:
    virtual ~IDbSec() = default;
    virtual int ParseFile(const char* path) = 0;
    virtual const char* GetName() = 0;
    virtual int AddPar(IDbPar* par) = 0;
    virtual int WrVal(const char* parName, int type, const void* value) = 0;
    virtual int RdVal(const char* parName, int type, void* value) = 0;
    virtual int Save() = 0;
    // The string value of any length (IDbPar::WrText, RdText) of the first parameter so named.
    virtual int WrText(const char* parName, int type, const std::string& text) = 0;
    virtual int RdText(const char* parName, int type, std::string& text) = 0;
    // Non-fatal lookup for callers that must not end the program (the log): 0 when the
    // parameter exists with this type and was read, 1 otherwise; nothing is logged.
    virtual int TryRdVal(const char* parName, int type, void* value) = 0;
};
