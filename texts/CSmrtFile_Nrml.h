#pragma once
// The plain character file.

#include "platform/PlatUtf8.h"
#include "texts/CSmrtFile.h"

#include <cstddef>
#include <cstdio>
#include <memory>

// The plain character file: each operation has the meaning of the C-library stream call of the
// same name. Reading goes through a block read ahead, so that a character costs a compare and
// a load, and so that a reader looking for a marker can scan the block at once (Buffered). A
// file object is used by one thread only, is either read or written, and the class is final,
// so a reader holding the concrete type reads without a virtual call per character.
class CSmrtFile_Nrml final : public CSmrtFile {
public:
    // The block read ahead is 64 KiB; a smaller one makes a reader meet its edges in a small
    // file too (the fuzz harness of the phrase reader).
    explicit CSmrtFile_Nrml(std::size_t block = kBlock) : m_BlockSize(block ? block : 1) {}

    int sf_fopen(const char* name, const char* mode) override;
    int sf_fopen_stream(std::FILE* stream) override;
    int sf_fclose() override;
    // Nonzero only once a read has found no more characters: at the end, after a read error,
    // or when no file is open (a reader waiting for the end never hangs).
    int sf_feof() override { return m_AtEnd; }
    int sf_fgetc() override
    {
        if (m_pPos < m_pEnd || Refill())
            return static_cast<unsigned char>(*m_pPos++);
        return EOF;
    }
    int sf_fputc(int c) override { return m_pFile ? putc_unlocked(c, m_pFile) : EOF; }
    int sf_fputs(const char* text) override { return m_pFile && text ? fputs_unlocked(text, m_pFile) : EOF; }
    int sf_fwrite(const char* bytes, std::size_t n) override
    {
        return m_pFile && fwrite_unlocked(bytes, 1, n, m_pFile) == n ? 0 : EOF;
    }
    int sf_fseek(long offset, int origin) override;
    long sf_ftell() override;

    // The characters read ahead: n of them at the result (n is 0 at the end, which the next
    // sf_feof then reports). Skip(k) consumes k of them.
    const char* Buffered(std::size_t& n)
    {
        if (m_pPos >= m_pEnd)
            Refill();
        n = static_cast<std::size_t>(m_pEnd - m_pPos);
        return m_pPos;
    }
    void Skip(std::size_t k) { m_pPos += k; }

    // Every block read from now on is fed to the probe too: a reading through the whole file
    // decides its coding on the way, at no cost of a reading of its own.
    void WatchBlocks(plat::CCodingProbe* probe) { m_pProbe = probe; }

private:
    bool Refill();

    static constexpr std::size_t kBlock = 64 * 1024;
    std::size_t m_BlockSize;
    std::unique_ptr<char[]> m_pBlock;
    const char* m_pPos = nullptr;
    const char* m_pEnd = nullptr;
    int m_AtEnd = 1;
    plat::CCodingProbe* m_pProbe = nullptr;
};
