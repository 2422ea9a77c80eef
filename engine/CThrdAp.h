#pragma once
// The worker of a pass: runs one training program from its creation to its deletion.
// One concrete class per program number; they differ only in the number they ask for.

#include "engine/CThread.h"

class IBsPrgr;

class CThrdAp : public CThread {
public:
    CThrdAp();
    ~CThrdAp() override;
    int ThreadFunc() override;
    virtual int DeleteIBsPrgr();
    virtual int CreateIBsPrgr(int number);
    virtual int CreateModeIBsPrgr() = 0;

protected:
    IBsPrgr* m_pIBsPrgr; // owned; null outside ThreadFunc unless the pass ended abnormally
    int m_Number = -1;   // the program's number, for the history
};

template <int Number>
class CThrdAp_Mode final : public CThrdAp {
public:
    ~CThrdAp_Mode() override { EndThread(); }
    int CreateModeIBsPrgr() override { return CreateIBsPrgr(Number); }
};

using CThrdAp_In_Whl = CThrdAp_Mode<0>;
using CThrdAp_WrdByWrd = CThrdAp_Mode<1>;
using CThrdAp_WchLttr = CThrdAp_Mode<2>;
using CThrdAp_TmOInW = CThrdAp_Mode<3>;
using CThrdAp_TmOWbW = CThrdAp_Mode<4>;
using CThrdAp_OpBrWhlWrd = CThrdAp_Mode<5>;
using CThrdAp_OpBrOneLttr = CThrdAp_Mode<6>;
using CThrdAp_OpBrWhlWrd_NI = CThrdAp_Mode<7>;
using CThrdAp_OpBrOneLttr_NI = CThrdAp_Mode<8>;
using CThrdAp_AddBrkt = CThrdAp_Mode<9>;
using CThrdAp_AddBrktTo = CThrdAp_Mode<10>;
using CThrdAp_TypeAnswer = CThrdAp_Mode<11>;
using CThrdAp_ChooseAnswer = CThrdAp_Mode<12>;

// The workers the factory makes: modes 0 to 8, 11 and 12 of the view-mode setting, and the two Add
// Brackets types 1 and 2 (programs 9 and 10). Null for any other number.
CThread* NewModeWorker(int mode);
CThread* NewAddBracketsWorker(int type);
