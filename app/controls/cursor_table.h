#pragma once

#include <QCursor>
#include <QHash>

namespace tracuu {

// Cursors by number. A number never registered gives the arrow.
class CursorTable {
public:
    static CursorTable &global();

    void registerCursor(int number, const QCursor &cursor) { cursors_.insert(number, cursor); }
    QCursor cursor(int number) const { return cursors_.value(number, QCursor(Qt::ArrowCursor)); }

    // The number the web link's pointing hand is registered under.
    static constexpr int handPoint = 99;

private:
    QHash<int, QCursor> cursors_;
};

// The pointing hand from the program's resources: a 32 x 32 monochrome
// cursor with its hot spot at the tip of the index finger, (10, 5).
QCursor loadHandPointCursor();

} // namespace tracuu
