#pragma once
// Stepping through the folder of the opened file: Next File, Previous File, and the way back
// to the file that was opened.

class INxtPrFlSrvc {
public:
    virtual ~INxtPrFlSrvc() = default;
    // Lists the opened file's folder and finds the file in it; resets the iterations.
    virtual int Init() = 0;
    virtual int GoToOpenedFile() = 0;
    // 0 when they stepped, 1 when there was nothing to step to.
    virtual int GoToNextFile() = 0;
    virtual int GoToPreviousFile() = 0;
    virtual int CanStartIteration() = 0;
    virtual int HasNextFile() = 0;
    virtual int HasPreviousFile() = 0;
    virtual int CanStartAddBrackets() = 0;
};
