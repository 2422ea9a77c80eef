#include "texts/CAliceTxtMkr.h"

#include "base/Log.h"

#define ALICE_EN "/Settings/Texts_Src/English/Alice_Ch_01_English.txt"

const CAliceTxtMkr::SRow CAliceTxtMkr::kTable[kRows] = {
    {ALICE_EN, "/Settings/Texts_Src/Italian/Alice_Ch_01_Italian.txt", "/Text/Alice/English_Italian/Alice_Ch_01.mix"},
    {ALICE_EN, "/Settings/Texts_Src/German/Alice_Ch_01_German.txt", "/Text/Alice/English_German/Alice_Ch_01.mix"},
    {ALICE_EN, "/Settings/Texts_Src/French/Alice_Ch_01_French.txt", "/Text/Alice/English_French/Alice_Ch_01.mix"},
    {ALICE_EN, "/Settings/Texts_Src/Russian/Alice_Ch_01_Russian.txt", "/Text/Alice/English_Russian/Alice_Ch_01.mix"},
    {ALICE_EN, "/Settings/Texts_Src/Spanish/Alice_Ch_01_Spanish.txt", "/Text/Alice/English_Spanish/Alice_Ch_01.mix"},
};

int CAliceTxtMkr::UnfastenText()
{
    // A refused making (a path too long for the platform) is reported to the start-up, which
    // logs it and goes on; the other makings are still done.
    int rc = 0;
    for (const SRow& row : kTable)
        if (MakeOneMixFile(row.first, row.second, row.output) != 0) {
            LogMsg("\n,CAliceTxtMkr::UnfastenText(), error after MakeOneMixFile()");
            rc = 1;
        }
    return rc;
}
