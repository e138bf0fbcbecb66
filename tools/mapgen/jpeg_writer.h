#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace mapgen {

// An application segment written right after the start of the image.
struct JpegSegment {
    int marker; // JPEG_APP0 + n
    QByteArray payload;
};

// Baseline sequential JPEG: YCbCr sampled 2x1, 1x1, 1x1, optimised Huffman
// tables, no JFIF or Adobe segment, no restart interval. Throws
// std::runtime_error with the encoder's message on failure.
QByteArray encodeJpeg(const QImage &image, int quality, const QList<JpegSegment> &segments = {});

// The Exif block every picture starts with: orientation 1, 96 dots per inch
// both ways, and the pixel dimensions; with an embedded thumbnail if given.
QByteArray exifSegment(QSize size, const QByteArray &thumbnailJpeg = {});

// Metadata the overview carries besides its Exif block.
QByteArray xmpSegment(const QString &title);
QByteArray photoshopSegment();

} // namespace mapgen
