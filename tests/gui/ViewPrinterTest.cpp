// Printing of the screen text: the page layout, and the print commands through the view with
// the dialogs answered here (the printer writes a PDF file) or, for the preview, Qt's own.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/CViewPrinter.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "resources/Resources.h"

#include <QDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QtTest>

namespace {
class CScriptPrintDialogs : public IPrintDialogs {
public:
    QString pdf;        // where the print dialog sends the pages; empty: cancelled
    int asked = 0;
    int setups = 0;
    QStringList problems;
    QPageLayout::Orientation printedOrientation = QPageLayout::Portrait;

    bool AskPrint(QPrinter& printer) override
    {
        ++asked;
        printedOrientation = printer.pageLayout().orientation();
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    bool AskSetup(QPrinter& printer) override
    {
        ++setups;
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    }
    void ShowPreview(QPrinter&, const std::function<void(QPrinter*)>&) override {}
    void ShowProblem(const QString& text) override { problems << text; }
};

// A screen full of numbered lines: 9999 characters.
std::string FullScreen()
{
    std::string s;
    for (int i = 0; s.size() < SCREEN_TEXT_SIZE - 1; ++i)
        s += "Line " + std::to_string(i) + " of the screen text, printed on paper.\n";
    s.resize(SCREEN_TEXT_SIZE - 1);
    return s;
}

void ShowOnScreen(const std::string& text)
{
    g_pOScreen->ClrScr();
    g_pOScreen->PutStr(text.c_str());
}

int PdfPages(const QByteArray& pdf)
{
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
                            pdf.count("/Type /Page>"));
}
} // namespace

class ViewPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void theLayoutBreaksLinesAndPagesAndLosesNothing()
    {
        // Three characters to a line, two lines to a page.
        const auto ten = [](char32_t) { return 10.0; };
        int pages = 0;
        const auto placed = LayOutPages(U"abcdefg\r\nh\n\n\n", 35, 25, 10, ten, pages);
        QCOMPARE(pages, 2);
        std::u32string order;
        for (const SPrintedChar& c : placed)
            order += c.ch;
        QVERIFY(order == U"abcdefgh");
        QCOMPARE(placed[2].x, 20.0);
        QCOMPARE(placed[3].x, 0.0);   // "d" continues on the next line
        QCOMPARE(placed[3].y, 10.0);
        QCOMPARE(placed[6].page, 1);  // "g" begins the second page
        QCOMPARE(placed[6].y, 0.0);
        QCOMPARE(placed[7].y, 10.0);  // "h" after the line end; "\r" is nothing
        QCOMPARE(placed[7].x, 0.0);

        QVERIFY(LayOutPages(U"", 35, 25, 10, ten, pages).empty());
        QCOMPARE(pages, 1);
        // A character wider than the page, or a line higher than it, still goes on paper.
        const auto wide = LayOutPages(U"WW", 5, 5, 10, ten, pages);
        QCOMPARE(wide.size(), std::size_t(2));
        QCOMPARE(pages, 2);
    }

    void ctrlPPrintsTheScreenOnAsManyPagesAsItTakes()
    {
        GuiProgramFolder folder;
        folder.Start();
        CDrill_SdiView* view = g_pMainWnd->View();
        CScriptPrintDialogs dialogs;
        view->Printer().SetDialogs(&dialogs);
        ShowOnScreen(FullScreen());

        // Cancelled: nothing printed.
        QVERIFY(Trigger(res::ID_FILE_PRINT));
        QCOMPARE(dialogs.asked, 1);
        dialogs.pdf = folder.Path("screen.pdf");
        QVERIFY(!QFile::exists(dialogs.pdf));

        QVERIFY(Trigger(res::ID_FILE_PRINT));
        const QByteArray pdf = folder.Read("screen.pdf");
        QVERIFY(pdf.startsWith("%PDF"));
        const int full = PdfPages(pdf);
        QVERIFY2(full > 2, qPrintable(QString::number(full)));
        QVERIFY(dialogs.problems.isEmpty());

        // The same on one line only: one page, and the print's size follows the text.
        ShowOnScreen("Bread");
        QVERIFY(Trigger(res::ID_FILE_PRINT));
        const QByteArray one = folder.Read("screen.pdf");
        QCOMPARE(PdfPages(one), 1);
        QVERIFY(one.size() < pdf.size());
        view->Printer().SetDialogs(nullptr);
    }

    void directPrintUsesTheLastChoiceAndSetupKeepsItsChoices()
    {
        GuiProgramFolder folder;
        folder.Start();
        CDrill_SdiView* view = g_pMainWnd->View();
        CScriptPrintDialogs dialogs;
        view->Printer().SetDialogs(&dialogs);
        ShowOnScreen("Water\nMilk\n");
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            view->OnCommand(res::ID_FILE_PRINT_DIRECT);
            QCOMPARE(dialogs.problems.size(), 1); // said, not printed into nowhere
        }
        view->OnCommand(res::ID_FILE_PRINT_SETUP);
        QCOMPARE(dialogs.setups, 1);
        dialogs.pdf = folder.Path("first.pdf");
        QVERIFY(Trigger(res::ID_FILE_PRINT));
        QCOMPARE(dialogs.printedOrientation, QPageLayout::Landscape);
        QVERIFY(QFile::remove(dialogs.pdf));
        // Printing directly asks nothing and goes where the last printing went.
        view->OnCommand(res::ID_FILE_PRINT_DIRECT);
        QCOMPARE(dialogs.asked, 1);
        QVERIFY(folder.Read("first.pdf").startsWith("%PDF"));
        view->Printer().SetDialogs(nullptr);
    }

    void thePreviewShowsThePagesOfTheScreen()
    {
        GuiProgramFolder folder;
        folder.Start();
        CDrill_SdiView* view = g_pMainWnd->View();
        ShowOnScreen(FullScreen());
        // Qt's own preview dialog: its pages are counted, then it is closed.
        int pages = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != "PrintPreview")
                return;
            auto* preview = modal->findChild<QPrintPreviewWidget*>();
            if (!preview || preview->pageCount() == 0)
                return;
            pages = preview->pageCount();
            modal->resize(900, 700);
            SaveShot(modal, "print-preview");
            qobject_cast<QDialog*>(modal)->reject();
        });
        poll.start(20);
        QTimer::singleShot(10000, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        view->OnCommand(res::ID_FILE_PRINT_PREVIEW);
        QVERIFY2(pages > 2, qPrintable(QString::number(pages)));
    }
};

int RunViewPrinterTest(int argc, char** argv)
{
    ViewPrinterTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "ViewPrinterTest.moc"
