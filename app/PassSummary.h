#pragma once
// The end of a pass as the view shows it, beside the screen text: the file and the pass, how
// many phrases were shown and marked, what comes next with its key, what the memory holds due
// today, and the phrases marked in the pass (question and answer), a list the view scrolls.

#include <QString>
#include <QStringList>

struct SPassProgress;
class QPainter;

struct SPassSummary {
    QString title;      // the pass over the file, finished or stopped
    QString counts;     // shown and marked
    QStringList next;   // what comes next, each with its key
    QString heading;    // over the marked phrases, or that none was marked
    QStringList marked; // "question  —  answer"
    // What Enter does here: a command id, 0 none.
    int enterCommand = 0;
};

// Gathers the summary of the pass that ended: its results file's phrases, the Run commands it
// may go on with, the memory's due count in direction.
SPassSummary MakePassSummary(const SPassProgress& p, int direction);
// Draws it from the top, left and right margins apart, in the painter's font and ink (the title
// larger); the height it took.
int DrawPassSummary(QPainter& p, const SPassSummary& s, int left, int top, int width);
