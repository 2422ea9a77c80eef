#pragma once
// The maker of the reading text's phrase files.

#include "texts/CTxtMkr.h"

// The reading text: the first chapter of the Alice story, English against five languages.
class CAliceTxtMkr : public CTxtMkr {
public:
    struct SRow {
        const char* first;
        const char* second;
        const char* output;
    };
    static constexpr int kRows = 5;
    // The files made, in order (paths relative to the program folder).
    static const SRow kTable[kRows];

    int UnfastenText() override;
};
