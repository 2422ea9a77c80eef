// Screen bytes in their code pages: every guide pair of the shipped texts reads as its
// UTF-8 master with the default (Cyrillic) font, French and German beside Russian included.
#include "app/ScreenCodePage.h"
#include "platform/PlatCodePage.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Shown(const QByteArray& bytes, int fontCp)
{
    const std::u32string u = ScreenToUnicode(bytes.constData(), static_cast<int>(bytes.size()), fontCp);
    return QString::fromUcs4(u.data(), static_cast<qsizetype>(u.size()));
}

QStringList Lines(QString s)
{
    s.remove('\r');
    if (s.startsWith(QChar(0xFEFF)))
        s.remove(0, 1);
    return s.split('\n');
}
} // namespace

class ScreenCodePageTest : public QObject {
    Q_OBJECT
private slots:
    void everyGuidePairReadsAsItsMasters()
    {
        const QString stage = QString(LEXIDO_TEXTS_DIR) + "/Settings/Texts_Src/Cg/";
        const QString masters = QString(LEXIDO_MASTERS_DIR) + "/Cg/";
        const QStringList pairs = {"En Ru", "En Fr", "En Ge", "Fr Ge", "Fr Ru", "Ge Ru"};
        const QStringList topics = QDir(masters + "En").entryList({"*.txt"}, QDir::Files, QDir::Name);
        QCOMPARE(topics.size(), 18);
        int checked = 0;
        for (const QString& pair : pairs) {
            const QString a = pair.section(' ', 0, 0), b = pair.section(' ', 1, 1);
            for (const QString& topic : topics) {
                const QStringList la = Lines(QString::fromUtf8(ReadAll(masters + a + "/" + topic)));
                const QStringList lb = Lines(QString::fromUtf8(ReadAll(masters + b + "/" + topic)));
                const QList<QByteArray> ba = ReadAll(stage + a + "/" + topic).replace("\r", "").split('\n');
                const QList<QByteArray> bb = ReadAll(stage + b + "/" + topic).replace("\r", "").split('\n');
                QVERIFY2(!ba.isEmpty() && !bb.isEmpty(), qPrintable(pair + " " + topic));
                const int n = qMin(qMin(la.size(), lb.size()), qMin(ba.size(), bb.size()));
                for (int i = 0; i < n; ++i) {
                    // One phrase of the pair as a phrase file holds it, and as a screen shows it.
                    const QByteArray record = "*" + ba[i] + "=" + bb[i];
                    const QString want = "*" + la[i] + "=" + lb[i];
                    QCOMPARE(Shown(record, plat::kCpCyrillic), want);
                    QCOMPARE(Shown(ba[i] + "\n----\n" + bb[i], plat::kCpWestern), la[i] + "\n----\n" + lb[i]);
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 1000);
    }

    void fieldsDecideWhereAWordAloneCannot()
    {
        // "a" with grave alone in a French field, "a" alone in a Russian one.
        QCOMPARE(Shown("*\xe0 Paris=\xe2 \xcf\xe0\xf0\xe8\xe6", plat::kCpCyrillic),
                 QString::fromUtf8("*à Paris=в Париж"));
        QCOMPARE(Shown("\xe0", plat::kCpCyrillic), QString::fromUtf8("а"));
        // A field of high letters only reads Cyrillic whatever the font; one without letters
        // follows the font.
        QCOMPARE(Shown("\xe0", plat::kCpWestern), QString::fromUtf8("а"));
        QCOMPARE(Shown("\xb9", plat::kCpWestern), QString::fromUtf8("¹"));
        QCOMPARE(Shown("\xb9", plat::kCpCyrillic), QString::fromUtf8("№"));
        QCOMPARE(Shown("Gr\xfc\xdf" "e\r\n", plat::kCpCyrillic), QString::fromUtf8("Grüße\r\n"));
    }

    void typedCharactersBecomeTheirCodePageBytes()
    {
        unsigned char b = 0;
        QVERIFY(TypedCharToByte(U'a', b));
        QCOMPARE(b, 'a');
        QVERIFY(TypedCharToByte(U'\u00fc', b));
        QCOMPARE(b, 0xFC);
        QVERIFY(TypedCharToByte(U'\u044f', b)); // Cyrillic ya
        QCOMPARE(b, 0xFF);
        QVERIFY(!TypedCharToByte(U'\u4e2d', b));
    }
};

int RunScreenCodePageTest(int argc, char** argv)
{
    ScreenCodePageTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "ScreenCodePageTest.moc"
