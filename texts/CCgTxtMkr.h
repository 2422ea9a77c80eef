#pragma once
// The maker of the conversational guide's phrase files.

#include "texts/CTxtMkr.h"

// The conversational guide: 18 topics for six language pairs.
class CCgTxtMkr : public CTxtMkr {
public:
    struct SPair {
        const char* firstCode;  // folder of the first language below Settings/Texts_Src/Cg/
        const char* secondCode;
        const char* folder;     // below Text/Conversational Guide/
    };
    static constexpr int kPairs = 6;
    static constexpr int kTopics = 18;
    // In the order made; the first language's text is the first text of every phrase.
    static const SPair kPairTable[kPairs];
    // File names without extension, in the order made within a pair.
    static const char* const kTopicTable[kTopics];

    // One phrase file per pair and topic. The results are not examined: a failure has already
    // ended the program.
    int UnfastenText() override;
};
