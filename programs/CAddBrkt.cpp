#include "programs/CAddBrkt.h"

#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "programs/CWrkFile.h"
#include "programs/IPrStr.h"

#include <string>

namespace {
// The word shown last, typed from at on, is put in brackets on the screen too.
void BracketOnScreen(int at, const char* word)
{
    g_pOScreen->SetWritePos(at);
    g_pOScreen->PutStr(("<" + std::string(word) + "> ").c_str());
}
} // namespace

int CAddBrkt::ProcessKey()
{
    const char32_t key = g_pIKbrd->GetKey();
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
    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, "\nCAddBrkt::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd");
        WaitForKey();
        if (ProcessKey() == 0) // Space here only moves on
            return 0;
        m_pIPrStr->ClearBuild();
        while (m_pIPrStr->NextWord()) {
            const int at = g_pOScreen->GetWritePos();
            g_pOScreen->PutStr(m_pIPrStr->GetWord());
            g_pOScreen->PutStr(" ");
            WaitForKey();
            const int verdict = ProcessKey();
            if (verdict == 0)
                return 0;
            if (verdict == 3) {
                MarkPhrase();
                BracketOnScreen(at, m_pIPrStr->GetWord());
                m_pIPrStr->AppendWord(1, m_pIPrStr->GetWord());
            } else {
                m_pIPrStr->AppendWord(0, m_pIPrStr->GetWord());
            }
        }
        if (m_PhraseMarked)
            m_pOFile->WritePair(m_pIPrStr->GetQuestion(), m_pIPrStr->GetBuiltText());
    }
    return 0;
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
    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, "\nCAddBrktTo::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd");
        // Space during this wait marks the phrase: it is written even with no word bracketed.
        if (!WaitAndJudge())
            return 0;
        m_pIPrStr->ClearBuild();
        while (m_pIPrStr->NextWord()) {
            const int at = g_pOScreen->GetWritePos();
            g_pOScreen->PutStr(m_pIPrStr->GetWord());
            g_pOScreen->PutStr(" ");
            const int verdict = TimeOutWait(3);
            if (verdict == 0)
                return 0;
            if (verdict == 3)
                BracketOnScreen(at, m_pIPrStr->GetWord());
            m_pIPrStr->AppendWord(verdict == 3 ? 1 : 0, m_pIPrStr->GetWord());
        }
        if (m_PhraseMarked)
            m_pOFile->WritePair(m_pIPrStr->GetQuestion(), m_pIPrStr->GetBuiltText());
        // A pause of two waits; Escape in it ends the pass.
        if (WaitTimeOut() || WaitTimeOut())
            return 0;
    }
    return 0;
}
