#pragma once
// The first five pages of the settings sheet, in the sheet's order (the sixth, Speech, is in
// CZelSpeechPage.h).

#include "settings/sheet/CZelPrprtPg.h"

class CZelTmOutBox;
class QLineEdit;

// General (template 103): logging, answer input, interface language, results never saved
// (1100: ask 1101, save into a folder 1102, never ask 1103) and the folder of saved results
// (1105, its label 1104), the font.
class CZelPrprtPg_01 : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_01(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    void OnButtonFont();

    CZelPgVal_01 m_Val;
    CZelRadios m_Logging;
    CZelRadios m_WhenDropped;
    QComboBox* m_KBoard;
    QComboBox* m_Language;
    QLineEdit* m_ResultsFolder;
};

// View Mode (template 104): direction, and the ten modes as one choice.
class CZelPrprtPg_02 : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_02(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    CZelPgVal_02 m_Val;
    CZelRadios m_Direction;
    CZelRadios m_Mode;
};

// Time-out view (template 134): In Whole and Word by Word.
class CZelPrprtPg_04_ToV : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_04_ToV(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    CZelPgVal_04_ToV m_Val;
    CZelTmOutBox* m_InWh;
    CZelTmOutBox* m_WbW;
};

// Open Brackets (template 135): case matching and the screen size of the N/I modes.
class CZelPrprtPg_05_OpBrV : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_05_OpBrV(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    CZelPgVal_05_OpBrV m_Val;
    CZelRadios m_MatchCase;
    QComboBox* m_ScreenSz;
};

// Add Brackets (template 136): the time-out of Add Brackets (Time Out).
class CZelPrprtPg_06_AddBr : public CZelPrprtPg {
    Q_OBJECT
public:
    explicit CZelPrprtPg_06_AddBr(QWidget* parent = nullptr);

protected:
    CZelPgVal& Val() override { return m_Val; }
    void DataToControls() override;
    void ControlsToData() override;

private:
    CZelPgVal_06_AddBr m_Val;
    CZelTmOutBox* m_AddBrTo;
};
