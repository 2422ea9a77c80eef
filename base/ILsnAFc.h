#pragma once
// The service factory: the one place that makes the system's objects. Each operation returns
// a new object that the caller owns, or null when it cannot be made or the type is unknown.

class ILsnInst;
class IOutFile;
class ICfgFile;
class IUtltsFile;
class INxtPrFlSrvc;
class IItrtnSrvc;
class CScreen;
class ISttngs;
class ILsnFont;
class ITitlePctr;
class IKbrd;
class IMfcCmmnProc;
class CThread;
class IBsPrgr;
class IPrStr;
class IScrnStr;
class ISmrtFile;
class ICphr;
class ILocal;
class IDbLexer;
class IDbPar;
class IDbSec;
class IDbVars;
class IAliceTxtMkr;
class ISetHelp;

class ILsnAFc {
public:
    virtual ILsnInst* Create_ILsnInst() = 0;
    virtual IOutFile* Create_ILogFile(const char* name, const char* folder) = 0;
    virtual ICfgFile* Create_ICfgFile(const char* name, const char* folder) = 0;
    virtual IUtltsFile* Create_IUtltsFile() = 0;
    virtual INxtPrFlSrvc* Create_INxtPrFlSrvc() = 0;
    virtual IItrtnSrvc* Create_IItrtnSrvc() = 0;
    virtual CScreen* Create_OScreen() = 0;
    virtual ISttngs* Create_ISttngs(int type) = 0;
    virtual ILsnFont* Create_ILsnFont() = 0;
    virtual ITitlePctr* Create_ITitlePctr(int type) = 0;
    virtual IKbrd* Create_IKbrd(int type) = 0;
    virtual IMfcCmmnProc* Create_IMfcCmmnProc() = 0;
    virtual CThread* Create_CThread(int mode) = 0;
    virtual CThread* Create_CThread_AddBr(int type) = 0;
    virtual IBsPrgr* Create_IBsPrgr(int mode) = 0;
    virtual IPrStr* Create_IPrStr() = 0;
    virtual IScrnStr* Create_IScrnStr() = 0;
    virtual ISmrtFile* Create_ISmrtFile() = 0;
    virtual ICphr* Create_ICphr(int type) = 0;
    virtual CThread* Create_CThread_TtlTimeOut(int type) = 0;
    virtual ILocal* Create_ILocal(int type) = 0;
    virtual IDbLexer* Create_IDbLexer() = 0;
    virtual IDbPar* Create_IDbPar(int type) = 0;
    virtual IDbSec* Create_IDbSec() = 0;
    virtual IDbVars* Create_IDbVars() = 0;
    virtual IAliceTxtMkr* Create_IAliceTxtMkr(int type) = 0;
    virtual ISetHelp* Create_ISetHelp() = 0;
    virtual ~ILsnAFc() = default;
};
