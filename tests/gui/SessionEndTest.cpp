// The session's end in the middle of a pass, with a dialog open: the dialog is cancelled, the
// pass retired, the services uninstalled once, and the loop ends with code 0.
#include "GuiFixture.h"

#include "app/CMainFrame.h"
#include "app/CSessionEnd.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "resources/Resources.h"
#include "settings/CLsnInst.h"

#include <QDialog>
#include <QtTest>

#include <csignal>

class SessionEndTest : public QObject {
    Q_OBJECT
private slots:
    void aTerminateDuringAPassWithADialogOpenEndsInOrder()
    {
        GuiProgramFolder folder;
        folder.Write("Text/s/one.mix", "*Bread=Brot\n*Water=Wasser\n");
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path("Text/s/one.mix").toStdString());
        QVERIFY(Trigger(res::ID_SLFILE_FIRSTFILEOPEN));
        QVERIFY(Trigger(res::ID_TB_FIRSTITERATION));
        QVERIFY(QTest::qWaitFor([] { return ScreenText().find("Bread\n---") != std::string::npos; }, 5000));
        QVERIFY(g_pIItrtnSrvc->IsPassRunning());

        CSessionEnd sessionEnd;
        QVERIFY(sessionEnd.Active());
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        QDialog dialog(g_pMainWnd);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        // The services stay until the dialog's code has run; then the end follows.
        QCOMPARE(g_DeInstallCount, 0);
        QTRY_COMPARE_WITH_TIMEOUT(folder.quitCode, 0, 3000);
        QCOMPARE(g_DeInstallCount, 1);
        QVERIFY(!g_pIItrtnSrvc->IsPassRunning());
        QVERIFY(folder.Read("Settings/UnSv.cfg").contains("Text/s/one.mix"));
    }
};

int RunSessionEndTest(int argc, char** argv)
{
    SessionEndTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "SessionEndTest.moc"
