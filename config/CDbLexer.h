#pragma once
// The tokenizer of configuration files and of the makers' source texts.

#include "config/DbTypes.h"
#include "config/IDbLexer.h"
#include "platform/PlatTextFile.h"

#include <string>

// The tokenizer proper. A plain class without virtual functions: it runs for every character
// of a file, and a call through the interface is made once per symbol, not per character.
class CDbScanner {
public:
    CDbScanner();
    ~CDbScanner();
    CDbScanner(const CDbScanner&) = delete;
    CDbScanner& operator=(const CDbScanner&) = delete;

    // Tokenizes the stream (nullptr: opens the file name), named in messages by name; a seek
    // then moves in that stream instead of opening the file again.
    int OpenStream(std::FILE* stream, const char* name);
    // Tokenizes bytes in memory that outlive the tokenizer (a file read whole), in place.
    int OpenBytes(const char* data, std::size_t size, const char* name);
    int GetSym();
    // As IDbLexer::SkipToWord. Over bytes in memory it looks for the character itself and
    // takes the symbols around it from the bytes, instead of reading every symbol before it.
    int SkipToWord(char word);
    unsigned char GetSymType() const { return m_SymType; }
    const char* GetSymText() const { return m_SymText; }
    int GetLineNumber() const { return m_LineNumber; }
    int GetSymLine() const { return m_SymLine; }
    int GetChar();
    int UngetChar();
    int SkipWhiteSpace();
    int Set_fseek(long position);
    long GetPosAfterSym() const { return m_PosAfterSym; }

    void SetLineNumber(int n) { m_LineNumber = n; }
    unsigned char GetLastChar() const { return m_LastChar; }
    bool AtEnd() const { return m_EofState == kEofReached; }

private:
    static constexpr unsigned char kEofReached = 1;
    static constexpr unsigned char kEofNot = 2;

    // Reads past blanks and line ends, counting lines: the first other character is read, or
    // the end is reached.
    void SkipBlanksAndRead();
    // After a text character: the text characters that follow it, while the reader has them.
    void TakeTextRun();
    // GetSym until the word that is the character alone, or the end.
    void SkipBySymbols(char word);
    // Moves k bytes ahead in the bytes read ahead, over lineEnds line ends.
    void JumpAhead(std::size_t k, long lineEnds);
    void AppendChar(char c);
    void CloseSym();
    void SetName(const char* name);

    std::string m_FileName; // at most DB_MAX_FILE_NAME characters
    plat::CTextReader m_File;
    bool m_OwnStream = false; // opened by OpenStream or OpenBytes: a seek never opens the file
    int m_LineNumber;
    int m_SymLine = 1; // the line the last symbol (not the end) began on
    unsigned char m_SymType;
    char m_SymText[DB_MAX_SYM + 1];
    long m_PosBeforeChar;
    unsigned char m_LastChar;
    unsigned char m_EofState;
    long m_PosAfterSym;
    int m_SymLen; // characters stored in m_SymText; a longer symbol keeps its first DB_MAX_SYM
};

// The tokenizer behind the interface the database and the text makers use.
class CDbLexer : public IDbLexer {
public:
    int OpenFile(const char* name) override { return m_Scan.OpenStream(nullptr, name); }
    // Tokenizes a stream already open (bytes in memory, say), named in messages by name; a seek
    // then moves in that stream instead of opening the file again.
    int OpenStream(std::FILE* stream, const char* name) { return m_Scan.OpenStream(stream, name); }
    int OpenBytes(const char* data, std::size_t size, const char* name) override
    {
        return m_Scan.OpenBytes(data, size, name);
    }
    int GetSym() override { return m_Scan.GetSym(); }
    int SkipToWord(char word) override { return m_Scan.SkipToWord(word); }
    unsigned char GetSymType() override { return m_Scan.GetSymType(); }
    const char* GetSymText() override { return m_Scan.GetSymText(); }
    int GetLineNumber() override { return m_Scan.GetLineNumber(); }
    int GetSymLine() override { return m_Scan.GetSymLine(); }
    int GetChar() override { return m_Scan.GetChar(); }
    int UngetChar() override { return m_Scan.UngetChar(); }
    int SkipWhiteSpace() override { return m_Scan.SkipWhiteSpace(); }
    int Set_fseek(long position) override { return m_Scan.Set_fseek(position); }
    long GetPosAfterSym() override { return m_Scan.GetPosAfterSym(); }

    void SetLineNumber(int n) { m_Scan.SetLineNumber(n); }
    // The last character read (valid after GetChar).
    unsigned char GetLastChar() const { return m_Scan.GetLastChar(); }
    bool AtEnd() const { return m_Scan.AtEnd(); }

private:
    CDbScanner m_Scan;
};
