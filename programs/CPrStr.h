#pragma once
// The phrase and screen string objects of the training programs.

#include "programs/IPrStr.h"

class CPrStr : public IPrStr {
public:
    int SetFlag(int flag) override;
    const char* GetQuestion() override { return m_Question; }
    int SetQuestionAndAnswer(const char* question, const char* answer) override;
    const char* GetWord() override { return m_Word; }
    char GetFirstLetter() override { return m_Word[0]; }
    const char* GetBuiltText() override { return m_Built; }

private:
    char m_Question[STR_BUF_SZ] = {};
    int m_Flag = 0;
};

class CScrnStr : public IScrnStr {
public:
    int SetText(const char* text) override;
    const char* GetWord() override { return m_Word; }
    char GetFirstLetter() override { return m_Word[0]; }
    const char* GetBuiltText() override { return m_Built; }
    const char* GetRestOfText() override;
    int GetDstncToFrstNotFlldOutBrckt() override;

private:
    char m_RestOfText[STR_BUF_SZ] = {};
};
