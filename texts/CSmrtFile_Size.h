#pragma once
// The base of files stored in ciphered blocks of a fixed size.

#include "texts/CSmrtFile.h"
#include "texts/ICphr.h"

// A file stored in blocks of a fixed size, each passed through a cipher: full blocks through
// m_pICphr, the last, shorter one through m_pICphr_Nfs. Reading restores the blocks one at a
// time; sf_fgetc and sf_fputc belong to the concrete file.
class CSmrtFile_Size : public CSmrtFile {
public:
    CSmrtFile_Size();
    ~CSmrtFile_Size() override;

    int sf_fopen(const char* name, const char* mode) override;
    int sf_fopen_stream(std::FILE* stream) override;
    // 0 while no file is open; otherwise nonzero once the current block is used up and the
    // stream is at its end.
    int sf_feof() override;
    int sf_fputs(const char* text) override;
    // Moves to the block holding the offset, then into it. Only origin 0 meets a block boundary.
    int sf_fseek(long offset, int origin) override;
    long sf_ftell() override;

    // Reads and deciphers the next block; 1 for a full block, 2 for a short one (at the end of
    // the file, where it carries the byte 0xFF after its characters).
    int ReadFixedSize(int size, int& count);

protected:
    void EmptyBuffers();
    bool StreamAtEnd() const;

    char m_RawStr[MAX_SMART_FILE_STR_SZ + 1];
    // The deciphered block being read. A plain struct: the per-character reads work on it
    // through one reference instead of reaching each field through this polymorphic object.
    struct SInBlock {
        char text[MAX_SMART_FILE_STR_SZ + 1];
        int len = 0; // characters of the current deciphered block
        int pos = 0; // the read pointer into it
    };
    SInBlock m_In;
    long m_BlockPos = 0; // file position of the current block
    char m_OutHideStr[MAX_SMART_FILE_STR_SZ + 1];
    char m_pszOutNrmlStr[MAX_SMART_FILE_STR_SZ + 1];
    int m_OutCount = 0;

    ICphr* m_pICphr = nullptr;     // owned
    ICphr* m_pICphr_Nfs = nullptr; // owned
    int m_StrFixedSize = 0;
};
