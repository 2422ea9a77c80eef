#include "app/SettingsSheet.h"

#include "settings/sheet/CZelPrprtSheet.h"

// The sheet takes its caption and every text from the interface language itself.
void RunSettingsSheet(QWidget* parent, const char*, int, std::function<void()> showHelp)
{
    ShowSettingsSheet(parent, std::move(showHelp));
}
