#include "app/SettingsSheet.h"

#include "app/CodePageText.h"

#include <QMessageBox>

// Stands in until the settings property sheet is built: it only says so.
void RunSettingsSheet(QWidget* parent, const char* caption, int codePage)
{
    QMessageBox::information(parent, FromCodePage(caption ? caption : "", codePage),
                             "The settings sheet is not available in this build.");
}
