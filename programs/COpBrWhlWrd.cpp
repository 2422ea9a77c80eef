#include "programs/COpBrWhlWrd.h"

int COpBrWhlWrd::TypeDicOrBackDicFromFile(int)
{
    return OpenBracketsOfRecords(true);
}

int COpBrOneLttr::TypeDicOrBackDicFromFile(int)
{
    return OpenBracketsOfRecords(false);
}

int COpBrWhlWrd_NI::Run()
{
    return OpenBracketsOfScreens(true);
}

int COpBrOneLttr_NI::Run()
{
    return OpenBracketsOfScreens(false);
}
