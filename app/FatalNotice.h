#pragma once
// The window's notice of a fatal end: the reason in a message box before the process ends.

// Shows the reason over the main window, or alone before there is one; off the window thread
// the box is shown by the window thread while the caller waits.
void ShowFatalNotice(const char* reason);
