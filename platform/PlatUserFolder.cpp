#include "platform/PlatUserFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace plat {

namespace fs = std::filesystem;

std::string InstalledTemplateDir(const std::string& exeDir)
{
    const fs::path exe(exeDir);
    if (exe.filename() != "bin")
        return std::string();
    const fs::path tmpl = exe.parent_path() / "share" / "lexido";
    std::error_code ec;
    return fs::is_directory(tmpl / "Settings", ec) ? tmpl.string() : std::string();
}

std::string UserProgramDir()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/Lexido";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/share/Lexido";
    return std::string();
}

bool MakeFolders(const std::string& dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    return !ec;
}

bool FillFromTemplate(const std::string& from, const std::string& to, const SettingsUpdate& update)
{
    if (!MakeFolders(to))
        return false;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path rel = fs::relative(it->path(), from, ec);
        const fs::path dst = fs::path(to) / rel;
        if (ec)
            return false;
        if (it->is_directory(ec)) {
            fs::create_directories(dst, ec);
            continue;
        }
        const std::string r = rel.generic_string();
        const bool shipped = r.rfind("Settings/Texts_Src/", 0) == 0 || r.rfind("Settings/Help/", 0) == 0;
        const bool settings = rel.parent_path() == "Settings" && rel.extension() == ".cfg";
        bool copied = false;
        if (!fs::exists(dst, ec))
            copied = fs::copy_file(it->path(), dst, ec);
        else if (shipped && fs::last_write_time(it->path(), ec) > fs::last_write_time(dst, ec))
            copied = fs::copy_file(it->path(), dst, fs::copy_options::overwrite_existing, ec);
        else if (settings && update && !update(it->path().string(), dst.string()))
            return false;
        // A read-only installed template must not make the learner's copy read-only.
        if (copied)
            fs::permissions(dst, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    }
    return !ec;
}

} // namespace plat
