#include "tty/TtyInstall.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "settings/CLsnAFc.h"
#include "settings/CLsnInst.h"

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

void Install(IScrnView& view)
{
    g_pILsnAFc = &g_Factory;
    g_pILsnInst = &g_Inst;
    if (g_Inst.InstallAll(&view) != 0)
        ExitFatal();
    g_pIKbrd->SetKbrdType(KBRD_TYPE_KEYBOARD);
}

int Uninstall()
{
    return g_pILsnInst ? g_pILsnInst->DeInstallAll() : 0;
}

} // namespace tty
