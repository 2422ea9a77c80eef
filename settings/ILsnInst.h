#pragma once
// The interface of the installer, which starts and releases every service.

class IScrnView;

// The installer: makes and starts every service, and releases them at the end.
class ILsnInst {
public:
    virtual ~ILsnInst() = default;
    // Called once by the view on its first update; never returns on failure. PRGRM_DIR_IN_USE
    // (texts/IUtltsFile.h) when another program runs over the program folder: nothing in the
    // folder was touched, nothing is installed, and DeInstallAll has nothing to do.
    virtual int InstallAll(IScrnView* pView) = 0;
    // Only the first call acts.
    virtual int DeInstallAll() = 0;
    virtual int InstallTitlePctr() = 0;
    virtual int PrepareTitlePctr() = 0;
    virtual int ShowTitlePctr() = 0;
};
