#pragma once
// The screen settings ("Screen" section): the layout the window draws the screen text in,
// 0 Classic (from the top left corner) or 1 Comfortable (margins, a larger font, a rule).

namespace scrcfg {

constexpr const char* kSection = "Screen";
constexpr int kClassic = 0;
constexpr int kComfortable = 1;
// The section as shipped: a new program folder starts in the Comfortable layout.
constexpr const char* kShipped = "sn = Screen\n\npt_i Layout sv = 1";
// The section an older program folder is given at start-up: the layout it always had.
constexpr const char* kAdded = "sn = Screen\n\npt_i Layout sv = 0";

// Whether the settings hold the section (an older read-only program folder may lack it).
bool HasSection();
// The layout; Classic when the section or the value is missing or unknown.
int ReadLayout();
// Writes the layout into the settings and saves the section (atomically); false when the
// section is missing or could not be written.
bool WriteLayout(int layout);

} // namespace scrcfg
