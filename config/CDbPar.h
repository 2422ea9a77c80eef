#pragma once
// The parameters of a configuration section, one class per value type.

#include "config/DbTypes.h"
#include "config/IDbPar.h"

// Name, type code and the 256-byte value of a parameter; the concrete classes read and write
// the value's text form.
class CDbPar : public IDbPar {
public:
    int ParseFile(IDbLexer* lexer) override;
    const char* GetName() override { return m_Name; }
    int WrVal(int type, const void* value) override;
    int RdVal(int type, void* value) override;
    int Save(IOutFile* file) override;

    int GetType() const { return m_Type; }

protected:
    CDbPar(int type, const char* className);

    // Takes the value from the symbol's text; false when the text is not a valid value.
    virtual bool SetFromText(const char* text) = 0;
    // The value as the writer puts it after " sv = ".
    virtual void FormatValue(char* out, int size) const = 0;
    void CheckType(int type) const;

    char m_Value[DB_VALUE_SIZE];
    int m_Type;
    char m_Name[DB_MAX_PAR_NAME + 1];
    const char* m_ClassName; // names the class in the log lines of ParseFile
};

class CDbPar_INT : public CDbPar {
public:
    CDbPar_INT();
protected:
    bool SetFromText(const char* text) override;
    void FormatValue(char* out, int size) const override;
};

class CDbPar_FLOAT : public CDbPar {
public:
    CDbPar_FLOAT();
protected:
    bool SetFromText(const char* text) override;
    void FormatValue(char* out, int size) const override;
};

class CDbPar_STRING : public CDbPar {
public:
    CDbPar_STRING();
protected:
    CDbPar_STRING(int type, const char* className);
    bool SetFromText(const char* text) override;
    void FormatValue(char* out, int size) const override;
};

class CDbPar_STRING_ANY : public CDbPar_STRING {
public:
    CDbPar_STRING_ANY();
protected:
    void FormatValue(char* out, int size) const override;
};
