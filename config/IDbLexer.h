#pragma once
// The tokenizer of configuration files (and of the phrase-file maker's source texts).

#include <cstddef>

class IDbLexer {
public:
    virtual ~IDbLexer() = default;
    virtual int OpenFile(const char* name) = 0;
    // Tokenizes bytes in memory that outlive the tokenizer (a file the caller read whole),
    // named in messages by name.
    virtual int OpenBytes(const char* data, std::size_t size, const char* name) = 0;
    virtual int GetSym() = 0;
    // Reads symbols up to a word whose text reads as this one character, or the end: afterwards
    // everything is as after those GetSym calls. The character is text (no blank, quote or CR).
    virtual int SkipToWord(char word) = 0;
    virtual unsigned char GetSymType() = 0;
    virtual const char* GetSymText() = 0;
    virtual int GetLineNumber() = 0;
    virtual int GetChar() = 0;
    virtual int UngetChar() = 0;
    virtual int SkipWhiteSpace() = 0;
    virtual int Set_fseek(long position) = 0;
    virtual long GetPosAfterSym() = 0;
    // The line the last symbol began on, the end of the file not counted as one (the line number
    // already counts a line end after it).
    virtual int GetSymLine() = 0;
};
