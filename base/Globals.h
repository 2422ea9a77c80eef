#pragma once
// The process-wide service pointers. Each is set once, by start-up, before any worker thread
// exists; services reach each other only through these.

namespace plat { class IWindow; }
class ILsnAFc;
class IOutFile;
class IDbVars;
class IUtltsFile;
class ILsnFont;

extern ILsnAFc* g_pILsnAFc;       // the service factory
extern IOutFile* g_pILogFile;     // the log, "Lexido.log" in the program folder
extern IDbVars* g_pIDbVars;       // the configuration database
extern IUtltsFile* g_pIUtltsFile; // file utilities: program folder and the paths of the run
extern ILsnFont* g_pILsnFont;     // the display font
extern plat::IWindow* g_hWndView; // the view's window, target of posted messages

// 1 once a settings page was confirmed with OK in this run; shut-down then saves the settings.
extern int g_SettingsChanged;
