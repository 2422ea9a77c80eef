#include "config/CDbPar.h"

#include "base/IOutFile.h"
#include "base/Log.h"
#include "config/IDbLexer.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {
// Values are read by the worker and the log while the window thread writes them: one lock
// keeps every copy of a value whole.
std::mutex& ValueLock()
{
    static std::mutex m;
    return m;
}

std::size_t BoundedLen(const char* src, std::size_t maxChars)
{
    std::size_t n = 0;
    while (n < maxChars && src[n])
        ++n;
    return n;
}

void CopyBounded(char* dst, const char* src, std::size_t maxChars)
{
    const std::size_t n = BoundedLen(src, maxChars);
    std::memcpy(dst, src, n);
    dst[n] = 0;
}

const char* SkipSpace(const char* s)
{
    while (*s && std::isspace(static_cast<unsigned char>(*s)))
        ++s;
    return s;
}

// As a scan with "%d%s" or "%f%s" yielding exactly one item: a number, then only white space.
bool OnlySpaceAfter(const char* end)
{
    return *SkipSpace(end) == 0;
}
} // namespace

CDbPar::CDbPar(int type, const char* className)
    : m_Value{}, m_Type(type), m_Name{}, m_ClassName(className)
{
}

int CDbPar::ParseFile(IDbLexer* lexer)
{
    lexer->GetSym();
    // A name longer than its field is refused as the section's name is: cut, it is another name.
    if (lexer->GetSymType() == SYM_EOF || std::strlen(lexer->GetSymText()) > DB_MAX_PAR_NAME)
        LogFatal("%s::ParseFile(), eror, should be par name", m_ClassName);
    CopyBounded(m_Name, lexer->GetSymText(), DB_MAX_PAR_NAME);

    lexer->GetSym();
    if (lexer->GetSymType() == SYM_EOF)
        LogFatal("%s::ParseFile(), eror, instead of EOF should be marker sv", m_ClassName);
    if (std::strcmp(lexer->GetSymText(), DB_KEY_VALUE) != 0)
        LogFatal("%s::ParseFile(), eror, instead of [%s] should be marker sv", m_ClassName, lexer->GetSymText());

    lexer->GetSym();
    if (lexer->GetSymType() == SYM_EOF)
        LogFatal("%s::ParseFile(), eror, instead of EOF should be marker =", m_ClassName);
    if (std::strcmp(lexer->GetSymText(), DB_KEY_ASSIGN) != 0)
        LogFatal("%s::ParseFile(), eror, instead of [%s] should be marker =", m_ClassName, lexer->GetSymText());

    lexer->GetSym();
    if (lexer->GetSymType() == SYM_EOF)
        LogFatal("%s::ParseFile(), eror, instead EOF should be par value", m_ClassName);
    if (!SetFromText(lexer->GetSymText()))
        LogFatal("%s::ParseFile(), Error, wrong filel value [%s] for par %s , CPds_Cfg_Nrml::SetAsciiToValue()",
                 m_ClassName, lexer->GetSymText(), m_Name);
    return 0;
}

void CDbPar::CheckType(int type) const
{
    if (type != m_Type)
        LogFatal("\nWrong type for par [%s]", m_Name);
}

bool CDbPar::StoreText(const std::string& text)
{
    // A value the file cannot read back would be saved cut, or end every later start on a
    // broken file: it is never stored.
    if (text.size() > static_cast<std::size_t>(DB_MAX_TEXT) || std::strlen(text.c_str()) != text.size() ||
        !ReadsBack(text)) {
        LogMsg("\n%s::WrVal(), error, the value for par [%s] cannot be read back from the file, not stored",
               m_ClassName, m_Name);
        return false;
    }
    std::lock_guard<std::mutex> lk(ValueLock());
    m_Text = text;
    return true;
}

