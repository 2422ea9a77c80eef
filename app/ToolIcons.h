#pragma once

#include <QIcon>

// The toolbar's pictures, 16 x 15 pixels, drawn by the program itself.
QIcon ToolIcon(int commandId);
