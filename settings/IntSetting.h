#pragma once
// An integer entry of a settings section that later Lexidos added (an older program folder may
// lack the section): read within its bounds, written and saved. The one way the Display, Screen
// and Memory sections are read and written.

namespace intcfg {

// Whether the settings hold the section's entry name.
bool Has(const char* section, const char* name);
// The stored value; fallback when the settings, the entry or a value within low..high is missing.
int Read(const char* section, const char* name, int low, int high, int fallback);
// Writes the value into the settings in memory; false when it lies outside low..high or the
// entry is missing.
bool Write(const char* section, const char* name, int value, int low, int high);
// Write, then the section saved to its file (atomically); false when either failed.
bool WriteAndSave(const char* section, const char* name, int value, int low, int high);

} // namespace intcfg
