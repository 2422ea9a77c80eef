#pragma once
// The Speech page of the settings sheet: the language of each text, the rate, the voice variant
// and the options that speak questions and answers as a pass shows them.

#include "settings/sheet/CZelPrprtPg.h"

#include "speech/Speech.h"

#include <vector>

class QCheckBox;

// Speech (template 137): the lists hold the languages and variants eSpeak NG has. A language may
// also be typed as a usual code (zh, pt-BR, en_GB): the list then shows the voice that says it,
// or a note that none does. A stored value no voice says is shown as it is and written back
// unchanged.
class CZelPrprtPg_07_Speech : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_07_Speech(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    // Takes what the learner typed into a language list: the item of its voice, or the note.
    void TakeTyped(QComboBox* list);

    CZelPgVal_07_Speech m_Val;
    std::vector<speech::Voice> m_Voices;
    QLabel* m_Note;
    QComboBox* m_First;
    QComboBox* m_Second;
    QComboBox* m_Rate;
    QComboBox* m_Variant;
    QCheckBox* m_Answers;
    QCheckBox* m_Questions;
};
