#pragma once
// The Open Brackets modes: every "<...>" of a text is shown empty and the learner fills the
// brackets from left to right, typing the whole word in place (modes 5, 7) or its first letter
// (modes 6, 8). The words given up (Space) stay in brackets in the results; "=" or "+" opens a
// bracket without a word. Modes 5 and 6 work on phrase records (the first text is the question,
// the second the bracketed answer, whatever the direction); the N/I modes 7 and 8 on plain
// text, "OpBrAll"/"ScreenSz" lines at a time, without a question.

#include "programs/CBsPrgr.h"

// ProcessKey of all four: Escape 0, Space 1, "=" or "+" 2, any other key (Enter in the
// whole-word modes) 4; marks nothing.
class COpBrWhlWrd : public CBsPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    int ProcessKey() override { return RevealKeyVerdict(); }
};

class COpBrOneLttr : public CBsPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    int ProcessKey() override { return RevealKeyVerdict(); }
};

class COpBrWhlWrd_NI : public CBsPrgr {
public:
    int Run() override;
    int TypeDicOrBackDicFromFile(int) override { return 0; }
    int ProcessKey() override { return RevealKeyVerdict(); }
};

class COpBrOneLttr_NI : public CBsPrgr {
public:
    int Run() override;
    int TypeDicOrBackDicFromFile(int) override { return 0; }
    int ProcessKey() override { return RevealKeyVerdict(); }
};
