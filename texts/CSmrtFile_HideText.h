#pragma once
// The hidden phrase file.

#include "texts/CSmrtFile_Size.h"

// A hidden phrase file: the byte stream of a plain one in blocks of 64 characters, each full
// block permuted by the program's key, the last short block stored as it is. The file is as
// long as the text written; nothing is added.
class CSmrtFile_HideText : public CSmrtFile_Size {
public:
    // Makes and checks both ciphers through the factory; any failure ends the program.
    CSmrtFile_HideText();

    int sf_fclose() override;
    // The next character, carriage returns skipped, sign-extended (0xFF comes back as -1);
    // 0 when no file is open.
    int sf_fgetc() override;
    int sf_fputc(int c) override;
    int sf_fwrite(const char* bytes, std::size_t n) override;

private:
    // Ciphers the full block being written and writes it out.
    void WriteFullBlock();
};
