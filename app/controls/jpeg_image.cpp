#include "jpeg_image.h"

#include "errors.h"

#include <QtEndian>

namespace tracuu {

GraphicClass TJPEGImage::graphicClass()
{
    return {QString::fromLatin1(className),
            {QStringLiteral("jpeg"), QStringLiteral("jpg")},
            QStringLiteral("JPEG Image File"),
            [] { return std::make_unique<TJPEGImage>(); }};
}

void TJPEGImage::readData(QByteArrayView data)
{
    if (data.size() < 4)
        throw PictureRecordError("JPEG picture record ends before its stream length");
    const quint32 length = qFromLittleEndian<quint32>(data.data());
    if (length > quint64(data.size() - 4))
        throw PictureRecordError("JPEG stream length " + std::to_string(length) + " runs past the record's " +
                                 std::to_string(data.size() - 4) + " bytes");
    stream_ = data.sliced(4, qsizetype(length)).toByteArray();
    header_ = readJpegHeader(stream_);
}

void TJPEGImage::decode()
{
    // Marked first: a stream the decoder rejects is not decoded again, and
    // later draws show the part that was decoded.
    decoded_ = true;
    ++decodeCount_;
    const QImage::Format format = screenBits_ <= 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32;
    image_ = QImage(size(), format);
    if (format == QImage::Format_Indexed8)
        image_.setColorCount(236);
    image_.fill(0);
    decodeJpeg(stream_, image_);
    if (screenBits_ > 8 && screenBits_ <= 16)
        image_.convertTo(QImage::Format_RGB16);
}

void TJPEGImage::draw(QPainter &painter, const QRect &dest)
{
    if (!decoded_)
        decode();
    painter.drawImage(dest.topLeft(), image_);
}

} // namespace tracuu
