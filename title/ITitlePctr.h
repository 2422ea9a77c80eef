#pragma once
// The interfaces of the title picture and of the window that shows it.

class ILsnAFc;

// The title window as the title picture needs it: the window creates it, tests fake it.
class IHeadBandWnd {
public:
    virtual ~IHeadBandWnd() = default;
    // Asks the window, from any thread, to close on its own thread; closing it tells the view
    // to show the main window.
    virtual void PostClose() = 0;
};

// Makes the title window (the window side sets it); null makes CreateHeadBand fail.
class IHeadBandMaker {
public:
    virtual ~IHeadBandMaker() = default;
    virtual IHeadBandWnd* MakeHeadBand() = 0;
};
extern IHeadBandMaker* g_pIHeadBandMaker;

// The picture shown for two seconds while the program starts.
class ITitlePctr {
public:
    virtual ~ITitlePctr() = default;
    virtual int CreateHeadBand() = 0;
    virtual int Init(ILsnAFc* factory, int duration, int count) = 0;
    virtual int Reserved1() = 0;
    virtual int Reserved2() = 0;
    virtual int DrawMovie() = 0;
    virtual IHeadBandWnd* GetHeadBandWnd() = 0;
};
extern ITitlePctr* g_pITitlePctr;
