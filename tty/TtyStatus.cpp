#include "tty/TtyStatus.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "resources/Resources.h"
#include "texts/CPhraseReader.h"

#include <memory>

namespace tty {

std::string CommandCaption(int id)
{
    for (const res::Popup& popup : res::MainMenu())
        for (const res::MenuItem& item : popup.items) {
            if (item.separator || item.id != id || !item.caption)
                continue;
            return res::PlainCaption(item.caption);
        }
    return std::string();
}

std::string ModeCaption(int mode)
{
    static const int ids[] = {
        res::ID_MODE_INWHOLE, res::ID_MODE_WORDBYWORD, res::ID_MODE_WHICHLETTER,
        res::ID_MODE_TIMEOUTINWHOLE, res::ID_MODE_TIMEOUTWORDBYWORD, res::ID_MODE_OPENBRACKETSWHOLEWORD,
        res::ID_MODE_OPENBRACKETS1LETTER, res::ID_MODE_OPENBRACKETSWHOLEWORDNI, res::ID_MODE_OPENBRACKETS1LETTERNI,
        res::ID_ADDBRACKETS_WORDBYWORD, res::ID_ADDBRACKETS_TIMEOUT, res::ID_MODE_TYPEANSWER, res::ID_MODE_CHOOSEANSWER,
    };
    if (mode < 0 || mode >= static_cast<int>(sizeof ids / sizeof ids[0]))
        return "?";
    return CommandCaption(ids[mode]);
}

long CountPhrases(const char* path)
{
    if (!path || !*path || !g_pILsnAFc)
        return 0;
    std::unique_ptr<ISmrtFile> file(g_pILsnAFc->Create_ISmrtFile());
    if (!file || file->sf_fopen(path, "rb") != 0)
        return 0;
    static char first[MAX_PHRASE_FIELD_SZ];
    static char second[MAX_PHRASE_FIELD_SZ];
    CPhraseReader reader(*file);
    long count = 0;
    while (reader.ReadRecord(first, second))
        ++count;
    file->sf_fclose();
    return count;
}

} // namespace tty
