#include "app/CHeadBand.h"
#include "app/CMainFrame.h"
#include "app/CQtWindowLink.h"
#include "base/Globals.h"
#include "resources/Resources.h"
#include "tests/ScopedGlobal.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

#include <thread>

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void showsTitledWindow()
    {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.windowTitle(), QString("Lexido"));
        const QString shots = qEnvironmentVariable("LEXIDO_SCREENSHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            QVERIFY(frame.grab().save(shots + "/main-window.png"));
            // The Phrase-book menu open over the window.
            QMenu* book = frame.menuBar()->actions().at(7)->menu();
            book->popup(frame.mapToGlobal(QPoint(300, 30)));
            QVERIFY(QTest::qWaitForWindowExposed(book));
            QVERIFY(book->grab().save(shots + "/menu-phrase-book.png"));
            book->close();
        }
    }

    void everyCommandOfTheResourceHasItsActionAndPrompt()
    {
        CMainFrame frame;
        QCOMPARE(frame.menuBar()->actions().size(), 9);
        QAction* open = frame.findChild<QAction*>(QString::number(res::ID_SLFILE_FIRSTFILEOPEN));
        QVERIFY(open);
        QCOMPARE(open->text(), QString("&Open...\tCtrl+O"));
        QCOMPARE(open->statusTip(), QString("Open a phrase file to work with"));
        QAction* cancel = frame.Action(res::ID_FILE_NEW);
        QVERIFY(cancel);
        QCOMPARE(cancel->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(cancel->statusTip(), QString("Cancel current iteration"));
        QCOMPARE(cancel->toolTip(), QString("Cancel"));
        QCOMPARE(frame.Action(res::ID_FILE_OPEN)->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(frame.Action(res::ID_CONTEXT_HELP)->shortcut(), QKeySequence("Shift+F1"));
        QCOMPARE(frame.Action(res::ID_TB_NEXTITERATION)->toolTip(), QString("Next Iteration"));
        QCOMPARE(frame.Action(res::ID_DIRECTION_2ND1ST)->statusTip(), QString("Translate phrases from the 2nd language into the 1st"));
        for (int id = res::ID_PHRASEBOOK_FIRST; id <= res::ID_PHRASEBOOK_LAST; ++id)
            QVERIFY2(frame.Action(id), qPrintable(QString::number(id)));
        auto* tools = frame.findChild<QToolBar*>("ToolBar");
        QVERIFY(tools);
        QCOMPARE(tools->actions().size(), 15);
        // The commands of the toolbar that have a key of their own as well.
        const std::pair<int, const char*> keyed[] = {{res::ID_SPEAK, "F4"}, {res::ID_RUN_REVIEWDUE, "Ctrl+R"}};
        for (const auto& [id, key] : keyed) {
            QCOMPARE(frame.Action(id)->shortcut(), QKeySequence(key));
            QVERIFY(tools->actions().contains(frame.Action(id)));
            QCOMPARE(frame.Action(id)->objectName(), QString::number(id));
        }
        QCOMPARE(frame.Action(res::ID_RUN_REVIEWDUE)->toolTip(), QString("Review Due"));
    }

    void titleWindowShowsThePictureAndTellsTheViewWhenItCloses()
    {
        struct Recorder : plat::IWindow {
            QList<int> posted;
            void PostMsg(int m) override { posted << m; }
            void Invalidate() override {}
        } view;
        ScopedGlobal toView(g_hWndView, &view);
        CHeadBandMaker maker;
        auto* band = static_cast<CHeadBand*>(maker.MakeHeadBand());
        QPointer<CHeadBand> alive(band);
        QVERIFY(QTest::qWaitForWindowExposed(band));
        QCOMPARE(band->size(), QSize(413 + 14, 299 + 20));
        const QString shots = qEnvironmentVariable("LEXIDO_SCREENSHOTS");
        if (!shots.isEmpty())
            QVERIFY(band->grab().save(shots + "/title.png"));
        std::thread timer([band] { band->PostClose(); });
        timer.join();
        QTRY_VERIFY(alive.isNull()); // closed and deleted on the GUI thread
        QCOMPARE(view.posted, QList<int>{WM_INSTALL_ALL});
    }

    void postedMessagesArriveOnTheViewsThreadWithTheirNumbers()
    {
        struct Receiver : QWidget {
            QList<int> types;
            bool event(QEvent* e) override
            {
                if (e->type() >= QEvent::User)
                    types << e->type() - QEvent::User;
                return QWidget::event(e);
            }
        } view;
        CQtWindowLink link(&view);
        std::thread worker([&] { link.PostMsg(WM_DEINSTALL_ALL); });
        worker.join();
        link.PostMsg(WM_INSTALL_ALL);
        QTRY_COMPARE(view.types, (QList<int>{1031, 1030}));
    }
};

int RunMainFrameTest(int argc, char** argv)
{
    MainFrameTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "MainFrameTest.moc"
