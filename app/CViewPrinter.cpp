#include "app/CViewPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

std::vector<SPrintedChar> LayOutPages(const std::u32string& text, double width, double height, double lineHeight,
                                      const std::function<double(char32_t)>& advance, int& pages)
{
    std::vector<SPrintedChar> out;
    out.reserve(text.size());
    pages = 1;
    int page = 0;
    double x = 0, y = 0;
    for (char32_t c : text) {
        if (c == U'\n') {
            x = 0;
            y += lineHeight;
            continue;
        }
        if (c == U'\r')
            continue;
        const double w = advance(c);
        if (x > 0 && x + w > width) {
            x = 0;
            y += lineHeight;
        }
        // A page begins only for a character that needs it: trailing line ends add none.
        if (y > 0 && y + lineHeight > height) {
            ++page;
            y = 0;
        }
        out.push_back({page, x, y, c});
        x += w;
    }
    pages = page + 1;
    return out;
}

CViewPrinter::CViewPrinter(SPrintHost host)
    : m_Host(std::move(host)), m_Dialogs(m_Host.view, [texts = m_Host.texts] { return texts(EPrintText::Title); }),
      m_pDialogs(&m_Dialogs)
{
}

CViewPrinter::~CViewPrinter() = default;

QPrinter& CViewPrinter::Printer()
{
    // Made at the first printing command: finding the printers can take a moment.
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

int CViewPrinter::PrintText(QPagedPaintDevice& device, const std::u32string& text, const QFont& screenFont, int screenDpi)
{
    // The display font's size is in screen pixels; on paper it keeps its size in points.
    QFont font(screenFont);
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / (screenDpi > 0 ? screenDpi : 96));
    font = QFont(font, &device);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF fm(font, &device);
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    int pages = 0;
    const std::vector<SPrintedChar> placed = LayOutPages(
        text, area.width(), area.height(), fm.height() + fm.leading(),
        [&fm](char32_t c) { return fm.horizontalAdvance(QString::fromUcs4(&c, 1)); }, pages);
    int page = 0;
    for (const SPrintedChar& pc : placed) {
        for (; page < pc.page; ++page)
            device.newPage();
        painter.drawText(QPointF(pc.x, pc.y + fm.ascent()), QString::fromUcs4(&pc.ch, 1));
    }
    painter.end();
    return pages;
}

int CViewPrinter::ScreenDpi() const
{
    return m_Host.view ? m_Host.view->logicalDpiY() : 96;
}

bool CViewPrinter::PrintNow(QPrinter& printer)
{
    if (PrintText(printer, m_Host.text(), m_Host.font(), ScreenDpi()) > 0)
        return true;
    m_pDialogs->ShowProblem(m_Host.texts(EPrintText::CannotPrint));
    return false;
}

void CViewPrinter::Print()
{
    QPrinter& printer = Printer();
    if (m_pDialogs->AskPrint(printer))
        PrintNow(printer);
}

void CViewPrinter::PrintDirect()
{
    QPrinter& printer = Printer();
    // Without any printer nothing would come out: say so instead of printing into the void.
    if (printer.outputFileName().isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        m_pDialogs->ShowProblem(m_Host.texts(EPrintText::NoPrinter));
        return;
    }
    PrintNow(printer);
}

void CViewPrinter::Preview()
{
    const std::u32string text = m_Host.text();
    const QFont font = m_Host.font();
    const int dpi = ScreenDpi();
    m_pDialogs->ShowPreview(Printer(), [&](QPrinter* p) {
        if (p)
            PrintText(*p, text, font, dpi);
    });
}

void CViewPrinter::PrintSetup()
{
    m_pDialogs->AskSetup(Printer());
}
