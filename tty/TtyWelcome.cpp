#include "tty/TtyWelcome.h"

#include "engine/RecentFiles.h"
#include "locale/CLocal.h"
#include "locale/PassTexts.h"
#include "tty/TtyMemory.h"
#include "tty/TtyText.h"

#include <vector>

namespace tty {

std::string WelcomePage()
{
    const std::vector<std::string> lines = WelcomeLines(true);
    const int cp = CLocal::InterfaceCodePage();
    std::string page = "\n  " + CodePageToUtf8(lines.front(), cp) + "\n\n";
    for (std::size_t i = 1; i + 1 < lines.size(); ++i)
        page += "    " + CodePageToUtf8(lines[i], cp) + "\n";
    const std::vector<std::string> due = DueWelcomeLinesUtf8();
    for (std::size_t i = 0; i < due.size(); ++i)
        page += (i == 0 ? "\n  " : "    ") + due[i] + "\n";
    const std::vector<std::string> recent = recent::List();
    if (!recent.empty())
        page += "\n  " + CodePageToUtf8(lines.back(), cp) + "\n\n";
    // Paths are the file system's own bytes.
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const std::size_t slash = recent[i].rfind('/');
        const std::string name = slash == std::string::npos ? recent[i] : recent[i].substr(slash + 1);
        page += "    " + std::to_string(i + 1) + "  " + name + "    " + recent[i].substr(0, slash + 1) + "\n";
    }
    return page;
}

} // namespace tty