int CDbPar::WrVal(int type, const void* value)
{
    CheckType(type);
    if (IsText()) {
        const char* s = static_cast<const char*>(value);
        StoreText(std::string(s, BoundedLen(s, DB_MAX_STR_VAL)));
        return 0;
    }
    std::lock_guard<std::mutex> lk(ValueLock());
    std::memcpy(m_Value, value, 4);
    return 0;
}

int CDbPar::RdVal(int type, void* value)
{
    CheckType(type);
    std::lock_guard<std::mutex> lk(ValueLock());
    if (IsText())
        CopyBounded(static_cast<char*>(value), m_Text.c_str(), DB_MAX_STR_VAL);
    else
        std::memcpy(value, m_Value, 4);
    return 0;
}

int CDbPar::WrText(int type, const std::string& text)
{
    CheckType(type);
    return IsText() && StoreText(text) ? 0 : 1;
}

int CDbPar::RdText(int type, std::string& text)
{
    CheckType(type);
    if (!IsText())
        return 1;
    std::lock_guard<std::mutex> lk(ValueLock());
    text = m_Text;
    return 0;
}

int CDbPar::Save(IOutFile* file)
{
    std::string text;
    {
        std::lock_guard<std::mutex> lk(ValueLock());
        text = FormatValue();
    }
    file->Write("\n");
    file->Write(DbTypeKeyword(m_Type));
    file->Write(" ");
    file->Write(m_Name);
    file->Write(" sv = ");
    file->Write(text.c_str());
    return 0;
}

CDbPar_INT::CDbPar_INT() : CDbPar(PAR_TYPE_INT, "CDbPar_INT") {}

bool CDbPar_INT::SetFromText(const char* text)
{
    const char* s = SkipSpace(text);
    if (!*s)
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s, &end, 10);
    // A number that does not fit 32 bits is not one integer value either.
    if (end == s || errno == ERANGE || v < INT_MIN || v > INT_MAX || !OnlySpaceAfter(end))
        return false;
    const int iv = static_cast<int>(v);
    std::memcpy(m_Value, &iv, 4);
    return true;
}

std::string CDbPar_INT::FormatValue() const
{
    int v;
    std::memcpy(&v, m_Value, 4);
    return std::to_string(v);
}

CDbPar_FLOAT::CDbPar_FLOAT() : CDbPar(PAR_TYPE_FLOAT, "CDbPar_FLOAT") {}

bool CDbPar_FLOAT::SetFromText(const char* text)
{
    const char* s = SkipSpace(text);
    if (!*s)
        return false;
    char* end = nullptr;
    const float v = std::strtof(s, &end);
    if (end == s || !OnlySpaceAfter(end))
        return false;
    std::memcpy(m_Value, &v, 4);
    return true;
}

std::string CDbPar_FLOAT::FormatValue() const
{
    float v;
    std::memcpy(&v, m_Value, 4);
    char out[64];
    // A float's fixed notation can run to 46 digits before the point.
    std::snprintf(out, sizeof out, "%f", static_cast<double>(v));
    return out;
}

CDbPar_STRING::CDbPar_STRING() : CDbPar(PAR_TYPE_STRING, "CDbPar_STRING") {}

CDbPar_STRING::CDbPar_STRING(int type, const char* className) : CDbPar(type, className) {}

bool CDbPar_STRING::SetFromText(const char* text)
{
    m_Text.assign(text, BoundedLen(text, DB_MAX_TEXT));
    return true;
}

std::string CDbPar_STRING::FormatValue() const
{
    return m_Text;
}

bool CDbPar_STRING::ReadsBack(const std::string& text) const
{
    return !text.empty() && text.find_first_of(" \t\r\n\"") == std::string::npos;
}

CDbPar_STRING_ANY::CDbPar_STRING_ANY() : CDbPar_STRING(PAR_TYPE_STRING_ANY, "CDbPar_STRING_ANY") {}

std::string CDbPar_STRING_ANY::FormatValue() const
{
    return "\"" + m_Text + "\"";
}

bool CDbPar_STRING_ANY::ReadsBack(const std::string& text) const
{
    return text.find_first_of("\n\"") == std::string::npos;
}
