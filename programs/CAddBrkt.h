#pragma once
// The Add Brackets modes turn a file of phrase pairs into a file for the Open Brackets modes:
// the answer is shown word by word, and Space puts the word shown last in brackets. The
// bracketed phrases are written question first, whatever the direction. "Word By Word"
// (mode 9) takes one key per word; "Time Out" (mode 10) waits "AddBrTo"/"TimeOut" ms per word.

#include "programs/CBsPrgr.h"

class CAddBrkt : public CBsPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    // After a key wait: Escape 0, Space 3, any other key 4; marks nothing.
    int ProcessKey() override;
};

class CAddBrktTo : public CBsPrgr {
public:
    CAddBrktTo();
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    // After a wait, never blocking: Escape 0; Space marks the phrase, 3; otherwise 5.
    int ProcessKey() override;
};
