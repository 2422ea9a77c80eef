#pragma once
// Interface and phrase texts are bytes in a single-byte code page; Qt wants Unicode.

#include <QByteArray>
#include <QString>

QString FromCodePage(const char* bytes, int codePage);
// Characters the code page lacks become '?'.
QByteArray ToCodePage(const QString& text, int codePage);
