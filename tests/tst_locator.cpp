#include "locator/locator.h"

#include <QStringList>
#include <QTest>

using locator::MapView;

namespace {

// Records the calls in order and keeps the state they would leave on screen.
class RecordingTarget : public locator::LocatorTarget {
public:
    QStringList calls;
    locator::ViewState views;
    bool markerVisible = false;
    int left = 224, top = 72;

    void showMarker() override
    {
        calls << QStringLiteral("show");
        markerVisible = true;
    }
    void showRegion(MapView region) override
    {
        calls << QStringLiteral("region ") + QLatin1String(locator::mapViewName(region).data());
        views.apply(*locator::regionOperation(region));
    }
    void setMarkerLeft(int v) override
    {
        calls << QStringLiteral("left %1").arg(v);
        left = v;
    }
    void setMarkerTop(int v) override
    {
        calls << QStringLiteral("top %1").arg(v);
        top = v;
    }
};

} // namespace

class TestLocator : public QObject {
    Q_OBJECT
private slots:
    void decisions_data();
    void decisions();
    void sequenceOfSelections();
    void noSelectionBeforeAnyPlace();
    void noSelectionAfterAPlace();
};

void TestLocator::decisions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("0 Bách Hoa Cốc") << 0 << QStringList{"show", "region dailyphu", "left 416", "top 528"};
    QTest::newRow("97 Xi Vưu Động") << 97 << QStringList{"show", "region dailyphu", "left 882", "top 472"};
    QTest::newRow("10 Cổ Lãng Dữ") << 10 << QStringList{"show", "region dongtong", "left 640", "top 536"};
    QTest::newRow("71 Tam Hiệp Sạn Đạo") << 71 << QStringList{"show", "region taytong", "left 704", "top 272"};
    QTest::newRow("-1 nothing selected") << -1 << QStringList{"show"};
    QTest::newRow("98 out of range") << 98 << QStringList{"show"};
}

void TestLocator::decisions()
{
    QFETCH(int, index);
    QFETCH(QStringList, calls);
    RecordingTarget target;
    const locator::PlaceEntry *place = locator::locate(index, target);
    QCOMPARE(target.calls, calls);
    QCOMPARE(place, locator::placeAt(index));
}

void TestLocator::sequenceOfSelections()
{
    RecordingTarget t;
    locator::locate(0, t);
    QCOMPARE(t.views.current(), MapView::dailyphu);
    QCOMPARE(QPoint(t.left, t.top), QPoint(416, 528));
    locator::locate(97, t);
    QCOMPARE(t.views.current(), MapView::dailyphu);
    QCOMPARE(QPoint(t.left, t.top), QPoint(882, 472));
    locator::locate(10, t);
    QCOMPARE(t.views.current(), MapView::dongtong);
    QVERIFY(!t.views.isVisible(MapView::dailyphu));
    QCOMPARE(QPoint(t.left, t.top), QPoint(640, 536));
    // The same index again, however often, leaves the same state.
    for (int i = 0; i < 3; ++i) {
        locator::locate(10, t);
        QCOMPARE(t.views.current(), MapView::dongtong);
        QCOMPARE(QPoint(t.left, t.top), QPoint(640, 536));
    }
    QVERIFY(t.markerVisible);
}

void TestLocator::noSelectionBeforeAnyPlace()
{
    RecordingTarget t;
    QCOMPARE(locator::locate(-1, t), nullptr);
    QVERIFY(t.markerVisible);
    QCOMPARE(t.views.current(), MapView::trangchu); // the overview still covers it
    QCOMPARE(QPoint(t.left, t.top), QPoint(224, 72));
    locator::locate(0, t);
    QCOMPARE(t.views.current(), MapView::dailyphu);
    QCOMPARE(QPoint(t.left, t.top), QPoint(416, 528));
}

void TestLocator::noSelectionAfterAPlace()
{
    RecordingTarget t;
    locator::locate(71, t);
    locator::locate(-1, t);
    QVERIFY(t.markerVisible);
    QCOMPARE(t.views.current(), MapView::taytong);
    QCOMPARE(QPoint(t.left, t.top), QPoint(704, 272));
}

QTEST_GUILESS_MAIN(TestLocator)
#include "tst_locator.moc"
