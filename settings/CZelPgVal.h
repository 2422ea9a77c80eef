#pragma once
// What the pages of the settings sheet hold, load and store, apart from the window. A page makes
// its settings group when it is first opened and loads its values through it; "Default" resets
// the group and loads again; OK writes the values back. The window's pages move these values to
// and from their controls and do nothing else with the settings.

#include "settings/ISttngs.h"
#include "settings/SpeechSettings.h"

#include <memory>
#include <string>
#include <vector>

// A value the window shows as one of count radio buttons or list items, item i standing for
// the stored value first + i. A stored value that no item stands for shows no item and is
// written back as it came, unless the learner picks an item.
class CZelChoice {
public:
    // Items 0 to count - 1 stand for first, first + 1, ...; the items after them for more's values.
    explicit CZelChoice(int count, int first = 0, std::vector<int> more = {})
        : m_Count(count), m_First(first), m_More(std::move(more))
    {
    }

    // The item that stands for the value, or -1.
    int Shown() const;
    // The learner's item; -1 (nothing picked) keeps the value.
    void Pick(int item);
    int Count() const { return m_Count + static_cast<int>(m_More.size()); }

    int m_Value = 0;

private:
    int m_Count;
    int m_First;
    std::vector<int> m_More;
};

// The time-out scale: a lower end out of six items (0, 100, ... 500 ms) and an upper end out of
// ten (1000, 2000, ... 10000 ms), stored as their item indices.
constexpr int TMOUT_MIN_ITEMS = 6;
constexpr int TMOUT_MAX_ITEMS = 10;
inline int TmOutMinItemMs(int item) { return item * 100; }
inline int TmOutMaxItemMs(int item) { return item * 1000 + 1000; }

// One time-out block of a page: the two ends of its scale and the time-out in ms of one section.
class CZelTmOutBlock {
public:
    explicit CZelTmOutBlock(const char* secName) : m_SecName(secName) {}

    // The slider's range from the block's own two lists. An index no item stands for counts as
    // the nearest item, so the range is always one the lists can give.
    int RangeMin() const;
    int RangeMax() const;
    // Moves the time-out into the range, as the slider keeps its position within a new range.
    void KeepInRange();

    void Load(ISttngs& s);
    void Store(ISttngs& s);

    const char* m_SecName;
    CZelChoice m_MinTimeOut{TMOUT_MIN_ITEMS};
    CZelChoice m_MaxTimeOut{TMOUT_MAX_ITEMS};
    int m_TimeOut = 0;
};

// The values of one page and its settings group.
class CZelPgVal {
public:
    virtual ~CZelPgVal();

    // First opening: makes the group (failure: the page's log line, exit code 1) and loads.
    void Open();
    bool IsOpen() const { return p_ISttngs != nullptr; }
    // Reads every value of the page through the group.
    virtual void Load() = 0;
    // "Default": resets the group in the settings at once and loads again.
    void Default();
    // OK: marks the settings as changed for shut-down and writes every value through the group.
    void Ok();

protected:
    CZelPgVal(int sttngsType, const char* openFailure, const char* defaultFailure)
        : m_SttngsType(sttngsType), m_OpenFailure(openFailure), m_DefaultFailure(defaultFailure)
    {
    }
    virtual void Store() = 0;
    // What a page does after its values are written; nothing for most.
    virtual void AfterStore() {}

    std::unique_ptr<ISttngs> p_ISttngs;

private:
    int m_SttngsType;
    const char* m_OpenFailure;
    const char* m_DefaultFailure;
};

// General: logging, answer input, interface language, what happens to results never saved and
// the folder results are saved into (their own section, "KeepRslts"); the font.
class CZelPgVal_01 : public CZelPgVal {
public:
    CZelPgVal_01();
    void Load() override;
    // "Font...": the font chooser; the chosen font is stored and shown at once.
    void Font();

    CZelChoice m_Logging{2};
    CZelChoice m_KBoard{2};
    CZelChoice m_InterfaceLanguage{3};
    CZelChoice m_WhenDropped{3}; // rslts::kAsk, kSaveIntoFolder, kNeverAsk
    std::string m_ResultsFolder; // empty: the learner's documents folder is proposed

protected:
    void Store() override;
    // Switches the keyboard manager to the stored input and, when the stored language is not
    // the one shown, asks the view to switch it.
    void AfterStore() override;
};

// View Mode: direction and mode 0 to 9, 11 and 12.
class CZelPgVal_02 : public CZelPgVal {
public:
    CZelPgVal_02();
    void Load() override;

    CZelChoice m_Direction{2};
    CZelChoice m_Mode{10, 0, {11, 12}};

protected:
    void Store() override;
};

// The two time-out modes.
class CZelPgVal_04_ToV : public CZelPgVal {
public:
    CZelPgVal_04_ToV();
    void Load() override;

    CZelTmOutBlock m_InWh{"To_InWh"};
    CZelTmOutBlock m_WbW{"To_WbW"};

protected:
    void Store() override;
};

// Open Brackets: case matching and the screen size 1 to 30.
class CZelPgVal_05_OpBrV : public CZelPgVal {
public:
    CZelPgVal_05_OpBrV();
    void Load() override;

    CZelChoice m_MatchCase{2};
    CZelChoice m_ScreenSz{30, 1};

protected:
    void Store() override;
};

// Add Brackets: the time-out of Add Brackets (Time Out).
class CZelPgVal_06_AddBr : public CZelPgVal {
public:
    CZelPgVal_06_AddBr();
    void Load() override;

    CZelTmOutBlock m_AddBrTo{"AddBrTo"};

protected:
    void Store() override;
};

// Speech: the language of the first and the second text (an eSpeak code or "guess"), the rate,
// the voice variant and the two speaking options. OK writes the section to its file at once.
class CZelPgVal_07_Speech : public CZelPgVal {
public:
    CZelPgVal_07_Speech();
    void Load() override;

    spch::SSettings m_Speech;

protected:
    void Store() override;
    void AfterStore() override;
};

// Memory: the desired retention in percent (keeper::kRetentionLow to kRetentionHigh). OK gives
// it to the keeper, whose due days follow, and writes the section to its file at once.
class CZelPgVal_08_Memory : public CZelPgVal {
public:
    CZelPgVal_08_Memory();
    void Load() override;

    int m_Retention = 90;

protected:
    void Store() override;
    void AfterStore() override;
};
