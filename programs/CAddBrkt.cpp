#include "programs/CAddBrkt.h"

#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "programs/CWrkFile.h"
#include "programs/IPrStr.h"
#include "settings/Log.h"

int CAddBrkt::ProcessKey()
{
    const char key = g_pIKbrd->GetKey();
    int verdict = 4;
    if (key == KEY_ESCAPE)
        verdict = 0;
    else if (key == KEY_SPACE)
        verdict = 3;
    g_pIKbrd->ClearKeyHit();
    return verdict;
}

int CAddBrkt::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    if (!m_pOFile->ReadRecord())
        return 0;
    for (;;) {
        g_pOScreen->ClrScr();
        g_pOScreen->GotoXY(0, 0);
        m_PhraseMarked = 0;
        if (!SetQuestionAndAnswerByDirection(DicOrBackDicInd))
            LogFatal("\nCAddBrkt::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd");
        g_pOScreen->PutStr(m_pIPrStr->GetQuestion());
        g_pOScreen->PutStr(SEPARATOR_LINE);
        WaitForKey();
        if (ProcessKey() == 0) // Space here only moves on
            return 0;
        m_pIPrStr->ClearBuild();
        while (m_pIPrStr->NextWord()) {
            g_pOScreen->PutStr(m_pIPrStr->GetWord());
            g_pOScreen->PutStr(" ");
            WaitForKey();
            const int verdict = ProcessKey();
            if (verdict == 0)
                return 0;
            if (verdict == 3) {
                MarkPhrase();
                m_pIPrStr->AppendWord(1, m_pIPrStr->GetWord());
            } else {
                m_pIPrStr->AppendWord(0, m_pIPrStr->GetWord());
            }
        }
        if (m_PhraseMarked)
            m_pOFile->WritePair(m_pIPrStr->GetQuestion(), m_pIPrStr->GetBuiltText());
        if (!m_pOFile->ReadRecord())
            return 0;
    }
}

CAddBrktTo::CAddBrktTo()
{
    m_TimeOut = ReadIntSetting("AddBrTo", "TimeOut");
}

int CAddBrktTo::ProcessKey()
{
    return TimedKeyVerdict(3, 5);
}

int CAddBrktTo::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    if (!m_pOFile->ReadRecord())
        return 0;
    for (;;) {
        g_pOScreen->ClrScr();
        m_PhraseMarked = 0;
        if (!SetQuestionAndAnswerByDirection(DicOrBackDicInd))
            LogFatal("\nCAddBrktTo::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd");
        g_pOScreen->PutStr(m_pIPrStr->GetQuestion());
        g_pOScreen->PutStr(SEPARATOR_LINE);
        // Space during this wait marks the phrase: it is written even with no word bracketed.
        WaitTimeOut();
        if (ProcessKey() == 0)
            return 0;
        m_pIPrStr->ClearBuild();
        while (m_pIPrStr->NextWord()) {
            g_pOScreen->PutStr(m_pIPrStr->GetWord());
            g_pOScreen->PutStr(" ");
            g_pIKbrd->ClearKeyHit();
            WaitTimeOut();
            const int verdict = ProcessKey();
            if (verdict == 0)
                return 0;
            m_pIPrStr->AppendWord(verdict == 3 ? 1 : 0, m_pIPrStr->GetWord());
        }
        if (m_PhraseMarked)
            m_pOFile->WritePair(m_pIPrStr->GetQuestion(), m_pIPrStr->GetBuiltText());
        WaitTimeOut();
        WaitTimeOut();
        if (!m_pOFile->ReadRecord())
            return 0;
    }
}
