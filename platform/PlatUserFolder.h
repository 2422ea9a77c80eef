#pragma once
// The per-user program folder of an installed program: where it lies and how it is made from the template.

#include <functional>
#include <string>

namespace plat {

// The template of an installed program: exeDir is <prefix>/bin and <prefix>/share/lexido holds
// Settings/. Empty for any other layout (a build folder's program folder).
std::string InstalledTemplateDir(const std::string& exeDir);

// $XDG_DATA_HOME/Lexido when that is an absolute path, else $HOME/.local/share/Lexido; empty
// when neither is known.
std::string UserProgramDir();

// Makes the folder and the folders above it that are missing; false when it cannot.
bool MakeFolders(const std::string& dir);

// Brings a settings file the learner keeps up to the template's copy (template path, learner's
// path); false when it cannot.
using SettingsUpdate = std::function<bool(const std::string& tmpl, const std::string& mine)>;

// Copies into to what from holds and to lacks, folders included. A file already there is the
// learner's and kept; only the shipped texts and help (Settings/Texts_Src, Settings/Help) are
// replaced by a newer template copy, and a kept settings file (Settings/*.cfg) goes through
// update when one is given. False when a folder or file cannot be made or updated.
bool FillFromTemplate(const std::string& from, const std::string& to, const SettingsUpdate& update = {});

} // namespace plat
