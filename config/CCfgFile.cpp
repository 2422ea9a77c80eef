#include "config/CCfgFile.h"

#include "platform/PlatFs.h"

CCfgFile::CCfgFile(const char* name, const char* folder)
    : m_Path(plat::NormalizeSeparators(std::string(folder) + "/" + name)), m_Valid(true)
{
    if (m_Path.size() >= plat::kMaxPath)
        m_Valid = false;
}

int CCfgFile::Write(const char* text)
{
    m_Text += text;
    return 0;
}

int CCfgFile::Commit()
{
    return plat::WriteFileAtomic(m_Path, m_Text) ? 0 : 1;
}
