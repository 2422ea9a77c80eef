#pragma once
// "Which Letter ?" (mode 2): for each word of the answer the learner types its first letter.
// A right letter shows the word; Space gives it up (shown, the phrase marked); "=" or "+"
// shows it without a mark; a wrong letter shows nothing and another key is awaited.

#include "programs/CBsPrgr.h"

class CWchLttr : public CBsPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    // Escape 0, Space 1, "=" or "+" 2, any other key 4; marks nothing.
    int ProcessKey() override;
};
