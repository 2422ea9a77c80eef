#pragma once
// The memory settings ("Memory" section): the desired retention in percent, which sets the due
// days of the phrases; read at start-up by the memory keeper, written by the sheet.

namespace memcfg {

constexpr const char* kSection = "Memory";
// The section's text as shipped, which an older program folder is given at start-up.
constexpr const char* kShipped = "sn = Memory\n\npt_i Retention sv = 90";

// Whether the settings hold the section (an older read-only program folder may lack it).
bool HasSection();
// The desired retention in percent, within keeper::kRetentionLow to kRetentionHigh; the
// default when the section or the value is missing or out of bounds.
int ReadRetention();
// Writes it (clamped to the bounds) into the settings in memory and to the keeper; false when
// the section is missing.
bool WriteRetention(int percent);
// Writes the section to its file (atomically); false on failure.
bool Save();

} // namespace memcfg
