#pragma once
// The platform's font description, field for field, as the settings store it.

#include <cstdint>

constexpr int LF_FACESIZE = 32;

struct LsnLogFont {
    std::int32_t lfHeight;
    std::int32_t lfWidth;
    std::int32_t lfEscapement;
    std::int32_t lfOrientation;
    std::int32_t lfWeight;
    std::uint8_t lfItalic;
    std::uint8_t lfUnderline;
    std::uint8_t lfStrikeOut;
    std::uint8_t lfCharSet;
    std::uint8_t lfOutPrecision;
    std::uint8_t lfClipPrecision;
    std::uint8_t lfQuality;
    std::uint8_t lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};

// The process-wide display font; all zeros until first loaded.
extern LsnLogFont g_LogFont;
// 1 until the font was loaded at start-up or chosen; the view paints in its default font then.
extern int g_FontUnset;

// The font chooser as the font needs it: the window shows the real dialog, tests answer.
class IFontChooser {
public:
    virtual ~IFontChooser() = default;
    // True when the learner confirmed a font, which is then in chosen.
    virtual bool ChooseFont(LsnLogFont& chosen) = 0;
};
extern IFontChooser* g_pIFontChooser;
