// In-process figures for the main window, on a real X screen:
//   bench_window inprocess   first showings, switches, their floors, memory
//   bench_window memory      peak memory with all six maps shown
//   bench_window bare        peak memory of a bare Qt window, for comparison
//   bench_window text        the same with one line of text
#include "Unit1.h"
#include "controls/image_control.h"
#include "controls/jpeg_decoder.h"
#include "controls/jpeg_image.h"
#include "controls/unicode_list_box.h"

#include "locator/catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tracuu;
using locator::MapView;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// A figure in kB from one of the kernel's reports on this process.
long procFieldKb(const char *file, const QByteArray &field)
{
    QFile f(QString::fromLatin1(file));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

long peakRssKb()
{
    return procFieldKb("/proc/self/status", "VmHWM:");
}

// Anonymous memory now (heap, images).
long anonymousKb()
{
    return procFieldKb("/proc/self/smaps_rollup", "Anonymous:");
}

// The main window as the program opens it, exposed and painted.
bool openWindow(TForm1 &w)
{
    PictureRegistry::global().registerClass(TJPEGImage::graphicClass());
    TJPEGImage::setScreenBitsPerPixel(QGuiApplication::primaryScreen()->depth());
    w.readDefinition(TFORM1());
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    settle();
    return true;
}

// The first catalogue row of a region.
int firstRow(MapView region, int skip = 0)
{
    for (const locator::PlaceEntry &e : locator::placeCatalogue())
        if (e.region == region && skip-- == 0)
            return e.index;
    return -1;
}

// A selection as the list reports it, then the repaint it asked for: only
// the changed rectangles, as the loop would paint them.
double selectAndPaint(TForm1 &w, int row)
{
    QElapsedTimer t;
    t.start();
    w.listv->setItemIndex(row);
    w.listvClick(w.listv);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    return t.nsecsElapsed() / 1e6;
}

int inprocess()
{
    TForm1 w;
    if (!openWindow(w))
        return 1;

    std::vector<double> firstShow, decodeFloor;
    // Kept alive so that each floor decode, like a picture's first one,
    // writes into memory never touched before.
    std::vector<QImage> floorImages;
    for (MapView v : locator::regionViews) {
        // Floor: one libjpeg decode of the same stream, same settings.
        const QResource res(QStringLiteral(":/maps/%1.rec").arg(QLatin1String(locator::mapViewName(v).data())));
        const QByteArray stream =
            QByteArrayView(reinterpret_cast<const char *>(res.data()) + 15, res.size() - 15).toByteArray();
        floorImages.emplace_back(797, 531, QImage::Format_RGB32);
        QElapsedTimer t;
        t.start();
        decodeJpeg(stream, floorImages.back());
        decodeFloor.push_back(t.nsecsElapsed() / 1e6);
        firstShow.push_back(selectAndPaint(w, firstRow(v)));
    }

    // Switches between two maps shown before.
    const int a = firstRow(MapView::kimquoc), b = firstRow(MapView::dongtong);
    std::vector<double> switches, copyFloor;
    for (int i = 0; i < 60; ++i)
        switches.push_back(selectAndPaint(w, i % 2 ? a : b));
    const QImage &src = static_cast<TJPEGImage *>(w.kimquoc->picture().graphic())->image();
    QImage dst(797, 531, QImage::Format_RGB32);
    for (int i = 0; i < 60; ++i) {
        QElapsedTimer t;
        t.start();
        QPainter p(&dst);
        p.drawImage(0, 0, src);
        p.end();
        copyFloor.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("first_showing_ms %.2f\n", median(firstShow));
    std::printf("decode_floor_ms %.2f\n", median(decodeFloor));
    std::printf("switch_ms %.3f\n", median(switches));
    std::printf("copy_floor_ms %.3f\n", median(copyFloor));
    return 0;
}

// Peak memory with every map shown once, and nothing else measured in the
// same process.
int memory()
{
    TForm1 w;
    if (!openWindow(w))
        return 1;
    for (MapView v : locator::regionViews)
        selectAndPaint(w, firstRow(v));
    settle();
    std::printf("peak_rss_kb %ld\n", peakRssKb());
    std::printf("anon_kb %ld\n", anonymousKb());
    return 0;
}

// A bare window, or with `text` one line of text: what any Qt program with
// text pays for its fonts before its first paint.
int bare(bool text)
{
    QWidget w;
    w.resize(1021, 603);
    QLabel *label = text ? new QLabel(QStringLiteral("TRA CỨU ĐỊA ĐIỂM"), &w) : nullptr;
    if (label)
        label->move(10, 10);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    settle();
    std::printf("peak_rss_kb %ld\n", peakRssKb());
    std::printf("anon_kb %ld\n", anonymousKb());
    std::fflush(stdout);
    // For the start-up timing the window stays up until it is killed.
    if (QCoreApplication::arguments().contains(QStringLiteral("--wait")))
        return QApplication::exec();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString mode = app.arguments().value(1);
    if (mode == QLatin1String("inprocess"))
        return inprocess();
    if (mode == QLatin1String("memory"))
        return memory();
    if (mode == QLatin1String("bare"))
        return bare(false);
    if (mode == QLatin1String("text"))
        return bare(true);
    std::fprintf(stderr, "usage: bench_window inprocess|memory|bare|text [--wait]\n");
    return 2;
}
