// What the view draws beside the screen text: the welcome page with its recent files, the mark
// of a phrase and the caret of the Open Brackets modes.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/DesktopMenus.h"
#include "app/ScreenPainter.h"
#include "app/WindowTexts.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatScreenText.h"
#include "platform/PlatWindow.h"
#include "resources/Resources.h"

#include <QAccessible>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <QtTest>

namespace {
CDrill_SdiView* View() { return g_pMainWnd->View(); }

// Paints now until the view shows what is asked.
bool Painted(const std::function<bool()>& shown)
{
    return QTest::qWaitFor([&] { return View()->viewport()->repaint(), shown(); }, 5000);
}

bool Whole(const QLabel* l) // the whole text within the window, wrapped where it must
{
    const QRect room = l->contentsRect(), need = l->fontMetrics().boundingRect(QRect(0, 0, room.width(), 9999), Qt::TextWordWrap, l->text());
    return l->isVisible() && need.height() <= room.height() && l->window()->rect().contains(QRect(l->mapTo(l->window(), room.topLeft()), room.size()));
}

bool Shows(const std::string& text)
{
    const bool shown = QTest::qWaitFor([&] { return ScreenText().find(text) != std::string::npos; }, 5000);
    QTest::qWait(60); // the pass takes a key only once it waits for one
    return shown;
}
} // namespace

