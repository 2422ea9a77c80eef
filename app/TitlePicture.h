#pragma once
// The title picture, drawn in code.

#include <QPixmap>

// The title picture, 413 x 299 pixels, drawn by the program itself.
QPixmap TitlePicture();
