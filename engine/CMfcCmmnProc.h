#pragma once
// The pass driver: starts, replaces and retires the worker of a pass.

#include "engine/IMfcCmmnProc.h"

class CMfcCmmnProc : public IMfcCmmnProc {
public:
    int StartFirstItrtn() override;
    int StartADdBrkts(int type) override;
    int RetirePass() override;
};
