// The view on a desktop: what a screen reader reads of it, the display's colours and zoom, and
// the files the desktop hands it.
#include "app/CDrill_SdiView.h"

#include "app/CMainFrame.h"
#include "base/Log.h"
#include "engine/CPassProgress.h"
#include "engine/DrillCommands.h"
#include "locale/PassTexts.h"
#include "qttext/CodePageText.h"

#include <QAccessible>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

a11y::SReading CDrill_SdiView::Reading() const
{
    a11y::SReading r;
    if (m_FileListShown) { // the list a file just opened shows, not the raw text beside it
        r.text = m_FileList.Reading();
        return r;
    }
    int caret = -1;
    const std::u32string shown = ShownText(&caret);
    // The welcome page stands on the empty screen only.
    if (m_WelcomeShown && shown.empty()) {
        r.text = m_WelcomeText.join('\n');
        return r;
    }
    r.text = QString::fromUcs4(shown.data(), static_cast<qsizetype>(shown.size()));
    const SPassProgress progress = PassProgress().Get();
    if (progress.running) {
        r.caret = m_TypingCaret >= 0 ? m_TypingCaret : caret;
        if (progress.shownMarked)
            r.text += "\n" + FromCodePage(PassMarkText().c_str(), InterfaceCodePage());
    } else if (m_pFrame && !m_pFrame->PassText().isEmpty()) {
        // The summary of the pass just over, which the status bar shows.
        r.text += (r.text.isEmpty() ? "" : "\n\n") + m_pFrame->PassText();
    }
    return r;
}

namespace {

// The UTF-16 units of a character: what a reader's offsets count.
int Units(char32_t c)
{
    return QChar::requiresSurrogates(c) ? 2 : 1;
}

// The index in text of the character at a UTF-16 offset (npos when none begins there).
std::size_t CharAtUtf16(const std::u32string& text, int offset)
{
    int units = 0;
    std::size_t i = 0;
    for (; i < text.size() && units < offset; ++i)
        units += Units(text[i]);
    return units == offset && i < text.size() ? i : std::u32string::npos;
}

// The places of the characters of one row of the shown text, where the painter's layout puts
// them: each from where the text before it ends to where the text through it ends (in a
// right-to-left line the second lies left of the first), over the height of its line. A line
// end is a place of no width.
class CRowPlaces {
public:
    CRowPlaces(const CScreenLayout& layout, const std::u32string& shown, std::size_t from)
        : m_Shown(shown), m_From(from), m_Xs(layout.RowPlaces(shown, from)), m_Height(layout.LineHeight()),
          m_Top(layout.Origin().y() +
                static_cast<int>(std::count(shown.begin(), shown.begin() + static_cast<long>(from), U'\n')) *
                    layout.LineHeight())
    {
    }
    // Character i of the shown text, one of the row's.
    QRect Of(std::size_t i) const
    {
        const std::size_t k = i - m_From;
        const int before = m_Xs[k];
        const int after = m_Shown[i] == U'\n' || m_Shown[i] == U'\r' ? before : m_Xs[k + 1];
        return QRect(std::min(before, after), m_Top, std::max(1, std::abs(after - before)), m_Height);
    }

private:
    const std::u32string& m_Shown;
    std::size_t m_From;
    std::vector<int> m_Xs;
    int m_Height, m_Top;
};

// Where the row holding character i begins.
std::size_t RowStart(const std::u32string& text, std::size_t i)
{
    const std::size_t nl = i == 0 ? std::u32string::npos : text.rfind(U'\n', i - 1);
    return nl == std::u32string::npos ? 0 : nl + 1;
}

} // namespace

bool CDrill_SdiView::ShowsPassScreen() const
{
    return !m_FileListShown && !m_WelcomeShown && !SummaryDue();
}

int CDrill_SdiView::PassShift() const
{
    return m_PassScroll ? verticalScrollBar()->value() : 0;
}

std::optional<QRect> CDrill_SdiView::ReadingCharRect(int offset) const
{
    if (!ShowsPassScreen())
        return std::nullopt;
    const std::u32string shown = ShownText();
    const std::size_t i = CharAtUtf16(shown, offset);
    if (i == std::u32string::npos)
        return std::nullopt;
    return CRowPlaces(ScreenLayout(), shown, RowStart(shown, i)).Of(i).translated(0, -PassShift());
}

std::optional<int> CDrill_SdiView::ReadingOffsetAt(QPoint at) const
{
    if (!ShowsPassScreen())
        return std::nullopt;
    const std::u32string shown = ShownText();
    const CScreenLayout layout = ScreenLayout();
    const int y = at.y() + PassShift() - layout.Origin().y();
    if (y < 0)
        return -1;
    // The row's characters, each tried where the painter put it.
    std::size_t from = 0;
    for (int row = y / layout.LineHeight(); row > 0 && from <= shown.size(); --row)
        from = std::min(shown.find(U'\n', from), shown.size()) + 1;
    int units = 0;
    for (std::size_t i = 0; i < from && i < shown.size(); ++i)
        units += Units(shown[i]);
    if (from >= shown.size())
        return -1;
    const CRowPlaces row(layout, shown, from);
    for (std::size_t i = from; i < shown.size() && shown[i] != U'\n'; ++i) {
        const QRect place = row.Of(i);
        if (at.x() >= place.left() && at.x() <= place.right())
            return units;
        units += Units(shown[i]);
    }
    return -1;
}

void CDrill_SdiView::FollowReading()
{
    // Nothing is read, copied or compared while no assistive technology listens.
    if (QAccessible::isActive() && isVisible())
        m_Announcer.Follow(this, Reading());
}

void CDrill_SdiView::DisplayChanged()
{
    ApplyDisplayFont();
}

void CDrill_SdiView::OpenFromDesktop(const std::string& path)
{
    if (!Installed() || !isVisible()) {
        m_DesktopFile = path; // opened when the title picture has closed
        return;
    }
    SetViewHandle();
    if (drill::OpenPath(this, path.c_str()) != 0)
        LogFatal("\nCDrill_SdiView::OpenFromDesktop(), error after g_pIUtltsFile->OpenPath()");
    UpdateCommandUI();
    setFocus();
}
