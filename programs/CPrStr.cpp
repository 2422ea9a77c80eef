#include "programs/CPrStr.h"

#include "base/Log.h"

#include <cstring>

int CPrStr::SetFlag(int flag)
{
    m_Flag = flag;
    return 0;
}

int CPrStr::SetQuestionAndAnswer(const char* question, const char* answer)
{
    std::strncpy(m_Question, question, STR_BUF_SZ - 1);
    m_Question[STR_BUF_SZ - 1] = 0;
    SetTextAndRewind(answer);
    return 0;
}

int CScrnStr::SetText(const char* text)
{
    SetTextAndRewind(text);
    return 0;
}

const char* CScrnStr::GetRestOfText()
{
    SetCursorToNextBrkt();
    m_RestOfText[0] = 0;
    if (m_pCursor) {
        std::strncpy(m_RestOfText, m_pCursor, STR_BUF_SZ - 1);
        m_RestOfText[STR_BUF_SZ - 1] = 0;
    }
    return m_RestOfText;
}

int CScrnStr::GetDstncToFrstNotFlldOutBrckt()
{
    char* p = const_cast<char*>(GetScreenText());
    int count = 0;
    int opened = 0;
    while (opened < m_FilledBrktNmb + 1) {
        if (!*p)
            LogFatal("\nCScrnStr::GetDstncToFrstNotFlldOutBrckt(), error, eol reached without left bracket");
        opened += (*p == '<');
        ++p;
        ++count;
    }
    m_pCursor = p;
    return count;
}
