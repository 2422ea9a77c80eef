#pragma once
// Files in memory for the fuzz harnesses: streams over an input's bytes that the program's own
// file classes take instead of a file on disk, a stream that collects what is written, a
// character file (ISmrtFile) over bytes, with the plain file's meaning of each read, and the
// program's tokenizer over named files in memory.

#include "config/CDbLexer.h"
#include "texts/ISmrtFile.h"

#include <cstddef>
#include <cstdio>
#include <map>
#include <string>

// A read-only stream over bytes that outlive it; never null (aborts instead).
std::FILE* FuzzReadStream(const std::string& bytes);

// A write-only stream whose bytes are kept in memory; Take() hands them over once the owner
// of the stream has closed it.
class FuzzWriteStream {
public:
    FuzzWriteStream();
    ~FuzzWriteStream();
    FuzzWriteStream(const FuzzWriteStream&) = delete;
    FuzzWriteStream& operator=(const FuzzWriteStream&) = delete;
    std::FILE* Stream() const { return m_pStream; }
    std::string Take();

private:
    std::FILE* m_pStream = nullptr;
    char* m_pData = nullptr;
    std::size_t m_Size = 0;
};

// Reading only: the reader that takes one character at a time sees the bytes as it sees a file.
class FuzzMemFile : public ISmrtFile {
public:
    explicit FuzzMemFile(const std::string& bytes) : m_Bytes(bytes) {}
    int sf_fopen(const char*, const char*) override { return 0; }
    int sf_fclose() override { return 0; }
    int sf_feof() override { return m_AtEnd; }
    int sf_fgetc() override
    {
        if (m_Pos < m_Bytes.size())
            return static_cast<unsigned char>(m_Bytes[m_Pos++]);
        m_AtEnd = 1;
        return -1;
    }
    int sf_fputc(int) override { return -1; }
    int sf_fputs(const char*) override { return -1; }
    int sf_fseek(long, int) override { return -1; }
    long sf_ftell() override { return static_cast<long>(m_Pos); }

private:
    const std::string& m_Bytes;
    std::size_t m_Pos = 0;
    int m_AtEnd = 0;
};

// The program's tokenizer, opening each named file from a table in memory (a name the table
// lacks reads as an empty file).
class FuzzMemLexer : public CDbLexer {
public:
    explicit FuzzMemLexer(std::map<std::string, std::string>& files) : m_Files(files) {}
    int OpenFile(const char* name) override
    {
        const std::string& bytes = m_Files[name];
        return OpenBytes(bytes.data(), bytes.size(), name);
    }

private:
    std::map<std::string, std::string>& m_Files;
};
