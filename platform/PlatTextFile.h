#pragma once
// Reading a file "in text mode" as the original platform did: CR LF is delivered as one LF,
// while positions stay byte offsets into the file, so that a position told before a character
// and sought back to reads the same character again.

#include <cstdio>
#include <string>

namespace plat {

class CTextReader {
public:
    CTextReader() = default;
    CTextReader(const CTextReader&) = delete;
    CTextReader& operator=(const CTextReader&) = delete;
    ~CTextReader();

    bool Open(const std::string& path);
    // Reads a stream already open (one over bytes in memory, say); the reader owns it from here.
    bool Open(std::FILE* stream);
    bool IsOpen() const { return m_File != nullptr; }
    // Returns false when closing failed; closing a reader that is not open succeeds.
    bool Close();

    // The next character (0..255), CR LF as '\n', or EOF (-1) at the end, which sets Eof().
    // Inline: the tokenizer reads every character of its files here. A reader is never shared
    // between threads, so there is no stream lock per character.
    int GetC()
    {
        if (!m_File) {
            m_Eof = true;
            return EOF;
        }
        const int c = getc_unlocked(m_File);
        if (c == EOF || c == '\r')
            return GetEndOrCr(c);
        m_Last = c;
        ++m_Pos;
        return c;
    }
    bool Eof() const { return m_Eof; }
    // Byte offset of the next character; -1 when not open.
    long Tell() const { return m_File ? m_Pos : -1L; }
    // Moves to a byte offset from the start and clears the end state.
    bool Seek(long offset);

private:
    // The rest of GetC: the end, or a CR, which with the LF after it reads as '\n'.
    int GetEndOrCr(int c);

    std::FILE* m_File = nullptr;
    bool m_Eof = false;
    // The byte offset of the next character, counted as it is read: the tokenizer asks for it
    // before every character.
    long m_Pos = 0;
    int m_Last = EOF; // the byte the last read took alone, which a step back pushes back
};

// Appends text to the file (creating it), as one open-write-close; false on any failure.
bool AppendText(const std::string& path, const char* text);
// Creates the file empty, or empties it; false on failure.
bool TruncateFile(const std::string& path);

} // namespace plat
