#pragma once
// The common part of the makers of the shipped phrase files.

#include "texts/IAliceTxtMkr.h"

#include <cstdio>
#include <string>

class IDbLexer;
class CSmrtFile;

// The common part of the text makers: the output mode and the pairing of two monolingual
// source texts, record by record, into one phrase file. Each maker supplies the table of files
// it makes (UnfastenText).
class CTxtMkr : public IAliceTxtMkr {
public:
    // Output modes: plain (CSmrtFile_Nrml) or hidden (CSmrtFile_HideText).
    static constexpr int kNrmlOutput = 1;
    static constexpr int kCodedOutput = 2;

    int SetCodedOutput() override;
    int SetNrmlOutput() override;
    int GetOutputMode() const { return m_Mode; }

    // Pairs the two sources into the output; the three paths are relative to the program
    // folder and begin with a separator. Returns 0; 1 with its log line when a full path does
    // not fit the platform's limit (never cut: a cut path names another file); every other
    // failure logs its line and ends the program. The output is made in memory and saved
    // whole at the end, so a failed or interrupted making never leaves a cut phrase file.
    int MakeOneMixFile(const char* first, const char* second, const char* output);

protected:
    // Where a making reads its sources (its tokenizers, from the factory, walk the same bytes)
    // and keeps what it made: the files of the program folder. A fuzz harness reads and
    // writes memory instead. ReadSource gives the whole file, false when it cannot be read;
    // SaveOutput replaces the file whole or leaves it as it was.
    virtual bool ReadSource(const std::string& path, std::string& bytes);
    virtual bool SaveOutput(const std::string& path, const std::string& bytes);

private:
    // Reads the source whole into bytes and gives them to the tokenizer, which walks them in
    // place; a source that cannot be read ends the program (logLine when the tokenizer's own
    // open of it returns at all).
    void OpenSource(IDbLexer& lx, const std::string& path, std::string& bytes, const char* logLine);
    // Writes one character of the output and counts it (the count checks the file on disk).
    void Put(int c);
    void Write(const char* bytes, std::size_t n);
    // Copies the characters of the source from the byte offset start on, CR LF as LF: the
    // first one, then each that begins at most at end. Returns the last character copied, or
    // -1 when start is past the source.
    int CopyUpTo(const std::string& source, long start, long end);
    // Drops the unfinished output, then logs the line and ends the program.
    [[noreturn]] void Abandon(const std::string& logLine);

    int m_Mode = kCodedOutput;
    CSmrtFile* m_pOut = nullptr; // the output being written, during MakeOneMixFile only
    long m_Written = 0;
};
