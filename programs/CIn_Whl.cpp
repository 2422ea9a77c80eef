#include "programs/CIn_Whl.h"

#include "base/Log.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "programs/CWrkFile.h"
#include "programs/IPrStr.h"

int CIn_Whl::ProcessKey()
{
    return PacedKeyVerdict();
}

int CIn_Whl::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    g_pOScreen->ClrScr();
    m_PhraseMarked = 0;
    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, "\nCIn_Whl::TypeDicOrBackDicFromFile(),Error, error, bad DicOrBackDicInd");
        g_pIKbrd->GetKbHit();
        if (ProcessKey() == 0)
            return 0;
        // The answer is shown on a fresh screen with the question typed again.
        g_pOScreen->ClrScr();
        PutQuestion(m_pIPrStr->GetQuestion());
        g_pOScreen->PutStr(m_pIPrStr->GetText());
        g_pIKbrd->GetKbHit();
        if (ProcessKey() == 0)
            return 0;
        if (m_PhraseMarked && !WritePhraseInFileOrder(DicOrBackDicInd))
            LogFatal("\nCIn_Whl::TypeDicOrBackDicFromFile(), Error,wrong DicOrBackDicInd");
    }
    return 0;
}

int CWrdByWrd::ProcessKey()
{
    return PacedKeyVerdict();
}

int CWrdByWrd::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, "\n(),Error, wrong DicOrBackDicInd");
        WaitForKey();
        if (ProcessKey() == 0)
            return 0;
        while (m_pIPrStr->NextWord()) {
            g_pOScreen->PutStr(m_pIPrStr->GetWord());
            g_pOScreen->PutStr(" ");
            WaitForKey();
            if (ProcessKey() == 0)
                return 0;
        }
        if (m_PhraseMarked)
            WritePhraseInFileOrder(DicOrBackDicInd);
    }
    return 0;
}
