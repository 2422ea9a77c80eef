#pragma once
// The modes that ask for the answer: "Type the Answer" (mode 11) judges what the learner types,
// "Choose the Answer" (mode 12) offers the answer among up to three answers of other phrases
// of the file. A wrong answer marks the phrase; an almost right one is graded Hard. The bracket
// marks of the texts are neither shown nor compared, and nothing typed is written anywhere.

#include "programs/AnswerJudge.h"
#include "programs/CBsPrgr.h"

#include <string>
#include <vector>

// The verdict words, as the screen text holds them (the window shows them translated).
constexpr const char* kRightWord = "Right";
constexpr const char* kAlmostWord = "Almost";
constexpr const char* kWrongWord = "Wrong";

class CAnswerPrgr : public CBsPrgr {
public:
    // Escape 0; Space marks the phrase, 1; any other key 2 (Backspace first takes back).
    int ProcessKey() override { return PacedKeyVerdict(); }

protected:
    // The answer of the current record as shown: its bytes without bracket marks.
    std::string ShownAnswer();
    // The characters of a shown text (typed: of the text typed, read as the answer's words).
    std::u32string Chars(const std::string& text, const std::string& answer = std::string()) const;
    bool MatchCase() const { return ReadIntSetting("OpBrAll", "MatchCase") == 1; }
    // A phrase whose answer is empty: shown whole and asked nothing. False when Escape ended it.
    bool ShowWithoutAsking();
    // The verdict screen: question, answer, the verdict's word and, after ": ", what was typed or
    // chosen, its characters flagged in differs shown apart. Wrong marks the phrase, Almost is
    // graded Hard; the next key goes on (Space marks anyway). False when Escape ended the pass.
    bool ShowVerdict(
        EAnswer verdict, const std::string& answer, const std::string& given, const std::vector<bool>& differs);
};

class CTypeAnswer : public CAnswerPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;

private:
    // The learner types the answer below the separator: Backspace deletes the last character,
    // Enter ends the typing. False when Escape ended the pass.
    bool TypeAnswer(std::string& typed);
};

class CChooseAnswer : public CAnswerPrgr {
public:
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;

    // The random choice of the other answers and of their order comes from the seed given by
    // the environment's LEXIDO_CHOICE_SEED (a script that replays a pass), else from the system.
    static unsigned ChoiceSeed();
};
