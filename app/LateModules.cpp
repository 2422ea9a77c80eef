#include "app/LateModules.h"

#include "app/WindowTexts.h"
#include "base/Log.h"
#include "platform/PlatLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <map>
#include <string>

namespace late {
namespace {

struct SModule {
    void* library = nullptr;           // loaded, or null after a failure (never unloaded)
    QString file;                      // its file name
    bool found = false;                // a file of that name was there
    QString problem;                   // why it could not be used; empty when it can
};

QString& ExtraDir()
{
    static QString dir;
    return dir;
}

std::map<std::string, SModule>& Modules()
{
    static std::map<std::string, SModule> modules;
    return modules;
}

// The places a module is looked for in turn: the folder set, the program's folder (the build's
// program folder), and the installed modules' folder relative to the installed program.
QStringList Candidates(const QString& file)
{
    QStringList paths;
    if (!ExtraDir().isEmpty())
        paths << ExtraDir() + '/' + file;
    const QString here = QCoreApplication::applicationDirPath();
    paths << here + '/' + file << here + "/" LEXIDO_MODULE_RELDIR "/" + file;
    return paths;
}

SModule& Load(const char* name)
{
    auto [at, added] = Modules().try_emplace(name);
    SModule& module = at->second;
    if (!added)
        return module;
    module.file = QString::fromUtf8(name) + ".so";
    for (const QString& path : Candidates(module.file)) {
        if (!QFileInfo::exists(path))
            continue;
        module.found = true;
        std::string error;
        if ((module.library = plat::OpenLibrary(path.toUtf8().constData(), error)))
            return module;
        module.problem = QString::fromStdString(error);
        break;
    }
    if (!module.found)
        module.problem = "not found";
    LogMsg("Module %s cannot be loaded: %s", name, module.problem.toUtf8().constData());
    return module;
}

} // namespace

void SetModuleDir(const QString& dir)
{
    ExtraDir() = dir;
}

void* Entry(const char* name, const char* symbol)
{
    SModule& module = Load(name);
    if (!module.library)
        return nullptr;
    void* entry = plat::LibrarySymbol(module.library, symbol);
    if (!entry && module.problem.isEmpty()) {
        module.problem = QString("no %1 in %2").arg(symbol, module.file);
        LogMsg("Module %s has no %s: %s", name, symbol, module.problem.toUtf8().constData());
    }
    return entry;
}

QString Problem(const char* name)
{
    const auto at = Modules().find(name);
    if (at == Modules().end() || at->second.problem.isEmpty())
        return QString();
    const SModule& module = at->second;
    return module.found ? module.problem : LclText(642, "%1 was not found beside the program").arg(module.file);
}

} // namespace late
