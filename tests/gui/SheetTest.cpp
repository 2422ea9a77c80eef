// The settings sheet on screen (offscreen): its controls and texts in the three languages, what
// OK, Cancel, "Default" and "Font..." do to the settings, the sliders, the help beeps, and what a
// restart finds after OK or Cancel.

#include "base/Globals.h"
#include "base/IOutFile.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatFs.h"
#include "platform/PlatWindow.h"
#include "settings/CLsnAFc.h"
#include "settings/CLsnInst.h"
#include "settings/ILsnFont.h"
#include "settings/LsnLogFont.h"
#include "settings/sheet/CQtFontChooser.h"
#include "settings/sheet/CZelPrprtPages.h"
#include "settings/sheet/CZelPrprtSheet.h"
#include "settings/sheet/LogFontQt.h"
#include "settings/sheet/ZelText.h"
#include "tests/FakeUtltsFile.h"
#include "tests/ScopedGlobal.h"
#include "tests/gui/SheetTestKit.h"

#include <QComboBox>
#include <QDir>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {
const char* const kSixSections[] = {"AddBrTo", "Gnrl", "OpBrAll", "To_WbW", "To_InWh", "ViewMode"};

int RdInt(const char* sec, const char* par)
{
    int v = -12345;
    g_pIDbVars->RdVal(sec, par, PAR_TYPE_INT, &v);
    return v;
}
void WrInt(const char* sec, const char* par, int v) { g_pIDbVars->WrVal(sec, par, PAR_TYPE_INT, &v); }
} // namespace

class SheetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_Dir;
    QString m_OldCwd;
    RecordingWindow m_View;

    template <class T>
    static T* Ctrl(CZelPrprtSheet& sheet, int page, int id)
    {
        auto* w = sheet.Page(page)->findChild<T*>(QString::number(id));
        if (!w)
            qWarning("no control %d on page %d", id, page);
        return w;
    }

    void OpenDatabase()
    {
        delete g_pIDbVars;
        g_pIDbVars = g_pILsnAFc->Create_IDbVars();
        QVERIFY(g_pIDbVars);
        QCOMPARE(g_pIDbVars->Open(g_pILogFile, qPrintable(m_Dir->path())), 0);
    }

    static void SetLanguage(int language)
    {
        delete g_pILocal;
        g_pILocal = g_pILsnAFc->Create_ILocal(language);
    }

    // Shut-down as Exit runs it (the installer's, which saves what a page confirmed and releases
    // the settings), then the next start: it reads the files and loads the font.
    void ShutDownAndRestart()
    {
        {
            FakeUtltsFile files(qPrintable(m_Dir->path()));
            ScopedGlobal useFiles(g_pIUtltsFile, &files);
            std::unique_ptr<ILsnInst> installer(g_pILsnAFc->Create_ILsnInst());
            g_DeInstallCount = 0;
            QCOMPARE(installer->DeInstallAll(), 0);
            QVERIFY(!g_pIDbVars);
        }
        g_DeInstallCount = 0;
        g_SettingsChanged = 0;
        OpenDatabase();
        g_LogFont = LsnLogFont{};
        g_FontUnset = 1;
        QCOMPARE(g_pILsnFont->Init(), 0);
        SetLanguage(RdInt("Gnrl", "InterfaceLanguage"));
    }

    QString FileText(const char* name) const
    {
        QFile f(m_Dir->filePath(QString("Settings/%1.cfg").arg(name)));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

private slots:
    void init()
    {
        m_Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dir->isValid());
        QDir src(QStringLiteral(LEXIDO_DATA_DIR "/Settings"));
        QDir().mkpath(m_Dir->filePath("Settings"));
        for (const QString& f : src.entryList({"*.cfg"}, QDir::Files))
            QVERIFY(QFile::copy(src.filePath(f), m_Dir->filePath("Settings/" + f)));
        m_OldCwd = QDir::currentPath();
        QDir::setCurrent(m_Dir->path());
        g_pILsnAFc = new CLsnAFc;
        g_pILogFile = g_pILsnAFc->Create_ILogFile("Lexido.log", qPrintable(m_Dir->path()));
        OpenDatabase();
        g_pILsnFont = g_pILsnAFc->Create_ILsnFont();
        g_LogFont = LsnLogFont{};
        g_FontUnset = 1;
        g_FontColour = 0;
        QCOMPARE(g_pILsnFont->Init(), 0);
        g_pIKbrd = g_pILsnAFc->Create_IKbrd(1);
        g_pILocal = g_pILsnAFc->Create_ILocal(LANGUAGE_ENGLISH);
        m_View.posted.clear();
        g_hWndView = &m_View;
        g_SettingsChanged = 0;
        g_Beeps.clear();
    }

    void cleanup()
    {
        g_pIFontChooser = nullptr;
        g_hWndView = nullptr;
        delete g_pILocal;
        g_pILocal = nullptr;
        delete g_pIKbrd;
        g_pIKbrd = nullptr;
        delete g_pILsnFont;
        g_pILsnFont = nullptr;
        delete g_pIDbVars;
        g_pIDbVars = nullptr;
        delete g_pILogFile;
        g_pILogFile = nullptr;
        delete g_pILsnAFc;
        g_pILsnAFc = nullptr;
        QDir::setCurrent(m_OldCwd);
        m_Dir.reset();
    }

    void everyControlHasItsIdKindAndText_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << LANGUAGE_ENGLISH;
        QTest::newRow("Russian") << LANGUAGE_RUSSIAN;
        QTest::newRow("German") << LANGUAGE_GERMAN;
    }
    void everyControlHasItsIdKindAndText()
    {
        QFETCH(int, language);
        SetLanguage(language);
        CZelPrprtSheet sheet(nullptr);
        QCOMPARE(sheet.windowTitle(), ZelText(54));
        QVERIFY(!sheet.windowTitle().isEmpty());
        QCOMPARE(sheet.PageCount(), 7);
        const int titles[] = {55, 68, 78, 84, 91, 137, 507};
        const char* templates[] = {"103", "104", "134", "135", "136", "137", "138"};
        for (int p = 0; p < 7; ++p) {
            QCOMPARE(sheet.Tabs()->tabText(p), ZelText(titles[p]));
            QCOMPARE(sheet.Page(p)->objectName(), QString(templates[p]));
        }
        for (int i = 0; i < kControlCount; ++i) {
            const Ctl& c = kControls[i];
            const QString where = QString("page %1 control %2").arg(c.page).arg(c.id);
            const auto found = sheet.Page(c.page)->findChildren<QWidget*>(QString::number(c.id));
            QVERIFY2(found.size() == 1, qPrintable(where));
            QVERIFY2(IsKind(found[0], c.kind), qPrintable(where));
            if (c.text)
                QVERIFY2(TextOf(found[0]) == ZelText(c.text) && !ZelText(c.text).isEmpty(), qPrintable(where));
        }
        QCOMPARE(Items(Ctrl<QComboBox>(sheet, 0, 1016)), (QStringList{ZelText(10), ZelText(11)}));
        // The languages by their own names, in every interface language.
        QCOMPARE(Items(Ctrl<QComboBox>(sheet, 0, 1017)), (QStringList{"English", "Русский", "Deutsch"}));
        const QStringList lower{"0", "100", "200", "300", "400", "500"};
        const QStringList upper{"1000", "2000", "3000", "4000", "5000", "6000", "7000", "8000", "9000", "10000"};
        for (auto [page, id] : {std::pair{2, 1023}, {2, 1027}, {4, 1029}})
            QCOMPARE(Items(Ctrl<QComboBox>(sheet, page, id)), lower);
        for (auto [page, id] : {std::pair{2, 1025}, {2, 1028}, {4, 1030}})
            QCOMPARE(Items(Ctrl<QComboBox>(sheet, page, id)), upper);
        QStringList sizes;
        for (int n = 1; n <= 30; ++n)
            sizes << QString::number(n);
        QCOMPARE(Items(Ctrl<QComboBox>(sheet, 3, 1027)), sizes);
        QCOMPARE(sheet.findChild<QPushButton*>("9")->text(), ZelText(65));
        QVERIFY(sheet.findChild<QPushButton*>("1"));
        QVERIFY(sheet.findChild<QPushButton*>("2"));
        if (language == LANGUAGE_RUSSIAN)
            QCOMPARE(Ctrl<QRadioButton>(sheet, 3, 1025)->text(), QString::fromUtf8("Да"));
    }

    // Every caption gets the room it asks for, in every language, and the shots are taken.
    void captionsAreNeverCut_data() { everyControlHasItsIdKindAndText_data(); }
    void captionsAreNeverCut()
    {
        QFETCH(int, language);
        SetLanguage(language);
        CZelPrprtSheet sheet(nullptr);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        const QString shots = qEnvironmentVariable("LEXIDO_SCREENSHOTS");
        const char* lang[] = {"en", "ru", "de"};
        QTabBar* tabs = sheet.Tabs()->tabBar();
        for (int p = 0; p < sheet.PageCount(); ++p)
            QVERIFY2(tabs->rect().contains(tabs->tabRect(p)), qPrintable(sheet.Tabs()->tabText(p)));
        for (int p = 0; p < sheet.PageCount(); ++p) {
            sheet.Tabs()->setCurrentIndex(p);
            QApplication::processEvents();
            for (QWidget* w : sheet.Page(p)->findChildren<QWidget*>()) {
                if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w) && !qobject_cast<QGroupBox*>(w) &&
                    !qobject_cast<QComboBox*>(w))
                    continue;
                const QString where = QString("page %1 control %2 \"%3\"").arg(p).arg(w->objectName(), TextOf(w));
                QVERIFY2(w->isVisible(), qPrintable(where));
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(where));
                QVERIFY2(w->width() >= w->sizeHint().width() || qobject_cast<QGroupBox*>(w), qPrintable(where));
                QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(where));
            }
            if (!shots.isEmpty()) {
                QDir().mkpath(shots);
                QVERIFY(sheet.grab().save(QString("%1/sheet-%2-%3.png").arg(shots, lang[language]).arg(p + 1)));
            }
        }
    }

    void okWithoutChangesConfirmsTheGeneralPageAndShutDownSavesTheSixSections()
    {
        // The files on disk differ from the settings in memory, so a save shows in each.
        for (const char* sec : kSixSections) {
            QFile f(m_Dir->filePath(QString("Settings/%1.cfg").arg(sec)));
            QVERIFY(f.open(QIODevice::Append));
            f.write("\npt_i Stale sv = 1");
        }
        WrInt("ViewMode", "Mode", 3);
        CZelPrprtSheet sheet(nullptr);
        WrInt("Gnrl", "Logging", 1);  // after the General page was loaded: OK writes it back
        WrInt("ViewMode", "Mode", 5); // a page never opened writes nothing
        sheet.findChild<QPushButton*>("1")->click();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(g_SettingsChanged, 1);
        QCOMPARE(RdInt("Gnrl", "Logging"), 0);
        QCOMPARE(RdInt("ViewMode", "Mode"), 5);
        QCOMPARE(g_pIKbrd->GetKbrdType(), KBRD_TYPE_KEYBOARD);
        QVERIFY(m_View.posted.isEmpty());
        ShutDownAndRestart();
        for (const char* sec : kSixSections) {
            QVERIFY2(!FileText(sec).contains("Stale"), sec);
            QVERIFY2(FileText(sec).contains(QString("sn = %1").arg(sec)), sec);
        }
        QCOMPARE(RdInt("ViewMode", "Mode"), 5);
        QCOMPARE(RdInt("To_InWh", "TimeOut"), 1500);
    }

    void mouseAndOkSwitchesTheKeyboardAtOnce()
    {
        CZelPrprtSheet sheet(nullptr);
        Ctrl<QComboBox>(sheet, 0, 1016)->setCurrentIndex(1);
        QCOMPARE(g_pIKbrd->GetKbrdType(), KBRD_TYPE_KEYBOARD); // not before OK
        sheet.accept();
        QCOMPARE(g_pIKbrd->GetKbrdType(), KBRD_TYPE_MOUSE);
        QCOMPARE(RdInt("Gnrl", "KBoard"), 1);
    }

    void anotherLanguageAndOkAsksTheViewToSwitch()
    {
        {
            CZelPrprtSheet sheet(nullptr);
            Ctrl<QComboBox>(sheet, 0, 1017)->setCurrentIndex(LANGUAGE_GERMAN);
            sheet.accept();
        }
        QCOMPARE(m_View.posted, QList<int>{WM_CHANGE_LANGUAGE});
        QCOMPARE(RdInt("Gnrl", "InterfaceLanguage"), LANGUAGE_GERMAN);
        // The view switched; the language in use chosen again posts nothing.
        SetLanguage(LANGUAGE_GERMAN);
        m_View.posted.clear();
        CZelPrprtSheet sheet(nullptr);
        QCOMPARE(Ctrl<QComboBox>(sheet, 0, 1017)->currentText(), QString("Deutsch"));
        Ctrl<QComboBox>(sheet, 0, 1017)->setCurrentIndex(LANGUAGE_GERMAN);
        sheet.accept();
        QVERIFY(m_View.posted.isEmpty());
    }

    void theDefaultSlidersAndTheirPositions()
    {
        CZelPrprtSheet sheet(nullptr);
        sheet.Tabs()->setCurrentIndex(2);
        auto* inWh = Ctrl<QSlider>(sheet, 2, 1021);
        auto* wbW = Ctrl<QSlider>(sheet, 2, 1026);
        QCOMPARE(wbW->minimum(), 0);
        QCOMPARE(wbW->maximum(), 1000);
        QCOMPARE(wbW->value(), 500);
        QCOMPARE(Ctrl<QLabel>(sheet, 2, 1030)->text(), QString("500"));
        QCOMPARE(inWh->minimum(), 0);
        QCOMPARE(inWh->maximum(), 5000);
        QCOMPARE(inWh->value(), 1500);
        QCOMPARE(Ctrl<QLabel>(sheet, 2, 1022)->text(), QString("1500"));
        QCOMPARE(Ctrl<QComboBox>(sheet, 2, 1025)->currentText(), QString("5000"));
        sheet.Tabs()->setCurrentIndex(4);
        auto* addBr = Ctrl<QSlider>(sheet, 4, 1031);
        QCOMPARE(addBr->maximum(), 3000);
        QCOMPARE(addBr->value(), 500);
        QCOMPARE(Ctrl<QLabel>(sheet, 4, 1032)->text(), QString("500"));
    }

    void theSliderFollowsItsOwnBlocksListsAndOkStoresItsPosition()
    {
        CZelPrprtSheet sheet(nullptr);
        sheet.Tabs()->setCurrentIndex(2);
        auto* inWh = Ctrl<QSlider>(sheet, 2, 1021);
        auto* wbW = Ctrl<QSlider>(sheet, 2, 1026);
        Ctrl<QComboBox>(sheet, 2, 1025)->setCurrentIndex(0); // upper end "1000"
        QCOMPARE(inWh->maximum(), 1000);
        QCOMPARE(inWh->value(), 1000);
        QCOMPARE(Ctrl<QLabel>(sheet, 2, 1022)->text(), QString("1000"));
        QCOMPARE(wbW->maximum(), 1000); // the other block keeps its own range
        Ctrl<QComboBox>(sheet, 2, 1027)->setCurrentIndex(5); // lower end "500" of Word by Word
        QCOMPARE(wbW->minimum(), 500);
        QCOMPARE(wbW->value(), 500);
        QCOMPARE(inWh->minimum(), 0);
        Ctrl<QComboBox>(sheet, 2, 1028)->setCurrentIndex(9);
        QCOMPARE(wbW->maximum(), 10000);
        wbW->setValue(8200); // moving the slider shows the position at once
        QCOMPARE(Ctrl<QLabel>(sheet, 2, 1030)->text(), QString("8200"));
        sheet.accept();
        QCOMPARE(RdInt("To_InWh", "MaxTimeOut"), 0);
        QCOMPARE(RdInt("To_InWh", "TimeOut"), 1000);
        QCOMPARE(RdInt("To_WbW", "MinTimeOut"), 5);
        QCOMPARE(RdInt("To_WbW", "MaxTimeOut"), 9);
        QCOMPARE(RdInt("To_WbW", "TimeOut"), 8200);
        QCOMPARE(RdInt("AddBrTo", "TimeOut"), 500); // its page was never opened
    }

    void defaultOnTheGeneralPageThenCancelKeepsTheDefaultsForTheRun()
    {
        WrInt("Gnrl", "Logging", 1);
        g_pIDbVars->WrVal("Gnrl", "lfFaceName", PAR_TYPE_STRING_ANY, "Liberation Mono");
        WrInt("Gnrl", "lfHeight", -30);
        QCOMPARE(g_pILsnFont->LoadFromOdb(), 0);
        CZelPrprtSheet sheet(nullptr);
        QVERIFY(Ctrl<QRadioButton>(sheet, 0, 1010)->isChecked());
        Ctrl<QPushButton>(sheet, 0, 1001)->click();
        QVERIFY(Ctrl<QRadioButton>(sheet, 0, 1009)->isChecked());
        sheet.findChild<QPushButton*>("2")->click();
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(g_SettingsChanged, 0);
        QCOMPARE(RdInt("Gnrl", "Logging"), 0);
        g_pILogFile->Write("\nnot logged");
        QCOMPARE(QFileInfo(m_Dir->filePath("Lexido.log")).size(), 0);
        QCOMPARE(QByteArray(g_LogFont.lfFaceName), QByteArray("Times New Roman"));
        QCOMPARE(g_LogFont.lfHeight, -16);
        QCOMPARE(QFontFromLogFont(g_LogFont).pixelSize(), 16);
    }

    void screenSizeFourShowsAsItemFour()
    {
        CZelPrprtSheet sheet(nullptr);
        sheet.Tabs()->setCurrentIndex(3);
        auto* size = Ctrl<QComboBox>(sheet, 3, 1027);
        QCOMPARE(size->currentIndex(), 3);
        QCOMPARE(size->currentText(), QString("4"));
        size->setCurrentIndex(29);
        sheet.accept();
        QCOMPARE(RdInt("OpBrAll", "ScreenSz"), 30);
    }

    // A stored mode that no radio button stands for shows none checked and is stored back as
    // it came, until the learner picks one.
    void aModeWithoutAButtonIsKeptUnlessOneIsPicked()
    {
        WrInt("ViewMode", "Mode", 10);
        {
            CZelPrprtSheet sheet(nullptr);
            sheet.Tabs()->setCurrentIndex(1);
            for (QRadioButton* r : sheet.Page(1)->findChild<QGroupBox*>("1057")->findChildren<QRadioButton*>())
                QVERIFY(!r->isChecked());
            QVERIFY(!Ctrl<QRadioButton>(sheet, 1, 1099)->isChecked());
            QVERIFY(Ctrl<QRadioButton>(sheet, 1, 1007)->isChecked());
            sheet.accept();
        }
        QCOMPARE(RdInt("ViewMode", "Mode"), 10);
        CZelPrprtSheet sheet(nullptr);
        sheet.Tabs()->setCurrentIndex(1);
        Ctrl<QRadioButton>(sheet, 1, 1094)->click(); // Which Letter ?
        Ctrl<QRadioButton>(sheet, 1, 1008)->click();
        sheet.accept();
        QCOMPARE(RdInt("ViewMode", "Mode"), 2);
        QCOMPARE(RdInt("ViewMode", "Direction"), 1);
    }

    void theModeButtonsAreOneChoiceAcrossTheirGroups()
    {
        CZelPrprtSheet sheet(nullptr);
        sheet.Tabs()->setCurrentIndex(1);
        QVERIFY(Ctrl<QRadioButton>(sheet, 1, 1090)->isChecked());
        const int ids[] = {1090, 1091, 1094, 1092, 1093, 1095, 1096, 1097, 1098, 1099, 1088, 1089};
        for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
            Ctrl<QRadioButton>(sheet, 1, ids[mode < 10 ? mode : mode - 1])->click();
            int checked = 0;
            for (int id : ids)
                checked += Ctrl<QRadioButton>(sheet, 1, id)->isChecked();
            QCOMPARE(checked, 1);
            sheet.Page(1)->OnOK();
            QCOMPARE(RdInt("ViewMode", "Mode"), mode);
        }
        // "Default" resets the stored mode at once and checks In Whole again.
        Ctrl<QPushButton>(sheet, 1, 1017)->click();
        QCOMPARE(RdInt("ViewMode", "Mode"), 0);
        QVERIFY(Ctrl<QRadioButton>(sheet, 1, 1090)->isChecked());
    }

    void defaultButtonsResetTheirPagesGroups()
    {
        WrInt("To_WbW", "TimeOut", 900);
        WrInt("OpBrAll", "MatchCase", 1);
        WrInt("OpBrAll", "ScreenSz", 12);
        WrInt("AddBrTo", "MaxTimeOut", 9);
        WrInt("AddBrTo", "TimeOut", 9000);
        CZelPrprtSheet sheet(nullptr);
        for (int p = 2; p <= 4; ++p) {
            sheet.Tabs()->setCurrentIndex(p);
            Ctrl<QPushButton>(sheet, p, 1017)->click();
        }
        QCOMPARE(RdInt("To_WbW", "TimeOut"), 500);
        QCOMPARE(Ctrl<QSlider>(sheet, 2, 1026)->value(), 500);
        QCOMPARE(RdInt("OpBrAll", "MatchCase"), 0);
        QVERIFY(Ctrl<QRadioButton>(sheet, 3, 1024)->isChecked());
        QCOMPARE(Ctrl<QComboBox>(sheet, 3, 1027)->currentText(), QString("4"));
        QCOMPARE(RdInt("AddBrTo", "TimeOut"), 500);
        QCOMPARE(Ctrl<QSlider>(sheet, 4, 1031)->maximum(), 3000);
        QCOMPARE(Ctrl<QLabel>(sheet, 4, 1032)->text(), QString("500"));
        QCOMPARE(g_SettingsChanged, 0); // "Default" is not OK
    }

    // The desired retention: OK stores it and writes its section at once; Default gives 90 %.
    void theRetentionIsStoredOnOkAndDefaultResetsIt()
    {
        CZelPrprtSheet sheet(nullptr);
        sheet.Tabs()->setCurrentIndex(6);
        auto* retention = Ctrl<QSpinBox>(sheet, 6, 1121);
        QCOMPARE(retention->value(), 90);
        QCOMPARE(retention->minimum(), 70);
        QCOMPARE(retention->maximum(), 97);
        retention->setValue(80);
        sheet.findChild<QPushButton*>("1")->click();
        QCOMPARE(RdInt("Memory", "Retention"), 80);
        QVERIFY(FileText("Memory").contains("Retention sv = 80"));

        CZelPrprtSheet again(nullptr);
        again.Tabs()->setCurrentIndex(6);
        QCOMPARE(Ctrl<QSpinBox>(again, 6, 1121)->value(), 80);
        Ctrl<QPushButton>(again, 6, 1017)->click();
        QCOMPARE(Ctrl<QSpinBox>(again, 6, 1121)->value(), 90);
        QCOMPARE(RdInt("Memory", "Retention"), 90);
    }

    void theFontButtonStoresTheChosenFontAndCancelKeepsIt()
    {
        ScriptedChooser chooser;
        chooser.font.lfHeight = -22;
        chooser.font.lfWeight = 700;
        chooser.font.lfCharSet = ANSI_CHARSET;
        std::strcpy(chooser.font.lfFaceName, "Liberation Sans");
        ScopedGlobal useChooser(g_pIFontChooser, &chooser);
        g_FontUnset = 1;
        {
            CZelPrprtSheet sheet(nullptr);
            Ctrl<QPushButton>(sheet, 0, 1004)->click();
            QCOMPARE(g_FontUnset, 0);
            QCOMPARE(QByteArray(g_LogFont.lfFaceName), QByteArray("Liberation Sans"));
            QCOMPARE(CharSetCodePage(g_LogFont.lfCharSet), 1252);
            sheet.reject();
        }
        QCOMPARE(RdInt("Gnrl", "lfHeight"), -22); // in the settings for the run
        ShutDownAndRestart();                      // but not saved: nothing was confirmed
        QCOMPARE(QByteArray(g_LogFont.lfFaceName), QByteArray("Times New Roman"));
        chooser.confirm = false;
        CZelPrprtSheet sheet(nullptr);
        Ctrl<QPushButton>(sheet, 0, 1004)->click();
        QCOMPARE(QByteArray(g_LogFont.lfFaceName), QByteArray("Times New Roman"));
    }

    // Qt's own font dialog: the chosen font and its writing system reach the settings.
    void theQtFontDialogChoosesFontAndCharacterSet()
    {
        CQtFontChooser chooser;
        ScopedGlobal useChooser(g_pIFontChooser, &chooser);
        CZelPrprtSheet sheet(nullptr);
        auto choose = [&](QFontDatabase::WritingSystem ws, bool accept) {
            WhenModalIsUp<QFontDialog>([ws, accept](QFontDialog* d) {
                QCOMPARE(d->objectName(), QString("FontChooser"));
                if (ws != QFontDatabase::Any) {
                    for (QComboBox* c : d->findChildren<QComboBox*>())
                        if (c->itemText(0) == QFontDatabase::writingSystemName(QFontDatabase::Any))
                            c->setCurrentIndex(c->findText(QFontDatabase::writingSystemName(ws)));
                }
                QFont f("Liberation Serif");
                f.setPixelSize(21);
                f.setItalic(true);
                f.setUnderline(true);
                f.setStrikeOut(ws == QFontDatabase::Latin);
                d->setCurrentFont(f);
                QCOMPARE(CQtFontChooser::WritingSystemOf(*d), ws);
                // The effects offer the colours too; the one in use is preselected.
                auto* colours = d->findChild<QComboBox*>("FontColour");
                QVERIFY(colours && qobject_cast<QGroupBox*>(colours->parentWidget()));
                QCOMPARE(colours->currentData().toUInt(), g_FontColour);
                colours->setCurrentIndex(colours->findData(QVariant::fromValue(ws == QFontDatabase::Latin ? 0x0000FFu : 0x800000u)));
                if (const QString shots = qEnvironmentVariable("LEXIDO_SCREENSHOTS"); !shots.isEmpty())
                    QVERIFY(QDir().mkpath(shots) && d->grab().save(shots + "/font-chooser.png"));
                accept ? d->accept() : d->reject();
            });
            Ctrl<QPushButton>(sheet, 0, 1004)->click();
        };
        choose(QFontDatabase::Latin, true);
        QCOMPARE(QByteArray(g_LogFont.lfFaceName), QByteArray("Liberation Serif"));
        QCOMPARE(g_LogFont.lfHeight, -21);
        QCOMPARE(int(g_LogFont.lfItalic), 1);
        QCOMPARE(int(g_LogFont.lfUnderline), 1);
        QCOMPARE(int(g_LogFont.lfStrikeOut), 1);
        QCOMPARE(g_FontColour, 0x0000FFu); // red
        QCOMPARE(int(g_LogFont.lfCharSet), ANSI_CHARSET);
        QCOMPARE(RdInt("Gnrl", "lfCharSet"), ANSI_CHARSET);
        choose(QFontDatabase::Cyrillic, true);
        QCOMPARE(int(g_LogFont.lfCharSet), RUSSIAN_CHARSET);
        QCOMPARE(CharSetCodePage(g_LogFont.lfCharSet), 1251);
        WrInt("Gnrl", "lfHeight", -40);
        QCOMPARE(g_pILsnFont->LoadFromOdb(), 0);
        choose(QFontDatabase::Latin, false); // cancelled: nothing changes
        QCOMPARE(g_FontColour, 0x800000u);   // the navy of the last choice
        QCOMPARE(g_LogFont.lfHeight, -40);
        QCOMPARE(int(g_LogFont.lfCharSet), RUSSIAN_CHARSET);
        choose(QFontDatabase::Any, true); // no writing system named: the character set stays
        QCOMPARE(int(g_LogFont.lfCharSet), RUSSIAN_CHARSET);
        QCOMPARE(g_LogFont.lfHeight, -21);
        QCOMPARE(g_pILsnFont->LoadDefault(), 0);
        QCOMPARE(g_FontColour, 0u); // the default font is black
    }

    void theStoredFontMapsToAQFontAndBack()
    {
        LsnLogFont lf{};
        lf.lfHeight = -16;
        lf.lfWeight = 700;
        lf.lfItalic = 1;
        lf.lfStrikeOut = 1;
        lf.lfCharSet = RUSSIAN_CHARSET;
        lf.lfPitchAndFamily = 18;
        std::strcpy(lf.lfFaceName, "Times New Roman");
        const QFont f = QFontFromLogFont(lf);
        QCOMPARE(f.family(), QString("Times New Roman"));
        QCOMPARE(f.pixelSize(), 16);
        QCOMPARE(f.weight(), QFont::Bold);
        QVERIFY(f.italic() && f.strikeOut() && !f.underline());
        QCOMPARE(f.styleHint(), QFont::Serif);
        const LsnLogFont back = LogFontFromQFont(f, RUSSIAN_CHARSET);
        QCOMPARE(back.lfHeight, -16);
        QCOMPARE(back.lfWeight, 700);
        QCOMPARE(int(back.lfItalic), 1);
        QCOMPARE(int(back.lfStrikeOut), 1);
        QCOMPARE(int(back.lfCharSet), RUSSIAN_CHARSET);
        QCOMPARE(int(back.lfPitchAndFamily), 18);
        QCOMPARE(QByteArray(back.lfFaceName), QByteArray("Times New Roman"));
        // Weight 0 is the normal weight; a name longer than the field is cut to 31.
        lf.lfWeight = 0;
        QCOMPARE(QFontFromLogFont(lf).weight(), QFont::Normal);
        QFont longName(QString(40, 'N'));
        longName.setPixelSize(12);
        QCOMPARE(std::strlen(LogFontFromQFont(longName, 0).lfFaceName), std::size_t(31));
        QCOMPARE(CharSetOfWritingSystem(QFontDatabase::Any, 77), 77);
        QCOMPARE(CharSetOfWritingSystem(QFontDatabase::Greek, 77), 161);
    }

    void helpBeepsBeforeItIsShown()
    {
        int shown = 0;
        QList<QPair<int, int>> beepsWhenShown;
        CZelPrprtSheet sheet(nullptr, [&] {
            ++shown;
            beepsWhenShown = g_Beeps;
        }, RecordBeep);
        sheet.findChild<QPushButton*>("9")->click(); // from the General page
        QCOMPARE(shown, 1);
        QCOMPARE(beepsWhenShown, (QList<QPair<int, int>>{{200, 200}}));
        sheet.Tabs()->setCurrentIndex(3);
        sheet.OnHelp(); // from another page: the sheet's own
        QCOMPARE(shown, 2);
        QCOMPARE(g_Beeps, (QList<QPair<int, int>>{{200, 200}, {100, 100}}));
    }

    void restartAfterOkShowsTheConfirmedSettingsAndAfterCancelDoesNot()
    {
        {
            CZelPrprtSheet sheet(nullptr);
            Ctrl<QRadioButton>(sheet, 0, 1010)->click();
            sheet.Tabs()->setCurrentIndex(3);
            Ctrl<QRadioButton>(sheet, 3, 1025)->click();
            Ctrl<QComboBox>(sheet, 3, 1027)->setCurrentIndex(9);
            sheet.Tabs()->setCurrentIndex(4);
            Ctrl<QComboBox>(sheet, 4, 1030)->setCurrentIndex(6);
            Ctrl<QSlider>(sheet, 4, 1031)->setValue(6500);
            sheet.accept();
        }
        ShutDownAndRestart();
        {
            CZelPrprtSheet sheet(nullptr);
            QVERIFY(Ctrl<QRadioButton>(sheet, 0, 1010)->isChecked());
            sheet.Tabs()->setCurrentIndex(3);
            QVERIFY(Ctrl<QRadioButton>(sheet, 3, 1025)->isChecked());
            QCOMPARE(Ctrl<QComboBox>(sheet, 3, 1027)->currentText(), QString("10"));
            sheet.Tabs()->setCurrentIndex(4);
            QCOMPARE(Ctrl<QComboBox>(sheet, 4, 1030)->currentText(), QString("7000"));
            QCOMPARE(Ctrl<QSlider>(sheet, 4, 1031)->value(), 6500);
            // Changed again, but cancelled.
            Ctrl<QSlider>(sheet, 4, 1031)->setValue(100);
            sheet.Tabs()->setCurrentIndex(0);
            Ctrl<QRadioButton>(sheet, 0, 1009)->click();
            sheet.reject();
        }
        ShutDownAndRestart();
        CZelPrprtSheet sheet(nullptr);
        QVERIFY(Ctrl<QRadioButton>(sheet, 0, 1010)->isChecked());
        sheet.Tabs()->setCurrentIndex(4);
        QCOMPARE(Ctrl<QSlider>(sheet, 4, 1031)->value(), 6500);
    }

    void theStandardButtonsSpeakTheInterfaceLanguage()
    {
        const struct { int language; const char* cancel; } cases[] = {
            {LANGUAGE_RUSSIAN, "\u041E\u0442\u043C\u0435\u043D\u0430"}, {LANGUAGE_GERMAN, "Abbrechen"},
            {LANGUAGE_ENGLISH, "Cancel"}};
        for (const auto& c : cases) {
            SetLanguage(c.language);
            CZelPrprtSheet sheet(nullptr);
            QCOMPARE(sheet.findChild<QPushButton*>("2")->text().remove('&'), QString::fromUtf8(c.cancel));
        }
    }

    void showSettingsSheetTellsWhetherOkWasPressed()
    {
        WhenModalIsUp<CZelPrprtSheet>([](CZelPrprtSheet* s) { s->findChild<QPushButton*>("1")->click(); });
        QCOMPARE(ShowSettingsSheet(nullptr), 1);
        QCOMPARE(g_SettingsChanged, 1);
        g_SettingsChanged = 0;
        WhenModalIsUp<CZelPrprtSheet>([](CZelPrprtSheet* s) { s->findChild<QPushButton*>("2")->click(); });
        QCOMPARE(ShowSettingsSheet(nullptr), 0);
        QCOMPARE(g_SettingsChanged, 0);
        QVERIFY(!g_pIFontChooser); // the sheet's own chooser went with it
    }
};

QTEST_MAIN(SheetTest)
#include "SheetTest.moc"
