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

void CopyBounded(char* dst, const char* src, std::size_t maxChars)
{
    std::size_t n = 0;
    while (n < maxChars && src[n])
        ++n;
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
    if (lexer->GetSymType() == SYM_EOF)
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

int CDbPar::WrVal(int type, const void* value)
{
    CheckType(type);
    std::lock_guard<std::mutex> lk(ValueLock());
    if (m_Type == PAR_TYPE_INT || m_Type == PAR_TYPE_FLOAT)
        std::memcpy(m_Value, value, 4);
    else
        CopyBounded(m_Value, static_cast<const char*>(value), DB_MAX_STR_VAL);
    return 0;
}

int CDbPar::RdVal(int type, void* value)
{
    CheckType(type);
    std::lock_guard<std::mutex> lk(ValueLock());
    if (m_Type == PAR_TYPE_INT || m_Type == PAR_TYPE_FLOAT)
        std::memcpy(value, m_Value, 4);
    else
        CopyBounded(static_cast<char*>(value), m_Value, DB_MAX_STR_VAL);
    return 0;
}

int CDbPar::Save(IOutFile* file)
{
    char text[DB_VALUE_SIZE + 8];
    {
        std::lock_guard<std::mutex> lk(ValueLock());
        FormatValue(text, sizeof text);
    }
    file->Write("\n");
    file->Write(DbTypeKeyword(m_Type));
    file->Write(" ");
    file->Write(m_Name);
    file->Write(" sv = ");
    file->Write(text);
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

void CDbPar_INT::FormatValue(char* out, int size) const
{
    int v;
    std::memcpy(&v, m_Value, 4);
    std::snprintf(out, static_cast<std::size_t>(size), "%d", v);
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

void CDbPar_FLOAT::FormatValue(char* out, int size) const
{
    float v;
    std::memcpy(&v, m_Value, 4);
    std::snprintf(out, static_cast<std::size_t>(size), "%f", static_cast<double>(v));
}

CDbPar_STRING::CDbPar_STRING() : CDbPar(PAR_TYPE_STRING, "CDbPar_STRING") {}

CDbPar_STRING::CDbPar_STRING(int type, const char* className) : CDbPar(type, className) {}

bool CDbPar_STRING::SetFromText(const char* text)
{
    CopyBounded(m_Value, text, DB_MAX_STR_VAL);
    return true;
}

void CDbPar_STRING::FormatValue(char* out, int size) const
{
    std::snprintf(out, static_cast<std::size_t>(size), "%s", m_Value);
}

CDbPar_STRING_ANY::CDbPar_STRING_ANY() : CDbPar_STRING(PAR_TYPE_STRING_ANY, "CDbPar_STRING_ANY") {}

void CDbPar_STRING_ANY::FormatValue(char* out, int size) const
{
    std::snprintf(out, static_cast<std::size_t>(size), "\"%s\"", m_Value);
}
