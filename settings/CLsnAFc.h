#pragma once
// The service factory: makes the objects of every subsystem.

#include "base/ILsnAFc.h"

class CLsnAFc : public ILsnAFc {
public:
    ILsnInst* Create_ILsnInst() override;
    IOutFile* Create_ILogFile(const char* name, const char* folder) override;
    ICfgFile* Create_ICfgFile(const char* name, const char* folder) override;
    IUtltsFile* Create_IUtltsFile() override;
    INxtPrFlSrvc* Create_INxtPrFlSrvc() override;
    IItrtnSrvc* Create_IItrtnSrvc() override;
    CScreen* Create_OScreen() override;
    ISttngs* Create_ISttngs(int type) override;
    ILsnFont* Create_ILsnFont() override;
    ITitlePctr* Create_ITitlePctr(int type) override;
    IKbrd* Create_IKbrd(int type) override;
    IMfcCmmnProc* Create_IMfcCmmnProc() override;
    CThread* Create_CThread(int mode) override;
    CThread* Create_CThread_AddBr(int type) override;
    IBsPrgr* Create_IBsPrgr(int mode) override;
    IPrStr* Create_IPrStr() override;
    IScrnStr* Create_IScrnStr() override;
    ISmrtFile* Create_ISmrtFile() override;
    ICphr* Create_ICphr(int type) override;
    CThread* Create_CThread_TtlTimeOut(int type) override;
    ILocal* Create_ILocal(int type) override;
    IDbLexer* Create_IDbLexer() override;
    IDbPar* Create_IDbPar(int type) override;
    IDbSec* Create_IDbSec() override;
    IDbVars* Create_IDbVars() override;
    IAliceTxtMkr* Create_IAliceTxtMkr(int type) override;
    ISetHelp* Create_ISetHelp() override;
};
