// Times what a user sees: runs a command, or sends a key, and polls one
// screen pixel until it shows the expected colour.
//   screen_watch launch X Y R G B -- COMMAND...   ms from start to the pixel
//   screen_watch key WINDOW KEY X Y R G B         ms from the key to the pixel
// Prints the milliseconds, or "timeout".
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

bool matches(QScreen *screen, int x, int y, QColor want)
{
    const QImage px = screen->grabWindow(0, x, y, 1, 1).toImage();
    if (px.isNull())
        return false;
    const QColor c = px.pixelColor(0, 0);
    return std::abs(c.red() - want.red()) <= 10 && std::abs(c.green() - want.green()) <= 10 &&
           std::abs(c.blue() - want.blue()) <= 10;
}

int watch(QScreen *screen, int x, int y, QColor want, const QElapsedTimer &t)
{
    while (t.elapsed() < 20000) {
        if (matches(screen, x, y, want)) {
            std::printf("%.1f\n", t.nsecsElapsed() / 1e6);
            return 0;
        }
        QThread::usleep(500);
    }
    std::printf("timeout\n");
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    QScreen *screen = QGuiApplication::primaryScreen();
    if (a.size() > 8 && a[1] == QLatin1String("launch") && a[7] == QLatin1String("--")) {
        const QColor want(a[4].toInt(), a[5].toInt(), a[6].toInt());
        QElapsedTimer t;
        t.start();
        // Detached, with its output elsewhere: the caller reads ours to its end.
        QProcess process;
        process.setProgram(a[8]);
        process.setArguments(a.mid(9));
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.setStandardInputFile(QProcess::nullDevice());
        process.startDetached();
        return watch(screen, a[2].toInt(), a[3].toInt(), want, t);
    }
    if (a.size() == 9 && a[1] == QLatin1String("key")) {
        const QColor want(a[6].toInt(), a[7].toInt(), a[8].toInt());
        QElapsedTimer t;
        t.start();
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("key"), QStringLiteral("--window"), a[2], a[3]});
        return watch(screen, a[4].toInt(), a[5].toInt(), want, t);
    }
    std::fprintf(stderr, "usage: screen_watch launch X Y R G B -- COMMAND... | key WINDOW KEY X Y R G B\n");
    return 2;
}
