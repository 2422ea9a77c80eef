#pragma once
// Read-only folders as a learner meets them. Root writes past permissions, so a test process
// that wants them to bind gives up the capabilities that allow it first (in a child: it cannot
// get them back).

#include <string>

// Drops the file-permission overrides from this process; with acrossExec also from what a
// program it executes would get. Then proves that dir cannot be written into: false when it
// still can (the test should be skipped).
bool GiveUpPermissionOverride(const std::string& dir, bool acrossExec = false);

// Every folder and file below dir (and dir itself) made read-only, or writable for its owner
// again; keep (a name relative to dir, with what is below it) stays as it is.
void SetTreeReadOnly(const std::string& dir, bool readOnly, const std::string& keep = std::string());
