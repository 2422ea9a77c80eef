#pragma once
// The base of the character files: the stream and its opening position.

#include "texts/ISmrtFile.h"

#include <cstdio>
#include <memory>

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
    int sf_fseek(long offset, int origin) override;
    long sf_ftell() override;

    bool IsOpen() const { return m_pFile != nullptr; }

protected:
    // Closes the stream and forgets it, so that a closed object can never touch it again.
    int CloseStream();

    std::FILE* m_pFile = nullptr;
    long m_StartPos = 0;

private:
    // A larger buffer than the default: phrase files are read character by character.
    static constexpr std::size_t kStreamBuffer = 64 * 1024;
    std::unique_ptr<char[]> m_pBuffer;
};
