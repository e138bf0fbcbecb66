#pragma once

#include "graphic_control.h"
#include "vcl_types.h"

namespace tracuu {

struct TPen {
    TColor color = TColor::clBlack;
    PenMode mode = PenMode::pmCopy;
    int width = 1;
    PenStyle style = PenStyle::psSolid;
};

struct TBrush {
    TColor color = TColor::clWhite;
    BrushStyle style = BrushStyle::bsSolid;
};

// A shape drawn in its box. With the pen mode pmNot every pixel it covers
// takes the inverse of what was painted beneath; it is filled as one path so
// that each pixel is inverted exactly once, on freshly painted pixels.
class TShape : public TGraphicControl {
public:
    explicit TShape(QWidget *parent);

    void setShape(ShapeType shape);
    void setPen(const TPen &pen);
    void setBrush(const TBrush &brush);
    ShapeType shape() const { return shape_; }
    const TPen &pen() const { return pen_; }
    const TBrush &brush() const { return brush_; }

    // The ellipse's bounding rectangle in the box, before the pen's width is
    // added: inset by half the pen width, sized box - pen + 1, and for a
    // circle the smaller side in both directions, centred.
    static QRect ellipseRect(QSize box, int penWidth, bool circle);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeType shape_ = ShapeType::stRectangle;
    TPen pen_;
    TBrush brush_;
};

} // namespace tracuu
