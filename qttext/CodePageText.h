#pragma once
// Interface and phrase texts are bytes in a single-byte code page; Qt wants Unicode.

#include <QByteArray>
#include <QString>

#include <string>

QString FromCodePage(const char* bytes, int codePage);
// Characters the code page lacks become '?'.
QByteArray ToCodePage(const QString& text, int codePage);
// A file path as the system names it (its bytes in the local file-name encoding); null is "".
QString FromPath(const char* path);
inline QString FromPath(const std::string& path) { return FromPath(path.c_str()); }
