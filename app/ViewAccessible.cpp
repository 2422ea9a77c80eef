#include "app/ViewAccessible.h"

#include "app/CDrill_SdiView.h"
#include "app/WindowTexts.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QFontMetrics>

#include <optional>

namespace a11y {

namespace {

class CViewInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CViewInterface(CDrill_SdiView* view) : QAccessibleWidget(view, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return LclText(590, "Phrases");
        case QAccessible::Description: return LclText(591, "The phrase area: the question, the answer and your typing");
        case QAccessible::Value: return Read().text;
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.focusable = true;
        return s;
    }

    // The text interface: no selection, the caret where the pass types.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return Read().caret; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Read().text.mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Read().text.size()); }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return QString();
    }

    // Where a character stands: on the pass's screen where the painter put it (a magnifier
    // follows the caret there); on the other pages, line by line from the top left corner in
    // the display font, each character by its own width.
    QRect characterRect(int offset) const override
    {
        const QWidget* port = View()->viewport();
        if (const std::optional<QRect> painted = View()->ReadingCharRect(offset))
            return QRect(port->mapToGlobal(painted->topLeft()), painted->size());
        const QString text = Read().text;
        if (offset < 0 || offset >= text.size())
            return QRect();
        const QFontMetrics fm(View()->DisplayFont());
        const int line = fm.height() + fm.leading();
        int x = 0, y = 0;
        for (int i = 0; i < offset; ++i) {
            if (text[i] == '\n') {
                x = 0;
                y += line;
            } else if (text[i] != '\r') {
                x += fm.horizontalAdvance(text[i]);
            }
        }
        const QRect local(x, y, std::max(1, fm.horizontalAdvance(text[offset])), line);
        return QRect(port->mapToGlobal(local.topLeft()), local.size());
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint at = View()->viewport()->mapFromGlobal(point);
        if (const std::optional<int> painted = View()->ReadingOffsetAt(at))
            return *painted;
        const QString text = Read().text;
        const QFontMetrics fm(View()->DisplayFont());
        const int line = fm.height() + fm.leading();
        int x = 0, y = 0;
        for (int i = 0; i < text.size(); ++i) {
            const int w = text[i] == '\n' || text[i] == '\r' ? 0 : fm.horizontalAdvance(text[i]);
            if (at.y() >= y && at.y() < y + line && at.x() >= x && at.x() < x + std::max(w, 1))
                return i;
            if (text[i] == '\n') {
                x = 0;
                y += line;
            } else {
                x += w;
            }
        }
        return -1;
    }

private:
    CDrill_SdiView* View() const { return static_cast<CDrill_SdiView*>(widget()); }
    SReading Read() const { return View()->Reading(); }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("CDrill_SdiView") && object && object->isWidgetType())
        return new CViewInterface(static_cast<CDrill_SdiView*>(object));
    return nullptr;
}

} // namespace

void InstallViewFactory()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(MakeInterface);
    installed = true;
}

void CViewAnnouncer::Follow(QWidget* view, const SReading& now)
{
    if (!m_Told || now.text != m_Last.text) {
        QAccessibleTextUpdateEvent changed(view, 0, m_Last.text, now.text);
        QAccessible::updateAccessibility(&changed);
        // A reader that follows the focus reads the value; the name and the value both changed.
        QAccessibleValueChangeEvent value(view, now.text);
        QAccessible::updateAccessibility(&value);
    }
    if (now.caret >= 0 && (!m_Told || now.caret != m_Last.caret)) {
        QAccessibleTextCursorEvent moved(view, now.caret);
        QAccessible::updateAccessibility(&moved);
    }
    m_Last = now;
    m_Told = true;
}

} // namespace a11y
