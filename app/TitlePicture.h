#pragma once

#include <QPixmap>

// The title picture, 413 x 299 pixels, drawn by the program itself.
QPixmap TitlePicture();
