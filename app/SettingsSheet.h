#pragma once
// The Settings command's hook: runs the settings property sheet modally over parent, with the
// caption given (interface text 54, bytes in codePage). The settings sheet defines it.

// showHelp answers the sheet's Help button and F1.

#include <functional>

class QWidget;

void RunSettingsSheet(QWidget* parent, const char* caption, int codePage, std::function<void()> showHelp);
