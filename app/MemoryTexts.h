#pragma once
// What the window says of the memory across days: the welcome page's lines on what is due
// today, and the notices of the memory the learner is told once.

#include "engine/MemoryKeeper.h"

#include <QString>
#include <QStringList>

// The due block of the welcome page: the headline ("12 phrases due today"), the files with the
// most due (at most mostFiles, then "and 2 more files") and the key that reviews them; only
// "Nothing is due today." when nothing is.
QStringList WelcomeDueLines(const keeper::SDueToday& due, int mostFiles = 3);

// A notice of the memory worded in the interface language, with its path or reason.
QString MemoryNoticeText(const keeper::SNotice& notice);
