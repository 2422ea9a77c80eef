// The print module (lexido-print.so): the view's printer with Qt PrintSupport, loaded by the
// window at the first print command (app/LateModules).
#include "app/CViewPrinter.h"

extern "C" __attribute__((visibility("default"))) IViewPrinter* LexidoViewPrinter(const SPrintHost& host)
{
    return new CViewPrinter(host);
}
