#include "settings/sheet/LogFontQt.h"

#include "platform/PlatCodePage.h"
#include "qttext/CodePageText.h"

#include <QFontInfo>

#include <algorithm>
#include <cstring>

namespace {
// Pitch (low bits) and family (high nibble) of the description.
constexpr int FIXED_PITCH = 1;
constexpr int VARIABLE_PITCH = 2;
constexpr int FF_ROMAN = 0x10;
constexpr int FF_SWISS = 0x20;
constexpr int FF_MODERN = 0x30;
constexpr int FF_SCRIPT = 0x40;
constexpr int FF_DECORATIVE = 0x50;
// What the platform's chooser reports for an outline font.
constexpr int OUT_STROKE_PRECIS = 3;
constexpr int CLIP_STROKE_PRECIS = 2;
constexpr int DRAFT_QUALITY = 1;

QFont::StyleHint HintOfFamily(int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN: return QFont::Serif;
    case FF_SWISS: return QFont::SansSerif;
    case FF_MODERN: return QFont::Monospace;
    case FF_SCRIPT: return QFont::Cursive;
    case FF_DECORATIVE: return QFont::Fantasy;
    default: return (pitchAndFamily & 3) == FIXED_PITCH ? QFont::Monospace : QFont::AnyStyle;
    }
}

int FamilyOfHint(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif: return FF_ROMAN;
    case QFont::SansSerif: return FF_SWISS;
    case QFont::Monospace:
    case QFont::TypeWriter: return FF_MODERN;
    case QFont::Cursive: return FF_SCRIPT;
    case QFont::Fantasy:
    case QFont::Decorative: return FF_DECORATIVE;
    default: return 0;
    }
}
} // namespace

QFont QFontFromLogFont(const LsnLogFont& lf)
{
    char face[LF_FACESIZE];
    std::memcpy(face, lf.lfFaceName, LF_FACESIZE);
    face[LF_FACESIZE - 1] = 0;
    QFont f(FromCodePage(face, plat::kCpWestern));
    f.setStyleHint(HintOfFamily(lf.lfPitchAndFamily));
    if (lf.lfHeight != 0)
        f.setPixelSize(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight);
    const int weight = lf.lfWeight == 0 ? 400 : std::clamp(int(lf.lfWeight), 1, 1000);
    f.setWeight(QFont::Weight(weight));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    return f;
}

LsnLogFont LogFontFromQFont(const QFont& font, int charSet)
{
    LsnLogFont lf = {};
    const QFontInfo info(font);
    lf.lfHeight = -std::max(1, font.pixelSize() > 0 ? font.pixelSize() : info.pixelSize());
    lf.lfWeight = std::clamp(int(font.weight()), 1, 1000);
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.lfCharSet = static_cast<std::uint8_t>(charSet);
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    const bool fixed = info.fixedPitch();
    lf.lfPitchAndFamily = static_cast<std::uint8_t>((fixed ? FIXED_PITCH : VARIABLE_PITCH) |
                                                    FamilyOfHint(fixed ? QFont::Monospace : font.styleHint()));
    const QByteArray face = ToCodePage(font.family(), plat::kCpWestern).left(LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, face.constData(), static_cast<std::size_t>(face.size()));
    return lf;
}

QColor QColorFromFontColour(std::uint32_t colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

std::uint32_t FontColourFromQColor(const QColor& colour)
{
    return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8 | std::uint32_t(colour.blue()) << 16;
}

int CharSetOfWritingSystem(QFontDatabase::WritingSystem ws, int keep)
{
    switch (ws) {
    case QFontDatabase::Latin: return ANSI_CHARSET;
    case QFontDatabase::Cyrillic: return RUSSIAN_CHARSET;
    case QFontDatabase::Greek: return 161;
    case QFontDatabase::Vietnamese: return 163;
    case QFontDatabase::Hebrew: return 177;
    case QFontDatabase::Arabic: return 178;
    case QFontDatabase::Thai: return 222;
    case QFontDatabase::Japanese: return 128;
    case QFontDatabase::Korean: return 129;
    case QFontDatabase::SimplifiedChinese: return 134;
    case QFontDatabase::TraditionalChinese: return 136;
    default: return keep;
    }
}
