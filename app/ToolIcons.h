#pragma once
// The toolbar's pictures, drawn in code, and the program's icon, rendered from its SVG.

#include <QIcon>

// The toolbar's pictures, 16 x 15 pixels, drawn by the program itself at the screen's scale.
QIcon ToolIcon(int commandId);

// The program's own icon (the frame's window class and the About box), from 32 x 32 pixels up.
QIcon AppIcon();
