#pragma once
// The time-out modes: In Whole (mode 3) and Word By Word (mode 4) run by a clock. The display
// advances after a fixed wait; keys only mark (Space) or stop (Escape). The wait is read once,
// when the program is made: "To_InWh"/"TimeOut" and "To_WbW"/"TimeOut", milliseconds.

#include "programs/CBsPrgr.h"

class CTmOInW : public CBsPrgr {
public:
    CTmOInW();
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    // After a wait, never blocking: Escape 0; Space marks the phrase, 1; otherwise 4.
    int ProcessKey() override;
};

class CTmOWbW : public CBsPrgr {
public:
    CTmOWbW();
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    // As Time Out (In Whole).
    int ProcessKey() override;
};
