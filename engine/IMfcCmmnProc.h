#pragma once
// The pass driver: the view's Run commands start a pass through it.

class IMfcCmmnProc {
public:
    virtual ~IMfcCmmnProc() = default;
    // Retires the running pass, drops the keys typed before, then starts one of the mode of
    // "ViewMode"/"Mode". 0, or 1 (logged, no worker left) when the pass's thread cannot start.
    virtual int StartFirstItrtn() = 0;
    // The same for an Add Brackets pass: type 1 word by word, 2 time out.
    virtual int StartADdBrkts(int type) = 0;
    // Ends the running pass as Escape ends it and deletes its worker; nothing without a pass.
    // A command that prepares the file and the iteration state calls it first, so that the
    // retired program's deletion cannot overwrite the state prepared for the new pass.
    virtual int RetirePass() = 0;
};
