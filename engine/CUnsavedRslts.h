#pragma once
// The results written since the last Save Results As: what the learner would lose when the
// results folder is emptied, counted as passes and the phrases they marked.

#include <mutex>

class CUnsavedRslts {
public:
    // The running pass marked a phrase (on the worker thread): counted before its results file
    // is stored, so a question asked during the pass names its marks too.
    void NoteMark();
    // A pass stored its results file with this many marked phrases (on the worker thread).
    void NotePass(int marked);
    // Marks of the running pass not yet in a results file.
    int RunningMarks() const;
    // Passes and marked phrases counting the running pass's marks. Save Results As copied every results file, or the results folder was emptied.
    void Saved() { Clear(); }
    void Dropped() { Clear(); }

    int Passes() const;
    int Marked() const;
    bool Any() const { return Passes() > 0; }

private:
    void Clear();

    mutable std::mutex m_Lock;
    int m_Passes = 0;
    int m_Marked = 0;
    int m_Running = 0;
};

// The one record of the process.
CUnsavedRslts& UnsavedRslts();
