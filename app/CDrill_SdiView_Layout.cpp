// The view's screen layout: the metrics the screen object measures by, taken on the window
// thread for the worker, the View menu's choice between the Classic and Comfortable layouts and
// the Phrase-book's chooser of topics.
#include "app/CDrill_SdiView.h"

#include "app/DisplayLook.h"

#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatScreenText.h"
#include "settings/LsnLogFont.h"
#include "settings/ScreenSettings.h"

#include <QFontMetrics>
#include <QScrollBar>

#include <cstring>

EScreenLayout CDrill_SdiView::LayoutKind() const
{
    return scrcfg::ReadLayout() == scrcfg::kComfortable ? EScreenLayout::Comfortable : EScreenLayout::Classic;
}

bool CDrill_SdiView::SLayoutKey::operator==(const SLayoutKey& o) const
{
    return fontUnset == o.fontUnset && zoom == o.zoom && layout == o.layout && coding == o.coding && size == o.size &&
        std::memcmp(&logFont, &o.logFont, sizeof logFont) == 0 && base == o.base;
}

CScreenLayout CDrill_SdiView::ScreenLayout() const
{
    const SLayoutKey key{font(), g_LogFont, g_FontUnset, look::ZoomStep(), LayoutKind(),
        g_pOScreen ? g_pOScreen->GetCoding() : plat::TextCoding::SingleByte, viewport()->size()};
    if (!m_KeptLayout || !(m_KeptLayout->key == key)) {
        m_KeptLayout = SKeptLayout{
            key, CScreenLayout(DisplayFont(), key.layout, key.coding == plat::TextCoding::SingleByte, key.size,
                     &m_LayoutCache)};
        ++m_KeptLayouts;
    }
    return m_KeptLayout->layout;
}

void CDrill_SdiView::UpdateMetrics()
{
    const CScreenLayout screen = ScreenLayout();
    if (m_MetricsFrom == m_KeptLayouts)
        return;
    m_MetricsFrom = m_KeptLayouts;
    const SLayoutKey& key = m_KeptLayout->key;
    std::lock_guard<std::mutex> lk(m_MetricsLock);
    m_MetricsTaken = true;
    // A font of its own for the worker: a font shared with the window thread's layout would be
    // resolved by both threads at once.
    m_MetricsQFont = DisplayFont();
    m_MetricsLayout = key.layout;
    m_MetricsCoding = key.coding;
    m_MetricsSize = key.size;
    m_MetricsCodePage = DisplayFontCodePage();
    m_LineHeight = screen.LineHeight();
    const QFontMetrics fm(screen.Font());
    for (int b = 0; b < 256; ++b)
        m_CharWidth[b] = fm.horizontalAdvance(
            QChar(static_cast<char16_t>(plat::ToUnicode(static_cast<unsigned char>(b), m_MetricsCodePage))));
}

bool CDrill_SdiView::MeasureEnd(const char* text, int* x, int* y)
{
    // Asked on the worker thread: laid out from the metrics the window thread took last.
    std::lock_guard<std::mutex> lk(m_MetricsLock);
    const bool singleByte = m_MetricsCoding == plat::TextCoding::SingleByte;
    if (!m_MetricsTaken || (m_MetricsLayout == EScreenLayout::Classic && singleByte))
        return false; // the characters one by one from the corner: the screen object's sum
    const CScreenLayout screen(m_MetricsQFont, m_MetricsLayout, singleByte, m_MetricsSize, &m_LayoutCache);
    const std::string now = ScreenBytes();
    const QPoint end = screen.EndOf(
        plat::ScreenToUnicode(text, static_cast<int>(std::strlen(text)), m_MetricsCodePage, m_MetricsCoding),
        plat::ScreenToUnicode(now.data(), static_cast<int>(now.size()), m_MetricsCodePage, m_MetricsCoding));
    *x = end.x();
    *y = end.y();
    return true;
}

void CDrill_SdiView::OnLayout(EScreenLayout layout)
{
    if (!scrcfg::WriteLayout(layout == EScreenLayout::Comfortable ? scrcfg::kComfortable : scrcfg::kClassic))
        return;
    FileViewFromTop();
    ApplyDisplayFont();
}

void CDrill_SdiView::SetTopicChooser(TopicChooser chooser)
{
    if (!chooser)
        chooser = [this](const QString& pair, std::vector<STopicRow> rows) {
            CTopicChooser dialog(pair, std::move(rows), this);
            return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : std::string();
        };
    m_TopicChooser = std::move(chooser);
}
