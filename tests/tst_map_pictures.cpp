// Checks the committed map pictures: how they are encoded, their metadata,
// and that every place's pavilion sits where the marker disc will be drawn.
#include "jpeg_markers.h"
#include "map_painter.h"
#include "map_specs.h"

#include "locator/catalogue.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <libexif/exif-data.h>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

using locator::MapView;

Q_DECLARE_METATYPE(locator::MapView)

namespace {

QByteArray readPicture(MapView view)
{
    QFile f(QStringLiteral(TRACUU_MAPS_DIR "/%1.jpg").arg(QLatin1String(locator::mapViewName(view).data())));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

struct DecodeError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void decodeErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<DecodeError *>(cinfo->err)->jump, 1);
}

// Decodes with libjpeg into an RGB image; a null image on error.
bool decodeInto(const QByteArray &jpeg, QImage *image)
{
    jpeg_decompress_struct cinfo;
    DecodeError err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = decodeErrorExit;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(jpeg.constData()), jpeg.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

QImage decode(const QByteArray &jpeg)
{
    QImage image(mapgen::pictureWidth, mapgen::pictureHeight, QImage::Format_RGB888);
    return decodeInto(jpeg, &image) ? image : QImage();
}

bool isDoorRed(QRgb c)
{
    return qRed(c) >= 160 && qGreen(c) <= 80 && qBlue(c) <= 80;
}

unsigned exifNumber(ExifData *ed, ExifIfd ifd, ExifTag tag)
{
    ExifEntry *e = exif_content_get_entry(ed->ifd[ifd], tag);
    if (!e)
        return 0;
    const ExifByteOrder order = exif_data_get_byte_order(ed);
    return e->format == EXIF_FORMAT_LONG ? exif_get_long(e->data, order) : exif_get_short(e->data, order);
}

QPair<unsigned, unsigned> exifRational(ExifData *ed, ExifIfd ifd, ExifTag tag)
{
    ExifEntry *e = exif_content_get_entry(ed->ifd[ifd], tag);
    if (!e)
        return {0, 0};
    const ExifRational r = exif_get_rational(e->data, exif_data_get_byte_order(ed));
    return {r.numerator, r.denominator};
}

} // namespace

class TestMapPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void streamLayout_data();
    void streamLayout();
    void exifBlock_data();
    void exifBlock();
    void tablesAcrossPictures();
    void pavilionsAtMarkerCentres();
    void placeLabels_data();
    void placeLabels();

private:
    QByteArray jpeg_[6];
    QImage decoded_[6];
};

void TestMapPictures::initTestCase()
{
    for (MapView v : locator::allMapViews) {
        jpeg_[locator::mapViewSlot(v)] = readPicture(v);
        QVERIFY2(!jpeg_[locator::mapViewSlot(v)].isEmpty(), locator::mapViewName(v).data());
        decoded_[locator::mapViewSlot(v)] = decode(jpeg_[locator::mapViewSlot(v)]);
        QVERIFY(!decoded_[locator::mapViewSlot(v)].isNull());
    }
}

void TestMapPictures::streamLayout_data()
{
    QTest::addColumn<MapView>("view");
    for (MapView v : locator::allMapViews)
        QTest::newRow(locator::mapViewName(v).data()) << v;
}

