#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tracuu {

// The fit of a window whose client size follows its visible controls: the
// smallest rectangle holding their bounds; `shift` is how far every visible
// control must move so that rectangle starts at the client origin.
struct ClientFit {
    QPoint shift;
    QSize client;
};
ClientFit fitClientToControls(const QList<QRect> &visibleBounds);

// Where a window of outer size `outer` is placed to be centred on `screen`:
// halves truncated toward zero, a negative result becoming 0.
QPoint centredPosition(const QRect &screen, const QSize &outer);

} // namespace tracuu
