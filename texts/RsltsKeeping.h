#pragma once
// Results never saved, before the results folder is emptied: the learner's setting, the
// question, and the copies kept in Kept/<date-time>/ of the program folder when the program
// ends without waiting for an answer.

#include <string>

class IFileDialogs;
class IFileView;

namespace rslts {

// "KeepRslts"/"WhenDropped": what happens to results never saved.
constexpr const char* kSection = "KeepRslts";
constexpr int kAsk = 0;            // the learner is asked
constexpr int kSaveIntoFolder = 1; // saved without a question into "KeepRslts"/"Folder"
constexpr int kNeverAsk = 2;       // they go, as results always did

// The setting; kAsk when it cannot be read.
int WhenDropped();
// Whether the settings hold the section (an older program folder that could not be given it
// has none).
bool HasSection();

// "KeepRslts"/"Folder": the folder results are saved into, chosen once on the settings' General
// page or when they are always saved there; empty when none was chosen.
std::string ResultsFolder();
// Writes it into the settings (saved with them at the end); false when it cannot be stored.
bool WriteResultsFolder(const std::string& folder);

// The folder Save Results As proposes: the results folder of the settings, else the learner's
// documents folder, else his home; never one of the program's shipped texts (Text/), where the
// saved results would stand among the phrase-book's topics. Empty when none exists.
std::string ProposedFolder(IFileDialogs& dialogs);

// Before a command empties the results folder: true when it may go on (nothing unsaved, saved
// or discarded), false when the learner cancelled. A cancelled or failed save asks again.
bool MayDrop(IFileView* view);

// Copies every file of the results folder under its own name into root/<date-time>/ (root is
// made when missing); the folder written, or empty when nothing could be written (logged).
std::string CopyInto(const std::string& root);

// The end that never waits: unsaved results are copied to Kept/<date-time>/ of the program
// folder, and the next start is told where. The folder, or empty when nothing was kept.
std::string KeepUnsaved();

// At start: the folder of the results kept at the last end, once; empty when there is none.
std::string TakeKeptNotice();

} // namespace rslts
