#include "graphic_control.h"

namespace tracuu {

TGraphicControl::TGraphicControl(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TGraphicControl::setLeft(int left)
{
    if (left != x())
        move(left, y());
}

void TGraphicControl::setTop(int top)
{
    if (top != y())
        move(x(), top);
}

void TGraphicControl::setShown(bool shown)
{
    if (shown != !isHidden())
        setVisible(shown);
}

} // namespace tracuu
