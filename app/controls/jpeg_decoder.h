#pragma once

#include <QByteArrayView>
#include <QImage>

namespace tracuu {

struct JpegHeader {
    int width = 0;
    int height = 0;
    bool grayscale = false;
    bool multipleScans = false;
};

// Reads only the stream's header. Throws JpegError.
JpegHeader readJpegHeader(QByteArrayView stream);

// Decodes the whole stream at full size with the floating-point inverse DCT
// and smoothed chroma upsampling into `target`, which must already have the
// header's size: Format_RGB32 for colour output, Format_Indexed8 for output
// quantised to 236 colours (two passes, Floyd-Steinberg dithering). Throws
// JpegError, leaving what was decoded so far in `target`.
void decodeJpeg(QByteArrayView stream, QImage &target);

} // namespace tracuu
