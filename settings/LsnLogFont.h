#pragma once
// The platform's font description, field for field, as the settings store it.

#include <cstdint>

constexpr int LF_FACESIZE = 32;

// Character sets of the font description that the system tells apart. The character set picks
// the single-byte code page in which the bytes of the phrase screen are shown.
constexpr int ANSI_CHARSET = 0;
constexpr int DEFAULT_CHARSET = 1;
constexpr int RUSSIAN_CHARSET = 204;

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
// The colour the screen text is painted in, as red | green << 8 | blue << 16: black at start
// and after the default font, else as chosen in the font chooser. The stored font parameters
// have no colour, so it holds for the run.
extern std::uint32_t g_FontColour;

// The code page of the screen's bytes for a character set: windows-1251 for the Cyrillic set,
// windows-1252 for every other (the system has no third table).
int CharSetCodePage(int charSet);
// The code page of the display font in use: its character set's, windows-1252 while unset.
int DisplayFontCodePage();

// The font chooser as the font needs it: the window shows the real dialog, tests answer.
class IFontChooser {
public:
    virtual ~IFontChooser() = default;
    // On entry chosen holds the font in use and colour its colour; the font is not
    // preselected, but a chooser whose learner names no writing system keeps its character
    // set. True when the learner confirmed a font, which is then in chosen with its colour;
    // false leaves both as they came.
    virtual bool ChooseFont(LsnLogFont& chosen, std::uint32_t& colour) = 0;
};
extern IFontChooser* g_pIFontChooser;
