#pragma once
// Where the running pass is: the phrase (or screen) shown, how many the pass holds, its marks
// and its number, written by the worker thread and read by the front-ends as they paint.

#include <mutex>
#include <string>

struct SPassProgress {
    bool running = false; // a pass is under way
    bool ended = false;   // a pass ran and is over (until the next one begins)
    bool screens = false; // the pass goes by screens of plain text, not by phrases
    int index = 0;        // the phrase or screen shown now, from 1; 0 before the first
    int total = 0;        // phrases or screens of the pass's input
    int marked = 0;       // phrases or screens written to the pass's results
    bool shownMarked = false; // the phrase or screen shown now is marked (it is written at its end)
    bool shownWritten = false; // its mark is one of `marked` already
    bool takenBack = false;    // the last thing done to a mark took one back
    bool completed = false;    // the pass went through its whole input (not stopped)
    int pass = 0;         // the pass's iteration number
    std::string file;     // the name of the file the pass goes over
    int serial = 0;       // counts the passes of the process: tells one pass from the next

    // The marks as the learner counts them: those written and the shown phrase's, which is
    // written at its end.
    int Marks() const { return marked + (shownMarked && !shownWritten ? 1 : 0); }
};

class CPassProgress {
public:
    void Begin(int pass, const char* file);
    // The input holds total phrases, or screens when screens is set.
    void SetTotal(int total, bool screens);
    void Step();
    void Mark();
    // Space marked the phrase or screen shown now (false: that mark was taken back); the next one
    // starts unmarked.
    void MarkShown(bool marked = true);
    // A mark taken back: its record left the pass's results.
    void Unmark();
    // The pass read the last of its input: it ends as completed, not stopped.
    void ReachEnd();
    void End();
    SPassProgress Get() const;

private:
    mutable std::mutex m_Lock;
    SPassProgress m_State;
};

// The one record of the process.
CPassProgress& PassProgress();
