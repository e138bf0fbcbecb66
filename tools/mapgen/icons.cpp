#include "icons.h"

#include <QPainterPath>

namespace mapgen {

namespace {

void shadow(QPainter &p, QPointF c, double rx, double ry)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 22, 14, 90));
    p.drawEllipse(c, rx, ry);
}

// A roof with upturned eaves between x0 and x1, ridge at yTop, eaves at yEave.
QPainterPath roof(double x0, double x1, double yTop, double yEave)
{
    const double mid = (x0 + x1) / 2, w = x1 - x0;
    QPainterPath path;
    path.moveTo(x0 - 1.5, yEave - 2.2);
    path.quadTo(x0 + w * 0.18, yEave + 0.6, mid - w * 0.22, yTop);
    path.lineTo(mid + w * 0.22, yTop);
    path.quadTo(x1 - w * 0.18, yEave + 0.6, x1 + 1.5, yEave - 2.2);
    path.quadTo(mid, yEave + 2.0, x0 - 1.5, yEave - 2.2);
    path.closeSubpath();
    return path;
}

} // namespace

void drawPavilion(QPainter &p, QPointF c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double x = c.x(), y = c.y();
    shadow(p, {x + 1.5, y + 6.5}, 10, 3.2);
    // Stone platform.
    p.setPen(QPen(QColor(60, 48, 36), 0.8));
    p.setBrush(QColor(196, 186, 164));
    p.drawRect(QRectF(x - 8, y + 3.5, 16, 3.2));
    // Pillars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 26, 20));
    p.drawRect(QRectF(x - 6.5, y - 3.5, 2, 7.2));
    p.drawRect(QRectF(x + 4.5, y - 3.5, 2, 7.2));
    // The door: a solid block so the point's own pixel is unmistakable.
    p.setBrush(QColor::fromRgb(pavilionDoorColour));
    p.drawRect(QRectF(x - 2.5, y - 2.5, 5, 6));
    // Roof of green glazed tiles with a golden ridge.
    p.setPen(QPen(QColor(24, 40, 34), 0.9));
    p.setBrush(QColor(46, 102, 86));
    p.drawPath(roof(x - 9, x + 9, y - 10, y - 3));
    p.setPen(QPen(QColor(226, 186, 84), 1.2));
    p.drawLine(QPointF(x - 3, y - 9.6), QPointF(x + 3, y - 9.6));
    p.restore();
}

void drawWalledTown(QPainter &p, QPointF c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double x = c.x(), y = c.y();
    shadow(p, {x + 2, y + 10}, 16, 4);
    const QColor stone(206, 194, 168), dark(58, 46, 34);
    // Walls with crenellations along the top.
    p.setPen(QPen(dark, 1.0));
    p.setBrush(stone);
    p.drawRect(QRectF(x - 13, y - 4, 26, 14));
    for (int i = 0; i < 7; ++i)
        p.drawRect(QRectF(x - 13 + i * 4, y - 6.5, 2.4, 2.6));
    // Corner towers.
    p.setBrush(stone.darker(112));
    p.drawRect(QRectF(x - 15, y - 7, 5, 17));
    p.drawRect(QRectF(x + 10, y - 7, 5, 17));
    // Gate tower with a tiled roof.
    p.setBrush(QColor(150, 40, 30));
    p.drawRect(QRectF(x - 5, y - 6, 10, 7));
    p.setBrush(QColor(52, 62, 78));
    p.drawPath(roof(x - 7, x + 7, y - 14, y - 6));
    // Gateway.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 28, 20));
    QPainterPath arch;
    arch.moveTo(x - 3, y + 10);
    arch.lineTo(x - 3, y + 4);
    arch.quadTo(x, y + 1, x + 3, y + 4);
    arch.lineTo(x + 3, y + 10);
    arch.closeSubpath();
    p.drawPath(arch);
    p.restore();
}

void drawHouses(QPainter &p, QPointF c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    shadow(p, {c.x() + 2, c.y() + 8}, 14, 3.5);
    const QPointF offsets[] = {{-7, -2}, {6, -4}, {0, 4}};
    for (const QPointF &o : offsets) {
        const double x = c.x() + o.x(), y = c.y() + o.y();
        p.setPen(QPen(QColor(58, 44, 32), 0.9));
        p.setBrush(QColor(222, 206, 172));
        p.drawRect(QRectF(x - 5, y - 1, 10, 6));
        p.setBrush(QColor(112, 82, 56));
        p.drawPath(roof(x - 6, x + 6, y - 6, y - 0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 50, 34));
        p.drawRect(QRectF(x - 1.2, y + 1.5, 2.4, 3.5));
    }
    p.restore();
}

void drawGate(QPainter &p, QPointF c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double x = c.x(), y = c.y();
    shadow(p, {x + 1.5, y + 8.5}, 11, 3);
    const QColor pillar(34, 44, 86), tiles(38, 70, 140), gold(230, 190, 90);
    p.setPen(Qt::NoPen);
    p.setBrush(pillar);
    p.drawRect(QRectF(x - 8, y - 5, 2.6, 14));
    p.drawRect(QRectF(x + 5.4, y - 5, 2.6, 14));
    p.setBrush(gold);
    p.drawRect(QRectF(x - 7, y - 3, 14, 2.2)); // lintel
    p.setPen(QPen(QColor(20, 24, 44), 0.8));
    p.setBrush(tiles);
    p.drawPath(roof(x - 10, x + 10, y - 11, y - 4));
    p.drawPath(roof(x - 5, x + 5, y - 14, y - 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 140, 120));
    p.drawRect(QRectF(x - 9.5, y + 8, 5, 2));
    p.drawRect(QRectF(x + 4.5, y + 8, 5, 2));
    p.restore();
}

void drawRing(QPainter &p, QPointF c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 250, 236), 4.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 4.2, 4.2);
    p.setPen(QPen(QColor(30, 20, 14), 2.0));
    p.drawEllipse(c, 4.2, 4.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 30, 24));
    p.drawEllipse(c, 1.6, 1.6);
    p.restore();
}

} // namespace mapgen
