#pragma once
// A text output file: the log, and the writer of a configuration section.

class IOutFile {
public:
    virtual ~IOutFile() = default;
    // 0 when the text was handled; 1 when it was refused.
    virtual int Write(const char* text) = 0;
    // The line of a fatal end: the log writes it whatever its switch and length limit say.
    virtual int WriteFatal(const char* text) { return Write(text); }
    // Asks the window to shut the program down in order.
    virtual int RequestShutDown() = 0;
};
