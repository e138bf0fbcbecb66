#include "locator/catalogue.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTest>

#include <climits>

using locator::MapView;
using locator::PlaceEntry;

Q_DECLARE_METATYPE(locator::MapView)

namespace {

QString qs(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

QList<int> rowsOf(MapView region)
{
    QList<int> rows;
    for (const PlaceEntry &e : locator::placeCatalogue())
        if (e.region == region)
            rows << e.index;
    return rows;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void rowsInIndexOrder();
    void rowsPerRegion_data();
    void rowsPerRegion();
    void rowsPerLevel();
    void positionsInsideMapArea();
    void labelsAndPositionsUnique();
    void labelsAreNfc();
    void labelCodeUnits_data();
    void labelCodeUnits();
    void placeAt_data();
    void placeAt();
};

void TestCatalogue::rowsInIndexOrder()
{
    const auto &cat = locator::placeCatalogue();
    QCOMPARE(int(cat.size()), 98);
    for (int i = 0; i < 98; ++i)
        QCOMPARE(cat[size_t(i)].index, i);
}

// The region lists below are an independent cross-check of the table.
void TestCatalogue::rowsPerRegion_data()
{
    QTest::addColumn<MapView>("region");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("kimquoc") << MapView::kimquoc
                             << QList<int>{6,  7,  9,  17, 18, 25, 27, 28, 35, 39, 40, 42, 44,
                                           49, 50, 64, 66, 68, 72, 78, 79, 86, 87, 89, 92};
    QTest::newRow("dongtong") << MapView::dongtong << QList<int>{2,  3,  5,  10, 11, 16, 26, 30, 31, 33,
                                                                 36, 37, 51, 58, 61, 67, 77, 80, 90, 95};
    QTest::newRow("taytong") << MapView::taytong << QList<int>{4,  8,  13, 14, 15, 19, 23, 24, 32, 43, 45, 46,
                                                               60, 63, 65, 71, 74, 76, 81, 82, 85, 88, 94, 96};
    QTest::newRow("dailyphu") << MapView::dailyphu
                              << QList<int>{0, 1, 20, 22, 34, 38, 56, 62, 73, 75, 83, 84, 91, 93, 97};
    QTest::newRow("mongco") << MapView::mongco
                            << QList<int>{12, 21, 29, 41, 47, 48, 52, 53, 54, 55, 57, 59, 69, 70};
    QTest::newRow("trangchu holds no place") << MapView::trangchu << QList<int>{};
}

void TestCatalogue::rowsPerRegion()
{
    QFETCH(MapView, region);
    QFETCH(QList<int>, rows);
    QCOMPARE(rowsOf(region), rows);
}

void TestCatalogue::rowsPerLevel()
{
    const QMap<int, int> expected{{5, 8},  {15, 9}, {25, 10}, {35, 10}, {45, 9},  {55, 7},
                                  {65, 7}, {75, 7}, {85, 7},  {95, 8},  {105, 8}, {115, 8}};
    static const QRegularExpression tag(QStringLiteral("^\\S.* \\((\\d+)\\)$"));
    QMap<int, int> counted;
    for (const PlaceEntry &e : locator::placeCatalogue()) {
        const auto m = tag.match(qs(e.label));
        QVERIFY2(m.hasMatch(), qPrintable(qs(e.label)));
        ++counted[m.captured(1).toInt()];
    }
    QCOMPARE(counted, expected);
}

void TestCatalogue::positionsInsideMapArea()
{
    int minLeft = INT_MAX, maxLeft = INT_MIN, minTop = INT_MAX, maxTop = INT_MIN;
    for (const PlaceEntry &e : locator::placeCatalogue()) {
        // The 65 x 65 box stays inside the map area (224, 72)-(1021, 603).
        QVERIFY(e.left >= 224 && e.left + 65 <= 1021);
        QVERIFY(e.top >= 72 && e.top + 65 <= 603);
        minLeft = std::min(minLeft, e.left);
        maxLeft = std::max(maxLeft, e.left);
        minTop = std::min(minTop, e.top);
        maxTop = std::max(maxTop, e.top);
    }
    QCOMPARE(minLeft, 245);
    QCOMPARE(maxLeft, 921);
    QCOMPARE(minTop, 100);
    QCOMPARE(maxTop, 536);
    QCOMPARE(locator::placeAt(13)->left, 245);
    QCOMPARE(locator::placeAt(70)->left, 921);
    QCOMPARE(locator::placeAt(51)->top, 100);
    QCOMPARE(locator::placeAt(10)->top, 536);
}

void TestCatalogue::labelsAndPositionsUnique()
{
    QSet<QString> labels;
    QSet<QPair<int, int>> positions;
    for (const PlaceEntry &e : locator::placeCatalogue()) {
        labels.insert(qs(e.label));
        positions.insert({e.left, e.top});
    }
    QCOMPARE(labels.size(), 98);
    QCOMPARE(positions.size(), 98);
}

void TestCatalogue::labelsAreNfc()
{
    for (const PlaceEntry &e : locator::placeCatalogue()) {
        const QString label = qs(e.label);
        QCOMPARE(label.normalized(QString::NormalizationForm_C), label);
    }
}

// Written as escapes so that this file's own encoding cannot hide a fault in
// the catalogue's.
void TestCatalogue::labelCodeUnits_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::newRow("21 Hòang") << 21 << QString::fromUtf16(u"\u0110\u00f4n H\u00f2ang C\u1ed5 Th\u00e0nh (105)");
    QTest::newRow("36 Hòai") << 36 << QString::fromUtf16(u"H\u00f2ai Th\u1ee7y Sa Ch\u00e2u (15)");
    QTest::newRow("37 Hòang Lạc") << 37 << QString::fromUtf16(u"H\u00f2ang L\u1ea1c L\u00e2u (85)");
    QTest::newRow("38 Đòan") << 38 << QString::fromUtf16(u"H\u00f2ang L\u0103ng \u0110\u00f2an Th\u1ecb (75)");
    QTest::newRow("56 two spaces") << 56 << QString::fromUtf16(u"Mi\u00eau L\u0129nh  (95)");
    QTest::newRow("63 Qủy") << 63 << QString::fromUtf16(u"Phong \u0110\u00f4 Q\u1ee7y Th\u00e0nh (95)");
    QTest::newRow("0 first") << 0 << QString::fromUtf16(u"B\u00e1ch Hoa C\u1ed1c (25)");
    QTest::newRow("97 last") << 97 << QString::fromUtf16(u"Xi V\u01b0u \u0110\u1ed9ng (105)");
}

void TestCatalogue::labelCodeUnits()
{
    QFETCH(int, index);
    QFETCH(QString, label);
    const PlaceEntry *e = locator::placeAt(index);
    QVERIFY(e);
    QCOMPARE(qs(e->label), label);
    QCOMPARE(qsizetype(e->label.size()), label.size());
}

void TestCatalogue::placeAt_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("found");
    QTest::addColumn<MapView>("region");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("-1 none") << -1 << false << MapView::trangchu << 0 << 0;
    QTest::newRow("0 first") << 0 << true << MapView::dailyphu << 416 << 528;
    QTest::newRow("97 last") << 97 << true << MapView::dailyphu << 882 << 472;
    QTest::newRow("98 none") << 98 << false << MapView::trangchu << 0 << 0;
    QTest::newRow("INT_MIN none") << INT_MIN << false << MapView::trangchu << 0 << 0;
    QTest::newRow("INT_MAX none") << INT_MAX << false << MapView::trangchu << 0 << 0;
}

void TestCatalogue::placeAt()
{
    QFETCH(int, index);
    QFETCH(bool, found);
    const PlaceEntry *e = locator::placeAt(index);
    QCOMPARE(e != nullptr, found);
    if (!found)
        return;
    QFETCH(MapView, region);
    QFETCH(int, left);
    QFETCH(int, top);
    QCOMPARE(e->index, index);
    QCOMPARE(e->region, region);
    QCOMPARE(e->left, left);
    QCOMPARE(e->top, top);
    QCOMPARE(locator::placeAt(index), e); // same answer every time
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
