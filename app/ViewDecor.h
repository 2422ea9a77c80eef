#pragma once
// What the view draws beside the screen text, never into it: the welcome page of the empty
// screen, the badge of a marked phrase and the caret where the learner types.

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

// The welcome page: lines[0] the title, then the steps, the last line the heading of the
// recent files, which follow numbered from 1. Between the title and the steps what is due
// today: due[0] its headline, then the lines below it (none drawn when due is empty). The
// rectangles of the recent files' rows, in the painter's coordinates.
std::vector<QRect> DrawWelcomePage(
    QPainter& p, const QStringList& lines, const QStringList& due, const QStringList& recent, int width);
// The badge at the top right of the view (width wide); its rectangle.
QRect DrawMarkBadge(QPainter& p, const QString& text, int width);
// The caret at the top of a line of this height; its rectangle.
QRect DrawCaret(QPainter& p, QPoint at, int lineHeight);