void TestMapPictures::streamLayout()
{
    QFETCH(MapView, view);
    const QByteArray &jpeg = jpeg_[locator::mapViewSlot(view)];
    QVERIFY2(jpeg.size() > 200'000 && jpeg.size() < 300'000, QByteArray::number(jpeg.size()));
    bool ok = false;
    const QList<JpegSegmentInfo> segs = jpegSegments(jpeg, &ok);
    QVERIFY(ok);

    // Exif first; the overview then carries XMP and a Photoshop block.
    QVERIFY(segs.size() > 1);
    QCOMPARE(segs[0].marker, 0xE1);
    QVERIFY(segs[0].payload.startsWith(QByteArray("Exif\0\0", 6)));
    QList<int> appMarkers;
    int dqt = 0, dht = 0, sos = 0, sof0 = 0;
    for (const JpegSegmentInfo &s : segs) {
        QVERIFY2(s.marker != 0xE0 && s.marker != 0xEE, "no JFIF or Adobe segment");
        QVERIFY2(s.marker != 0xDD, "no restart interval");
        QVERIFY2(s.marker == 0xC0 || s.marker < 0xC0 || s.marker > 0xCF || s.marker == 0xC4,
                 "baseline frame only");
        if (s.marker >= 0xE0 && s.marker <= 0xEF)
            appMarkers << s.marker;
        if (s.marker == 0xDB) {
            // Each table: precision nibble 0 (8-bit entries), 64 entries.
            for (qsizetype p = 0; p < s.payload.size(); p += 65) {
                QCOMPARE(uchar(s.payload[p]) >> 4, 0);
                ++dqt;
            }
        }
        if (s.marker == 0xC4) {
            for (qsizetype p = 0; p < s.payload.size();) {
                int count = 0;
                for (int i = 1; i <= 16; ++i)
                    count += uchar(s.payload[p + i]);
                p += 17 + count;
                ++dht;
            }
        }
        if (s.marker == 0xC0) {
            ++sof0;
            const QByteArray &f = s.payload;
            QCOMPARE(int(uchar(f[0])), 8);
            QCOMPARE((uchar(f[1]) << 8) | uchar(f[2]), 531);
            QCOMPARE((uchar(f[3]) << 8) | uchar(f[4]), 797);
            QCOMPARE(int(uchar(f[5])), 3);
            const int ids[] = {1, 2, 3}, sampling[] = {0x21, 0x11, 0x11};
            for (int c = 0; c < 3; ++c) {
                QCOMPARE(int(uchar(f[6 + 3 * c])), ids[c]);
                QCOMPARE(int(uchar(f[7 + 3 * c])), sampling[c]);
            }
        }
        if (s.marker == 0xDA) {
            ++sos;
            QCOMPARE(int(uchar(s.payload[0])), 3); // one interleaved scan
        }
    }
    QCOMPARE(sof0, 1);
    QCOMPARE(dqt, 2);
    QCOMPARE(dht, 4);
    QCOMPARE(sos, 1);
    if (view == MapView::trangchu) {
        QCOMPARE(appMarkers, (QList<int>{0xE1, 0xE1, 0xED}));
        QVERIFY(segs[1].payload.startsWith(QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)));
        QVERIFY(segs[2].payload.startsWith(QByteArray("Photoshop 3.0\0", 14)));
    } else {
        QCOMPARE(appMarkers, QList<int>{0xE1});
    }

    // libjpeg agrees: one scan, YCbCr, and nothing after the end of image.
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(jpeg.constData()), jpeg.size());
    jpeg_read_header(&cinfo, TRUE);
    QCOMPARE(int(cinfo.image_width), 797);
    QCOMPARE(int(cinfo.image_height), 531);
    QCOMPARE(cinfo.jpeg_color_space, JCS_YCbCr);
    QVERIFY(!cinfo.saw_JFIF_marker);
    QVERIFY(!cinfo.saw_Adobe_marker);
    QVERIFY(!jpeg_has_multiple_scans(&cinfo));
    QVERIFY(!cinfo.progressive_mode);
    jpeg_destroy_decompress(&cinfo);
}

void TestMapPictures::exifBlock_data()
{
    streamLayout_data();
}

