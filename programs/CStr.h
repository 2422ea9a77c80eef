#pragma once
// The string object: words, tokens and brackets of one text, and the text it builds.

#include "platform/PlatUtf8.h"
#include "programs/IStr.h"

#include <string>

class CStr : public IStr {
public:
    CStr();

    const char* GetText() override { return m_Text; }
    int NextWord() override { return NextToken(' '); }
    int NextToken(char delim) override;
    const char* SkipBlanks(const char* p) override;
    int ClearBuild() override;
    int AppendWord(int bracketed, const char* word) override;
    int ResetBrkt() override;
    int NextBrkt() override;
    int CountChar(char c, const char* s) override;
    int CopyUntil(char c, char** dst, char** src) override;
    int SkipUntil(char c, char** src) override;
    int HasCrrntBrkt() override;
    const char* GetScreenText() override;
    const char* GetCrrntBrktText() override;
    int SetCursorToNextBrkt() override;
    unsigned short GetCursorX() override;
    unsigned short GetCursorY() override;
    const char* GetRestOfLine() override;
    int UserOpenedCrrntBrck() override;
    int UserSkippedCrrntBrck() override;
    const char* GetResultText() override;
    int GetLenToCrrntBrkt() override;

    int GetFilledBrktNmb() const { return m_FilledBrktNmb; }
    // The coding of the texts (that of the pass's file): a text of a UTF-8 file is cut, where a
    // buffer bounds it, only between characters.
    void SetCoding(plat::TextCoding coding) { m_Utf8 = plat::IsUtf8Coding(coding); }
    // The first character of text: one byte, or in a UTF-8 text one to four; empty for "".
    std::string FirstChar(const char* text) const;

protected:
    // Copies at most 1023 characters of text into m_Text and puts the word cursor at its start.
    void SetTextAndRewind(const char* text);
    int SetBrktFlag(unsigned char value);

    char* m_pCursor;
    char m_Text[STR_BUF_SZ];
    char m_Word[STR_BUF_SZ];
    char m_Built[STR_BUF_SZ];
    char m_ResultText[STR_BUF_SZ];
    unsigned char m_OpenedBrkts[MAX_BRKTS_NMB_IN_ANY_STR];
    int m_BuiltSize;
    char m_ScreenText[STR_BUF_SZ];
    int m_FilledBrktNmb;
    char m_CrrntBrktText[BRKT_TEXT_SZ];
    int m_CursorX;
    int m_CursorY;
    int m_LenToCrrntBrkt;
    char m_RestOfLine[STR_BUF_SZ];
    char* m_pRead;
    bool m_Utf8 = false;
};
