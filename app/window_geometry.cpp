#include "window_geometry.h"

#include <algorithm>

namespace tracuu {

ClientFit fitClientToControls(const QList<QRect> &visibleBounds)
{
    if (visibleBounds.isEmpty())
        return {};
    QRect box = visibleBounds.front();
    for (const QRect &r : visibleBounds)
        box = box.united(r);
    return {-box.topLeft(), box.size()};
}

QPoint centredPosition(const QRect &screen, const QSize &outer)
{
    const int left = (screen.width() - outer.width()) / 2;
    const int top = (screen.height() - outer.height()) / 2;
    return {screen.x() + std::max(left, 0), screen.y() + std::max(top, 0)};
}

} // namespace tracuu