void TestMapPictures::exifBlock()
{
    QFETCH(MapView, view);
    bool ok = false;
    const QList<JpegSegmentInfo> segs = jpegSegments(jpeg_[locator::mapViewSlot(view)], &ok);
    QVERIFY(ok);
    const QByteArray &app1 = segs[0].payload;
    ExifData *ed = exif_data_new_from_data(reinterpret_cast<const unsigned char *>(app1.constData()),
                                           unsigned(app1.size()));
    QVERIFY(ed);
    const auto cleanup = qScopeGuard([ed] { exif_data_unref(ed); });
    QCOMPARE(exifNumber(ed, EXIF_IFD_0, EXIF_TAG_ORIENTATION), 1u);
    QCOMPARE(exifRational(ed, EXIF_IFD_0, EXIF_TAG_X_RESOLUTION), qMakePair(96u, 1u));
    QCOMPARE(exifRational(ed, EXIF_IFD_0, EXIF_TAG_Y_RESOLUTION), qMakePair(96u, 1u));
    QCOMPARE(exifNumber(ed, EXIF_IFD_0, EXIF_TAG_RESOLUTION_UNIT), 2u);
    QCOMPARE(exifNumber(ed, EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), 797u);
    QCOMPARE(exifNumber(ed, EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), 531u);
    if (view == MapView::trangchu) {
        // An embedded JPEG thumbnail.
        QVERIFY(ed->size > 1000);
        QCOMPARE(int(ed->data[0]), 0xFF);
        QCOMPARE(int(ed->data[1]), 0xD8);
        QCOMPARE(int(ed->data[ed->size - 2]), 0xFF);
        QCOMPARE(int(ed->data[ed->size - 1]), 0xD9);
    } else {
        QCOMPARE(ed->size, 0u);
    }
}

void TestMapPictures::tablesAcrossPictures()
{
    QByteArray quant[6], huffman[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        for (const JpegSegmentInfo &s : jpegSegments(jpeg_[i], &ok)) {
            if (s.marker == 0xDB)
                quant[i] += s.payload;
            if (s.marker == 0xC4)
                huffman[i] += s.payload;
        }
    }
    for (int i = 1; i < 6; ++i) {
        QCOMPARE(quant[i], quant[0]); // one quality setting for all
        for (int j = 0; j < i; ++j)
            QVERIFY2(huffman[i] != huffman[j], "optimised tables differ per picture");
    }
}

// Every place's pavilion has its red door on the marker disc's centre on its
// own region's map, and is not drawn on any other map.
void TestMapPictures::pavilionsAtMarkerCentres()
{
    for (const locator::PlaceEntry &e : locator::placeCatalogue()) {
        const QPoint c = mapgen::pavilionPoint(e.left, e.top);
        QCOMPARE(c, QPoint(e.left - 192, e.top - 40));
        for (MapView v : locator::allMapViews) {
            const QImage &img = decoded_[locator::mapViewSlot(v)];
            const bool door = isDoorRed(img.pixel(c)) && isDoorRed(img.pixel(c + QPoint(1, 0))) &&
                              isDoorRed(img.pixel(c - QPoint(1, 0))) && isDoorRed(img.pixel(c + QPoint(0, 1)));
            const QByteArray where =
                QByteArray(locator::mapViewName(v).data()) + " row " + QByteArray::number(e.index);
            if (v == e.region) {
                QVERIFY2(door, where.constData());
                // Centred: the door is narrower than the gap between the pillars.
                QVERIFY2(!isDoorRed(img.pixel(c + QPoint(4, 0))) && !isDoorRed(img.pixel(c - QPoint(4, 0))),
                         where.constData());
            } else {
                QVERIFY2(!door, where.constData());
            }
        }
    }
}

void TestMapPictures::placeLabels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tag");
    QTest::newRow("0") << 0 << QStringLiteral("Bách Hoa Cốc") << QStringLiteral("[cấp 25]");
    QTest::newRow("56 double space") << 56 << QStringLiteral("Miêu Lĩnh") << QStringLiteral("[cấp 95]");
    QTest::newRow("63 tone kept") << 63 << QStringLiteral("Phong Đô Qủy Thành") << QStringLiteral("[cấp 95]");
    QTest::newRow("14 digit in name") << 14 << QStringLiteral("Cửu Lão Động 2") << QStringLiteral("[cấp 45]");
    QTest::newRow("97 three digits") << 97 << QStringLiteral("Xi Vưu Động") << QStringLiteral("[cấp 105]");
}

void TestMapPictures::placeLabels()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, tag);
    const mapgen::PlaceLabel label = mapgen::placeLabel(locator::placeAt(index)->label);
    QCOMPARE(label.name, name);
    QCOMPARE(label.tag, tag);
}

QTEST_GUILESS_MAIN(TestMapPictures)
#include "tst_map_pictures.moc"
