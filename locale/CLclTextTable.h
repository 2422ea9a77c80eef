#pragma once
// The interface texts of one language. They are written in UTF-8 in the source and turned
// into the bytes of the language's code page once, at first use.

#include "locale/ILocal.h"

#include <cstddef>
#include <string>

struct SLclText {
    int index;
    const char* utf8;
};

class CLclTextTable {
public:
    CLclTextTable(const SLclText* texts, std::size_t count, int codePage);

    // The text of index: null for 67 and outside 1..LCL_MAX_TEXT, empty for an index that
    // the table does not list.
    const char* Get(int index) const;

    // False when a text held a character the code page lacks (it reads as '?') or an index
    // outside the table: a fault of the source, which the tests check for.
    bool IsExact() const { return m_Exact; }

private:
    std::string m_Texts[LCL_MAX_TEXT + 1];
    bool m_Exact = true;
};
