#pragma once
// What the screen object needs of the view: where to send repaint requests, and the metrics
// of the display font by which the paint handler lays the screen text out. The window
// implements it; tests fake it. The metrics are asked for on the worker thread and must be
// answered without the window thread's help (a pass may be retired while it measures).

namespace plat { class IWindow; }

class IScrnView {
public:
    virtual ~IScrnView() = default;
    virtual plat::IWindow* GetWindow() = 0;
    // Font height plus external leading: the distance between two lines, in pixels.
    virtual int GetLineHeight() = 0;
    // The width of one character drawn on its own, in pixels.
    virtual int GetCharWidth(char c) = 0;
    // Where a text that begins the screen ends (x after its last character, y the top of its
    // last line), when the view lays text out otherwise than character by character from the
    // top left corner (margins, shaped runs); false: by the line height and character widths.
    virtual bool MeasureEnd(const char* /*text*/, int* /*x*/, int* /*y*/) { return false; }
};
