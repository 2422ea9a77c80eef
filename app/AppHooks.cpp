#include "app/AppHooks.h"

#include "settings/CLsnAFc.h"

#include <QCoreApplication>

#include <new>

ILsnAFc* AppHooks::MakeFactory() const
{
    return makeFactory ? makeFactory() : new (std::nothrow) CLsnAFc;
}

void AppHooks::Quit(int code) const
{
    if (quit)
        quit(code);
    else
        QCoreApplication::exit(code);
}
