#pragma once
// The interface of a maker of shipped phrase files.

// A maker of shipped phrase files: pairs monolingual source texts record by record.
class IAliceTxtMkr {
public:
    virtual ~IAliceTxtMkr() = default;
    // Makes every phrase file of this maker; 0 on success.
    virtual int UnfastenText() = 0;
    // Hidden output (the default of a new maker).
    virtual int SetCodedOutput() = 0;
    // Plain output.
    virtual int SetNrmlOutput() = 0;
};
