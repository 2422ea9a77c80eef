#include "locale/CLclTextTable.h"

#include "platform/PlatUtf8.h"

namespace {
// The one index inside the range that has no text at all.
constexpr int kNoText = 67;
} // namespace

CLclTextTable::CLclTextTable(const SLclText* texts, std::size_t count, int codePage)
{
    for (std::size_t k = 0; k < count; ++k) {
        const int i = texts[k].index;
        if (i < 1 || i > LCL_MAX_TEXT || i == kNoText || !texts[k].utf8) {
            m_Exact = false;
            continue;
        }
        if (!plat::Utf8ToCodePage(texts[k].utf8, codePage, m_Texts[i]))
            m_Exact = false;
    }
}

const char* CLclTextTable::Get(int index) const
{
    if (index < 1 || index > LCL_MAX_TEXT || index == kNoText)
        return nullptr;
    return m_Texts[index].c_str();
}
