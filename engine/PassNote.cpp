#include "engine/PassNote.h"

#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"

#include <atomic>

namespace {
std::atomic<EPassNote> s_Note{EPassNote::None};
}

void SetPassNote(EPassNote note)
{
    if (s_Note.exchange(note) != note && g_pOScreen)
        g_pOScreen->Refresh();
}

EPassNote GetPassNote()
{
    return s_Note;
}
