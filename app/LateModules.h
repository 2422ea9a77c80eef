#pragma once
// The parts of the window only a menu command needs, kept in modules beside the program and
// loaded at their first use, so that the start neither maps nor relocates their libraries:
// the speech (eSpeak NG, Qt Multimedia), the Progress window's charts (Qt Charts) and printing
// (Qt PrintSupport).

#include <QString>

namespace late {

// The modules' files: lexido-speech.so, lexido-charts.so and lexido-print.so.
constexpr const char* kSpeech = "lexido-speech";
constexpr const char* kCharts = "lexido-charts";
constexpr const char* kPrint = "lexido-print";

// A folder looked in before the program's own and the installed one (the tests' build folder).
void SetModuleDir(const QString& dir);

// The entry point of module name, loaded at the first call and kept loaded; null when the
// module or its entry point is missing, which is logged once with the reason.
void* Entry(const char* name, const char* symbol);

// Why module name could not be used, as the learner is told it; empty when it was not tried
// yet or could be used.
QString Problem(const char* name);

} // namespace late
