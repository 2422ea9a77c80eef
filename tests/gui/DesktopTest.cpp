// The window on a desktop: what assistive technology reads of it, View > Colours and the zoom
// kept in their settings, File > Open Recent, and a file handed over by a second start.
#include "GuiFixture.h"

#include "app/CDrill_SdiApp.h"
#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/DesktopMenus.h"
#include "app/FileHandOver.h"
#include "app/ToolIcons.h"
#include "app/ToolPictures.h"

#include <QAccessible>
#include <QMenu>
#include <QToolBar>
#include <QtTest>

#include <sys/stat.h>
#include <thread>

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowIsReadAndShownAsChosen()
    {
        GuiProgramFolder folder;
        folder.Write("one.mix", "*Good morning\n=Guten Morgen\n");
        CDrill_SdiView* view = folder.Start().MainFrame()->View();
        CMainFrame* frame = folder.App()->MainFrame();
        // The window's icon is the SVG's picture at each size: its blue ground in the lower left.
        for (const int size : {32, 64})
            QCOMPARE(frame->windowIcon().pixmap(size, size).toImage().pixelColor(size / 10, size * 85 / 100), QColor(0x2d, 0x5f, 0x8b));
        auto* tools = frame->findChild<QToolBar*>("ToolBar");
        for (QAction* a : tools->actions())
            QVERIFY2(a->isSeparator() || !tools->widgetForAction(a)->accessibleName().isEmpty(),
                qPrintable(a->objectName()));
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(view);
        QVERIFY(read && read->textInterface());
        QCOMPARE(read->role(), QAccessible::Document);
        QTRY_VERIFY(read->textInterface()->text(0, -1).startsWith("Welcome to Lexido"));
        QVERIFY(Trigger(desk::ID_VIEW_COLOURS_DARK));
        SaveShot(frame, QString("desktop-welcome-dark-x%1").arg(frame->devicePixelRatio()));
        // A file given by the desktop is read as the painter shows it.
        view->OpenFromDesktop(folder.Path("one.mix").toStdString());
        const std::u32string shown = view->ShownText();
        QVERIFY(read->textInterface()->text(0, -1).contains("Good morning"));
        QCOMPARE(read->textInterface()->text(0, -1), QString::fromUcs4(shown.data(), qsizetype(shown.size())));
        // The colours and the zoom, each kept in the settings.
        const int size = view->DisplayFont().pixelSize();
        const struct {
            int command;
            bool darkPaper;
            int zoom;
            const char* kept;
        } steps[] = {{desk::ID_VIEW_COLOURS_DARK, true, 0, "Colours sv = 2"},
            {desk::ID_VIEW_ZOOM_IN, true, 1, "Zoom sv = 1"}, {desk::ID_VIEW_COLOURS_LIGHT, false, 1, "Colours sv = 1"},
            {desk::ID_VIEW_ZOOM_OUT, false, 0, "Zoom sv = 0"}, {desk::ID_VIEW_ZOOM_OUT, false, -1, "Zoom sv = -1"},
            {desk::ID_VIEW_ZOOM_RESET, false, 0, "Zoom sv = 0"}};
        for (const auto& s : steps) {
            QVERIFY(Trigger(s.command));
            const QImage shot = view->viewport()->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() - 5, shot.height() - 5).lightness() < 128, s.darkPaper);
            QCOMPARE(view->DisplayFont().pixelSize() > size, s.zoom > 0);
            QCOMPARE(view->DisplayFont().pixelSize() < size, s.zoom < 0);
            QVERIFY2(folder.Read("Settings/Display.cfg").contains(s.kept), s.kept);
            if (s.command == desk::ID_VIEW_COLOURS_DARK)
                SaveShot(frame, QString("desktop-dark-x%1").arg(frame->devicePixelRatio()));
        }
        SaveShot(frame, QString("desktop-light-x%1").arg(frame->devicePixelRatio()));
        // File > Open Recent lists the file opened.
        auto* recent = frame->findChild<QMenu*>("RecentMenu");
        QVERIFY(recent);
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY(recent->actions().front()->text().contains("one.mix"));
        folder.Stop();
    }

    // The tool bar's pictures read from the build's rendering are the drawing code's, each in
    // its place of the row, at both scales rendered; other scales are drawn.
    void theRenderedToolPicturesAreTheDrawnOnes()
    {
        for (const int scale : {1, 2, 3})
            for (const int id : ToolPictureIds()) {
                const QSize at = kToolPictureSize * scale;
                const QImage shown = ToolIcon(id).pixmap(at).toImage().convertToFormat(QImage::Format_ARGB32);
                QCOMPARE(shown, DrawToolPicture(id, at).convertToFormat(QImage::Format_ARGB32));
            }
    }

    void aSecondStartHandsItsFileToTheFirst()
    {
        const QString path = QDir::temp().filePath("lexido-handover-test.socket");
        QStringList received;
        handover::CServer server(path, [&](const QString& file) { received << file; });
        QVERIFY(server.Listening());
        struct stat made {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &made) == 0 && (made.st_mode & 0777) == 0600);
        bool handed = false, refused = true;
        std::thread second([&] {
            handed = handover::HandTo(path, "/home/a b/Ферма.mix");
            refused = handover::HandTo(path + ".none", "/x.mix");
        });
        QTRY_COMPARE(received, QStringList{"/home/a b/Ферма.mix"});
        second.join();
        QVERIFY(handed);
        QVERIFY(!refused);
    }
};

int RunDesktopTest(int argc, char** argv)
{
    DesktopTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "DesktopTest.moc"
