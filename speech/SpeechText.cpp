#include "speech/SpeechText.h"

#include "platform/PlatScreenText.h"
#include "platform/PlatUtf8.h"

#include <algorithm>

namespace speech {

namespace {

bool IsBracket(char32_t c) { return c == U'<' || c == U'>'; }

} // namespace

std::string SpeakableFromScreen(const std::string& bytes, int fontCodePage)
{
    std::u32string text = plat::ScreenToUnicode(bytes.data(), static_cast<int>(bytes.size()), fontCodePage);
    text.erase(std::remove_if(text.begin(), text.end(), IsBracket), text.end());
    return plat::ToUtf8(text);
}

std::string SpeakableFromUtf8(const std::string& utf8)
{
    std::string text = utf8;
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '<' || c == '>'; }),
               text.end());
    return text;
}

} // namespace speech
