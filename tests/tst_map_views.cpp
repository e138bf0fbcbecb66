#include "locator/map_views.h"

#include <QTest>

using locator::AppliedAssignment;
using locator::MapView;
using locator::RegionOperation;
using locator::ViewState;

Q_DECLARE_METATYPE(locator::MapView)

namespace {
constexpr MapView T = MapView::trangchu, D = MapView::dailyphu, M = MapView::mongco, W = MapView::taytong,
                  E = MapView::dongtong, K = MapView::kimquoc;

int visibleCount(const ViewState &s)
{
    int n = 0;
    for (MapView v : locator::allMapViews)
        n += s.isVisible(v);
    return n;
}
} // namespace

class TestMapViews : public QObject {
    Q_OBJECT
private slots:
    void initialState();
    void operationSequence_data();
    void operationSequence();
    void overviewHasNoOperation();
    void effectiveChanges_data();
    void effectiveChanges();
};

void TestMapViews::initialState()
{
    ViewState s;
    QCOMPARE(s.current(), T);
    QCOMPARE(visibleCount(s), 1);
    QVERIFY(s.isVisible(T));
}

void TestMapViews::operationSequence_data()
{
    QTest::addColumn<MapView>("region");
    QTest::addColumn<QList<MapView>>("hides");
    QTest::newRow("pkimquoc") << K << QList<MapView>{T, D, E, W, M};
    QTest::newRow("pdongtong") << E << QList<MapView>{T, D, K, W, M};
    QTest::newRow("ptaytong") << W << QList<MapView>{T, D, E, K, M};
    QTest::newRow("pdailyphu") << D << QList<MapView>{T, K, E, W, M};
    QTest::newRow("pmongco") << M << QList<MapView>{T, D, E, W, K};
}

void TestMapViews::operationSequence()
{
    QFETCH(MapView, region);
    QFETCH(QList<MapView>, hides);
    const RegionOperation *op = locator::regionOperation(region);
    QVERIFY(op);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE((*op)[size_t(i)].picture, hides[i]);
        QVERIFY(!(*op)[size_t(i)].visible);
    }
    QCOMPARE((*op)[5].picture, region);
    QVERIFY((*op)[5].visible);
}

void TestMapViews::overviewHasNoOperation()
{
    QCOMPARE(locator::regionOperation(T), nullptr);
}

// Runs a sequence of operations from the initial state; after each one
// exactly the last region is visible, and only the flags that flipped are
// reported as changed.
void TestMapViews::effectiveChanges_data()
{
    QTest::addColumn<QList<MapView>>("sequence");
    QTest::addColumn<QList<int>>("changesPerStep");
    QTest::newRow("first operation hides overview") << QList<MapView>{D} << QList<int>{2};
    QTest::newRow("same region again") << QList<MapView>{D, D, D} << QList<int>{2, 0, 0};
    QTest::newRow("region to region") << QList<MapView>{K, E, W, D, M, K} << QList<int>{2, 2, 2, 2, 2, 2};
    QTest::newRow("mixed") << QList<MapView>{M, M, W, K, K, M} << QList<int>{2, 0, 2, 2, 0, 2};
}

void TestMapViews::effectiveChanges()
{
    QFETCH(QList<MapView>, sequence);
    QFETCH(QList<int>, changesPerStep);
    ViewState s;
    MapView before = s.current();
    for (int step = 0; step < sequence.size(); ++step) {
        const MapView region = sequence[step];
        const auto applied = s.apply(*locator::regionOperation(region));
        int changes = 0;
        for (const AppliedAssignment &a : applied) {
            if (!a.changed)
                continue;
            ++changes;
            // The only flips: the old picture hidden, the new one shown.
            QVERIFY((a.picture == before && !a.visible) || (a.picture == region && a.visible));
        }
        QCOMPARE(changes, changesPerStep[step]);
        QCOMPARE(visibleCount(s), 1);
        QCOMPARE(s.current(), region);
        QVERIFY(!s.isVisible(T));
        before = region;
    }
}

QTEST_GUILESS_MAIN(TestMapViews)
#include "tst_map_views.moc"
