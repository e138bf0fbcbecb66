// Draws the six map pictures and writes them as JPEG files:
//   mapgen <output directory> <sans bold font> <sans regular font> <serif bold italic font>
//          <serif bold font> <serif italic font>
#include "jpeg_writer.h"
#include "map_painter.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include <jpeglib.h>

namespace {

// One quality for all six pictures, so they share their quantisation tables.
constexpr int quality = 96;

QString loadFamily(const QStringList &files)
{
    QString family;
    for (const QString &f : files) {
        const int id = QFontDatabase::addApplicationFont(f);
        if (id < 0) {
            std::fprintf(stderr, "mapgen: cannot load font %s\n", qPrintable(f));
            std::exit(1);
        }
        family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    return family;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Font rendering must not depend on the desktop that happens to run us.
    qputenv("QT_FONT_DPI", "96");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::fprintf(stderr,
                     "usage: mapgen OUTDIR SANS_BOLD SANS_REGULAR SERIF_BOLD_ITALIC SERIF_BOLD SERIF_ITALIC\n");
        return 2;
    }
    const mapgen::MapFonts fonts{loadFamily({args[2], args[3]}), loadFamily({args[4], args[5], args[6]})};
    const QDir out(args[1]);
    try {
        for (locator::MapView view : locator::allMapViews) {
            const mapgen::MapSpec &spec = mapgen::mapSpec(view);
            const mapgen::MapPicture painted = mapgen::paintMap(spec, fonts);
            for (const QString &problem : painted.problems)
                std::fprintf(stderr, "mapgen: %s: %s\n", locator::mapViewName(view).data(),
                             qPrintable(problem));
            if (!painted.problems.isEmpty())
                return 1;
            const QImage &picture = painted.image;
            QList<mapgen::JpegSegment> segments;
            if (view == locator::MapView::trangchu) {
                const QImage thumb = picture.scaled(160, 106, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                segments = {{JPEG_APP0 + 1, mapgen::exifSegment(picture.size(), mapgen::encodeJpeg(thumb, 80))},
                            {JPEG_APP0 + 1, mapgen::xmpSegment(QStringLiteral("Bản đồ thế giới"))},
                            {JPEG_APP0 + 13, mapgen::photoshopSegment()}};
            } else {
                segments = {{JPEG_APP0 + 1, mapgen::exifSegment(picture.size())}};
            }
            const QByteArray jpeg = mapgen::encodeJpeg(picture, quality, segments);
            const QString name =
                QString::fromLatin1(locator::mapViewName(view).data()) + QStringLiteral(".jpg");
            QFile file(out.filePath(name));
            if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.flush()) {
                std::fprintf(stderr, "mapgen: cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
            std::printf("%s: %lld bytes\n", qPrintable(name), static_cast<long long>(jpeg.size()));
            if (qEnvironmentVariableIsSet("MAPGEN_PNG"))
                picture.save(out.filePath(QString::fromLatin1(locator::mapViewName(view).data()) +
                                          QStringLiteral(".png")));
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "mapgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
