#include "programs/CTmOInW.h"

#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "programs/CWrkFile.h"
#include "programs/IPrStr.h"
#include "settings/Log.h"

CTmOInW::CTmOInW()
{
    m_TimeOut = ReadIntSetting("To_InWh", "TimeOut");
}

int CTmOInW::ProcessKey()
{
    return TimedKeyVerdict(1, 4);
}

bool CTmOInW::WaitAndJudge()
{
    WaitTimeOut();
    return ProcessKey() != 0;
}

int CTmOInW::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    if (!m_pOFile->ReadRecord())
        return 0;
    for (;;) {
        g_pOScreen->ClrScr();
        g_pOScreen->GotoXY(0, 0);
        m_PhraseMarked = 0;
        if (!SetQuestionAndAnswerByDirection(DicOrBackDicInd))
            LogFatal("\nCTmOInW::TypeDicOrBackDicFromFile(),Error, wrong DicOrBackDicInd");
        g_pOScreen->PutStr(m_pIPrStr->GetQuestion());
        g_pOScreen->PutStr(SEPARATOR_LINE);
        g_pIKbrd->ClearKeyHit();
        if (!WaitAndJudge())
            return 0;
        g_pOScreen->PutStr(m_pIPrStr->GetText());
        g_pIKbrd->ClearKeyHit();
        if (!WaitAndJudge())
            return 0;
        g_pOScreen->PutStr(TIME_OUT_END_LINE);
        if (!WaitAndJudge())
            return 0;
        if (m_PhraseMarked)
            WritePhraseInFileOrder(DicOrBackDicInd);
        if (!m_pOFile->ReadRecord())
            return 0;
    }
}

CTmOWbW::CTmOWbW()
{
    m_TimeOut = ReadIntSetting("To_WbW", "TimeOut");
}

int CTmOWbW::ProcessKey()
{
    return TimedKeyVerdict(1, 4);
}

bool CTmOWbW::WaitAndJudge()
{
    WaitTimeOut();
    return ProcessKey() != 0;
}

int CTmOWbW::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    if (!m_pOFile->ReadRecord())
        return 0;
    for (;;) {
        g_pOScreen->ClrScr();
        g_pOScreen->GotoXY(0, 0);
        m_PhraseMarked = 0;
        if (!SetQuestionAndAnswerByDirection(DicOrBackDicInd))
            LogFatal("\nCTmOWbW::TypeDicOrBackDicFromFile(),Error, wrong DicOrBackDicInd");
        g_pOScreen->PutStr(m_pIPrStr->GetQuestion());
        g_pOScreen->PutStr(SEPARATOR_LINE);
        g_pIKbrd->ClearKeyHit();
        if (!WaitAndJudge())
            return 0;
        while (m_pIPrStr->NextWord()) {
            g_pOScreen->PutStr(m_pIPrStr->GetWord());
            g_pOScreen->PutStr(" ");
            g_pIKbrd->ClearKeyHit();
            if (!WaitAndJudge())
                return 0;
        }
        if (ProcessKey() == 0)
            return 0;
        g_pOScreen->PutStr(TIME_OUT_END_LINE);
        if (!WaitAndJudge())
            return 0;
        if (m_PhraseMarked)
            WritePhraseInFileOrder(DicOrBackDicInd);
        if (!m_pOFile->ReadRecord())
            return 0;
    }
}
