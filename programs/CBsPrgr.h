#pragma once
// The base of the thirteen training programs: the work file, the two string objects, the
// direction and the marks of one pass. Construction registers the pass with the iteration
// service and opens its input; destruction stores the results and sets the iteration status.

#include "platform/PlatUtf8.h"
#include "programs/IBsPrgr.h"

class CWrkFile;
class IPrStr;
class IScrnStr;
class IStr;

// Typed between the question and the answer by every mode.
constexpr const char* SEPARATOR_LINE = "\n----------------------------------------\n";
// Typed after a phrase by the modes that wait for one key before the next phrase.
constexpr const char* CONTINUE_LINE = "\n\n\n\n\n--------- Press some key to continue -------";
// Typed after a phrase by the time-out modes.
constexpr const char* TIME_OUT_END_LINE = "\n\n\n\n\n----------------------------------";

// Told on the worker thread each time a time-out wait begins (tests and benchmarks use it to
// place a key inside a particular wait).
class ITimeOutObserver {
public:
    virtual ~ITimeOutObserver() = default;
    // True when the observer has given every key of this wait (a script): the wait then ends
    // as soon as they are judged, instead of lasting ms.
    virtual bool OnTimeOutWait(int ms) = 0;
};

class CBsPrgr : public IBsPrgr {
public:
    CBsPrgr();
    CBsPrgr(const CBsPrgr&) = delete;
    CBsPrgr& operator=(const CBsPrgr&) = delete;
    ~CBsPrgr() override;

    int ClearScreen() override;
    int Init() override { return 0; }
    int Run() override;
    int SetTimeOut(int ms) override;
    int WaitTimeOut() override;
    int TypeDicFromFile() override { return TypeDicOrBackDicFromFile(0); }
    int TypeBackDicFromFile() override { return TypeDicOrBackDicFromFile(1); }
    int SetBackDic() override;
    int SetDic() override;
    int GetDicOrBackDicInd() override { return m_DicOrBackDicInd; }
    int Finish() override { return 0; }
    int CompareStr(const char* a, const char* b) override;
    int Reserved1(int) override { return 0; }
    int Reserved2(int) override { return 0; }
    int Reserved3(int) override { return 0; }

    int GetTimeOut() const { return m_TimeOut; }
    static void SetTimeOutObserver(ITimeOutObserver* observer);

protected:
    // All three members were made: a program with a missing one does not run.
    bool IsComplete() const;
    // Question and answer of the current record by the direction; false for a direction other
    // than 0 or 1 (the caller logs its own message).
    bool SetQuestionAndAnswerByDirection(int DicOrBackDicInd);
    // Writes the current phrase in the file's own language order; false for another direction.
    bool WritePhraseInFileOrder(int DicOrBackDicInd);
    // The first screen of a record in the pair modes: cleared, the phrase unmarked, question and
    // answer set by the direction (another direction logs wrongDirection and ends the process),
    // the question and the separator typed.
    void StartPhraseScreen(int DicOrBackDicInd, const char* wrongDirection);
    // The question and the separator line below it.
    static void PutQuestion(const char* question);
    // Waits for a key with the cursor kept where it was before the wait.
    void WaitForKey();
    // The learner marked the current phrase (or screen of text).
    void MarkPhrase();
    // The mark of the shown phrase or screen, for the front-ends to show.
    static void ShowMark();
    // Backspace in the modes where Space marks: takes back the last mark of the pass, the
    // current phrase's while it is not written yet, else the last record written.
    void TakeBackMark();
    // While the key hit is Backspace: takes a mark back and waits for the next key.
    void WaitPastBackspaces();
    // The verdict of the modes paced by keys (In Whole, Word By Word), after a key wait:
    // Escape 0; Space marks the phrase, 1; any other key 2 (Backspace first takes back).
    int PacedKeyVerdict();
    // The verdict of the modes paced by a clock, after a wait, never blocking: Escape 0; Space
    // marks the phrase and gives markVerdict; no key or another key gives idleVerdict, Backspace
    // too after taking back a mark when takesBack is set.
    int TimedKeyVerdict(int markVerdict, int idleVerdict, bool takesBack = false);
    // One wait of the modes paced by a clock. Every key pressed during it is judged by
    // ProcessKey as it comes, in order, as at a key wait; Escape ends the wait at once. Returns
    // 0 for Escape, else markVerdict when a key of the wait gave it, else the last verdict. A
    // pause (judges false) only looks for Escape: other keys are taken and change nothing.
    int TimeOutWait(int markVerdict, bool judges = true);
    // A judged wait; false when Escape ended it.
    bool WaitAndJudge() { return TimeOutWait(-1) != 0; }
    // The whole loop of the time-out In Whole and Word By Word modes; wrongDirection as for
    // StartPhraseScreen.
    int TimeOutPhrases(int DicOrBackDicInd, bool wordByWord, const char* wrongDirection);
    // The verdict of the modes in which the learner finds a word (Which Letter, Open
    // Brackets): Escape 0, Space 1, "=" or "+" 2, any other key 4; marks nothing.
    static int RevealKeyVerdict();
    // Compares a key with the first character of text, both as texts of one character. The key
    // is taken before the verdict: dealing with it makes the next key typed ahead the key hit.
    int CompareKeyWith(char32_t key, const char* text);
    // The bracket turns of the Open Brackets modes over s, from its first bracket to its last.
    // question is shown above the text (pair modes) or null (plain text, s is the screen
    // string). wholeWord: the learner types the word in place; otherwise its first letter.
    // A bracket given up marks the text through marked. False when Escape ended the pass.
    bool OpenAllBrackets(IStr& s, const char* question, bool wholeWord, int& marked);
    // After the turns: the text with every bracket filled and the continue line, on a screen of
    // its own; waits for the key. False when that key is Escape.
    bool ShowOpenedText(IStr& s, const char* question);
    // The whole loop of the Open Brackets modes over phrase records (the first text is the
    // question, the second holds the brackets) or over screens of plain text.
    int OpenBracketsOfRecords(bool wholeWord);
    int OpenBracketsOfScreens(bool wholeWord);
    // Reads an integer setting (a missing one ends the process, as every setting does).
    static int ReadIntSetting(const char* section, const char* parameter);

    CWrkFile* m_pOFile;
    int m_PhraseMarked;
    IPrStr* m_pIPrStr;
    int m_TextMarked;
    IScrnStr* m_pCScrnStr;
    int m_TimeOut;
    int m_DicOrBackDicInd;
    int m_AnyMarked;
    plat::TextCoding m_Coding = plat::TextCoding::SingleByte;
};
