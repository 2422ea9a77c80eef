#pragma once
// Start-up and shut-down of the services for the terminal: the installer of the window, with
// the title picture left out (a terminal has no picture to show for two seconds).

class IScrnView;

namespace tty {

// Makes the factory and every service bound to view; never returns on failure (log line,
// exit code 1). Keys always come from the keyboard here: mouse control has no meaning.
void Install(IScrnView& view);
// Releases what shut-down releases; 0 on success.
int Uninstall();

} // namespace tty
