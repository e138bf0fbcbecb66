#include "cursor_table.h"

#include <QBitmap>
#include <QImage>

namespace tracuu {

CursorTable &CursorTable::global()
{
    static CursorTable table;
    return table;
}

QCursor loadHandPointCursor()
{
    // The picture is black and white on a transparent ground; a monochrome
    // cursor takes the black as its bitmap and everything drawn as its mask.
    const QImage picture =
        QImage(QStringLiteral(":/cursors/handpoint.xpm")).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    QImage bits(picture.size(), QImage::Format_MonoLSB), mask(picture.size(), QImage::Format_MonoLSB);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const bool drawn = qAlpha(p) > 127;
            mask.setPixel(x, y, drawn ? 1 : 0);
            bits.setPixel(x, y, drawn && qGray(p) < 128 ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 10, 5);
}

} // namespace tracuu
