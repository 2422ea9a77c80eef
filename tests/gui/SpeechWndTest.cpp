// Speech in the window: Speak and the Speech page's options hand the text revealed last and its
// language to the speaker (a recorder here, no sound), the page is kept, and a machine without
// a sound device goes on working with one message.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/CProgressWnd.h"
#include "app/PrintKit.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "resources/Resources.h"
#include "settings/sheet/CZelPrprtSheet.h"
#include "settings/sheet/ZelText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

namespace {
using Said = std::vector<std::pair<std::string, std::string>>;

struct Recorder : speech::ISpeaker {
    explicit Recorder(Said& s) : said(s) {}
    bool Say(const std::string& text, const std::string& language, const speech::Voicing&) override
    {
        said.emplace_back(text, language);
        return true;
    }
    void Stop() override {}
    Said& said;
};

// A sound system without a device: the real speaker finds none.
struct NoDevice : speech::IAudioOut {
    bool Open(int) override { return false; }
    void Restart() override {}
    void Write(const std::int16_t*, int) override {}
};

bool Shows(const std::string& text)
{
    const bool shown = QTest::qWaitFor([&] { return ScreenText().find(text) != std::string::npos; }, 5000);
    QTest::qWait(60); // the pass takes a key only once it waits for one
    return shown;
}

void SetSpeech(const char* par, const std::string& text)
{
    g_pIDbVars->WrText("Speech", par, PAR_TYPE_STRING_ANY, text);
}

// Starts a pass over the file with its first phrase shown.
QWidget* StartPass(GuiProgramFolder& folder, const QString& file, const QByteArray& bytes)
{
    folder.Write(file, bytes);
    folder.dialogs.openAnswers.push_back(folder.Path(file).toStdString());
    Trigger(res::ID_SLFILE_FIRSTFILEOPEN);
    QWidget* view = g_pMainWnd->centralWidget();
    view->setFocus();
    Trigger(res::ID_RUN_FIRSTITERATION);
    return view;
}
} // namespace

