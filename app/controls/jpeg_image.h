#pragma once

#include "graphic.h"
#include "jpeg_decoder.h"

#include <QByteArray>
#include <QImage>

namespace tracuu {

// A JPEG picture. Loading copies the stream and reads its header only; the
// first draw decodes it once, into the pixel format the screen wants, so
// every later draw is a single copy.
class TJPEGImage : public TGraphic {
public:
    static constexpr const char *className = "TJPEGImage";
    static GraphicClass graphicClass();

    QSize size() const override { return {header_.width, header_.height}; }
    void readData(QByteArrayView data) override;
    void draw(QPainter &painter, const QRect &dest) override;

    const JpegHeader &header() const { return header_; }
    bool isDecoded() const { return decoded_; }
    int decodeCount() const { return decodeCount_; }
    const QImage &image() const { return image_; }

    // Bits per pixel of the screen, measured once at program start; 8 or
    // fewer selects output quantised to 236 colours.
    static void setScreenBitsPerPixel(int bits) { screenBits_ = bits; }
    static int screenBitsPerPixel() { return screenBits_; }

private:
    void decode();

    QByteArray stream_;
    JpegHeader header_;
    QImage image_;
    bool decoded_ = false;
    int decodeCount_ = 0;
    static inline int screenBits_ = 24;
};

} // namespace tracuu
