#pragma once
// The toolbar's pictures and the program's icon, drawn in code.

#include <QIcon>

// The toolbar's pictures, 16 x 15 pixels, drawn by the program itself at each screen scale.
QIcon ToolIcon(int commandId);

// The program's own icon (the frame's window class and the About box), 32 x 32 pixels.
QIcon AppIcon();
