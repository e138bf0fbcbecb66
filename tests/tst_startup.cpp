// Start-up and the safety nets: the title rule, the window's fit and
// centring, and the two ways an error is shown.
#include "Unit1.h"
#include "application.h"
#include "controls/errors.h"
#include "controls/jpeg_image.h"
#include "jpeg_markers.h"
#include "window_geometry.h"

#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tracuu;

namespace {

struct Report {
    QString caption, text;
};

class Throwing : public QObject {
public:
    int handled = 0;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            ++handled;
            throw JpegError(42);
        }
        return QObject::event(e);
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void title_data();
    void title();
    void fit_data();
    void fit();
    void centring_data();
    void centring();
    void startupErrorEndsWithCodeOne();
    void startupSucceedsWithLoopExitCode();
    void loopErrorIsShownAndLoopGoesOn();
    void repeatingErrorShowsOneBoxAtATime();
    void corruptPictureStopsStartup();
    void decodeErrorAtFirstPaintIsShownOnce();
};

void TestStartup::title_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("two dots") << "C:\\Tools\\LookUp.Tool.exe"
                              << "Lookup";
    QTest::newRow("unix path") << "/usr/bin/LookUp.Tool"
                               << "Lookup";
    QTest::newRow("program") << "/opt/x/tracuu"
                             << "tracuu";
    QTest::newRow("first keeps case") << "Project1.exe"
                                      << "Project1";
    QTest::newRow("all caps") << "TRACUU"
                              << "Tracuu";
    QTest::newRow("one letter") << "/bin/X.exe"
                                << "X";
    QTest::newRow("vietnamese") << "/bin/TRA CỨU.exe"
                                << "Tra cứu";
}

void TestStartup::title()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(applicationTitleFromPath(path), title);
}

void TestStartup::fit_data()
{
    QTest::addColumn<QList<QRect>>("bounds");
    QTest::addColumn<QPoint>("shift");
    QTest::addColumn<QSize>("client");
    const QList<QRect> window{
        {224, 72, 797, 531}, {189, 16, 626, 51}, {816, 0, 201, 25}, {0, 48, 95, 16}, {0, 72, 217, 529}};
    QTest::newRow("the main window") << window << QPoint(0, 0) << QSize(1021, 603);
    QTest::newRow("marker inside the map")
        << (window + QList<QRect>{{921, 536, 65, 65}}) << QPoint(0, 0) << QSize(1021, 603);
    QTest::newRow("away from the origin")
        << QList<QRect>{{10, 20, 30, 40}, {50, 60, 10, 10}} << QPoint(-10, -20) << QSize(50, 50);
    QTest::newRow("nothing visible") << QList<QRect>{} << QPoint(0, 0) << QSize();
}

void TestStartup::fit()
{
    QFETCH(QList<QRect>, bounds);
    QFETCH(QPoint, shift);
    QFETCH(QSize, client);
    const ClientFit f = fitClientToControls(bounds);
    QCOMPARE(f.shift, shift);
    QCOMPARE(f.client, client);
}

void TestStartup::centring_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("1280x800") << QRect(0, 0, 1280, 800) << QSize(1027, 632) << QPoint(126, 84);
    QTest::newRow("odd halves truncate") << QRect(0, 0, 1025, 607) << QSize(1020, 600) << QPoint(2, 3);
    QTest::newRow("too small") << QRect(0, 0, 800, 600) << QSize(1027, 632) << QPoint(0, 0);
    QTest::newRow("screen offset") << QRect(100, 50, 1280, 800) << QSize(1021, 603) << QPoint(229, 148);
}

void TestStartup::centring()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, outer);
    QFETCH(QPoint, pos);
    QCOMPARE(centredPosition(screen, outer), pos);
}

void TestStartup::startupErrorEndsWithCodeOne()
{
    auto *app = static_cast<TApplication *>(qApp);
    QList<Report> reports;
    const int code = runApplication(
        *app, [] { throw JpegError(53); },
        [&](const QString &c, const QString &t) {
            reports.append({c, t});
        });
    QCOMPARE(code, 1);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports[0].caption, QStringLiteral("Application Error"));
    QVERIFY2(reports[0].text.contains(QStringLiteral("JpegError")), qPrintable(reports[0].text));
    QVERIFY(reports[0].text.contains(QStringLiteral("tst_startup")));
    QVERIFY(reports[0].text.contains(QStringLiteral("JPEG error #53")));
}

