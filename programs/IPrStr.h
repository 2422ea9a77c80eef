#pragma once
// The interfaces of the phrase string and the screen string.

#include "programs/CStr.h"

// The phrase string: one question and its answer (the answer is the text cut into words).
class IPrStr : public CStr {
public:
    virtual int SetFlag(int flag) = 0;
    virtual const char* GetQuestion() = 0;
    virtual int SetQuestionAndAnswer(const char* question, const char* answer) = 0;
    virtual const char* GetWord() = 0;
    virtual char GetFirstLetter() = 0;
    virtual const char* GetBuiltText() = 0;
};

// The screen string: one screen of plain text.
class IScrnStr : public CStr {
public:
    virtual int SetText(const char* text) = 0;
    virtual const char* GetWord() = 0;
    virtual char GetFirstLetter() = 0;
    virtual const char* GetBuiltText() = 0;
    virtual const char* GetRestOfText() = 0;
    virtual int GetDstncToFrstNotFlldOutBrckt() = 0;
};
