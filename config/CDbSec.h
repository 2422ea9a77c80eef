#pragma once
// A configuration section: its parameters, read from and saved to its file.

#include "config/DbTypes.h"
#include "config/IDbSec.h"

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
    int TryRdVal(const char* parName, int type, void* value) override;

    std::size_t ParCount() const { return m_Pars.size(); }

private:
    IDbPar* Find(const char* parName) const;

    char m_Name[DB_MAX_SEC_NAME + 1];
    std::vector<IDbPar*> m_Pars;
};
