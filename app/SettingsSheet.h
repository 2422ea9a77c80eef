#pragma once
// The Settings command's hook: runs the settings property sheet modally over parent, with the
// caption given (interface text 54, bytes in codePage). The settings sheet defines it.

class QWidget;

void RunSettingsSheet(QWidget* parent, const char* caption, int codePage);
