#pragma once
// The interface of a configuration parameter.

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
};
