// The picture control's JPEG pictures: reading stored picture records,
// header-only loading, decoding once, and the failure cases.
#include "controls/errors.h"
#include "controls/graphic.h"
#include "controls/image_control.h"
#include "controls/jpeg_image.h"
#include "jpeg_markers.h"

#include <QResource>
#include <QTest>

using namespace tracuu;

namespace {

QByteArray resourceBytes(const QString &path)
{
    const QResource r(path);
    return r.compressionAlgorithm() == QResource::NoCompression
               ? QByteArray(reinterpret_cast<const char *>(r.data()), r.size())
               : r.uncompressedData();
}

PictureRegistry jpegRegistry()
{
    PictureRegistry r;
    r.registerClass(TJPEGImage::graphicClass());
    return r;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void storedRecords_data();
    void storedRecords();
    void tagLookup_data();
    void tagLookup();
    void mostRecentRegistrationFirst();
    void badRecords_data();
    void badRecords();
    void corruptHeaderFailsAtLoad();
    void decodeErrorAtDraw();
    void decodesOnceOnFirstDraw();
    void eightBitScreenGets236Colours();
    void pictureFillsItsControl();

private:
    QByteArray stream_;
};

void TestPictures::initTestCase()
{
    const QByteArray rec = resourceBytes(QStringLiteral(":/maps/dailyphu.rec"));
    QVERIFY(rec.size() > 15);
    stream_ = rec.mid(15);
}

void TestPictures::storedRecords_data()
{
    QTest::addColumn<QString>("view");
    for (const char *v : {"trangchu", "dailyphu", "mongco", "taytong", "dongtong", "kimquoc"})
        QTest::newRow(v) << QString::fromLatin1(v);
}

void TestPictures::storedRecords()
{
    QFETCH(QString, view);
    const QResource res(QStringLiteral(":/maps/%1.rec").arg(view));
    QVERIFY(res.isValid());
    QCOMPARE(res.compressionAlgorithm(), QResource::NoCompression); // carried as is
    const QByteArray rec = resourceBytes(res.fileName());
    QCOMPARE(int(uchar(rec[0])), 10);
    QCOMPARE(rec.mid(1, 10), QByteArray("TJPEGImage"));
    const quint32 length = qFromLittleEndian<quint32>(rec.constData() + 11);
    QCOMPARE(qsizetype(length) + 15, rec.size());
    QCOMPARE(uchar(rec[15]), uchar(0xFF));
    QCOMPARE(uchar(rec[16]), uchar(0xD8));
    QCOMPARE(uchar(rec[rec.size() - 1]), uchar(0xD9));

    TPicture picture;
    picture.loadFromRecord(rec, jpegRegistry());
    auto *jpeg = dynamic_cast<TJPEGImage *>(picture.graphic());
    QVERIFY(jpeg);
    // Known before anything is decoded.
    QCOMPARE(picture.size(), QSize(797, 531));
    QVERIFY(!jpeg->isDecoded());
    QVERIFY(!jpeg->header().grayscale);
    QVERIFY(!jpeg->header().multipleScans);
}

void TestPictures::tagLookup_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("exact") << QByteArray("TJPEGImage") << true;
    QTest::newRow("other case") << QByteArray("TJpegImage") << false;
    QTest::newRow("lower case") << QByteArray("tjpegimage") << false;
    QTest::newRow("prefix") << QByteArray("TJPEG") << false;
    QTest::newRow("longer") << QByteArray("TJPEGImageX") << false;
    QTest::newRow("bitmap") << QByteArray("TBitmap") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestPictures::tagLookup()
{
    QFETCH(QByteArray, tag);
    QFETCH(bool, loaded);
    TPicture picture;
    // An unknown tag is no error: the picture is empty and draws nothing.
    picture.loadFromRecord(pictureRecord(tag, stream_), jpegRegistry());
    QCOMPARE(picture.graphic() != nullptr, loaded);
    QCOMPARE(picture.size().isEmpty(), !loaded);
}

void TestPictures::mostRecentRegistrationFirst()
{
    struct Marker : TGraphic {
        QSize size() const override { return {1, 1}; }
        void readData(QByteArrayView) override {}
        void draw(QPainter &, const QRect &) override {}
    };
    PictureRegistry registry = jpegRegistry();
    registry.registerClass({QStringLiteral("TJPEGImage"), {}, {}, [] { return std::make_unique<Marker>(); }});
    TPicture picture;
    picture.loadFromRecord(pictureRecord("TJPEGImage", stream_), registry);
    QVERIFY(dynamic_cast<Marker *>(picture.graphic()));
}

void TestPictures::badRecords_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = pictureRecord("TJPEGImage", stream_);
    QTest::newRow("empty record") << QByteArray();
    QTest::newRow("tag runs past the data") << QByteArray("\x0aTJPEG", 6);
    QTest::newRow("no stream length") << good.left(13);
    QTest::newRow("stream cut short") << good.left(good.size() - 1);
    QTest::newRow("length lies") << pictureRecord("TJPEGImage", stream_, qint64(stream_.size()) + 100);
    QTest::newRow("length near 4 GiB") << pictureRecord("TJPEGImage", stream_.left(100), 0xFFFFFFF0LL);
}

