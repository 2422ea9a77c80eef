#include "speech/SpeechLanguage.h"

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

} // namespace speech
