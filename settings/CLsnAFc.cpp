#include "settings/CLsnAFc.h"

#include "base/Globals.h"
#include "config/CCfgFile.h"
#include "config/CDbLexer.h"
#include "config/CDbPar.h"
#include "config/CDbSec.h"
#include "config/CDbVars.h"
#include "config/CfgTemplate.h"
#include "engine/CItrtnSrvc.h"
#include "engine/CKbrd.h"
#include "engine/CKbrd_Main.h"
#include "engine/CMfcCmmnProc.h"
#include "engine/CNxtPrFlSrvc.h"
#include "engine/CScreen.h"
#include "engine/CThrdAp.h"
#include "locale/CLocal.h"
#include "locale/CSetHelp.h"
#include "programs/CAddBrkt.h"
#include "programs/CAnswerModes.h"
#include "programs/CIn_Whl.h"
#include "programs/COpBrWhlWrd.h"
#include "programs/CPrStr.h"
#include "programs/CTmOInW.h"
#include "programs/CWchLttr.h"
#include "settings/CLogFile.h"
#include "settings/CLsnFont.h"
#include "settings/CLsnInst.h"
#include "settings/CSttngs.h"
#include "texts/CAliceTxtMkr.h"
#include "texts/CCgTxtMkr.h"
#include "texts/CCphr_Buffer.h"
#include "texts/CCphr_Nfs.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/CUtltsFile.h"
#include "title/CTitlePctr.h"

#include <new>

// The objects of later subsystems are not made yet: their operations give null, which every
// caller treats as "cannot be made".

ILsnInst* CLsnAFc::Create_ILsnInst() { return new (std::nothrow) CLsnInst; }

IOutFile* CLsnAFc::Create_ILogFile(const char* name, const char* folder)
{
    CLogFile* log = new (std::nothrow) CLogFile(name, folder);
    if (log && !log->IsValid()) {
        delete log;
        return nullptr;
    }
    return log;
}

ICfgFile* CLsnAFc::Create_ICfgFile(const char* name, const char* folder)
{
    CCfgFile* file = new (std::nothrow) CCfgFile(name, folder);
    if (file && !file->IsValid()) {
        delete file;
        return nullptr;
    }
    return file;
}

IUtltsFile* CLsnAFc::Create_IUtltsFile()
{
    return new (std::nothrow) CUtltsFile(nullptr, CfgUpdateFromTemplate);
}

// A stepping state of its own over the folder of the file utilities' opened file.
INxtPrFlSrvc* CLsnAFc::Create_INxtPrFlSrvc()
{
    return g_pIUtltsFile ? new (std::nothrow) CNxtPrFlSrvc(*g_pIUtltsFile) : nullptr;
}

IItrtnSrvc* CLsnAFc::Create_IItrtnSrvc() { return new (std::nothrow) CItrtnSrvc; }
CScreen* CLsnAFc::Create_OScreen() { return new (std::nothrow) CScreen; }

ISttngs* CLsnAFc::Create_ISttngs(int type)
{
    switch (type) {
    case 1: return new (std::nothrow) CSttngs_Gnrl;
    case 2: return new (std::nothrow) CSttngs_VieMode;
    case 3: return new (std::nothrow) CSttngs_ToV;
    case 4: return new (std::nothrow) CSttngs_OpBr;
    case 5: return new (std::nothrow) CSttngs_AddBr;
    case 6: return new (std::nothrow) CSttngs_Speech;
    case 7: return new (std::nothrow) CSttngs_Memory;
    default: return nullptr;
    }
}

ILsnFont* CLsnAFc::Create_ILsnFont() { return new (std::nothrow) CLsnFont; }
ITitlePctr* CLsnAFc::Create_ITitlePctr(int type)
{
    return type == 1 ? new (std::nothrow) CTitlePctr_Static : nullptr;
}

