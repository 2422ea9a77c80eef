#pragma once
// The window's display settings ("Display" section): the colours of the phrase area (those of
// the desktop, light or dark) and the zoom of the display font in steps; read and written by
// the window, kept across starts.

namespace dispcfg {

constexpr const char* kSection = "Display";
// The section's text as shipped, which an older program folder is given at start-up.
constexpr const char* kShipped = "sn = Display\n\npt_i Colours sv = 0\npt_i Zoom sv = 0";

// The colours: 0 the desktop's, 1 light, 2 dark.
enum EColours : int { kFollowDesktop = 0, kLight = 1, kDark = 2 };
// The zoom steps the font may take either way from the chosen size.
constexpr int kZoomLimit = 8;

bool HasSection();
// The stored colours and zoom step; the default (the desktop's, no zoom) when the section or the
// value is missing or out of bounds.
int ReadColours();
int ReadZoom();
// Writes the value (refused out of bounds) and saves the section atomically; false when the
// section is missing or the value was refused.
bool WriteColours(int colours);
bool WriteZoom(int step);

} // namespace dispcfg
