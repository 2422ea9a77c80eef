#pragma once
// The engine's process-wide objects: the pass driver and the worker of the last pass, the
// keyboard manager and its two hand-over events, the screen object and its write position.

namespace plat { class CEvent; }
class CThread;
class IMfcCmmnProc;
class IKbrd;
class CScreen;

extern CThread* g_pCThrdAp;              // the worker of the current or the last pass; window thread only
extern IMfcCmmnProc* g_pIMfcCmmnProc;    // the pass driver
extern IKbrd* g_pIKbrd;                  // the keyboard manager
extern CScreen* g_pOScreen;              // the screen object painted by the view

// Where the next character of the screen text is written. Written by the screen object under
// its lock and by the programs of a pass on the worker thread; never read by the paint.
extern int g_ScrWritePos;

// The direction of the running pass as its worker read it from "ViewMode"/"Direction":
// 0 "Dic", 1 "BackDic". Written by the worker when the pass starts.
extern int g_MtrTngToFrgnInd;

// Reset by every PutStr, set by the view at the end of each paint; nobody waits on it.
// Made at start-up; null before, and the screen then leaves it alone.
extern plat::CEvent* g_WritingToWindowIsOverEvent;

// The keyboard manager's hand-over of a type change to a waiting worker (made by the manager).
extern plat::CEvent* g_KbToChgEvent;
extern plat::CEvent* g_KbChgIsOverEvent;

// Keyboard types and the keys with a meaning of their own.
constexpr int KBRD_TYPE_KEYBOARD = 2;
constexpr int KBRD_TYPE_MOUSE = 3;
constexpr int KEY_BACKSPACE = 8; // takes back the last mark of the pass
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;
