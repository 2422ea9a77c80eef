// The help window: opened by the Help commands over the pair installed in the program folder,
// its contents and pages, context help, and the pair of the interface language.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CHelpDesk.h"
#include "app/CHelpWnd.h"
#include "app/CMainFrame.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatWindow.h"
#include "resources/Resources.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>
#include <QtTest>

#include <functional>

namespace {

CHelpWnd* HelpWindow()
{
    CHelpDesk* desk = g_pMainWnd ? g_pMainWnd->HelpDesk() : nullptr;
    return desk ? desk->Window() : nullptr;
}

bool SwitchTo(int language)
{
    if (g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language) != 0)
        return false;
    g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
    return QTest::qWaitFor([&] { return g_pILocal && g_pILocal->GetLanguage() == language; }, 3000);
}

int TopLevelEntries(const CHelpDoc& doc)
{
    int n = 0;
    for (const SHelpEntry& e : doc.Contents())
        n += e.level == 1;
    return n;
}

// The first contents title the tree cuts, or an empty string when every one is shown whole.
QString CutTitle(QTreeWidget* tree)
{
    QString cut;
    const int room = tree->viewport()->width();
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
        const int needs = (depth + 1) * tree->indentation() + tree->fontMetrics().horizontalAdvance(item->text(0));
        if (cut.isEmpty() && needs > room)
            cut = item->text(0);
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i), 0);
    return cut;
}

} // namespace

class HelpWndTest : public QObject {
    Q_OBJECT
private slots:
    void helpContentsOpensOnTheFirstPageWithTheWholeContents()
    {
        GuiProgramFolder folder;
        folder.Start();
        QVERIFY(Trigger(res::ID_HELP_FINDER));
        CHelpWnd* help = HelpWindow();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Lexido Help"));
        QCOMPARE(help->CurrentAnchor(), std::string("start"));
        QVERIFY(help->Browser()->toPlainText().startsWith("Getting started"));
        QTreeWidget* tree = help->ContentsTree();
        QCOMPARE(tree->topLevelItemCount(), TopLevelEntries(help->Doc()));
        QCOMPARE(tree->currentItem()->text(0), QString("Getting started"));
        // Modes hold their thirteen pages one level down.
        QTreeWidgetItem* modes = nullptr;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (tree->topLevelItem(i)->text(0) == "Training modes")
                modes = tree->topLevelItem(i);
        QVERIFY(modes);
        QCOMPARE(modes->childCount(), 13);
        help->ShowPage("modes");
        SaveShot(help, "help-english");
        QCOMPARE(CutTitle(tree), QString());

        // An entry of the contents and a link of a page lead to their pages.
        emit tree->itemClicked(modes->child(2), 0);
        QCOMPARE(help->CurrentAnchor(), std::string("mode-timeout-in-whole"));
        emit help->Browser()->anchorClicked(QUrl("#keys"));
        QCOMPARE(help->CurrentAnchor(), std::string("keys"));
        QCOMPARE(tree->currentItem()->text(0), QString("Keys and mouse control"));
        // A link to nothing leaves the page as it is.
        emit help->Browser()->anchorClicked(QUrl("#no-such-page"));
        QCOMPARE(help->CurrentAnchor(), std::string("keys"));
        // Help Contents again goes back to the first page.
        QVERIFY(Trigger(res::ID_HELP_FINDER));
        QCOMPARE(help->CurrentAnchor(), std::string("start"));
    }

    void f1ShowsThePageOfTheCurrentModeAndContextHelpThePageOfACommand()
    {
        GuiProgramFolder folder;
        folder.Start();
        QVERIFY(Trigger(res::ID_MODE_WHICHLETTER));
        QVERIFY(Trigger(res::ID_HELP));
        CHelpWnd* help = HelpWindow();
        QTRY_VERIFY(help && help->isVisible());
        QCOMPARE(help->CurrentAnchor(), std::string("mode-which-letter"));
        help->hide();

        // Shift+F1: context-help mode; a command's what's-this is its prompt and its page.
        QVERIFY(Trigger(res::ID_CONTEXT_HELP));
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
        const QString about = g_pMainWnd->Action(res::ID_MODE_WHICHLETTER)->whatsThis();
        QVERIFY2(about.contains("Go forward by typing the first letter of each word"), qPrintable(about));
        QVERIFY2(about.contains("href=\"help:mode-which-letter\""), qPrintable(about));
        // The toolbar's buttons carry their action's text.
        QVERIFY(g_pMainWnd->Action(res::ID_TB_NEXTFILE)->whatsThis().contains("help:menu-run"));
        // The link, clicked in the popup of a menu, opens the page.
        QMenu* run = g_pMainWnd->menuBar()->actions().at(5)->menu();
        QWhatsThisClickedEvent clicked("help:menu-run");
        QCoreApplication::sendEvent(run, &clicked);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->CurrentAnchor(), std::string("menu-run"));
        // A click on the view in that mode shows the page of the keys.
        QHelpEvent onView(QEvent::WhatsThis, QPoint(10, 10), g_pMainWnd->View()->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(g_pMainWnd->View()->viewport(), &onView);
        QCOMPARE(help->CurrentAnchor(), std::string(CHelpDesk::kViewPage));
    }

