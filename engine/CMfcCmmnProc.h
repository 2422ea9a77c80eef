#pragma once

#include "engine/IMfcCmmnProc.h"

class CMfcCmmnProc : public IMfcCmmnProc {
public:
    int StartFirstItrtn() override;
    int StartADdBrkts(int type) override;
    int RetirePass() override;
};
