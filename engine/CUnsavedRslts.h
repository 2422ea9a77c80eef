#pragma once
// The results written since the last Save Results As: what the learner would lose when the
// results folder is emptied, counted as passes and the phrases they marked.

#include <mutex>

class CUnsavedRslts {
public:
    // A pass stored its results file with this many marked phrases (on the worker thread).
    void NotePass(int marked);
    // Marks of the running pass, not yet in a results file (the pass's progress counts them).
    int RunningMarks() const;
    // Save Results As copied every results file, or the results folder was emptied.
    void Saved() { Clear(); }
    void Dropped() { Clear(); }

    // Passes and marked phrases that would go; a running pass with marks counts as one more, so
    // a question asked during it names them too.
    int Passes() const;
    int Marked() const;
    bool Any() const { return Passes() > 0; }

private:
    void Clear();

    mutable std::mutex m_Lock;
    int m_Passes = 0;
    int m_Marked = 0;
};

// The one record of the process.
CUnsavedRslts& UnsavedRslts();
