#include "unicode_label.h"

#include <QPainter>

namespace tracuu {

namespace {
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
}

TTntLabel::TTntLabel(QWidget *parent) : TGraphicControl(parent)
{
}

void TTntLabel::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    adjustSize();
    update();
}

void TTntLabel::setLabelFont(const FontDef &font)
{
    fontDef_ = font;
    applyFont(*this, font, QPalette::WindowText);
    adjustSize();
    update();
}

void TTntLabel::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    adjustSize();
}

void TTntLabel::setTransparent(bool transparent)
{
    transparent_ = transparent;
    setAutoFillBackground(!transparent);
    update();
}

QSize TTntLabel::captionSize() const
{
    const QFontMetrics fm(font());
    return fm.boundingRect(QRect(0, 0, 0, 0), textFlags, caption_).size().expandedTo(QSize(0, fm.height()));
}

void TTntLabel::adjustSize()
{
    if (autoSize_)
        resize(captionSize());
}

void TTntLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), textFlags, caption_);
}

} // namespace tracuu