class PassViewTest : public QObject {
    Q_OBJECT
private slots:
    void theWelcomePageReopensTheRecentFiles_data()
    {
        // Files opened in order through File > Open; what reopens one on the next start's page;
        // the recent files then, newest first. A path the settings file could not read back
        // (a quote) is not remembered.
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("reopen");
        QTest::addColumn<QString>("recent");
        QTest::newRow("key 1") << "abc" << "key 1" << "cba";
        QTest::newRow("key 3") << "abc" << "key 3" << "acb";
        QTest::newRow("click 2") << "abc" << "click 2" << "bca";
        QTest::newRow("twice and a sixth") << "abacdef" << "key 5" << "afedc";
        QTest::newRow("a quote") << "a\"" << "key 1" << "a";
        QTest::newRow("no number 2") << "a" << "key 2" << "a";
    }
    void theWelcomePageReopensTheRecentFiles()
    {
        QFETCH(QString, opened);
        QFETCH(QString, reopen);
        QFETCH(QString, recent);
        GuiProgramFolder folder;
        for (const QChar name : opened)
            folder.Write(QString("Text/%1.mix").arg(name), QString("*%1=answer\n").arg(name).toUtf8());
        folder.Start();
        QVERIFY(Painted([] { return View()->WelcomeShown() && View()->RecentRows().empty(); }));
        for (const QChar name : opened) {
            folder.dialogs.openAnswers.push_back(folder.Path(QString("Text/%1.mix").arg(name)).toStdString());
            QVERIFY(Trigger(res::ID_FILE_OPEN) && Painted([] { return !View()->WelcomeShown(); }));
        }
        folder.Stop();
        folder.Start();
        QVERIFY(Painted([&] { return View()->WelcomeShown() && !View()->RecentRows().empty(); }));
        for (int language : {LANGUAGE_ENGLISH, LANGUAGE_GERMAN, LANGUAGE_RUSSIAN})
            if (QTest::currentDataTag() == QString("key 1") && g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language) == 0) {
                g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
                QTRY_COMPARE(g_pILocal->GetLanguage(), language);
                SaveShot(g_pMainWnd, "welcome-" + QString::number(language));
            }
        const int number = reopen.back().digitValue();
        const bool known = number <= int(View()->RecentRows().size());
        if (reopen.startsWith("key"))
            QTest::keyClick(View(), char('0' + number));
        else
            QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, View()->RecentRows()[number - 1].center());
        // The file reopened is shown and comes first; a number without a file does nothing.
        QVERIFY(Painted([&] { return View()->WelcomeShown() != known; }));
        QVERIFY(!known || Shows(QString("*%1=").arg(recent[0]).toStdString()));
        QByteArray cfg = "sn = Recent\n";
        for (int i = 0; i < 5; ++i)
            cfg += "\npt_str_any File" + QByteArray::number(i + 1) + " sv = \"" +
                   (i < recent.size() ? folder.Path(QString("Text/%1.mix").arg(recent[i])).toUtf8() : "") + "\"";
        QCOMPARE(folder.Read("Settings/Recent.cfg"), cfg);
    }

    void aMarkAndTheCaretAreShownBesideTheText()
    {
        // After a key (0: the pass's start) the caret stands in a bracket (from 0; -1: none) after
        // what was typed into it, and the badge is shown or not.
        struct Step { char key; int bracket; const char* typed; bool marked; };
        const std::pair<int, std::vector<Step>> cases[] = {
            {res::ID_MODE_INWHOLE, {{0, -1, "", false}, {' ', -1, "", true}, {'n', -1, "", false}}},
            {res::ID_MODE_OPENBRACKETSWHOLEWORD,
             {{0, 0, "", false}, {'B', 0, "B", false}, {'r', 0, "Br", false}, {' ', 1, "", true}, {'g', 1, "g", true}}},
            {res::ID_MODE_OPENBRACKETS1LETTER, {{0, 0, "", false}, {'x', 0, "", false}, {' ', 1, "", true}}},
        };
        for (const auto& [mode, steps] : cases) {
            GuiProgramFolder folder;
            folder.Write("Text/b.mix", "*Bread=das <Brot> ist <gut>\n*Water=Wasser\n");
            folder.Start();
            folder.dialogs.openAnswers = {folder.Path("Text/b.mix").toStdString()};
            QVERIFY(Trigger(res::ID_FILE_OPEN) && Trigger(mode) && Trigger(res::ID_RUN_FIRSTITERATION));
            QVERIFY(Shows("---\n"));
            const QFontMetrics fm(View()->DisplayFont());
            for (const Step& step : steps) {
                if (step.key)
                    QTest::keyClick(View(), step.key);
                // Where the typed characters go: after the bracket's "<" and what was typed.
                const auto typingAt = [&] {
                    const std::string text = ScreenText();
                    std::size_t at = 0;
                    for (int b = 0; b <= step.bracket; ++b)
                        at = text.find('<', at) + 1;
                    if (text.compare(at, std::strlen(step.typed), step.typed) != 0)
                        return QPoint(-1, -1);
                    at += std::strlen(step.typed);
                    int x = 0;
                    for (std::size_t i = text.rfind('\n', at - 1) + 1; i < at; ++i)
                        x += fm.horizontalAdvance(QChar(text[i]));
                    return QPoint(x, int(std::count(text.begin(), text.begin() + long(at), '\n')) * (fm.height() + fm.leading()));
                };
                QVERIFY2(Painted([&] {
                    return !View()->MarkBadge().isEmpty() == step.marked &&
                           (step.bracket < 0 ? View()->Caret().isEmpty() : View()->Caret().topLeft() == typingAt());
                }), qPrintable(QString("mode %1, key '%2': %3").arg(mode).arg(step.key).arg(ScreenText().c_str())));
                QTest::qWait(60);
            }
            QVERIFY(ScreenText().find("Marked") == std::string::npos); // beside the text, never in it
            if (mode == res::ID_MODE_OPENBRACKETSWHOLEWORD)
                SaveShot(g_pMainWnd, "pass-mark-caret");
            QVERIFY(Trigger(res::ID_FILE_NEW));
        }
    }

    // A menu closed with Escape, then F5: the first Enter reveals, it opens no menu. The window
    // lies within the screen (gui.ScaledScreen: at scale factor 2 on a 1280 x 900 screen).
    void aClosedMenuGivesTheKeysBackToThePass()
    {
        GuiProgramFolder folder;
        folder.Write("Text/a.mix", "*Tea=Tee\n");
        folder.Start();
        QVERIFY(g_pMainWnd->screen()->availableGeometry().contains(g_pMainWnd->frameGeometry()));
        SaveShot(g_pMainWnd, "window-in-screen-" + qEnvironmentVariable("QT_SCALE_FACTOR"));
        folder.dialogs.openAnswers = {folder.Path("Text/a.mix").toStdString()};
        QVERIFY(Trigger(res::ID_FILE_OPEN));
        g_pMainWnd->menuBar()->setActiveAction(g_pMainWnd->menuBar()->actions().at(4));
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        g_pMainWnd->activateWindow(); // as the desktop does once the menu is gone
        QVERIFY(QTest::qWaitForWindowActive(g_pMainWnd));
        QTRY_VERIFY(View()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QVERIFY(Shows("---\n"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(Shows("Tee") && !QApplication::activePopupWidget());
    }

    // In every language: the Mode menu is one radio choice; Open Brackets says the direction it
    // turned; the keys after a wrong letter at 420 pixels and a pass's end at 800 are read whole.
    void theModesAndWhatTheBarSaysAreShownWhole()
    {
        for (int language : {LANGUAGE_ENGLISH, LANGUAGE_GERMAN, LANGUAGE_RUSSIAN}) {
            GuiProgramFolder folder;
            folder.Write("Text/a phrase file with a long name.mix", "*Good day=Guten Tag\n");
            folder.Start();
            g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language);
            g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
            QTRY_COMPARE(g_pILocal->GetLanguage(), language);
            QVERIFY(g_pMainWnd->menuBar()->actions().at(4)->menu()->actions().at(11)->isSeparator() &&
                    g_pMainWnd->Action(res::ID_MODE_WHICHLETTER)->actionGroup()->isExclusive());
            for (int id : {res::ID_MODE_OPENBRACKETSWHOLEWORD, res::ID_MODE_OPENBRACKETS1LETTER}) {
                g_pMainWnd->statusBar()->clearMessage();
                QVERIFY(Trigger(id));
                QTRY_COMPARE(g_pMainWnd->LegendText().contains(LclText(14, "?")), id == res::ID_MODE_OPENBRACKETSWHOLEWORD);
                SaveShot(g_pMainWnd, QString("direction-%1-%2").arg(id).arg(language));
            }
            folder.dialogs.openAnswers = {folder.Path("Text/a phrase file with a long name.mix").toStdString()};
            QVERIFY(Trigger(res::ID_FILE_OPEN) && Trigger(res::ID_MODE_WHICHLETTER) && Trigger(res::ID_RUN_FIRSTITERATION));
            g_pMainWnd->resize(420, 500);
            QVERIFY(Shows("---\n"));
            QTest::keyClick(View(), 'x'); // a wrong letter, said before the keys
            QTRY_VERIFY(Whole(g_pMainWnd->findChild<QLabel*>("LegendPane")) && g_pMainWnd->LegendText().contains(LclText(381, "?")));
            SaveShot(g_pMainWnd, QString("keys-420-%1").arg(language));
            for (char key : {' ', ' ', 'k'})
                QTest::keyClick(View(), key);
            g_pMainWnd->resize(800, 600);
            QTRY_VERIFY(Whole(g_pMainWnd->findChild<QLabel*>("PassPane")) && g_pMainWnd->PassText().contains("long name"));
            SaveShot(g_pMainWnd, QString("pass-over-800-%1").arg(language));
        }
    }

    // Both layouts: a measured text ends where the paint puts the caret, over single-byte,
    // Arabic (right to left) and Hindi (marks on their letters) lines; the Classic layout of a
    // single-byte screen paints exactly as the character-by-character painter does.
    void theCaretAndTheMeasuredEndAgreeInBothLayouts()
    {
        GuiProgramFolder folder;
        folder.Start();
        struct Case {
            const char* text;
            plat::TextCoding coding;
        };
        const Case cases[] = {
            {"Bread = Brot\n------\ndas Brot ist gut", plat::TextCoding::SingleByte},
            {"Good morning\n------\n\u0635\u0628\u0627\u062d \u0627\u0644\u062e\u064a\u0631", plat::TextCoding::Utf8},
            {"Water\n------\n\u092a\u093e\u0928\u0940 \u0915\u093f\u0924\u093e\u092c", plat::TextCoding::Utf8},
        };
        for (const EScreenLayout layout : {EScreenLayout::Classic, EScreenLayout::Comfortable}) {
            QVERIFY(Trigger(
                layout == EScreenLayout::Classic ? res::ID_VIEW_LAYOUT_CLASSIC : res::ID_VIEW_LAYOUT_COMFORTABLE));
            QVERIFY(IsChecked(
                layout == EScreenLayout::Classic ? res::ID_VIEW_LAYOUT_CLASSIC : res::ID_VIEW_LAYOUT_COMFORTABLE));
            for (const Case& c : cases) {
                g_pOScreen->ClrScr();
                g_pOScreen->SetCoding(c.coding);
                g_pOScreen->PutStr(c.text);
                View()->viewport()->repaint(); // the metrics the screen object measures by
                const std::u32string shown = View()->ShownText();
                const CScreenLayout screen = View()->ScreenLayout();
                QImage img(View()->viewport()->size(), QImage::Format_RGB32);
                std::vector<int> xs;
                const std::string bytes = c.text;
                for (std::size_t end = bytes.rfind('\n') + 1; end <= bytes.size(); ++end) {
                    if (end < bytes.size() && (bytes[end] & 0xC0) == 0x80)
                        continue; // within a character
                    int x = 0, y = 0;
                    g_pOScreen->MeasureText(bytes.substr(0, end).c_str(), &x, &y);
                    const int at = static_cast<int>(plat::ScreenToUnicode(bytes.data(), int(end), 0, c.coding).size());
                    QPainter p(&img);
                    const QPoint caret = screen.Draw(p, shown, img.height(), at, QColor());
                    QCOMPARE(QPoint(x, y), caret);
                    xs.push_back(x);
                }
                // Arabic reads from the right: its caret moves left, from the right part of the line.
                const bool rtl =
                    c.text[std::strlen(c.text) - 1] & 0x80 && std::string(c.text).find("\u0635") != std::string::npos;
                QVERIFY(rtl ? xs.front() > xs.back() && xs.front() > img.width() / 2 : xs.front() < xs.back());
                SaveShot(View(), QString("screen-layout%1-%2").arg(int(layout)).arg(&c - cases));
                // A screen reader's character places are the painter's: each character wider than
                // a mark within its cluster has ink in its place, and the place's middle reads
                // back as that character.
                const QImage shot = View()->viewport()->grab().toImage();
                const QColor paper = shot.pixelColor(shot.width() - 2, shot.height() - 2);
                QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(View())->textInterface();
                int placed = 0;
                for (int i = 0; i < read->characterCount(); ++i) {
                    const QRect global = read->characterRect(i);
                    const QRect place(View()->viewport()->mapFromGlobal(global.topLeft()), global.size());
                    if (read->text(i, i + 1).trimmed().isEmpty() || place.width() <= 1)
                        continue;
                    bool ink = false;
                    for (int y = place.top(); y <= place.bottom() && !ink; ++y)
                        for (int x = place.left(); x <= place.right() && !ink; ++x)
                            ink = shot.rect().contains(x, y) && shot.pixelColor(x, y) != paper;
                    QVERIFY2(ink, qPrintable(QString("%1 in %2").arg(i).arg(c.text)));
                    QCOMPARE(read->offsetAtPoint(global.center()), i);
                    ++placed;
                }
                QVERIFY(placed >= static_cast<int>(shown.size()) / 2);
                if (layout == EScreenLayout::Classic && c.coding == plat::TextCoding::SingleByte) {
                    QImage before(img.size(), QImage::Format_RGB32);
                    before.fill(Qt::white);
                    QPainter p(&before);
                    p.setFont(View()->DisplayFont());
                    p.setPen(Qt::black);
                    DrawScreenText(p, shown, before.width(), before.height());
                    QCOMPARE(View()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32), before);
                }
            }
        }
        g_pOScreen->SetCoding(plat::TextCoding::SingleByte);
    }

    // A Phrase-book pair lists its topics by their full names with their phrases; Enter in the
    // chooser opens the current one, the hook's answer is opened as File > Open would.
    void thePhraseBookChooserListsAndOpensTheTopics()
    {
        GuiProgramFolder folder;
        const QString pair = "Text/Conversational Guide/English_German/";
        folder.Write(pair + "01 Food and drink.mix", "*Bread\n=Brot\n*Water\n=Wasser\n");
        folder.Write(pair + "02 At the station and on the train.mix", "*Train\n=Zug\n");
        folder.Start();
        std::vector<STopicRow> listed;
        QString title;
        View()->SetTopicChooser([&](const QString& name, std::vector<STopicRow> rows) {
            title = name;
            listed = rows;
            return rows.back().path;
        });
        QVERIFY(Trigger(res::ID_PHRASEBOOK_FIRST + 1));
        QCOMPARE(title, QString("English <---> German"));
        QCOMPARE(listed.size(), std::size_t(2));
        QCOMPARE(listed[1].name, QString("02 At the station and on the train"));
        QCOMPARE(listed[0].phrases, 2);
        QVERIFY(Shows("Train"));
        CTopicChooser chooser(title, listed, View());
        QCOMPARE(chooser.List()->topLevelItem(0)->text(0), QString("01 Food and drink"));
        chooser.show();
        QTest::keyClick(chooser.List(), Qt::Key_Down);
        QTest::keyClick(chooser.List(), Qt::Key_Return);
        QCOMPARE(chooser.Chosen(), listed[1].path);
        SaveShot(&chooser, "phrase-book-chooser");
    }

    // The end of a pass: the summary names the file and the pass, lists the marked phrase, and
    // Enter runs the next iteration over the marks; the screen text stays as the pass left it.
    void theEndOfAPassIsSummedUpAndEnterGoesOn()
    {
        GuiProgramFolder folder;
        folder.Write("Text/b.mix", "*Bread\n=Brot\n*Water\n=Wasser\n");
        folder.Start();
        folder.dialogs.openAnswers = {folder.Path("Text/b.mix").toStdString()};
        QVERIFY(Trigger(res::ID_FILE_OPEN) && Trigger(res::ID_MODE_INWHOLE) && Trigger(res::ID_RUN_FIRSTITERATION));
        QVERIFY(Shows("Bread"));
        for (char key : {' ', 'n', 'n', 'n', 'n'})
            QTest::keyClick(View(), key), QTest::qWait(60);
        QVERIFY(Painted([] { return View()->Summary().title.contains("b.mix"); }));
        QCOMPARE(View()->Summary().marked, QStringList{QString::fromUtf8("Bread  \u2014  Brot")});
        const std::string left = ScreenText();
        SaveShot(g_pMainWnd, "pass-summary");
        QVERIFY(Trigger(desk::ID_VIEW_COLOURS_DARK)); // its ink light on dark paper
        const QImage dark = View()->viewport()->grab().toImage();
        int inked = 0;
        for (int y = 0; y < dark.height(); y += 2)
            for (int x = 0; x < dark.width(); x += 2)
                inked += dark.pixelColor(x, y).lightness() > 160;
        QVERIFY2(inked > 100, qPrintable(QString::number(inked)));
        QVERIFY(Trigger(desk::ID_VIEW_COLOURS_LIGHT));
        QTest::keyClick(View(), Qt::Key_Return);
        QVERIFY(Shows("Bread") && ScreenText() != left);
        QCOMPARE(g_pIItrtnSrvc->GetIterationNmb(), 2);
    }

    // A file opened in the Comfortable layout is listed: its name and count, each phrase without
    // its markers, a right-to-left text from the right, a long file scrolled by the keys and the
    // wheel; a pass hides the list, the Classic layout shows the raw text. With
    // LEXIDO_SCREENSHOTS_ALL the passes, the summary and the chooser are taken in both layouts,
    // three languages and light and dark colours as well.
    void anOpenedFileIsListedAsItsPhrases()
    {
        QByteArray many;
        for (int i = 1; i <= 3000; ++i)
            many += "*Question " + QByteArray::number(i) + "\n=Answer " + QByteArray::number(i) + "\n";
        const std::pair<QString, QByteArray> cases[] = {{"arabic", {}}, {"hebrew", {}}, {"hindi", {}}, {"thai", {}},
            {"chinese", {}}, {"greek", {}}, {"polish", {}}, {"cyrillic", "*Milk=\xCC\xEE\xEB\xEE\xEA\xEE\n"},
            {"many", many}, {"empty", ""}};
        const QString all = qEnvironmentVariable("LEXIDO_SCREENSHOTS_ALL"); // 1: of every file, or of one by name
        for (const auto& [name, inline_] : cases) {
            GuiProgramFolder folder;
            QFile own(LEXIDO_TEST_DATA_DIR "/scripts/" + name + ".mix");
            const QByteArray bytes = inline_.isNull() && own.open(QIODevice::ReadOnly) ? own.readAll() : inline_;
            folder.Write(name + ".mix", bytes);
            folder.Start();
            g_pMainWnd->resize(800, 600);
            folder.dialogs.openAnswers = {folder.Path(name + ".mix").toStdString()};
            QVERIFY(Trigger(res::ID_VIEW_LAYOUT_COMFORTABLE) && Trigger(res::ID_FILE_OPEN));
            QVERIFY(Painted([] { return View()->FileListShown(); }));
            const std::vector<SShownRow> rows = View()->FileList().Shown();
            const int count = int(bytes.count('*'));
            QVERIFY(View()->FileList().Count() == count && rows.empty() == (count == 0));
            for (const SShownRow& row : rows) { // the texts as the file has them, no marker
                const QString line = QString::fromUtf8(bytes).split('*').at(row.phrase + 1).trimmed();
                QVERIFY(name == "cyrillic"
                        ? row.answerText == QString::fromUtf8("Молоко")
                        : line == row.questionText + (name == "many" ? "\n" : "") + "=" + row.answerText);
                QVERIFY((name == "arabic" || name == "hebrew") == (row.answer.left() > View()->width() / 2));
                // A screen reader reads the rows shown, not the file's raw text beside them.
                QVERIFY(View()->Reading().text.contains(row.questionText + "\n" + row.answerText));
            }
            QVERIFY(!View()->Reading().text.contains("\n*"));
            SaveShot(g_pMainWnd, "file-list-" + name);
            g_pMainWnd->resize(1100, 800);
            QVERIFY(Painted([] { return View()->FileListShown(); }));
            SaveShot(g_pMainWnd, "file-list-1100-" + name);
            g_pMainWnd->resize(800, 600);
            if (name == "many") { // End, Up, Home and the wheel move it a row at a time
                QScrollBar* bar = View()->verticalScrollBar();
                const int last = bar->maximum();
                for (const auto& [key, top] :
                    {std::pair{Qt::Key_End, last}, {Qt::Key_Up, last - 1}, {Qt::Key_Home, 0}}) {
                    QTest::keyClick(View(), key);
                    const int first = top; // a copy the lambda can take (clang refuses a binding)
                    QVERIFY(Painted([&] {
                        return bar->value() == first &&
                            View()->FileList().Shown().front().phrase == std::max(0, first - 1);
                    }));
                    QVERIFY(key != Qt::Key_End || View()->FileList().Shown().back().phrase == 2999);
                }
                QWheelEvent wheel(QPointF(50, 50), View()->mapToGlobal(QPointF(50, 50)), {}, {0, -120}, Qt::NoButton,
                    {}, Qt::NoScrollPhase, false);
                QApplication::sendEvent(View()->viewport(), &wheel);
                QVERIFY(Painted([] { return View()->FileList().Shown().front().phrase == 2; }));
            }
            QVERIFY(Trigger(res::ID_VIEW_LAYOUT_CLASSIC) && Painted([] { return !View()->FileListShown(); }));
            QVERIFY(ScreenText().rfind(bytes.left(20).toStdString(), 0) == 0);
            QVERIFY(Trigger(res::ID_VIEW_LAYOUT_COMFORTABLE) && Painted([] { return View()->FileListShown(); }));
            if (count == 0 || name == "many")
                continue;
            QVERIFY(Trigger(res::ID_MODE_INWHOLE) && Trigger(res::ID_RUN_FIRSTITERATION) && Shows("---\n"));
            QVERIFY(Painted([] { return !View()->FileListShown(); }));
            for (int language = 0; language < (all == "1" || all == name ? 3 : 0) * 2; ++language)
                TakeShots(folder, name, language / 2, language % 2);
        }
    }

    // A write repaints only the rows it changed: after each key the window shows what a paint
    // of the whole view draws, in both layouts, as an answer is typed, taken back and judged.
    void aWriteRepaintsWhatAWholePaintWouldDraw()
    {
        GuiProgramFolder folder;
        folder.Write("Text/t.mix", "*Thank you=Danke sch\xc3\xb6n\n*Hello=Hallo\n*Water=Wasser\n");
        folder.Start();
        const auto same = [] {
            QWidget* vp = View()->viewport();
            const QPoint at = vp->mapTo(vp->window(), QPoint(0, 0));
            return QTest::qWaitFor(
                [&] {
                    const QImage shown =
                        vp->screen()
                            ->grabWindow(vp->window()->winId(), at.x(), at.y(), vp->width(), vp->height())
                            .toImage();
                    return g_WritingToWindowIsOverEvent->IsSet() &&
                        shown.convertToFormat(QImage::Format_RGB32) ==
                        vp->grab().toImage().convertToFormat(QImage::Format_RGB32);
                },
                3000);
        };
        for (const int layout : {res::ID_VIEW_LAYOUT_CLASSIC, res::ID_VIEW_LAYOUT_COMFORTABLE}) {
            folder.dialogs.openAnswers = {folder.Path("Text/t.mix").toStdString()};
            QVERIFY(Trigger(layout) && Trigger(res::ID_FILE_OPEN) && Trigger(res::ID_MODE_TYPEANSWER) &&
                Trigger(res::ID_RUN_FIRSTITERATION));
            QVERIFY(Shows("---\n") && same());
            for (const char* keys : {"D", "anke", "\b", "x", "\r", "\r", "H"}) {
                for (const char* k = keys; *k; ++k)
                    *k == '\b'       ? QTest::keyClick(View(), Qt::Key_Backspace)
                        : *k == '\r' ? QTest::keyClick(View(), Qt::Key_Return)
                                     : QTest::keyClicks(View(), QString(QChar(*k)));
                QVERIFY2(same(), keys);
            }
            QVERIFY(Trigger(res::ID_FILE_NEW));
        }
    }

    // Type the Answer: the caret follows the typing and Backspace; the verdict's word is in the
    // interface language and the typed characters that differ are drawn on pink. Choose the
    // Answer: a click on an option's row chooses it.
    void theAnswerModesTypeAtTheCaretColourTheDifferenceAndTakeAClick()
    {
        for (int language : {LANGUAGE_ENGLISH, LANGUAGE_GERMAN, LANGUAGE_RUSSIAN}) {
            GuiProgramFolder folder;
            folder.Write("Text/t.mix", "*Thank you=Danke sch\xc3\xb6n\n*Hello=Hallo\n");
            folder.Start();
            g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language);
            g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
            QTRY_COMPARE(g_pILocal->GetLanguage(), language);
            folder.dialogs.openAnswers = {folder.Path("Text/t.mix").toStdString()};
            QVERIFY(Trigger(res::ID_FILE_OPEN) && Trigger(res::ID_MODE_TYPEANSWER) &&
                    Trigger(res::ID_RUN_FIRSTITERATION));
            QVERIFY(Shows("---\n"));
            const QFontMetrics fm(View()->DisplayFont());
            const int line = fm.height() + fm.leading();
            // A UTF-8 screen is shaped in both layouts: the width of a text is that of its run.
            const auto width = [&](const QString& text) { return fm.horizontalAdvance(text); };
            const auto caretAfter = [&](const QString& typed) {
                return Painted([&] { return View()->Caret().topLeft() == QPoint(width(typed), 2 * line); });
            };
            QVERIFY(caretAfter(""));
            QTest::keyClicks(View(), "Danke shcom");
            QVERIFY(caretAfter("Danke shcom"));
            QTest::keyClick(View(), Qt::Key_Backspace);
            QVERIFY(caretAfter("Danke shco"));
            QTest::keyClicks(View(), "n");
            QTest::keyClick(View(), Qt::Key_Return);
            QVERIFY(Shows("Almost: Danke shcon"));
            const QString word = LclText(545, "?");
            QVERIFY(Painted([&] {
                return View()->Caret().isEmpty() &&
                       QString::fromStdU32String(View()->ShownText()).contains(word + ": Danke shcon");
            }));
            const QImage shot = View()->viewport()->grab().toImage();
            const int x = width(word + ": Danke s"), y = 4 * line;
            QCOMPARE(shot.pixelColor(x + 1, y + 1), QColor(255, 215, 215));
            QVERIFY(shot.pixelColor(x - 2, y + 1) != QColor(255, 215, 215)); // "s" is right
            SaveShot(g_pMainWnd, QString("type-answer-%1").arg(language));

            QVERIFY(Trigger(res::ID_FILE_NEW) && Trigger(res::ID_MODE_CHOOSEANSWER) &&
                    Trigger(res::ID_RUN_FIRSTITERATION));
            QVERIFY(Shows("2. "));
            QVERIFY(Painted([] { return View()->OptionRows().size() == 2; }));
            SaveShot(g_pMainWnd, QString("choose-answer-%1").arg(language));
            const int right = ScreenText().find("1. Danke") != std::string::npos ? 1 : 2;
            for (const auto& [row, number] : View()->OptionRows())
                if (number == right)
                    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, row.center());
            QVERIFY(Shows("\n\nRight"));
            QVERIFY(Painted([] { return QString::fromStdU32String(View()->ShownText()).contains(LclText(544, "?")); }));
            SaveShot(g_pMainWnd, QString("choose-answer-right-%1").arg(language));
            QVERIFY(Trigger(res::ID_FILE_NEW));
        }
    }

