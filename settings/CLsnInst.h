#pragma once
// The installer: makes every service in its fixed order at start-up, performs the one-time
// actions of a first start, and releases what shut-down releases.

#include "platform/PlatEvent.h"
#include "settings/ILsnInst.h"

class CLsnInst : public ILsnInst {
public:
    int InstallAll(IScrnView* pView) override;
    int DeInstallAll() override;
    int InstallTitlePctr() override;
    int PrepareTitlePctr() override;
    int ShowTitlePctr() override;

    // The phrase files of a first start, and the last opened path.
    int ReadOdb();
    // The sections the settings dialog edits, in their fixed order.
    int SaveSettings();
};

extern ILsnInst* g_pILsnInst;
// Held by InstallAll and DeInstallAll for their whole run.
extern plat::CCriticalSection g_InstallLock;
// Calls of DeInstallAll so far; only the first one acts.
extern int g_DeInstallCount;
