#pragma once
// The interface of a configuration parameter.

#include <string>

class IDbLexer;
class IOutFile;

// One typed, named parameter of a section.
class IDbPar {
public:
    virtual ~IDbPar() = default;
    // Reads name, markers and value; the type keyword has been read by the section.
    virtual int ParseFile(IDbLexer* lexer) = 0;
    virtual const char* GetName() = 0;
    virtual int WrVal(int type, const void* value) = 0;
    virtual int RdVal(int type, void* value) = 0;
    virtual int Save(IOutFile* file) = 0;
    // A string value of any length up to a full path. WrText stores the text only when the
    // configuration file reads it back byte for byte: 0 stored, 1 refused (logged; the value
    // stays as it was). Both check the type as WrVal and RdVal do.
    virtual int WrText(int type, const std::string& text) = 0;
    virtual int RdText(int type, std::string& text) = 0;
};
