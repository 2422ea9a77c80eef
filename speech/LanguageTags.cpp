#include "speech/LanguageTags.h"

namespace speech {

namespace {

// Tags that eSpeak NG lists under another name, or not at all where a near voice says them.
const char* Renamed(const std::string& tag)
{
    static const struct { const char *tag, *listed; } kRenamed[] = {
        {"zh-hk", "yue"}, {"zh-mo", "yue"}, {"zh-hant-hk", "yue"}, {"zh-hant-mo", "yue"},
        {"nn", "nb"}, {"iw", "he"}, {"in", "id"}, {"mo", "ro"}, {"sh", "hbs"},
    };
    for (const auto& r : kRenamed)
        if (tag == r.tag)
            return r.listed;
    // The Spanish of the Americas has a voice of its own.
    static const char* const kAmericas[] = {"ar", "bo", "cl", "co", "cr", "cu", "do", "ec", "gt", "hn", "mx", "ni",
        "pa", "pe", "pr", "py", "sv", "us", "uy", "ve"};
    if (tag.size() == 5 && tag.compare(0, 3, "es-") == 0)
        for (const char* country : kAmericas)
            if (tag.compare(3, 2, country) == 0)
                return "es-419";
    return nullptr;
}

// The voice listing tag at the best priority (a lower number); the first in the list of equals.
const Voice* Listing(const std::string& tag, const std::vector<Voice>& voices)
{
    const Voice* best = nullptr;
    int bestPriority = 0;
    for (const Voice& v : voices)
        for (const auto& [priority, listed] : v.languages)
            if (listed == tag && (!best || priority < bestPriority)) {
                best = &v;
                bestPriority = priority;
            }
    return best;
}

} // namespace

std::string NormalTag(const std::string& code)
{
    const std::size_t begin = code.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return std::string();
    const std::size_t end = code.find_last_not_of(" \t") + 1;
    std::string tag;
    for (std::size_t i = begin; i < end; ++i) {
        char c = code[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == '_')
            c = '-';
        else if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return std::string();
        if (c == '-' && (tag.empty() || tag.back() == '-'))
            return std::string();
        tag += c;
    }
    return tag.back() == '-' ? std::string() : tag;
}

const Voice* VoiceFor(const std::string& code, const std::vector<Voice>& voices)
{
    for (std::string tag = NormalTag(code); !tag.empty();) {
        const char* renamed = Renamed(tag);
        if (const Voice* v = Listing(renamed ? renamed : tag, voices))
            return v;
        const std::size_t dash = tag.rfind('-');
        tag.resize(dash == std::string::npos ? 0 : dash);
    }
    return nullptr;
}

} // namespace speech
