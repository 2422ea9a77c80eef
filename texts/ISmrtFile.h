#pragma once
// Character access to a phrase file: the one interface through which every reader and writer
// of phrase files works, so that a writer does not know whether its file is hidden.

class ISmrtFile {
public:
    // Releases the object; the owner closes the file with sf_fclose first.
    virtual ~ISmrtFile() = default;
    // Opens with a C-library mode ("rb", "wb"); 0 on success, 1 on failure (logged).
    virtual int sf_fopen(const char* name, const char* mode) = 0;
    virtual int sf_fclose() = 0;
    // Nonzero once a read has run into the end of the file (or failed).
    virtual int sf_feof() = 0;
    // The next character, -1 at the end.
    virtual int sf_fgetc() = 0;
    virtual int sf_fputc(int c) = 0;
    virtual int sf_fputs(const char* text) = 0;
    // Origin as in the C library: 0 start, 1 current, 2 end. 0 on success.
    virtual int sf_fseek(long offset, int origin) = 0;
    // The current position in bytes, -1 when not open.
    virtual long sf_ftell() = 0;
};