void TestPictures::badRecords()
{
    QFETCH(QByteArray, data);
    TPicture picture;
    QVERIFY_THROWS_EXCEPTION(PictureRecordError, picture.loadFromRecord(data, jpegRegistry()));
    QVERIFY(!picture.graphic());
}

void TestPictures::corruptHeaderFailsAtLoad()
{
    QByteArray bad = stream_;
    bool ok = false;
    qsizetype pos = 2;
    for (const JpegSegmentInfo &s : jpegSegments(stream_, &ok)) {
        if (s.marker == 0xC0) {
            bad[pos + 4] = char(9); // sample precision the decoder cannot take
            break;
        }
        pos += 4 + s.payload.size();
    }
    TPicture picture;
    try {
        picture.loadFromRecord(pictureRecord("TJPEGImage", bad), jpegRegistry());
        QFAIL("no error for a corrupt frame header");
    } catch (const JpegError &e) {
        QVERIFY(QByteArray(e.what()).startsWith("JPEG error #"));
        QCOMPARE(QByteArray(e.what()), "JPEG error #" + QByteArray::number(e.code()));
        QVERIFY(e.code() > 0);
    }
}

void TestPictures::decodeErrorAtDraw()
{
    // Without quantisation tables the header reads, but decoding fails.
    TPicture picture;
    picture.loadFromRecord(pictureRecord("TJPEGImage", withoutSegments(stream_, 0xDB)), jpegRegistry());
    auto *jpeg = dynamic_cast<TJPEGImage *>(picture.graphic());
    QVERIFY(jpeg);
    QCOMPARE(jpeg->size(), QSize(797, 531));
    QImage target(797, 531, QImage::Format_RGB32);
    QPainter p(&target);
    QVERIFY_THROWS_EXCEPTION(JpegError, jpeg->draw(p, QRect(0, 0, 797, 531)));
    // Later draws show what there is without decoding again.
    jpeg->draw(p, QRect(0, 0, 797, 531));
    QCOMPARE(jpeg->decodeCount(), 1);
}

void TestPictures::decodesOnceOnFirstDraw()
{
    TPicture picture;
    picture.loadFromRecord(pictureRecord("TJPEGImage", stream_), jpegRegistry());
    auto *jpeg = static_cast<TJPEGImage *>(picture.graphic());
    QImage target(797, 531, QImage::Format_RGB32);
    QPainter p(&target);
    QCOMPARE(jpeg->decodeCount(), 0);
    jpeg->draw(p, QRect(0, 0, 797, 531));
    jpeg->draw(p, QRect(0, 0, 797, 531));
    QCOMPARE(jpeg->decodeCount(), 1);
    QCOMPARE(jpeg->image().format(), QImage::Format_RGB32); // what the screen takes
    p.end();
    QCOMPARE(target, jpeg->image()); // copied pixel for pixel
}

void TestPictures::eightBitScreenGets236Colours()
{
    const int before = TJPEGImage::screenBitsPerPixel();
    TJPEGImage::setScreenBitsPerPixel(8);
    const auto restore = qScopeGuard([before] { TJPEGImage::setScreenBitsPerPixel(before); });
    TPicture picture;
    picture.loadFromRecord(pictureRecord("TJPEGImage", stream_), jpegRegistry());
    auto *jpeg = static_cast<TJPEGImage *>(picture.graphic());
    QImage target(797, 531, QImage::Format_RGB32);
    QPainter p(&target);
    jpeg->draw(p, QRect(0, 0, 797, 531));
    QCOMPARE(jpeg->image().format(), QImage::Format_Indexed8);
    QVERIFY(jpeg->image().colorCount() <= 236);
    QVERIFY(jpeg->image().colorCount() > 100);
}

void TestPictures::pictureFillsItsControl()
{
    QWidget window;
    window.resize(900, 700);
    window.setAutoFillBackground(true);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(1, 2, 3));
    window.setPalette(pal);
    auto *image = new TImage(&window);
    image->setGeometry(50, 40, 797, 531);
    image->loadPicture(pictureRecord("TJPEGImage", stream_), jpegRegistry());
    QVERIFY(image->testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    auto *jpeg = static_cast<TJPEGImage *>(image->picture().graphic());
    QCOMPARE(shot.copy(50, 40, 797, 531), jpeg->image());
    QCOMPARE(shot.pixelColor(49, 40), QColor(1, 2, 3));
    QCOMPARE(shot.pixelColor(50 + 797, 40 + 530), QColor(1, 2, 3));
    // An empty picture leaves the control transparent.
    image->loadPicture(pictureRecord("TBitmap", stream_), jpegRegistry());
    QVERIFY(!image->testAttribute(Qt::WA_OpaquePaintEvent));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
