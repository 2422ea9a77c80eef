#include "speech/SpeechLanguage.h"

#include "platform/PlatUtf8.h"

#include <map>

namespace speech {

const char* LanguageCode(const std::string& name)
{
    static const struct { const char *name, *code; } kLanguages[] = {
        {"English", "en"}, {"French", "fr"}, {"German", "de"},
        {"Russian", "ru"}, {"Italian", "it"}, {"Spanish", "es"},
    };
    for (const auto& l : kLanguages)
        if (name == l.name)
            return l.code;
    return nullptr;
}

bool PairLanguages(const std::string& path, std::string& first, std::string& second)
{
    const std::size_t end = path.find_last_of("/\\");
    if (end == std::string::npos || end == 0)
        return false;
    const std::size_t before = path.find_last_of("/\\", end - 1);
    const std::size_t start = before == std::string::npos ? 0 : before + 1;
    const std::string folder = path.substr(start, end - start);
    const std::size_t bar = folder.find('_');
    if (bar == std::string::npos)
        return false;
    const char* a = LanguageCode(folder.substr(0, bar));
    const char* b = LanguageCode(folder.substr(bar + 1));
    if (!a || !b)
        return false;
    first = a;
    second = b;
    return true;
}

std::string GuessLanguage(const std::string& utf8, const std::string& latin)
{
    static const struct { char32_t first, last; const char* code; } kScripts[] = {
        {0x0370, 0x03FF, "el"}, {0x0400, 0x052F, "ru"}, {0x0530, 0x058F, "hy"}, {0x0590, 0x05FF, "he"},
        {0x0600, 0x06FF, "ar"}, {0x0900, 0x097F, "hi"}, {0x0E00, 0x0E7F, "th"}, {0x10A0, 0x10FF, "ka"},
        {0x1100, 0x11FF, "ko"}, {0x3040, 0x30FF, "ja"}, {0x4E00, 0x9FFF, "cmn"}, {0xAC00, 0xD7AF, "ko"},
    };
    std::map<std::string, int> letters;
    int latinLetters = 0;
    char32_t c = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (!plat::NextUtf8(utf8, pos, c)) {
            ++pos;
            continue;
        }
        if ((c | 0x20) - U'a' < 26u || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7))
            ++latinLetters;
        for (const auto& s : kScripts)
            if (c >= s.first && c <= s.last)
                ++letters[s.code];
    }
    std::string best = latin;
    int most = latinLetters;
    for (const auto& [code, count] : letters)
        if (count > most) {
            best = code;
            most = count;
        }
    return best;
}

} // namespace speech
