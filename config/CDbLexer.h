#pragma once
// The tokenizer of configuration files and of the makers' source texts.

#include "config/DbTypes.h"
#include "config/IDbLexer.h"
#include "platform/PlatTextFile.h"

class CDbLexer : public IDbLexer {
public:
    CDbLexer();
    ~CDbLexer() override;

    int OpenFile(const char* name) override;
    // Tokenizes a stream already open (bytes in memory, say), named in messages by name; a seek
    // then moves in that stream instead of opening the file again.
    int OpenStream(std::FILE* stream, const char* name);
    int GetSym() override;
    unsigned char GetSymType() override { return m_SymType; }
    const char* GetSymText() override { return m_SymText; }
    int GetLineNumber() override { return m_LineNumber; }
    int GetChar() override;
    int UngetChar() override;
    int SkipWhiteSpace() override;
    int Set_fseek(long position) override;
    long GetPosAfterSym() override { return m_PosAfterSym; }

    void SetLineNumber(int n) { m_LineNumber = n; }
    // The last character read (valid after GetChar).
    unsigned char GetLastChar() const { return m_LastChar; }
    bool AtEnd() const { return m_EofState == kEofReached; }

private:
    static constexpr unsigned char kEofReached = 1;
    static constexpr unsigned char kEofNot = 2;

    void AppendChar(char c);
    void CloseSym();

    char m_FileName[DB_MAX_FILE_NAME + 1];
    plat::CTextReader m_File;
    bool m_OwnStream = false; // opened by OpenStream
    int m_LineNumber;
    unsigned char m_SymType;
    char m_SymText[DB_MAX_SYM + 1];
    long m_PosBeforeChar;
    unsigned char m_LastChar;
    unsigned char m_EofState;
    int m_CharCount;
    long m_PosAfterSym;
    int m_SymLen; // characters stored in m_SymText; a longer symbol keeps its first DB_MAX_SYM
};
