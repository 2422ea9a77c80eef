#pragma once
// The display font between its stored description and Qt: the view paints with the QFont made
// from g_LogFont, the font chooser turns the learner's QFont back into a description.

#include "settings/LsnLogFont.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>

// Negative height is the pixel size (a positive one, the cell height, is taken as the pixel
// size too; 0 keeps Qt's size); weight 0 is normal; italic, underline, strike-out and the face
// name as stored; the pitch and family give the style hint used when the face is missing.
QFont QFontFromLogFont(const LsnLogFont& lf);

// The description of a chosen font with the given character set: height as minus the pixel
// size, weight on the same 100 to 900 scale, the face name cut to 31 characters, and the
// precisions and quality that the platform's chooser gives for outline fonts.
LsnLogFont LogFontFromQFont(const QFont& font, int charSet);

// The screen text's colour (red | green << 8 | blue << 16) and back.
QColor QColorFromFontColour(std::uint32_t colour);
std::uint32_t FontColourFromQColor(const QColor& colour);

// The character set of a writing system of the font dialog; a writing system without its own
// set (Any among them) gives keep.
int CharSetOfWritingSystem(QFontDatabase::WritingSystem ws, int keep);
