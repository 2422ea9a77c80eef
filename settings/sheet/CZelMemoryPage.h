#pragma once
// The Memory page of the settings sheet: the desired retention of the phrases across days.

#include "settings/sheet/CZelPrprtPg.h"

class QSpinBox;

// Memory (template 138): the retention in percent (1121) with what it does (1122).
class CZelPrprtPg_08_Memory : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_08_Memory(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    CZelPgVal_08_Memory m_Val;
    QSpinBox* m_Retention;
};
