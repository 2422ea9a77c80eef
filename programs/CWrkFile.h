#pragma once
// The work file of one pass: the only way a training program reads its input (phrase records,
// or screens of plain text) and writes what the learner marked. The marks go to the temporary
// output "current.cut"; when the pass ends they become the pass's results file.

#include "texts/CPhraseReader.h"

#include <memory>
#include <string>
#include <vector>

class ISmrtFile;

constexpr int WRK_TEXT_SZ = 1024; // a text of at most 1023 characters and its terminator

class CWrkFile {
public:
    // Opens path for reading and the temporary output for writing; either failure ends the
    // process with its log line.
    explicit CWrkFile(const char* path);
    CWrkFile(const CWrkFile&) = delete;
    CWrkFile& operator=(const CWrkFile&) = delete;
    // Stores the results (StoreResults) unless that was done already.
    virtual ~CWrkFile();

    // The next phrase record into GetDic() and GetBackDic(); 1 when both texts were present.
    virtual int ReadRecord();
    // One field by the phrase-file rule; dst holds WRK_TEXT_SZ bytes.
    virtual int ReadField(char closer, char opener, char* dst);
    // Copies both texts out; each destination holds WRK_TEXT_SZ bytes.
    virtual int CopyTexts(char* dic, char* backDic);
    virtual int WritePair(const char* dic, const char* backDic);
    virtual const char* GetDic() { return m_Dic; }
    virtual const char* GetBackDic() { return m_BackDic; }
    // Up to `lines` lines of plain text into dst (WRK_TEXT_SZ bytes); 1 when anything was read.
    // A screen that would pass 1023 characters ends there: the character that did not fit
    // begins the next screen, so nothing of the text is lost and nothing overruns dst.
    // With one line a screen, blank lines are skipped.
    virtual int ReadLines(char* dst, int lines);
    virtual int ReadScreen(int lines) { return ReadLines(m_Screen, lines); }
    virtual const char* GetScreen() { return m_Screen; }
    virtual int WriteLine(const char* text);
    // Takes the last record written back out of the output: the output is rewritten whole
    // (atomically) without it, so a crash leaves it as it was before or after. Returns 1 when a
    // record was taken back, 0 when none is left or the results were stored already.
    int TakeBackLast();
    // The phrase records of the whole input, counted when it was opened; the screens of
    // `lines` lines, read through a file of their own so the pass's reading is untouched.
    int CountRecords() const { return m_Records; }
    int CountScreens(int lines) const;
    // The first (second: false) texts of every phrase record of the input, in file order, read
    // through a file of their own.
    std::vector<std::string> AllTexts(bool first) const;

    // Closes both files and, if anything was written, copies the output to the pass's results
    // file (atomically: the file is whole or absent). Returns 1 when the results file was
    // written, 0 when there was nothing to store. Only the first call acts; the others return
    // what it returned. A copy that fails ends the process with its log line.
    int StoreResults();
    int WasWritten() const { return m_WasWritten; }
    // The input's coding, decided when it was opened; the results are written in it, and
    // begin with the byte-order mark when the input did.
    plat::TextCoding Coding() const { return m_Coding; }

private:
    // Counts one more record written; its first byte is at the output's current position.
    void BeginRecord();
    // ReadLines over any open file; pending as m_Pending.
    static int ReadLinesFrom(ISmrtFile& in, int& pending, char* dst, int lines, bool utf8);

    ISmrtFile* m_pISf_In;
    ISmrtFile* m_pISf_Out;
    char m_Dic[WRK_TEXT_SZ];
    char m_BackDic[WRK_TEXT_SZ];
    char m_Screen[WRK_TEXT_SZ];
    int m_WasWritten;

    std::string m_Path;
    std::unique_ptr<CPhraseReader> m_pReader;
    int m_Pending = -1; // a character read but not stored by the last ReadLines, or -1
    int m_Stored = -1;  // result of StoreResults once it ran
    int m_Marked = 0;   // records (or screens) written to the output
    std::vector<long> m_RecordStarts; // where each record written begins in the output
    plat::TextCoding m_Coding = plat::TextCoding::SingleByte;
    int m_Records = 0;
};
