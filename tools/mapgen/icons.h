#pragma once

#include <QPainter>
#include <QRectF>

namespace mapgen {

// Map symbols. Each is drawn centred on its point; the boxes tell the label
// placement what to keep clear.

// A small pavilion: curved roof, two pillars and a red door whose middle is
// exactly the place's point, so the marker disc surrounds it.
void drawPavilion(QPainter &p, QPointF c);
inline QRectF pavilionBox(QPointF c)
{
    return {c.x() - 10, c.y() - 10, 20, 18};
}

void drawWalledTown(QPainter &p, QPointF c);
inline QRectF walledTownBox(QPointF c)
{
    return {c.x() - 15, c.y() - 14, 30, 26};
}

void drawHouses(QPainter &p, QPointF c);
inline QRectF housesBox(QPointF c)
{
    return {c.x() - 14, c.y() - 11, 28, 21};
}

// The gate of a sect's seat.
void drawGate(QPainter &p, QPointF c);
inline QRectF gateBox(QPointF c)
{
    return {c.x() - 11, c.y() - 11, 22, 21};
}

// A town on the overview: a small ring.
void drawRing(QPainter &p, QPointF c);
inline QRectF ringBox(QPointF c)
{
    return {c.x() - 6, c.y() - 6, 12, 12};
}

// The colour at the middle of a pavilion's door.
inline constexpr QRgb pavilionDoorColour = 0xffc8281e;

} // namespace mapgen
