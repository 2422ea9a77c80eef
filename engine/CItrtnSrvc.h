#pragma once
// The iteration service: passes, iteration status and results file of the current file.

#include "engine/IItrtnSrvc.h"
#include "texts/PathField.h"

#include <atomic>

// The iteration state of the current file. The worker changes it inside a training program's
// construction and destruction; the window's update rules read the integers meanwhile.
class CItrtnSrvc : public IItrtnSrvc {
public:
    int ResetIterations() override;
    int BeginPass() override;
    int EndPass() override;
    int IsPassRunning() override;
    int CanStartNextIteration() override;
    int MakeRsltsFileName() override;
    int SetIterationStatus(int status) override;
    const char* GetRsltsFileName() override;
    int SetRsltsTarget(const char* dir, const char* name, const char* ext) override;
    int SaveRslts() override;

    int GetIterationStatus() override { return m_IterationStatus.load(); }
    int GetIterationNmb() override { return m_IterationNmb.load(); }
    const char* GetRsltsDir() override { return m_RsltsDir.c_str(); }

private:
    std::atomic<int> m_IterationStatus{ITERATION_STATUS_FILE_NOT_OPEN};
    std::atomic<int> m_IterationNmb{0};
    CPathField m_RsltsDir;
    CPathField m_RsltsFileName;
    CPathField m_SaveDir;
    CPathField m_SaveName;
    CPathField m_SaveExt;
    std::atomic<int> m_PassRunning{0};
};
