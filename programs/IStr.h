#pragma once
// The string objects cut the training programs' texts into words and brackets ("<" ... ">"),
// and build the texts to show and to store. All texts are at most 1023 characters.

constexpr int STR_BUF_SZ = 1024;
constexpr int MAX_BRKTS_NMB_IN_ANY_STR = 128;
constexpr int BRKT_TEXT_SZ = 128;

class IStr {
public:
    virtual ~IStr() = default;
    virtual const char* GetText() = 0;
    virtual int NextWord() = 0;
    virtual int NextToken(char delim) = 0;
    virtual const char* SkipBlanks(const char* p) = 0;
    virtual int ClearBuild() = 0;
    virtual int AppendWord(int bracketed, const char* word) = 0;
    virtual int ResetBrkt() = 0;
    virtual int NextBrkt() = 0;
    virtual int CountChar(char c, const char* s) = 0;
    virtual int CopyUntil(char c, char** dst, char** src) = 0;
    virtual int SkipUntil(char c, char** src) = 0;
    virtual int HasCrrntBrkt() = 0;
    virtual const char* GetScreenText() = 0;
    virtual const char* GetCrrntBrktText() = 0;
    virtual int SetCursorToNextBrkt() = 0;
    virtual unsigned short GetCursorX() = 0;
    virtual unsigned short GetCursorY() = 0;
    virtual const char* GetRestOfLine() = 0;
    virtual int UserOpenedCrrntBrck() = 0;
    virtual int UserSkippedCrrntBrck() = 0;
    virtual const char* GetResultText() = 0;
    virtual int GetLenToCrrntBrkt() = 0;
};