class SpeechWndTest : public QObject {
    Q_OBJECT
private slots:
    // The question before the answer shows, the answer after it; each in its text's language.
    void speakSaysTheTextRevealedLastInItsLanguage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("chosen");   // the Speech page's two languages, "first second"
        QTest::addColumn<QStringList>("said"); // question, its language, answer, its language
        QTest::newRow("phrase-book pair") << "Text/English_German/a.mix" << QByteArray("*Good day=Guten Tag\n")
                                          << "fr it" << QStringList{"Good day", "en", "Guten Tag", "de"};
        QTest::newRow("chosen") << "Text/u/a.mix" << QByteArray("*Bonjour=Ciao\n") << "fr it"
                                << QStringList{"Bonjour", "fr", "Ciao", "it"};
        QTest::newRow("guessed") << "Text/u/a.mix" << QByteArray("*\xd5\xeb\xe5\xe1=Bread\n") << "guess guess"
                                 << QStringList{"Хлеб", "ru", "Bread", "en"};
        QTest::newRow("UTF-8") << "Text/u/a.mix" << QByteArray("*Ψωμί=Chleb\n") << "guess pl"
                               << QStringList{"Ψωμί", "el", "Chleb", "pl"};
    }
    void speakSaysTheTextRevealedLastInItsLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, chosen);
        QFETCH(QStringList, said);
        GuiProgramFolder folder;
        folder.Start();
        Said heard;
        g_pMainWnd->View()->SetSpeaker(std::make_unique<Recorder>(heard));
        SetSpeech("FirstLanguage", chosen.section(' ', 0, 0).toStdString());
        SetSpeech("SecondLanguage", chosen.section(' ', 1, 1).toStdString());
        QWidget* view = StartPass(folder, file, bytes);
        QVERIFY(Shows("\n---"));
        QVERIFY(Trigger(res::ID_SPEAK));
        QTest::keyClicks(view, "n");
        QVERIFY(Shows(bytes.mid(bytes.indexOf('=') + 1, 3).toStdString()));
        QTest::keyClick(g_pMainWnd, Qt::Key_F4);
        QTest::qWait(100); // the options are off: nothing is said but what Speak asks
        const Said expected = {
            {said[0].toStdString(), said[1].toStdString()}, {said[2].toStdString(), said[3].toStdString()}};
        QCOMPARE(heard, expected);
        folder.Stop();
    }

    // "Speak each question" and "speak each answer": said as they show, without Speak.
    void theOptionsSpeakQuestionsAndAnswersAsTheyShow()
    {
        GuiProgramFolder folder;
        folder.Start();
        Said heard;
        g_pMainWnd->View()->SetSpeaker(std::make_unique<Recorder>(heard));
        const int on = 1;
        g_pIDbVars->WrVal("Speech", "SpeakAnswers", PAR_TYPE_INT, &on);
        g_pIDbVars->WrVal("Speech", "SpeakQuestions", PAR_TYPE_INT, &on);
        QWidget* view = StartPass(folder, "Text/English_German/a.mix", "*Good day=Guten Tag\n*Water=Wasser\n");
        QVERIFY(Shows("Good day\n---"));
        QTest::keyClicks(view, "n");
        QVERIFY(Shows("Guten Tag"));
        QTest::keyClicks(view, "n");
        QVERIFY(Shows("Water\n---"));
        QTRY_COMPARE(heard.size(), std::size_t(3));
        QCOMPARE(heard, (Said{{"Good day", "en"}, {"Guten Tag", "de"}, {"Water", "en"}}));
        folder.Stop();
    }

    // OK writes the page to Settings/Speech.cfg at once; the next start shows it. A language is
    // typed, or stored, as a usual code too, and shows the voice saying it; a code no voice says
    // leaves the language as it was, with a note.
    void theSpeechPageIsSavedAtOkAndShownAtTheNextStart()
    {
        GuiProgramFolder folder;
        folder.Start();
        {
            CZelPrprtSheet sheet(nullptr);
            sheet.Tabs()->setCurrentIndex(5);
            auto* first = sheet.findChild<QComboBox*>("1111");
            first->setCurrentIndex(first->findData("fr-fr"));
            auto* second = sheet.findChild<QComboBox*>("1113");
            for (const char* typed : {"ZH_hk", "xx"}) {
                second->setEditText(typed);
                emit second->lineEdit()->editingFinished();
            }
            QCOMPARE(sheet.findChild<QLabel*>("SpeechNote")->text(), QString("No voice for \"xx\": the language stays as it was."));
            auto* rate = sheet.findChild<QComboBox*>("1115");
            rate->setCurrentIndex(rate->findData("250"));
            sheet.findChild<QCheckBox*>("1118")->setChecked(true);
            sheet.findChild<QPushButton*>("1")->click();
        }
        QByteArray cfg = folder.Read("Settings/Speech.cfg");
        QVERIFY2(cfg.contains("FirstLanguage sv = \"fr-fr\"") && cfg.contains("SecondLanguage sv = \"yue\"") &&
                cfg.contains("Rate sv = 250"), cfg.constData());
        folder.Stop();
        folder.Write("Settings/Speech.cfg", cfg.replace("\"fr-fr\"", "\"pt_BR\""));
        folder.Start();
        CZelPrprtSheet sheet(nullptr);
        sheet.Tabs()->setCurrentIndex(5);
        QCOMPARE(sheet.findChild<QComboBox*>("1111")->currentData().toString(), QString("pt-br"));
        QCOMPARE(sheet.findChild<QComboBox*>("1113")->currentData().toString(), QString("yue"));
        QCOMPARE(sheet.findChild<QComboBox*>("1115")->currentText(), QString("250"));
        QVERIFY(sheet.findChild<QCheckBox*>("1118")->isChecked());
        QVERIFY(!sheet.findChild<QCheckBox*>("1119")->isChecked());
        folder.Stop();
    }

    // No sound device: Speak says so once in the status bar, and the pass goes on.
    void withoutASoundDeviceTheProgramGoesOnAndSaysSoOnce()
    {
        GuiProgramFolder folder;
        folder.Start();
        g_pMainWnd->View()->SetSpeaker(std::make_unique<speech::CSpeaker>(std::make_unique<NoDevice>()));
        QWidget* view = StartPass(folder, "Text/u/a.mix", "*Bread=Brot\n*Water=Wasser\n");
        QVERIFY(Shows("Bread\n---"));
        QVERIFY(Trigger(res::ID_SPEAK));
        const QString notice = ZelText(136);
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), notice);
        g_pMainWnd->statusBar()->clearMessage();
        QVERIFY(Trigger(res::ID_SPEAK));
        QVERIFY(g_pMainWnd->statusBar()->currentMessage() != notice);
        QTest::keyClicks(view, "n");
        QVERIFY(Shows("Brot"));
        QTest::keyClicks(view, "n");
        QVERIFY(Shows("Water\n---"));
        folder.Stop();
    }

    // Without its modules (gui.NoModules looks for them in a folder that has none) the window
    // goes on: Speak, the Progress window and printing say which file is missing.
    void withoutItsModulesTheWindowSaysWhichFileIsMissing()
    {
        if (!qEnvironmentVariableIsSet("LEXIDO_TEST_MODULE_DIR"))
            QSKIP("the modules are there; gui.NoModules runs this without them");
        GuiProgramFolder folder;
        folder.Start();
        StartPass(folder, "Text/u/a.mix", "*Bread=Brot\n");
        QVERIFY(Shows("Bread\n---"));
        QVERIFY(Trigger(res::ID_SPEAK));
        QVERIFY(g_pMainWnd->statusBar()->currentMessage().contains("lexido-speech.so"));
        QVERIFY(Trigger(res::ID_VIEW_PROGRESS));
        auto* w = g_pMainWnd->findChild<CProgressWnd*>();
        QVERIFY(w && w->isVisible());
        for (int tab : {0, 1}) {
            const auto* why = qobject_cast<QLabel*>(w->Charts()->widget(tab));
            QVERIFY(why && why->text().contains("lexido-charts.so"));
        }
        w->close();
        struct SProblems : IPrintDialogs {
            QStringList told;
            bool AskPrint(QPrinter&) override { return true; }
            bool AskSetup(QPrinter&) override { return true; }
            void ShowPreview(QPrinter&, const std::function<void(QPrinter*)>&) override {}
            void ShowProblem(const QString& text) override { told << text; }
        } problems;
        g_pMainWnd->View()->Printer().SetDialogs(&problems);
        QVERIFY(Trigger(res::ID_FILE_PRINT));
        QCOMPARE(problems.told.size(), 1);
        QVERIFY(problems.told[0].contains("lexido-print.so"));
        g_pMainWnd->View()->Printer().SetDialogs(nullptr);
        folder.Stop();
    }
};

int RunSpeechWndTest(int argc, char** argv)
{
    SpeechWndTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "SpeechWndTest.moc"
