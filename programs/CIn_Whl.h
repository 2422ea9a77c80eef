#pragma once
// "In Whole" (mode 0) shows the whole answer at the second key; "Word By Word" (mode 1) one
// word per key. The learner only paces the display and marks the phrases he did not know.

#include "programs/CBsPrgr.h"

class CIn_Whl : public CBsPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    // Escape 0; Space marks the phrase, 1; any other key 2.
    int ProcessKey() override;
};

class CWrdByWrd : public CBsPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    // As In Whole.
    int ProcessKey() override;
};