    void theHelpWindowFollowsTheInterfaceLanguage()
    {
        GuiProgramFolder folder;
        folder.Start();
        QVERIFY(Trigger(res::ID_HELP_FINDER));
        CHelpWnd* help = HelpWindow();
        QTRY_VERIFY(help && help->isVisible());
        help->ShowPage("mode-which-letter");

        QVERIFY(SwitchTo(LANGUAGE_RUSSIAN));
        // The Russian pair, the same page still shown.
        QCOMPARE(help->windowTitle(), QString::fromUtf8(folder.Read("Lexido.cnt")).section('\n', 1, 1).mid(7).trimmed());
        QCOMPARE(help->CurrentAnchor(), std::string("mode-which-letter"));
        QVERIFY2(help->Browser()->toPlainText().startsWith(QString::fromUtf8("Какая буква")),
                 qPrintable(help->Browser()->toPlainText().left(40)));
        QCOMPARE(help->ContentsTree()->topLevelItem(0)->text(0), QString::fromUtf8("Начало работы"));
        QVERIFY(g_pMainWnd->Action(res::ID_MODE_INWHOLE)->whatsThis().contains(QString::fromUtf8("Целыми фразами")));
        help->ShowPage("modes");
        SaveShot(help, "help-russian");
        QCOMPARE(CutTitle(help->ContentsTree()), QString());

        // German reads the English pair.
        QVERIFY(SwitchTo(LANGUAGE_GERMAN));
        QCOMPARE(help->windowTitle(), QString("Lexido Help"));
        QCOMPARE(help->CurrentAnchor(), std::string("modes"));
    }

    void aPairThatCannotBeReadIsShownAsAPageSayingWhy()
    {
        QTemporaryDir dir;
        CHelpWnd help;
        QCOMPARE(help.Load(dir.path().toStdString()), 1);
        QVERIFY(help.Browser()->toPlainText().contains("Lexido.hlp:0: cannot be read"));
        QCOMPARE(help.ContentsTree()->topLevelItemCount(), 0);
        QFile hlp(dir.path() + "/Lexido.hlp"), cnt(dir.path() + "/Lexido.cnt");
        QVERIFY(hlp.open(QIODevice::WriteOnly) && cnt.open(QIODevice::WriteOnly));
        hlp.write("LEXIDO-HELP 1\n@page one One\n<p>First</p>\n@page two Two\n<p>Second</p>\n");
        cnt.write("LEXIDO-CONTENTS 1\n:title T\n1 one One\n2 two Two\n");
        hlp.close();
        cnt.close();
        QCOMPARE(help.Load(dir.path().toStdString()), 0);
        QCOMPARE(help.ContentsTree()->topLevelItem(0)->childCount(), 1);
        QVERIFY(help.ShowPage("two"));
        QVERIFY(!help.ShowPage("three"));
        QCOMPARE(help.CurrentAnchor(), std::string("two"));
        // Read again without the page shown: the first page.
        QVERIFY(cnt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cnt.write("LEXIDO-CONTENTS 1\n:title T\n1 one One\n");
        cnt.close();
        QVERIFY(hlp.open(QIODevice::WriteOnly | QIODevice::Truncate));
        hlp.write("LEXIDO-HELP 1\n@page one One\n<p>First</p>\n");
        hlp.close();
        QCOMPARE(help.Load(dir.path().toStdString()), 0);
        QCOMPARE(help.CurrentAnchor(), std::string("one"));
    }
};

int RunHelpWndTest(int argc, char** argv)
{
    HelpWndTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "HelpWndTest.moc"
