#pragma once
// What the trainer's commands do, for every front-end: the window's view and the terminal call
// these, so the preparation of the file and the iteration state and the retirement of the
// running pass exist once. Each returns 0 on success; the front-end writes its own log line and
// ends the program where a nonzero result is fatal for it.

class IFileView;

namespace drill {

// Mode numbers as the settings hold them ("ViewMode"/"Mode"): 9 selects the Add Brackets menu;
// 10 is the Add Brackets pass with a time-out, never a setting; 11 and 12 answer each phrase
// by typing it and by choosing it among others.
constexpr int kModeAddBrackets = 9;
constexpr int kModeCount = 10;
constexpr int kModeTypeAnswer = 11;
constexpr int kModeChooseAnswer = 12;

// The Mode menu: writes "Mode"; the two Open Brackets modes with an interpretation also turn
// the direction to "2-nd --> 1-st", since their brackets are in the second text. turned, when
// given, tells whether the direction was changed, which the front-ends say.
int SelectMode(int mode, bool* turned = nullptr);
int SelectDirection(int direction);
// Switches the keyboard manager (2 keyboard, 3 mouse control) and stores "Gnrl"/"KBoard";
// the result is that of the write.
int SelectKbrdType(int type);

int GetMode();
int GetDirection();

// Run commands. Each retires the running pass before it touches the file or iteration state;
// 1 when the pass's thread could not start (logged; the front-end tells the learner).
int RunFirstIteration();
// The pass starts from the status the retired one ended with: nothing starts when that pass
// marked nothing and so ended the iterations.
int RunNextIteration();
int RunNextFile();      // nothing when there is no next file
int RunPreviousFile();  // nothing when there is no previous file
int RunAddBrackets(int type); // 1 word by word, 2 time out
// Review Due: the phrases of the current direction due today or earlier, across all files and
// the most overdue first, written to kReviewFileName in the program folder, which is opened as
// the current file (shown in view, as Open shows it) and run at a first iteration in the
// current mode. Not a failure: kNothingDue when nothing is due or no memory is kept (nothing
// changes then), which the front-ends say.
constexpr const char* kReviewFileName = "Review.mix";
constexpr int kNothingDue = 2;
int RunReviewDue(IFileView* view);
// Escape to the running pass (in mouse control it wakes the pass with the last mouse key).
int CancelIteration();

// Open and the Phrase-book menu retire the running pass first, as the Run commands do: its
// results count for the file it ran over, and the file opened next starts at a first iteration.
// The result is that of the file utilities.
int OpenFile(IFileView* view);
// The file at path, as if the Open dialog had chosen it (File > Import opens what it made).
int OpenPath(IFileView* view, const char* path);
// The Phrase-book menu (ids 32818 to 32829): the Open dialog on the first topic of the pair's
// folder. Both directions of a pair share one folder; null for another id.
const char* PhraseBookFolder(int id);
constexpr const char* kPhraseBookFirstTopic = "01 Food and drink.mix";
int OpenPhraseBook(IFileView* view, int id);
// The index-th file of the recent list (0 the newest), as Open would open it; nothing happens
// when the list holds no such entry. Each open command puts the opened file first in the list.
int OpenRecentFile(IFileView* view, int index);

// The update rules of the Run and Add Brackets commands.
bool CanRunFirstIteration();
bool CanRunNextIteration();
bool CanRunNextFile();
bool CanRunPreviousFile();
bool CanRunAddBrackets();
// The memory is kept (the database is open); what is due is told by RunReviewDue.
bool CanRunReviewDue();

} // namespace drill
