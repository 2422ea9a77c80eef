#pragma once
// A path held in a field of its own. Getters hand out the field itself, so the text a caller
// reads stays where it is when the field is set again (also from the worker thread while the
// window reads it); a text that does not fit is refused, never cut.

#include "platform/PlatFs.h"

#include <cstring>
#include <string>

class CPathField {
public:
    CPathField() { m_Text[0] = 0; }
    CPathField(const CPathField&) = delete;
    CPathField& operator=(const CPathField&) = delete;

    // False, and the field unchanged, when s is null or does not fit.
    bool Set(const char* s)
    {
        if (!s)
            return false;
        const std::size_t n = std::strlen(s);
        if (n >= plat::kMaxPath)
            return false;
        std::memmove(m_Text, s, n + 1);
        return true;
    }
    bool Set(const std::string& s) { return Set(s.c_str()); }
    const char* c_str() const { return m_Text; }
    bool empty() const { return m_Text[0] == 0; }
    std::string str() const { return m_Text; }

private:
    char m_Text[plat::kMaxPath];
};
