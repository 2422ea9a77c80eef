#pragma once
// The iterations over a phrase file: pass 1 shows every phrase, each next pass only those
// marked in the pass before, until a pass marks nothing.

constexpr int ITERATION_STATUS_FILE_NOT_OPEN = 0;
constexpr int ITERATION_STATUS_FIRST = 1;   // the next pass is the first iteration of the file
constexpr int ITERATION_STATUS_NEXT = 2;    // the last pass marked something
constexpr int ITERATION_STATUS_IS_OVER = 3; // the last pass marked nothing

class IItrtnSrvc {
public:
    virtual ~IItrtnSrvc() = default;
    // A new file (opened or stepped to): status 1, pass 0, the file is the next pass's input.
    virtual int ResetIterations() = 0;
    virtual int BeginPass() = 0;
    virtual int EndPass() = 0;
    virtual int IsPassRunning() = 0;
    virtual int CanStartNextIteration() = 0;
    // At the start of each pass: numbers it and names its results file.
    virtual int MakeRsltsFileName() = 0;
    virtual int SetIterationStatus(int status) = 0;
    virtual const char* GetRsltsFileName() = 0;
    // The folder, base name and extension chosen in Save Results As; 1 (and unchanged) when a
    // text does not fit.
    virtual int SetRsltsTarget(const char* dir, const char* name, const char* ext) = 0;
    // Copies the results of this run to the target; 0 on success, nonzero when a file could not
    // be written (the results stay in the results folder).
    virtual int SaveRslts() = 0;

    virtual int GetIterationStatus() = 0;
    virtual int GetIterationNmb() = 0;
    virtual const char* GetRsltsDir() = 0;
};
