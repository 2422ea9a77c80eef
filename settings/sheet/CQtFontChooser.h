#pragma once
// The font chooser of the window: Qt's font dialog, modal, with its effects (strike-out,
// underline and a colour list) and no font preselected. Its writing system names the
// character set.

#include "settings/LsnLogFont.h"

#include <QFontDatabase>

class QComboBox;
class QFontDialog;
class QWidget;

class CQtFontChooser : public IFontChooser {
public:
    explicit CQtFontChooser(QWidget* parent = nullptr) : m_Parent(parent) {}

    bool ChooseFont(LsnLogFont& chosen, std::uint32_t& colour) override;

    // Adds the list of text colours to the dialog, the current colour selected.
    static QComboBox* AddColourList(QFontDialog& dialog, std::uint32_t current);
    // The writing system the dialog shows; Any when it has none or none is found.
    static QFontDatabase::WritingSystem WritingSystemOf(const QFontDialog& dialog);

private:
    QWidget* m_Parent;
};
