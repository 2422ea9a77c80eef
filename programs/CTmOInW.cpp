#include "programs/CTmOInW.h"

CTmOInW::CTmOInW()
{
    m_TimeOut = ReadIntSetting("To_InWh", "TimeOut");
}

int CTmOInW::ProcessKey()
{
    return TimedKeyVerdict(1, 4, true);
}

int CTmOInW::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    return TimeOutPhrases(DicOrBackDicInd, false, "\nCTmOInW::TypeDicOrBackDicFromFile(),Error, wrong DicOrBackDicInd");
}

CTmOWbW::CTmOWbW()
{
    m_TimeOut = ReadIntSetting("To_WbW", "TimeOut");
}

int CTmOWbW::ProcessKey()
{
    return TimedKeyVerdict(1, 4, true);
}

int CTmOWbW::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    return TimeOutPhrases(DicOrBackDicInd, true, "\nCTmOWbW::TypeDicOrBackDicFromFile(),Error, wrong DicOrBackDicInd");
}
