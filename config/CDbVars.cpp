#include "config/CDbVars.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/IDbSec.h"
#include "texts/CInstll.h"

#include <cstring>

CDbVars::~CDbVars()
{
    for (IDbSec* s : m_Secs)
        delete s;
}

int CDbVars::Open(IOutFile*, const char*)
{
    if (CInstll::MakeListOfAllFilesWithExt(".cfg", m_Files) != 0) {
        LogMsg("CInstll::InstallAll(), ощибка после MakeListOfAllFilesWithExt()");
        return 1;
    }
    for (const std::string& path : m_Files) {
        IDbSec* sec = g_pILsnAFc->Create_IDbSec();
        if (!sec)
            LogFatal("CDbVars::Open(), error, pIDbSec == 0");
        if (sec->ParseFile(path.c_str()) != 0)
            LogFatal("CDbVars::Open(), error after, pIDbSec->ParseFile()");
        if (AddSec(sec) != 0)
            LogFatal("CDbVars::Open(), error after, AddSec()");
    }
    return 0;
}

int CDbVars::AddSec(IDbSec* sec)
{
    if (!sec)
        LogFatal("\nCDbVars::AddSec, error, pIDbSec == 0");
    m_Secs.push_back(sec);
    return 0;
}

IDbSec* CDbVars::Find(const char* secName) const
{
    for (IDbSec* s : m_Secs)
        if (std::strcmp(s->GetName(), secName) == 0)
            return s;
    return nullptr;
}

int CDbVars::Save(const char* secName)
{
    if (Need(secName, "Save")->Save() != 0)
        LogFatal("\nCDbVars::Save(), error, after (*it)->Save()");
    return 0;
}

IDbSec* CDbVars::Need(const char* secName, const char* op) const
{
    if (!secName)
        LogFatal("\nCDbVars::%s(), error, pszSecName == 0", op);
    IDbSec* s = Find(secName);
    if (!s)
        LogFatal("\nCDbVars::%s(), error, section not found", op);
    return s;
}

int CDbVars::WrVal(const char* secName, const char* parName, int type, const void* value)
{
    if (Need(secName, "WrVal")->WrVal(parName, type, value) != 0)
        LogFatal("\nCDbVars::WrVal(), error, after (*it)->WrVal(type");
    return 0;
}

int CDbVars::RdVal(const char* secName, const char* parName, int type, void* value)
{
    if (Need(secName, "RdVal")->RdVal(parName, type, value) != 0)
        LogFatal("\nCDbVars::RdVal(), error, after (*it)->RdVal(type");
    return 0;
}

int CDbVars::WrText(const char* secName, const char* parName, int type, const std::string& text)
{
    return Need(secName, "WrVal")->WrText(parName, type, text);
}

int CDbVars::RdText(const char* secName, const char* parName, int type, std::string& text)
{
    return Need(secName, "RdVal")->RdText(parName, type, text);
}

int CDbVars::TryRdVal(const char* secName, const char* parName, int type, void* value)
{
    if (!secName)
        return 1;
    IDbSec* s = Find(secName);
    return s ? s->TryRdVal(parName, type, value) : 1;
}
