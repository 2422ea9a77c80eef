#pragma once
// The base of the character files: the stream and its opening position.

#include "texts/ISmrtFile.h"

#include <cstdio>
#include <memory>
#include <string>

// The stream handle and the position at which the file was opened; opening, seeking and
// telling are the same for every file of the family.
class CSmrtFile : public ISmrtFile {
public:
    CSmrtFile() = default;
    CSmrtFile(const CSmrtFile&) = delete;
    CSmrtFile& operator=(const CSmrtFile&) = delete;
    // Owners close before deleting; a stream still open here is closed only so that it does not
    // leak (nothing pending is written).
    ~CSmrtFile() override;

    // A directory is not a file: it is refused like a missing file (reading one would fail at
    // every character and never reach the end).
    int sf_fopen(const char* name, const char* mode) override;
    // Takes a stream already open (one over bytes in memory, say) as the file, as sf_fopen
    // takes the stream it opens; the object owns it from here. 1 when there is none.
    virtual int sf_fopen_stream(std::FILE* stream);
    int sf_fseek(long offset, int origin) override;
    long sf_ftell() override;
    // Writes n characters as n calls of sf_fputc would, a stretch at once (the makers copy
    // their sources in stretches). 0 on success.
    virtual int sf_fwrite(const char* bytes, std::size_t n) = 0;

    bool IsOpen() const { return m_pFile != nullptr; }

    // Opens for writing into memory, so that a maker can hand the whole file to an atomic
    // save; 0 on success. After sf_fclose, TakeBytes gives what was written (once).
    int OpenMemoryOutput();
    std::string TakeBytes();

protected:
    // Closes the stream and forgets it, so that a closed object can never touch it again.
    int CloseStream();

    std::FILE* m_pFile = nullptr;
    long m_StartPos = 0;

private:
    void FreeMemory();

    char* m_pMemory = nullptr; // the bytes of a memory output, owned
    std::size_t m_MemorySize = 0;
    // A larger buffer than the default: phrase files are read character by character.
    static constexpr std::size_t kStreamBuffer = 64 * 1024;
    std::unique_ptr<char[]> m_pBuffer;
};
