#pragma once
// A configuration section: its parameters, read from and saved to its file.

#include "config/DbTypes.h"
#include "config/IDbSec.h"

#include <string>
#include <vector>

class CDbSec : public IDbSec {
public:
    CDbSec();
    ~CDbSec() override;

    int ParseFile(const char* path) override;
    const char* GetName() override { return m_Name; }
    int AddPar(IDbPar* par) override;
    int WrVal(const char* parName, int type, const void* value) override;
    int RdVal(const char* parName, int type, void* value) override;
    int Save() override;
    int WrText(const char* parName, int type, const std::string& text) override;
    int RdText(const char* parName, int type, std::string& text) override;
    int TryRdVal(const char* parName, int type, void* value) override;

    std::size_t ParCount() const { return m_Pars.size(); }

private:
    IDbPar* Find(const char* parName) const;
    // The parameter an operation needs; a missing name or parameter ends the process with the
    // operation's line.
    IDbPar* Need(const char* parName, const char* op) const;

    // The file Save writes: "<name>.cfg", or the file read when its name is that in other case
    // ("Gnrl.CFG"), so that the saved values are the ones the next start reads.
    std::string SaveFileName() const;

    char m_Name[DB_MAX_SEC_NAME + 1];
    std::string m_ReadFrom; // the name of the file the section was read from
    std::vector<IDbPar*> m_Pars;
};
