#include "settings/CLsnFont.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "platform/PlatCodePage.h"
#include "settings/LsnLogFont.h"

#include <cstring>

LsnLogFont g_LogFont = {};
int g_FontUnset = 1;
std::uint32_t g_FontColour = 0;
IFontChooser* g_pIFontChooser = nullptr;

namespace {
const char* const kSec = "Gnrl";

// The integer fields in their stored order, read and written as 32-bit values; the one-byte
// fields keep their low byte.
struct IntField {
    const char* name;
    bool oneByte;
    void* field;
};

template <class F>
void ForEachIntField(LsnLogFont& lf, F f)
{
    const IntField fields[] = {
        {"lfHeight", false, &lf.lfHeight},       {"lfWidth", false, &lf.lfWidth},
        {"lfEscapement", false, &lf.lfEscapement}, {"lfOrientation", false, &lf.lfOrientation},
        {"lfWeight", false, &lf.lfWeight},       {"lfItalic", true, &lf.lfItalic},
        {"lfUnderline", true, &lf.lfUnderline},  {"lfStrikeOut", true, &lf.lfStrikeOut},
        {"lfCharSet", true, &lf.lfCharSet},      {"lfOutPrecision", true, &lf.lfOutPrecision},
        {"lfClipPrecision", true, &lf.lfClipPrecision}, {"lfQuality", true, &lf.lfQuality},
        {"lfPitchAndFamily", true, &lf.lfPitchAndFamily},
    };
    for (const IntField& fd : fields)
        f(fd);
}
} // namespace

int CharSetCodePage(int charSet)
{
    return charSet == RUSSIAN_CHARSET ? plat::kCpCyrillic : plat::kCpWestern;
}

int DisplayFontCodePage()
{
    return g_FontUnset ? plat::kCpWestern : CharSetCodePage(g_LogFont.lfCharSet);
}

int CLsnFont::Init()
{
    g_FontUnset = 0;
    if (LoadFromOdb() != 0)
        LogFatal("\nCLsnFont::Init(), after LoadFromOdb()");
    return 0;
}

int CLsnFont::LoadFromOdb()
{
    LsnLogFont lf = g_LogFont;
    ForEachIntField(lf, [](const IntField& fd) {
        std::int32_t v = 0;
        if (g_pIDbVars->RdVal(kSec, fd.name, PAR_TYPE_INT, &v) != 0)
            LogFatal("\nCLsnFont::LoadFromOdb(), error reading par [%s]", fd.name);
        if (fd.oneByte)
            *static_cast<std::uint8_t*>(fd.field) = static_cast<std::uint8_t>(v & 0xFF);
        else
            *static_cast<std::int32_t*>(fd.field) = v;
    });
    char face[DB_VALUE_SIZE] = {};
    if (g_pIDbVars->RdVal(kSec, "lfFaceName", PAR_TYPE_STRING_ANY, face) != 0)
        LogFatal("\nCLsnFont::LoadFromOdb(), error reading par [%s]", "lfFaceName");
    // A stored name longer than the field keeps its first 31 characters.
    const std::size_t n = strnlen(face, LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, face, n);
    lf.lfFaceName[n] = 0;
    g_LogFont = lf;
    return 0;
}

int CLsnFont::LoadFromDialog()
{
    // No chooser (no window) is a learner who cancels.
    LsnLogFont chosen = g_LogFont;
    std::uint32_t colour = g_FontColour;
    if (!g_pIFontChooser || !g_pIFontChooser->ChooseFont(chosen, colour))
        return 0;
    g_FontUnset = 0;
    chosen.lfFaceName[LF_FACESIZE - 1] = 0;
    g_LogFont = chosen;
    g_FontColour = colour & 0xFFFFFF;
    if (SaveToOdb() != 0)
        LogFatal("\nCLsnFont::LoadFromDialog(), after SaveToOdb()");
    return 0;
}

int CLsnFont::LoadDefault()
{
    LsnLogFont lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = 400;
    lf.lfCharSet = RUSSIAN_CHARSET;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 18;
    std::strcpy(lf.lfFaceName, "Times New Roman");
    g_LogFont = lf;
    g_FontColour = 0;
    if (SaveToOdb() != 0)
        LogFatal("\nCLsnFont::LoadDefault(), error after SaveToOdb()");
    return 0;
}

int CLsnFont::SaveToOdb()
{
    LsnLogFont lf = g_LogFont;
    ForEachIntField(lf, [](const IntField& fd) {
        std::int32_t v = fd.oneByte ? std::int32_t(*static_cast<std::uint8_t*>(fd.field))
                                    : *static_cast<std::int32_t*>(fd.field);
        if (g_pIDbVars->WrVal(kSec, fd.name, PAR_TYPE_INT, &v) != 0)
            LogFatal("\nCZelPrprtPg_01::OnButton_Font()(), error writting par [%s]", fd.name);
    });
    char face[LF_FACESIZE];
    std::memcpy(face, lf.lfFaceName, LF_FACESIZE);
    face[LF_FACESIZE - 1] = 0;
    if (g_pIDbVars->WrVal(kSec, "lfFaceName", PAR_TYPE_STRING_ANY, face) != 0)
        LogFatal("\nCZelPrprtPg_01::OnButton_Font()(), error writting par [%s]", "lfFaceName");
    return 0;
}
