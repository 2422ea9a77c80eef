#include "qttext/CodePageText.h"

#include "platform/PlatCodePage.h"

#include <QFile>

QString FromCodePage(const char* bytes, int codePage)
{
    QString out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes); *p; ++p)
        out += QChar(static_cast<char16_t>(plat::ToUnicode(*p, codePage)));
    return out;
}

QByteArray ToCodePage(const QString& text, int codePage)
{
    QByteArray out;
    for (QChar c : text) {
        unsigned char b = '?';
        plat::FromUnicode(c.unicode(), codePage, b);
        out += static_cast<char>(b);
    }
    return out;
}

QString FromPath(const char* path)
{
    return QFile::decodeName(QByteArray(path ? path : ""));
}