private:
    // What a learner sees of a file in a language, in light or dark colours: in each layout the
    // file, In Whole revealed, Open Brackets begun, then the summary and the phrase-book chooser.
    static void TakeShots(GuiProgramFolder& folder, const QString& name, int language, bool dark)
    {
        g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language);
        g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
        QTRY_COMPARE(g_pILocal->GetLanguage(), language);
        QPalette palette = QApplication::style()->standardPalette(); // a dark desktop's, or the light one
        if (dark)
            for (const auto& [role, colour] :
                {std::pair{QPalette::Window, QColor(45, 45, 45)}, {QPalette::Base, QColor(30, 30, 30)},
                    {QPalette::WindowText, QColor(230, 230, 230)}, {QPalette::Text, QColor(230, 230, 230)},
                    {QPalette::Button, QColor(55, 55, 55)}, {QPalette::ButtonText, QColor(230, 230, 230)}})
                palette.setColor(role, colour);
        QApplication::setPalette(palette);
        QVERIFY(Trigger(dark ? desk::ID_VIEW_COLOURS_DESKTOP : desk::ID_VIEW_COLOURS_LIGHT));
        folder.Write("Text/Conversational Guide/English_German/01 Food and drink.mix", "*Bread\n=Brot\n");
        for (const int layout : {res::ID_VIEW_LAYOUT_COMFORTABLE, res::ID_VIEW_LAYOUT_CLASSIC}) {
            const QString shot = QString("%1-%2-%3-%4-")
                                     .arg(name)
                                     .arg(language)
                                     .arg(dark ? "dark" : "light")
                                     .arg(layout == res::ID_VIEW_LAYOUT_CLASSIC ? "classic" : "comfortable");
            folder.dialogs.openAnswers = {folder.Path(name + ".mix").toStdString()};
            QVERIFY(Trigger(layout) && Trigger(res::ID_FILE_OPEN) && Painted([] { return !View()->WelcomeShown(); }));
            QTest::qWait(100); // the status bar follows the paint
            SaveShot(g_pMainWnd, shot + "file");
            QVERIFY(Trigger(res::ID_MODE_INWHOLE) && Trigger(res::ID_RUN_FIRSTITERATION) && Shows("---\n"));
            QTest::keyClick(View(), 'n');
            QTest::qWait(100);
            SaveShot(g_pMainWnd, shot + "in-whole");
            QVERIFY(Trigger(res::ID_MODE_OPENBRACKETSWHOLEWORD) && Trigger(res::ID_RUN_FIRSTITERATION) &&
                Shows(name == "cyrillic" ? "" : "<"));
            SaveShot(g_pMainWnd, shot + "open-brackets");
            QTest::keyClick(View(), ' '); // the bracket's word given up: shown
            QTest::qWait(100);
            SaveShot(g_pMainWnd, shot + "open-brackets-given-up");
            QVERIFY(Trigger(res::ID_MODE_INWHOLE) && Trigger(res::ID_RUN_FIRSTITERATION) && Shows("---\n"));
            for (int i = 0; i < 12 && g_pIItrtnSrvc->IsPassRunning(); ++i)
                QTest::keyClick(View(), i ? 'n' : ' '), QTest::qWait(100);
            QVERIFY(Painted([&] { return View()->Summary().title.contains(name); }));
            SaveShot(g_pMainWnd, shot + "summary");
        }
        View()->SetTopicChooser([&](const QString& pair, std::vector<STopicRow> rows) {
            CTopicChooser chooser(pair, rows, View());
            chooser.show();
            SaveShot(&chooser, QString("chooser-%1-%2").arg(language).arg(dark ? "dark" : "light"));
            return std::string();
        });
        QVERIFY(Trigger(res::ID_PHRASEBOOK_FIRST + 1));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
};

int RunPassViewTest(int argc, char** argv)
{
    PassViewTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "PassViewTest.moc"
