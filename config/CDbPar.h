#pragma once
// The parameters of a configuration section, one class per value type.

#include "config/DbTypes.h"
#include "config/IDbPar.h"

#include <string>

// Name, type code and value of a parameter (four bytes of a number, or a text up to a full
// path); the concrete classes read and write the value's text form.
class CDbPar : public IDbPar {
public:
    int ParseFile(IDbLexer* lexer) override;
    const char* GetName() override { return m_Name; }
    int WrVal(int type, const void* value) override;
    int RdVal(int type, void* value) override;
    int Save(IOutFile* file) override;
    int WrText(int type, const std::string& text) override;
    int RdText(int type, std::string& text) override;

    int GetType() const { return m_Type; }

protected:
    CDbPar(int type, const char* className);

    // Takes the value from the symbol's text; false when the text is not a valid value.
    virtual bool SetFromText(const char* text) = 0;
    // The value as the writer puts it after " sv = ".
    virtual std::string FormatValue() const = 0;
    // True when the text, written by FormatValue, reads back as this very text.
    virtual bool ReadsBack(const std::string&) const { return false; }
    void CheckType(int type) const;
    bool IsText() const { return m_Type == PAR_TYPE_STRING || m_Type == PAR_TYPE_STRING_ANY; }
    // Stores a string value that reads back; logs and keeps the old value otherwise.
    bool StoreText(const std::string& text);

    char m_Value[4]; // the number of the integer and float types
    std::string m_Text; // the value of the string types
    int m_Type;
    char m_Name[DB_MAX_PAR_NAME + 1];
    const char* m_ClassName; // names the class in the log lines of ParseFile
};

class CDbPar_INT : public CDbPar {
public:
    CDbPar_INT();
protected:
    bool SetFromText(const char* text) override;
    std::string FormatValue() const override;
};

class CDbPar_FLOAT : public CDbPar {
public:
    CDbPar_FLOAT();
protected:
    bool SetFromText(const char* text) override;
    std::string FormatValue() const override;
};

class CDbPar_STRING : public CDbPar {
public:
    CDbPar_STRING();
protected:
    CDbPar_STRING(int type, const char* className);
    bool SetFromText(const char* text) override;
    std::string FormatValue() const override;
    // One non-empty word: no blank, tab, line end or double quote.
    bool ReadsBack(const std::string& text) const override;
};

class CDbPar_STRING_ANY : public CDbPar_STRING {
public:
    CDbPar_STRING_ANY();
protected:
    std::string FormatValue() const override;
    // Between double quotes: no double quote and no line end.
    bool ReadsBack(const std::string& text) const override;
};
