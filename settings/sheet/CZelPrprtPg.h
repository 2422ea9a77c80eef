#pragma once
// A page of the settings sheet: its controls, each with its id as object name, and the moving of
// its values (settings/CZelPgVal.h) to and from them. A page is opened (its group made and its
// values loaded) when it is first shown, and confirmed on OK only if it was opened.

#include "settings/CZelPgVal.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Radio buttons that form one choice, wherever they stand on the page.
class CZelRadios {
public:
    explicit CZelRadios(QWidget* page);
    QRadioButton* Add(int id, int text, QWidget* parent);
    // Checks the item; -1 checks none.
    void Show(int item);
    // The checked item, or -1.
    int Picked() const;

private:
    QButtonGroup* m_Group;
};

class CZelPrprtPg : public QWidget {
    Q_OBJECT
public:
    // The first call opens the page: makes its group and loads its controls.
    void Activate();
    bool IsOpened() const { return m_Opened; }
    // OK: reads the controls into the values and confirms them.
    void OnOK();

protected:
    CZelPrprtPg(int templateId, int titleText, QWidget* parent);

    virtual CZelPgVal& Val() = 0;
    // Data exchange: values into the controls, and the controls' choices into the values.
    virtual void DataToControls() = 0;
    virtual void ControlsToData() = 0;
    // "Default": the group's defaults, loaded again.
    void OnButtonDefault();

    // Controls with their id as object name and their interface text.
    QGroupBox* Group(int id, int text, QWidget* parent);
    QLabel* Label(int id, int text, QWidget* parent);
    QComboBox* List(int id, QWidget* parent);
    QPushButton* Button(int id, int text, QWidget* parent);
    // The row of the "Default" button, at the right.
    QWidget* DefaultRow(int id);

    static void ShowItem(QComboBox* list, int item);
    static int PickedItem(const QComboBox* list);

private:
    bool m_Opened = false;
};
