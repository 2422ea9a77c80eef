#pragma once
// Measuring drawn text through the screen object.

// Where text ends when drawn from (0, 0) in the phrase screen's font, in pixels: the width of
// its last line and the height of the lines before it. Asks the screen object; without one
// (no window yet) both are 0.
int MeasureScreenText(const char* text, int* x, int* y);
