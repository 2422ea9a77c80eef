#pragma once
// Reading a file "in text mode" as the original platform did: CR LF is delivered as one LF,
// while positions stay byte offsets into the file, so that a position told before a character
// and sought back to reads the same character again.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace plat {

class CTextReader {
public:
    // Reads ahead in blocks of at most kBlock bytes; a smaller block (2 at least) makes a test
    // meet the block's edges in a short file.
    static constexpr std::size_t kBlock = 4096;
    explicit CTextReader(std::size_t block = kBlock) : m_BlockSize(block < 2 ? 2 : block > kBlock ? kBlock : block) {}
    CTextReader(const CTextReader&) = delete;
    CTextReader& operator=(const CTextReader&) = delete;
    ~CTextReader();

    bool Open(const std::string& path);
    // Reads a stream already open (one over bytes in memory, say); the reader owns it from here,
    // and closes it at once when there is no memory for its block (errno ENOMEM).
    bool Open(std::FILE* stream);
    // Reads bytes in memory that outlive the reader (a file read whole) in place, as one block.
    bool Open(const char* data, std::size_t size);
    bool IsOpen() const { return m_File != nullptr || m_InMemory; }
    // Returns false when closing failed; closing a reader that is not open succeeds.
    bool Close();

    // The next character (0..255), CR LF as '\n', or EOF (-1) at the end, which sets Eof().
    // Inline, out of the block read ahead: the tokenizer reads every character of its files
    // here. A CR, the block's end and the file's end take the longer way.
    int GetC()
    {
        if (m_pCur < m_pEnd && *m_pCur != '\r') {
            ++m_Pos;
            return static_cast<unsigned char>(*m_pCur++);
        }
        return GetCrOrRefill();
    }
    bool Eof() const { return m_Eof; }
    // Byte offset of the next character; -1 when not open.
    long Tell() const { return IsOpen() ? m_Pos : -1L; }
    // The same for a reader known to be open (0 before the first opening).
    long Pos() const { return m_Pos; }
    // Moves to a byte offset from the start and clears the end state: within the block read
    // ahead without touching the stream.
    bool Seek(long offset);

    // The bytes read ahead of the position (n of them), for a reader that takes a run of
    // characters at once; Skip(k) moves past k of them, none of which may be a CR.
    const char* Ahead(std::size_t& n) const
    {
        n = static_cast<std::size_t>(m_pEnd - m_pCur);
        return m_pCur;
    }
    void Skip(std::size_t k)
    {
        m_pCur += k;
        m_Pos += static_cast<long>(k);
    }
    // Whether Ahead holds every byte left (bytes read in place), so that a reader may look
    // through the rest of the file at once and Seek anywhere in it without reading.
    bool AheadIsAll() const { return m_InMemory; }

private:
    int GetCrOrRefill();
    // Reads the next block after the bytes not yet taken (a CR whose next byte is still to
    // come); false when nothing is left to take.
    bool Refill();

    std::FILE* m_File = nullptr;
    bool m_InMemory = false; // reading the bytes given to Open in place, with no stream
    bool m_Eof = false;
    long m_Pos = 0;       // the byte offset of the next character
    long m_BlockPos = 0;  // the byte offset of m_pBase[0]
    std::size_t m_BlockSize;
    // The block, made at the first stream opened: a reader of bytes in place needs none.
    std::unique_ptr<char[]> m_pBlock;
    const char* m_pBase = nullptr; // the block's start: m_pBlock, or the bytes read in place
    const char* m_pCur = nullptr;
    const char* m_pEnd = nullptr;
};

// Appends text to the file (creating it), as one open-write-close; false on any failure.
bool AppendText(const std::string& path, const char* text);
// Creates the file empty, or empties it; false on failure.
bool TruncateFile(const std::string& path);

} // namespace plat
