#pragma once

#include "texts/CSmrtFile.h"

#include <cstdio>

// The plain character file: each operation is the C-library stream call of the same meaning.
// A file object is used by one thread only, so the unlocked stream calls serve; the class is
// final and the hot calls inline, so that a reader holding the concrete type reads without a
// virtual call per character.
class CSmrtFile_Nrml final : public CSmrtFile {
public:
    int sf_fclose() override { return CloseStream(); }
    // A read error ends the file as its end does: a reader waiting for the end never hangs.
    int sf_feof() override { return !m_pFile || feof_unlocked(m_pFile) || ferror_unlocked(m_pFile); }
    int sf_fgetc() override { return m_pFile ? getc_unlocked(m_pFile) : EOF; }
    int sf_fputc(int c) override { return m_pFile ? putc_unlocked(c, m_pFile) : EOF; }
    int sf_fputs(const char* text) override { return m_pFile && text ? fputs_unlocked(text, m_pFile) : EOF; }
};
