#include "shape.h"

#include <QPainter>
#include <QPainterPath>

namespace tracuu {

TShape::TShape(QWidget *parent) : TGraphicControl(parent)
{
}

void TShape::setShape(ShapeType shape)
{
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void TShape::setPen(const TPen &pen)
{
    pen_ = pen;
    update();
}

void TShape::setBrush(const TBrush &brush)
{
    brush_ = brush;
    update();
}

QRect TShape::ellipseRect(QSize box, int penWidth, bool circle)
{
    const int inset = penWidth / 2;
    int w = box.width() - penWidth + 1, h = box.height() - penWidth + 1;
    int x = inset, y = inset;
    if (circle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    return {x, y, w, h};
}

void TShape::paintEvent(QPaintEvent *)
{
    const bool hasPen = pen_.style != PenStyle::psClear && pen_.width > 0;
    const bool hasBrush = brush_.style != BrushStyle::bsClear;
    if (!hasPen && !hasBrush)
        return;
    const QRect r = ellipseRect(size(), pen_.width, shape_ == ShapeType::stCircle);
    // The pen is centred on the edge: its outer half widens the shape by
    // width / 2 on every side. Filling the outer outline once covers the
    // outline and the inside together.
    const double grow = hasPen ? pen_.width / 2.0 : 0.0;
    const QRectF outer = QRectF(r).adjusted(-grow, -grow, grow, grow);
    QPainterPath path;
    if (shape_ == ShapeType::stRectangle)
        path.addRect(outer);
    else
        path.addEllipse(outer);
    if (!hasBrush && hasPen) {
        QPainterPath inner;
        const QRectF in = QRectF(r).adjusted(grow, grow, -grow, -grow);
        shape_ == ShapeType::stRectangle ? inner.addRect(in) : inner.addEllipse(in);
        path = path.subtracted(inner);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(rect());
    if (pen_.mode == PenMode::pmNot)
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillPath(path,
                     hasBrush ? resolveColor(brush_.color, palette()) : resolveColor(pen_.color, palette()));
}

} // namespace tracuu
