#pragma once
// The status bar's pane of the running pass: where it is and its marks while it runs, what it
// came to once it is over, and the keys of its mode for the bar's message area.

#include <QLabel>

class CPassPane : public QLabel {
public:
    explicit CPassPane(QWidget* parent);
    // Reads the pass's record and takes its text; true when the keys of the mode changed. Cheap
    // when nothing changed: it runs at every paint of the view. The frame shows or hides it.
    bool Refresh();
    // The keys of the running mode, with what the pass tells beside them; empty between passes.
    const QString& Legend() const { return m_Legend; }

private:
    QString m_Legend;
};
