#include "qttext/QtTranslations.h"

#include "locale/ILocal.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void UseQtTranslations(int language)
{
    static QTranslator* s_pTranslator = nullptr;
    static int s_Language = LANGUAGE_ENGLISH;
    if (language == s_Language)
        return;
    s_Language = language;
    if (s_pTranslator) {
        QCoreApplication::removeTranslator(s_pTranslator);
        delete s_pTranslator;
        s_pTranslator = nullptr;
    }
    const char* name = language == LANGUAGE_RUSSIAN ? "qtbase_ru" : language == LANGUAGE_GERMAN ? "qtbase_de" : nullptr;
    if (!name || !QCoreApplication::instance())
        return;
    auto* t = new QTranslator;
    if (!t->load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return;
    }
    QCoreApplication::installTranslator(t);
    s_pTranslator = t;
}
