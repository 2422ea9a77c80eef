#include "config/CDbSec.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/CDbPar.h"
#include "config/ICfgFile.h"
#include "config/IDbLexer.h"
#include "platform/PlatExit.h"
#include "platform/PlatFs.h"
#include "texts/IUtltsFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

CDbSec::CDbSec() : m_Name{} {}

CDbSec::~CDbSec()
{
    for (IDbPar* p : m_Pars)
        delete p;
}

int CDbSec::ParseFile(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    m_ReadFrom = slash ? slash + 1 : path;
    std::unique_ptr<IDbLexer> lexer(g_pILsnAFc->Create_IDbLexer());
    if (!lexer)
        LogFatal("CDbSec::ParseFile(), error, pIDbLexer == 0");
    if (lexer->OpenFile(path) != 0)
        LogFatal("CDbSec::ParseFile(), error after OpenFile()");
    // A fatal end while the file is read names the file and the line it stopped at.
    const plat::CFatalPlace place([&lexer, path] {
        const std::string file = path[0] == '/' ? std::string(path) : plat::CurrentDir() + "/" + path;
        return file + ", line " + std::to_string(lexer->GetSymLine());
    });

    lexer->GetSym();
    if (lexer->GetSymType() == SYM_EOF) {
        LogMsg("CDbSec::ParseFile(), empty file [%s]", path);
        return 0;
    }
    if (std::strcmp(lexer->GetSymText(), DB_KEY_SECTION) != 0)
        LogFatal("\nCDbSec::ParseFile(), error, should be sn marker");
    lexer->GetSym();
    if (lexer->GetSymType() == SYM_EOF || std::strcmp(lexer->GetSymText(), DB_KEY_ASSIGN) != 0)
        LogFatal("CDbSec::ParseFile(), error, should be = marker");
    lexer->GetSym();
    // A name longer than its field is no section name: cut, it would name another file.
    if (lexer->GetSymType() == SYM_EOF || std::strlen(lexer->GetSymText()) > DB_MAX_SEC_NAME)
        LogFatal("CDbSec::ParseFile(), error, should be section name");
    std::memcpy(m_Name, lexer->GetSymText(), std::strlen(lexer->GetSymText()) + 1);

    lexer->GetSym();
    if (lexer->GetSymType() == SYM_EOF) {
        LogMsg("CDbSec::ParseFile(), empty section");
        return 0;
    }
    for (;;) {
        const int type = DbTypeFromKeyword(lexer->GetSymText());
        if (type == 0)
            LogFatal("\nCDbSec::ParseFile(), error, wrong par type [%s]", lexer->GetSymText());
        IDbPar* par = g_pILsnAFc->Create_IDbPar(type);
        if (!par)
            LogFatal("CDbSec::ParseFile(), error, pIDbPar == 0");
        if (par->ParseFile(lexer.get()) != 0)
            LogFatal("CDbSec::ParseFile(), error after pIDbPar->ParseFile()");
        if (AddPar(par) != 0)
            LogFatal("CDbSec::ParseFile(), error after this->AddPar()");
        lexer->GetSym();
        if (lexer->GetSymType() == SYM_EOF)
            return 0;
    }
}

int CDbSec::AddPar(IDbPar* par)
{
    if (!par)
        LogFatal("\nCDbSec::AddPar, error, pIDbPar == 0");
    m_Pars.push_back(par);
    return 0;
}

IDbPar* CDbSec::Find(const char* parName) const
{
    for (IDbPar* p : m_Pars)
        if (std::strcmp(p->GetName(), parName) == 0)
            return p;
    return nullptr;
}

IDbPar* CDbSec::Need(const char* parName, const char* op) const
{
    if (!parName)
        LogFatal("\nCDbSec::%s(), error, pszParName == 0", op);
    IDbPar* p = Find(parName);
    if (!p)
        LogFatal("\nCDbSec::%s(), error, parameter not found", op);
    return p;
}

int CDbSec::WrVal(const char* parName, int type, const void* value)
{
    if (Need(parName, "WrVal")->WrVal(type, value) != 0)
        LogFatal("\nCDbSec::WrVal(), error, after (*it)->WrVal(type");
    return 0;
}

int CDbSec::RdVal(const char* parName, int type, void* value)
{
    if (Need(parName, "RdVal")->RdVal(type, value) != 0)
        LogFatal("\nCDbSec::RdVal(), error, after (*it)->RdVal(type");
    return 0;
}

int CDbSec::WrText(const char* parName, int type, const std::string& text)
{
    return Need(parName, "WrVal")->WrText(type, text);
}

int CDbSec::RdText(const char* parName, int type, std::string& text)
{
    return Need(parName, "RdVal")->RdText(type, text);
}

int CDbSec::TryRdVal(const char* parName, int type, void* value)
{
    if (!parName)
        return 1;
    IDbPar* p = Find(parName);
    CDbPar* cp = dynamic_cast<CDbPar*>(p);
    if (!cp || cp->GetType() != type)
        return 1;
    return cp->RdVal(type, value);
}

std::string CDbSec::SaveFileName() const
{
    const std::string own = std::string(m_Name) + ".cfg";
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    const bool same = own.size() == m_ReadFrom.size() &&
                      std::equal(own.begin(), own.end(), m_ReadFrom.begin(), [&](char a, char b) {
                          return fold(static_cast<unsigned char>(a)) == fold(static_cast<unsigned char>(b));
                      });
    return same ? m_ReadFrom : own;
}

int CDbSec::Save()
{
    const std::string rel = "/Settings/" + SaveFileName();
    std::string folder = g_pIUtltsFile ? std::string(g_pIUtltsFile->GetPrgrmDir()) : plat::CurrentDir();
    std::unique_ptr<ICfgFile> file(g_pILsnAFc->Create_ICfgFile(rel.c_str(), folder.c_str()));
    if (!file)
        LogFatal("\nCDbSec::Save(), Error, pCfgFile == 0");
    file->Write("sn = ");
    file->Write(m_Name);
    file->Write("\n");
    for (IDbPar* p : m_Pars)
        p->Save(file.get());
    if (file->Commit() != 0) {
        LogMsg("\nCDbSec::Save(), Error, cannot write [%s]: %s", file->GetPath(), std::strerror(errno));
        return 1;
    }
    return 0;
}
