#pragma once
// The Speech page of the settings sheet: the language of each text, the rate, the voice variant
// and the options that speak questions and answers as a pass shows them.

#include "settings/sheet/CZelPrprtPg.h"

class QCheckBox;

// Speech (template 137): the lists hold the languages and variants eSpeak NG has; a stored value
// none of them holds is shown as it is and written back unchanged.
class CZelPrprtPg_07_Speech : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_07_Speech(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    CZelPgVal_07_Speech m_Val;
    QComboBox* m_First;
    QComboBox* m_Second;
    QComboBox* m_Rate;
    QComboBox* m_Variant;
    QCheckBox* m_Answers;
    QCheckBox* m_Questions;
};
