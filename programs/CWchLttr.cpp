#include "programs/CWchLttr.h"

#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/PassNote.h"
#include "programs/CWrkFile.h"
#include "programs/IPrStr.h"

int CWchLttr::ProcessKey()
{
    WaitPastBackspaces();
    return RevealKeyVerdict();
}

int CWchLttr::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, "\nCWchLttr::TypeDicOrBackDicFromFile(),Error, цкщтп DicOrBackDicInd ");
        while (m_pIPrStr->NextWord()) {
            g_pOScreen->PutStr(" ");
            for (;;) {
                WaitForKey();
                const char32_t key = g_pIKbrd->GetKey();
                const int verdict = ProcessKey();
                if (verdict == 0)
                    return 0;
                bool revealed = false;
                if (verdict == 1) {
                    MarkPhrase();
                    g_pOScreen->PutStr(m_pIPrStr->GetWord());
                    revealed = true;
                } else if (verdict == 2) {
                    g_pOScreen->PutStr(m_pIPrStr->GetWord());
                    revealed = true;
                }
                // Every key is compared, also one that already revealed the word: a word that
                // begins with "=" or "+" is then typed twice.
                if (CompareKeyWith(key, m_pIPrStr->GetWord()) == 0) {
                    g_pOScreen->PutStr(m_pIPrStr->GetWord());
                    SetPassNote(EPassNote::None);
                    break;
                }
                // A wrong letter leaves the screen as it is; the keys of the mode say it.
                SetPassNote(revealed ? EPassNote::None : EPassNote::WrongLetter);
                if (revealed)
                    break;
            }
        }
        if (m_PhraseMarked)
            WritePhraseInFileOrder(DicOrBackDicInd);
        g_pOScreen->PutStr(CONTINUE_LINE);
        g_pIKbrd->GetKbHit(); // not judged: Escape here only moves on, Backspace takes back
        WaitPastBackspaces();
    }
    return 0;
}