IKbrd* CLsnAFc::Create_IKbrd(int type)
{
    switch (type) {
    case 1: return new (std::nothrow) CKbrd_Main;
    case 2: return new (std::nothrow) CKbrd_Keyboard;
    case 3: return new (std::nothrow) CKbrd_Mouse;
    default: return nullptr;
    }
}

IMfcCmmnProc* CLsnAFc::Create_IMfcCmmnProc() { return new (std::nothrow) CMfcCmmnProc; }
CThread* CLsnAFc::Create_CThread(int mode) { return NewModeWorker(mode); }
CThread* CLsnAFc::Create_CThread_AddBr(int type) { return NewAddBracketsWorker(type); }
IBsPrgr* CLsnAFc::Create_IBsPrgr(int mode)
{
    switch (mode) {
    case 0: return new (std::nothrow) CIn_Whl;
    case 1: return new (std::nothrow) CWrdByWrd;
    case 2: return new (std::nothrow) CWchLttr;
    case 3: return new (std::nothrow) CTmOInW;
    case 4: return new (std::nothrow) CTmOWbW;
    case 5: return new (std::nothrow) COpBrWhlWrd;
    case 6: return new (std::nothrow) COpBrOneLttr;
    case 7: return new (std::nothrow) COpBrWhlWrd_NI;
    case 8: return new (std::nothrow) COpBrOneLttr_NI;
    case 9: return new (std::nothrow) CAddBrkt;
    case 10: return new (std::nothrow) CAddBrktTo;
    case 11: return new (std::nothrow) CTypeAnswer;
    case 12: return new (std::nothrow) CChooseAnswer;
    default: return nullptr;
    }
}
IPrStr* CLsnAFc::Create_IPrStr() { return new (std::nothrow) CPrStr; }
IScrnStr* CLsnAFc::Create_IScrnStr() { return new (std::nothrow) CScrnStr; }
ISmrtFile* CLsnAFc::Create_ISmrtFile() { return new (std::nothrow) CSmrtFile_Nrml; }

ICphr* CLsnAFc::Create_ICphr(int type)
{
    switch (type) {
    case 1: return new (std::nothrow) CCphr_Nfs;
    case 2: return new (std::nothrow) CCphr_Buffer;
    default: return nullptr;
    }
}
CThread* CLsnAFc::Create_CThread_TtlTimeOut(int type)
{
    return type == 0 ? new (std::nothrow) CThread_TtlTimeOut : nullptr;
}
ILocal* CLsnAFc::Create_ILocal(int type)
{
    switch (type) {
    case LANGUAGE_ENGLISH: return new (std::nothrow) CLocal_English;
    case LANGUAGE_RUSSIAN: return new (std::nothrow) CLocal_Russian;
    case LANGUAGE_GERMAN: return new (std::nothrow) CLocal_German;
    default: return nullptr;
    }
}

IDbLexer* CLsnAFc::Create_IDbLexer()
{
    CDbLexer* lexer = new (std::nothrow) CDbLexer;
    if (lexer)
        lexer->SetLineNumber(1);
    return lexer;
}

IDbPar* CLsnAFc::Create_IDbPar(int type)
{
    switch (type) {
    case 1: return new (std::nothrow) CDbPar_INT;
    case 2: return new (std::nothrow) CDbPar_FLOAT;
    case 3: return new (std::nothrow) CDbPar_STRING;
    case 4: return new (std::nothrow) CDbPar_STRING_ANY;
    default: return nullptr;
    }
}

IDbSec* CLsnAFc::Create_IDbSec() { return new (std::nothrow) CDbSec; }
IDbVars* CLsnAFc::Create_IDbVars() { return new (std::nothrow) CDbVars; }
IAliceTxtMkr* CLsnAFc::Create_IAliceTxtMkr(int type)
{
    switch (type) {
    case 1: return new (std::nothrow) CAliceTxtMkr;
    case 2: return new (std::nothrow) CCgTxtMkr;
    default: return nullptr;
    }
}
ISetHelp* CLsnAFc::Create_ISetHelp() { return new (std::nothrow) CSetHelp; }
