#pragma once
// The phrase view as assistive technology reads it: a read-only document whose text is the
// screen text as painted (or the welcome page, or the summary of the pass just over), walked
// by character, word and line, with the caret where the learner types, and the events that
// make a screen reader say each change.

#include <QString>

class QWidget;

namespace a11y {

// What the view shows, as read aloud: the text and the caret's offset in it (-1: none).
struct SReading {
    QString text;
    int caret = -1;
};

// Makes Qt build the view's interface from the view's reader. Once per process.
void InstallViewFactory();

// Called by the view after each paint while assistive technology listens: announces a changed
// text and a moved caret. Holds what it announced last.
class CViewAnnouncer {
public:
    void Follow(QWidget* view, const SReading& now);

private:
    SReading m_Last;
    bool m_Told = false;
};

} // namespace a11y
