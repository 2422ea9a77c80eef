#include "tty/TtyInstall.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "settings/CLsnAFc.h"
#include "settings/CLsnInst.h"
#include "texts/IUtltsFile.h"

#include <cstdio>

namespace tty {

namespace {

class CTtyInst : public CLsnInst {
public:
    int InstallTitlePctr() override { return 0; }
    int PrepareTitlePctr() override { return 0; }
    int ShowTitlePctr() override { return 0; }
};

CLsnAFc g_Factory;
CTtyInst g_Inst;

} // namespace

bool Install(IScrnView& view)
{
    g_pILsnAFc = &g_Factory;
    g_pILsnInst = &g_Inst;
    const int installed = g_Inst.InstallAll(&view);
    if (installed == PRGRM_DIR_IN_USE)
        return false;
    if (installed != 0)
        ExitFatal();
    g_pIKbrd->SetKbrdType(KBRD_TYPE_KEYBOARD);
    return true;
}

int RefuseFolderInUse()
{
    std::fputs("lexido-tty: Lexido is already running over this program folder\n", stderr);
    return 1;
}

int Uninstall()
{
    return g_pILsnInst ? g_pILsnInst->DeInstallAll() : 0;
}

} // namespace tty
