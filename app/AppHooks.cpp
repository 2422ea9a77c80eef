#include "app/AppHooks.h"

#include "settings/CLsnAFc.h"

#include <QCoreApplication>

#include <new>

std::function<ILsnAFc*()> g_MakeLsnAFc;
std::function<void(int)> g_QuitMessageLoop;

ILsnAFc* MakeLsnAFc()
{
    return g_MakeLsnAFc ? g_MakeLsnAFc() : new (std::nothrow) CLsnAFc;
}

void QuitMessageLoop(int code)
{
    if (g_QuitMessageLoop)
        g_QuitMessageLoop(code);
    else
        QCoreApplication::exit(code);
}
