#include "app/CMainFrame.h"
#include "app/CQtWindowLink.h"

#include <QApplication>
#include <QDir>
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
        }
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

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
