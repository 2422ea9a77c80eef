#pragma once
// The records of an import turned into phrase-file text: line ends and other control characters
// as blanks, markers made harmless, texts cut to the field's limit, records with an empty side
// counted and left out.

#include "import/Import.h"

#include <string>

namespace imp {

class CPhraseSink {
public:
    CPhraseSink(SResult& result, std::string& out) : m_Result(result), m_Out(out) {}
    // One record of the input, its two texts as UTF-8 (a malformed byte becomes U+FFFD). False
    // when it was left out; otherwise written1 and written2 (when given) get the texts written.
    bool Add(const std::string& first, const std::string& second, std::string* written1 = nullptr,
        std::string* written2 = nullptr);
    // Where the media references removed from the texts are counted.
    int* Media() { return &m_Result.media; }

private:
    // The text as one line, without blanks at either end.
    std::string Clean(const std::string& raw) const;
    void Guard(std::string& text, char own, char other);
    void Fit(std::string& text);

    SResult& m_Result;
    std::string& m_Out;
};

} // namespace imp
