#pragma once
// Start-up and shut-down of the services for the terminal: the installer of the window, with
// the title picture left out (a terminal has no picture to show for two seconds).

class IScrnView;

namespace tty {

// Makes the factory and every service bound to view; never returns on failure (log line,
// exit code 1). Keys always come from the keyboard here: mouse control has no meaning. False,
// with nothing installed and nothing in the program folder touched, when another program runs
// over the folder.
bool Install(IScrnView& view);
// The answer to a program folder in use: a line on standard error, then exit code 1 to return.
int RefuseFolderInUse();
// Releases what shut-down releases; 0 on success.
int Uninstall();

} // namespace tty
