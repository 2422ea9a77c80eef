#include "settings/sheet/CQtFontChooser.h"

#include "settings/sheet/LogFontQt.h"

#include <QComboBox>
#include <QFontDialog>

QFontDatabase::WritingSystem CQtFontChooser::WritingSystemOf(const QFontDialog& dialog)
{
    // Qt's dialog keeps the writing system in a list of the writing systems' names that starts
    // with Any; the selected font does not carry it.
    const QString any = QFontDatabase::writingSystemName(QFontDatabase::Any);
    for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        if (combo->count() < 2 || combo->itemText(0) != any)
            continue;
        const QString shown = combo->currentText();
        for (int i = 0; i < QFontDatabase::WritingSystemsCount; ++i) {
            const auto ws = QFontDatabase::WritingSystem(i);
            if (QFontDatabase::writingSystemName(ws) == shown)
                return ws;
        }
    }
    return QFontDatabase::Any;
}

bool CQtFontChooser::ChooseFont(LsnLogFont& chosen)
{
    QFontDialog dialog(m_Parent);
    dialog.setObjectName("FontChooser");
    // Qt's own dialog everywhere: the writing system is read from it.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int charSet = CharSetOfWritingSystem(WritingSystemOf(dialog), chosen.lfCharSet);
    chosen = LogFontFromQFont(dialog.selectedFont(), charSet);
    return true;
}
