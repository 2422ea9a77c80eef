#pragma once
// A training program: one pass over one phrase file in one view mode. The worker of a pass
// makes it through the factory, sets its direction, runs it once, finishes and deletes it.

class IBsPrgr {
public:
    virtual ~IBsPrgr() = default;
    virtual int ClearScreen() = 0;
    virtual int Init() = 0;
    virtual int Run() = 0;
    virtual int SetTimeOut(int ms) = 0;
    virtual int WaitTimeOut() = 0;
    virtual int TypeDicFromFile() = 0;
    virtual int TypeBackDicFromFile() = 0;
    virtual int TypeDicOrBackDicFromFile(int DicOrBackDicInd) = 0;
    virtual int ProcessKey() = 0;
    virtual int SetBackDic() = 0;
    virtual int SetDic() = 0;
    virtual int GetDicOrBackDicInd() = 0;
    virtual int Finish() = 0;
    virtual int CompareStr(const char* a, const char* b) = 0;
    virtual int Reserved1(int) = 0;
    virtual int Reserved2(int) = 0;
    virtual int Reserved3(int) = 0;
};