void TestStartup::startupSucceedsWithLoopExitCode()
{
    auto *app = static_cast<TApplication *>(qApp);
    bool created = false;
    const int code = runApplication(*app, [&] {
        created = true;
        QTimer::singleShot(0, qApp, [] { qApp->exit(0); });
    });
    QVERIFY(created);
    QCOMPARE(code, 0);
}

void TestStartup::loopErrorIsShownAndLoopGoesOn()
{
    auto *app = static_cast<TApplication *>(qApp);
    QList<Report> reports;
    app->setErrorReporter([&](const QString &c, const QString &t) { reports.append({c, t}); });
    Throwing target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    bool after = false;
    QTimer::singleShot(0, &target, [&] { after = true; });
    QTRY_VERIFY(after); // the loop went on
    QCOMPARE(target.handled, 1);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports[0].caption, app->title());
    QCOMPARE(reports[0].text, QStringLiteral("JPEG error #42"));
    app->setErrorReporter(showCriticalBox);
}

void TestStartup::repeatingErrorShowsOneBoxAtATime()
{
    auto *app = static_cast<TApplication *>(qApp);
    Throwing target;
    int boxes = 0;
    // A box runs its own loop; the error that recurs meanwhile adds no box.
    app->setErrorReporter([&](const QString &, const QString &) {
        ++boxes;
        QEvent again(QEvent::User);
        QCoreApplication::sendEvent(&target, &again);
        QCoreApplication::sendEvent(&target, &again);
    });
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&target, &e);
    QCOMPARE(target.handled, 3);
    QCOMPARE(boxes, 1);
    // Once the box is gone, a new error shows again.
    QCoreApplication::sendEvent(&target, &e);
    QCOMPARE(boxes, 2);
    app->setErrorReporter(showCriticalBox);
}

namespace {

// The window definition with the overview's record replaced by `record`,
// written to `dir`.
FormDef definitionWithOverview(const QByteArray &record, const QTemporaryDir &dir)
{
    FormDef def = TFORM1();
    const QString path = dir.filePath(QStringLiteral("trangchu.rec"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(record);
    for (ControlDef &c : def.controls)
        if (c.name == QLatin1String("trangchu"))
            c.pictureRecord = path;
    return def;
}

QByteArray overviewRecord()
{
    const QResource r(QStringLiteral(":/maps/trangchu.rec"));
    return QByteArray(reinterpret_cast<const char *>(r.data()), r.size());
}

} // namespace

void TestStartup::corruptPictureStopsStartup()
{
    QTemporaryDir dir;
    QByteArray bad = overviewRecord();
    bad.truncate(bad.size() / 2); // the stored length now runs past the data
    const FormDef def = definitionWithOverview(bad, dir);
    QList<Report> reports;
    const int code = runApplication(
        *static_cast<TApplication *>(qApp),
        [&] {
            TForm1 window;
            window.readDefinition(def);
        },
        [&](const QString &c, const QString &t) {
            reports.append({c, t});
        });
    QCOMPARE(code, 1);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports[0].caption, QStringLiteral("Application Error"));
    QVERIFY2(reports[0].text.contains(QStringLiteral("PictureRecordError")), qPrintable(reports[0].text));
}

void TestStartup::decodeErrorAtFirstPaintIsShownOnce()
{
    auto *app = static_cast<TApplication *>(qApp);
    QList<Report> reports;
    app->setErrorReporter([&](const QString &c, const QString &t) { reports.append({c, t}); });
    QTemporaryDir dir;
    // No quantisation tables: the header reads, the decode fails.
    const FormDef def = definitionWithOverview(
        pictureRecord("TJPEGImage", withoutSegments(overviewRecord().mid(15), 0xDB)), dir);
    TForm1 window;
    window.readDefinition(def);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(reports.size(), 1);
    QCOMPARE(reports[0].caption, app->title());
    QVERIFY2(reports[0].text.startsWith(QStringLiteral("JPEG error #")), qPrintable(reports[0].text));
    // Later paints show what was decoded without decoding or failing again.
    window.repaint();
    window.update();
    QTest::qWait(50);
    QCOMPARE(reports.size(), 1);
    app->setErrorReporter(showCriticalBox);
}

int main(int argc, char **argv)
{
    PictureRegistry::global().registerClass(TJPEGImage::graphicClass());
    TApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
