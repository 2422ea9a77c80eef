#pragma once
// The verdicts of the running pass on the phrases it shows, kept for the memory across days: a
// phrase marked is forgotten, one shown to its end without a mark is remembered (hard when its
// typed answer was almost right), and one the pass was stopped on before its verdict has none.
// Written by the worker thread only.

#include "platform/PlatUtf8.h"

#include <mutex>
#include <string>
#include <vector>

// A phrase's two texts as a card names them: UTF-8 (a single-byte text decoded per word as the
// screen shows it) and without the bracket marks, so that the same phrase in a windows-1252
// and a UTF-8 file, and in the results of its Open Brackets passes, is one card.
std::string CardText(const char* text, plat::TextCoding coding);
// The same text as UTF-8 with its bracket marks kept (what an export writes).
std::string Utf8Text(const char* text, plat::TextCoding coding);

struct SVerdict {
    std::string text1, text2; // card texts, in the file's order
    bool forgotten = false;   // marked in the pass (graded Again), else remembered (Good)
    bool hard = false;        // remembered with a slip (Hard), when not forgotten
};

class CPassVerdicts {
public:
    // A pass begins over an input of this coding.
    void Begin(plat::TextCoding coding);
    // A phrase record was read and is shown now: the one before it is finished.
    void Shown(const char* dic, const char* backDic);
    // The input is at its end: the phrase shown last is finished (the pass's progress knows the
    // pass complete).
    void InputEnded();
    // The learner marked the phrase shown now (false: took that mark back).
    void Marked(bool marked);
    // The phrase shown now was answered almost right: remembered, but hard (unless marked).
    void Hard();
    // A record went to the results (the phrase shown now), or the last one written was taken back.
    void Written();
    void TakenBack();
    // The verdicts given, in the order shown.
    std::vector<SVerdict> Verdicts() const;

private:
    struct SPhrase {
        std::string text1, text2;
        bool marked = false, written = false, finished = false, hard = false;
    };
    mutable std::mutex m_Lock;
    plat::TextCoding m_Coding = plat::TextCoding::SingleByte;
    std::vector<SPhrase> m_Phrases;
    std::vector<int> m_Written; // the phrase of each record written, -1 for a screen of text
};

// The one record of the process.
CPassVerdicts& PassVerdicts();
