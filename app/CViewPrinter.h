#pragma once
// Printing of the view: the screen text as the view shows it, in the display font, one
// character at a time, on as many pages as it takes. Lines longer than the page continue on
// the next line instead of being cut off, so a printout never loses text. In the print module.

#include "app/CPrintDialogs.h"
#include "app/PrintKit.h"

#include <QFont>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Where each character of a text lands on the pages.
struct SPrintedChar {
    int page;
    double x, y; // top left of the character's cell
    char32_t ch;
};

// The layout: "\n" begins a line, "\r" is nothing, a character that would pass the width
// begins a line of its own; a line that would pass the height begins a page. Every other
// character is placed. pages is at least 1.
std::vector<SPrintedChar> LayOutPages(const std::u32string& text, double width, double height, double lineHeight,
                                      const std::function<double(char32_t)>& advance, int& pages);

class CViewPrinter : public IViewPrinter {
public:
    explicit CViewPrinter(SPrintHost host);
    ~CViewPrinter() override;

    void SetDialogs(IPrintDialogs* dialogs) override { m_pDialogs = dialogs ? dialogs : &m_Dialogs; }
    // The printer the commands share: what the set-up or the print dialog chose stays.
    QPrinter& Printer();

    void Print() override;
    void PrintDirect() override;
    void Preview() override;
    void PrintSetup() override;

    // Draws text on device's pages in the screen font (pixel sizes taken at screenDpi); the
    // number of pages, or 0 when the device could not be printed on.
    static int PrintText(QPagedPaintDevice& device, const std::u32string& text, const QFont& screenFont, int screenDpi);

private:
    bool PrintNow(QPrinter& printer);
    // The view's resolution, at which the display font's pixel size is meant.
    int ScreenDpi() const;

    SPrintHost m_Host;
    std::unique_ptr<QPrinter> m_pPrinter;
    CPrintDialogs m_Dialogs;
    IPrintDialogs* m_pDialogs;
};
