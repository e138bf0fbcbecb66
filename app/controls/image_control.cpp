#include "image_control.h"

#include <QPainter>

namespace tracuu {

TImage::TImage(QWidget *parent) : TGraphicControl(parent)
{
}

void TImage::loadPicture(QByteArrayView record, const PictureRegistry &registry)
{
    picture_.loadFromRecord(record, registry);
    updateOpaqueness();
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    TGraphic *graphic = picture_.graphic();
    if (!graphic || graphic->isEmpty())
        return;
    QPainter painter(this);
    graphic->draw(painter, QRect(QPoint(0, 0), graphic->size()));
}

void TImage::resizeEvent(QResizeEvent *event)
{
    TGraphicControl::resizeEvent(event);
    updateOpaqueness();
}

void TImage::updateOpaqueness()
{
    const TGraphic *graphic = picture_.graphic();
    const bool opaque =
        graphic && !graphic->transparent() && QRect(QPoint(0, 0), graphic->size()).contains(rect());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

} // namespace tracuu
