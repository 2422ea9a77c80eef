#pragma once
// The terminal's welcome page on its empty screen: what to do first, and the recent files,
// numbered from 1 for their number keys.

#include <string>

namespace tty {

// The page in UTF-8, in the interface language.
std::string WelcomePage();

} // namespace tty
