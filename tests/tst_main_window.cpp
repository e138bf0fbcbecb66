// The main window as built from its definition: its settings, the ways a
// place is selected, what is painted, and when pictures are decoded.
#include "Unit1.h"
#include "controls/image_control.h"
#include "controls/jpeg_image.h"
#include "controls/shape.h"
#include "controls/unicode_label.h"
#include "controls/unicode_list_box.h"
#include "controls/web_label.h"

#include "locator/catalogue.h"

#include <QInputMethodEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

using namespace tracuu;
using locator::MapView;

Q_DECLARE_METATYPE(tracuu::ControlKind)
Q_DECLARE_METATYPE(locator::MapView)

namespace {

struct Keystroke {
    int key;      // Qt::Key, or 0 for a character
    QString text; // the character typed
    qint64 at;    // milliseconds on the injected clock
};

// Key presses carrying any Unicode text, as a keyboard layout would send.
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &release);
    }
}

} // namespace
Q_DECLARE_METATYPE(QList<Keystroke>)

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowSettings();
    void controls_data();
    void controls();
    void markerAndLabelSettings();
    void listSettings();
    void startState();

    void mouseSelection_data();
    void mouseSelection();
    void navigationKeys_data();
    void navigationKeys();
    void typeAhead_data();
    void typeAhead();
    void inputMethodTyping();
    void selectionFromCodeRaisesNothing();
    void focusStaysOnTheList();

    void regionOperationsTouchOnlyWhatChanges();
    void overviewCoversTheMarker();
    void markerInvertsTheMapOnce();
    void picturesDecodeOnFirstShowing();
    void clientSizeStaysFitted();
    void closingDeletesTheWindow();

private:
    QImage grab() const { return window_->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void select(int index);
    const QImage &decodedPicture(MapView view) const;

    std::unique_ptr<TForm1> window_;
    int clicks_ = 0;
    qint64 now_ = 0;
};

void TestMainWindow::initTestCase()
{
    PictureRegistry::global().registerClass(TJPEGImage::graphicClass());
}

void TestMainWindow::init()
{
    window_ = std::make_unique<TForm1>();
    window_->readDefinition(TFORM1());
    clicks_ = 0;
    now_ = 10'000;
    // Count the click events, then let the window handle them as bound.
    window_->listv->setOnClick([this](QObject *sender) {
        ++clicks_;
        window_->listvClick(sender);
    });
    window_->listv->setClock([this] { return now_; });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestMainWindow::cleanup()
{
    window_.reset();
}

void TestMainWindow::select(int index)
{
    // As the mouse would: a click on the row.
    QListWidgetItem *item = window_->listv->item(index);
    window_->listv->scrollToItem(item);
    QTest::mouseClick(window_->listv->viewport(), Qt::LeftButton, {},
                      window_->listv->visualItemRect(item).center());
}

const QImage &TestMainWindow::decodedPicture(MapView view) const
{
    return static_cast<TJPEGImage *>(window_->picture(view)->picture().graphic())->image();
}

void TestMainWindow::windowSettings()
{
    TForm1 &w = *window_;
    QCOMPARE(w.windowTitle(), QStringLiteral("Tra Cuu Dia Diem Van Duc _ vanduc.example"));
    QCOMPARE(w.size(), QSize(1021, 603));
    QCOMPARE(w.minimumSize(), w.maximumSize()); // not resizable
    const Qt::WindowFlags f = w.windowFlags();
    QVERIFY(f.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(f.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(f.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(w.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    QVERIFY(w.autoFillBackground());
    QCOMPARE(w.windowIcon().availableSizes(), QList<QSize>{QSize(28, 28)});
    QCOMPARE(w.font().pixelSize(), 11);
    QCOMPARE(w.palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(w.focusPolicy(), Qt::NoFocus);
}

void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ControlKind>("kind");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<bool>("visible");
    const QRect map(224, 72, 797, 531);
    QTest::newRow("1 dailyphu") << "dailyphu" << ControlKind::TImage << map << false;
    QTest::newRow("2 mongco") << "mongco" << ControlKind::TImage << map << false;
    QTest::newRow("3 taytong") << "taytong" << ControlKind::TImage << map << false;
    QTest::newRow("4 dongtong") << "dongtong" << ControlKind::TImage << map << false;
    QTest::newRow("5 kimquoc") << "kimquoc" << ControlKind::TImage << map << false;
    QTest::newRow("6 tron") << "tron" << ControlKind::TShape << QRect(224, 72, 65, 65) << false;
    QTest::newRow("7 trangchu") << "trangchu" << ControlKind::TImage << map << true;
    QTest::newRow("8 TntLabel1") << "TntLabel1" << ControlKind::TTntLabel << QRect(189, 16, 626, 51) << true;
    QTest::newRow("9 VrWebLabel1") << "VrWebLabel1" << ControlKind::TVrWebLabel << QRect(816, 0, 201, 25)
                                   << true;
    QTest::newRow("10 TntLabel2") << "TntLabel2" << ControlKind::TTntLabel << QRect(0, 48, 95, 16) << true;
    QTest::newRow("11 listv") << "listv" << ControlKind::TTntListBox << QRect(0, 72, 217, 529) << true;
}

void TestMainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(ControlKind, kind);
    QFETCH(QRect, bounds);
    QFETCH(bool, visible);
    // The stored order is the creation order, and so the stacking order.
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const int position = tag.section(QLatin1Char(' '), 0, 0).toInt() - 1;
    const QList<QWidget *> children = window_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(children.at(position)->objectName(), name);
    QWidget *w = children.at(position);

    const ControlDef *def = TFORM1().control(name);
    QVERIFY(def);
    QCOMPARE(def->kind, kind);
    QCOMPARE(def->bounds, bounds);
    QCOMPARE(def->visible, visible);
    QCOMPARE(!w->isHidden(), visible);
    if (kind == ControlKind::TTntLabel) {
        // Sized to the caption, keeping its left and top edges.
        auto *label = static_cast<TTntLabel *>(w);
        QCOMPARE(w->pos(), bounds.topLeft());
        QCOMPARE(w->size(), label->captionSize());
        // Liberation Sans has Arial's design widths; unhinted fractional
        // advances may differ from rounded ones by a pixel or so a letter.
        QVERIFY2(qAbs(w->width() - bounds.width()) <= 16, qPrintable(QString::number(w->width())));
    } else {
        QCOMPARE(w->geometry(), bounds);
    }
    QCOMPARE(w->focusPolicy(), kind == ControlKind::TTntListBox ? Qt::StrongFocus : Qt::NoFocus);
}

void TestMainWindow::markerAndLabelSettings()
{
    const TShape &tron = *window_->tron;
    QCOMPARE(tron.shape(), ShapeType::stCircle);
    QCOMPARE(tron.pen().color, TColor::clAqua);
    QCOMPARE(tron.pen().mode, PenMode::pmNot);
    QCOMPARE(tron.pen().width, 3);
    QCOMPARE(tron.pen().style, PenStyle::psSolid);
    QCOMPARE(tron.brush().color, TColor::clWhite);
    QCOMPARE(tron.brush().style, BrushStyle::bsSolid);
    QCOMPARE(TShape::ellipseRect(QSize(65, 65), 3, true), QRect(1, 1, 63, 63));

    const TTntLabel &title = *window_->TntLabel1;
    QCOMPARE(title.caption(), QStringLiteral("TRA CỨU ĐỊA ĐIỂM VẠN DỰC"));
    QCOMPARE(title.font().pixelSize(), 43);
    QVERIFY(title.font().bold());
    QCOMPARE(title.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(title.transparent());
    const TTntLabel &heading = *window_->TntLabel2;
    QCOMPARE(heading.caption(), QStringLiteral("Chọn Khu Vực:"));
    QCOMPARE(heading.font().pixelSize(), 13);
    QCOMPARE(heading.palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TestMainWindow::listSettings()
{
    TTntListBox &list = *window_->listv;
    QCOMPARE(list.count(), 98);
    for (const locator::PlaceEntry &e : locator::placeCatalogue())
        QCOMPARE(list.item(e.index)->text(), QString::fromUtf16(e.label.data(), qsizetype(e.label.size())));
    QVERIFY(!list.isSortingEnabled());
    QCOMPARE(list.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list.visualItemRect(list.item(0)).height(), 18);
    QCOMPARE(list.visualItemRect(list.item(1)).top() - list.visualItemRect(list.item(0)).top(), 18);
    QCOMPARE(list.font().pixelSize(), 15);
    QCOMPARE(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(list.verticalScrollBar()->isVisible());
    QCOMPARE(list.frameShadow(), QFrame::Sunken);
    QCOMPARE(list.height(), 529); // no integral height
}

void TestMainWindow::startState()
{
    TForm1 &w = *window_;
    QVERIFY(!w.trangchu->isHidden());
    for (MapView v : locator::regionViews)
        QVERIFY(w.picture(v)->isHidden());
    QVERIFY(w.tron->isHidden());
    QCOMPARE(w.tron->pos(), QPoint(224, 72));
    QCOMPARE(w.listv->itemIndex(), -1);
    QVERIFY(!w.listv->currentIndex().isValid()); // no current row either
    QCOMPARE(w.listv->verticalScrollBar()->value(), 0);
    QTRY_VERIFY(w.listv->hasFocus());
}

void TestMainWindow::mouseSelection_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<MapView>("region");
    QTest::newRow("first row") << QList<int>{0} << 1 << MapView::dailyphu;
    QTest::newRow("two rows") << QList<int>{0, 10} << 2 << MapView::dongtong;
    QTest::newRow("the same row twice") << QList<int>{71, 71} << 1 << MapView::taytong;
    QTest::newRow("last row") << QList<int>{97} << 1 << MapView::dailyphu;
}

void TestMainWindow::mouseSelection()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, clicks);
    QFETCH(MapView, region);
    for (int r : rows)
        select(r);
    QCOMPARE(clicks_, clicks);
    const locator::PlaceEntry *e = locator::placeAt(rows.last());
    QCOMPARE(window_->listv->itemIndex(), rows.last());
    QVERIFY(!window_->picture(region)->isHidden());
    QVERIFY(window_->trangchu->isHidden());
    QVERIFY(!window_->tron->isHidden());
    QCOMPARE(window_->tron->pos(), QPoint(e->left, e->top));
}

void TestMainWindow::navigationKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Down from nothing") << QList<int>{Qt::Key_Down} << 0 << 1;
    QTest::newRow("Down Down") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 1 << 2;
    QTest::newRow("End") << QList<int>{Qt::Key_End} << 97 << 1;
    QTest::newRow("End Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0 << 2;
    QTest::newRow("End Up") << QList<int>{Qt::Key_End, Qt::Key_Up} << 96 << 2;
    QTest::newRow("Up on the first row") << QList<int>{Qt::Key_Home, Qt::Key_Up} << 0 << 1;
    QTest::newRow("Down on the last row") << QList<int>{Qt::Key_End, Qt::Key_Down} << 97 << 1;
    QTest::newRow("Page Down Page Up") << QList<int>{Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageUp} << 0 << 3;
}

void TestMainWindow::navigationKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, index);
    QFETCH(int, clicks);
    QTRY_VERIFY(window_->listv->hasFocus());
    int lastIndex = -1;
    for (int k : keys) {
        QTest::keyClick(window_->listv, Qt::Key(k));
        if (k == Qt::Key_PageDown) {
            QVERIFY(window_->listv->itemIndex() > lastIndex + 1); // a page at a time
        }
        lastIndex = window_->listv->itemIndex();
    }
    QCOMPARE(window_->listv->itemIndex(), index);
    QCOMPARE(clicks_, clicks);
    const locator::PlaceEntry *e = locator::placeAt(index);
    QVERIFY(!window_->picture(e->region)->isHidden());
    QCOMPARE(window_->tron->pos(), QPoint(e->left, e->top));
}

void TestMainWindow::typeAhead_data()
{
    QTest::addColumn<QList<Keystroke>>("strokes");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("clicks");
    const int bs = Qt::Key_Backspace;
    QTest::newRow("t selects the first label with it") << QList<Keystroke>{{0, "t", 0}} << 71 << 1;
    QTest::newRow("tt within half a second matches nothing")
        << QList<Keystroke>{{0, "t", 0}, {0, "t", 200}} << 71 << 1;
    QTest::newRow("t again after half a second") << QList<Keystroke>{{0, "t", 0}, {0, "t", 500}} << 71 << 2;
    QTest::newRow("Backspace with an empty prefix") << QList<Keystroke>{{bs, "", 0}} << 0 << 1;
    QTest::newRow("Backspace back to one letter")
        << QList<Keystroke>{{0, "t", 0}, {0, "i", 100}, {bs, "", 200}} << 71 << 3;
    QTest::newRow("Backspace to empty selects row 0") << QList<Keystroke>{{0, "x", 0}, {bs, "", 100}} << 0 << 2;
    QTest::newRow("no label begins with z") << QList<Keystroke>{{0, "z", 0}} << -1 << 0;
    QTest::newRow("a prefix ignoring case") << QList<Keystroke>{{0, "P", 0}, {0, "H", 100}} << 63 << 2;
    QTest::newRow("hoa finds the first of Hoa and Hòa")
        << QList<Keystroke>{{0, "h", 0}, {0, "o", 100}, {0, "a", 200}} << 35 << 3;
    QTest::newRow("lower-case đ") << QList<Keystroke>{{0, "đ", 0}} << 17 << 1;
    // Plain letters also match letters with diacritics; typed diacritics
    // must match as typed.
    QTest::newRow("co finds Cổ") << QList<Keystroke>{{0, "c", 0}, {0, "o", 100}} << 10 << 2;
    QTest::newRow("cô finds Cô") << QList<Keystroke>{{0, "c", 0}, {0, "ô", 100}} << 11 << 2;
    QTest::newRow("d finds Đ first") << QList<Keystroke>{{0, "d", 0}} << 17 << 1;
    QTest::newRow("du finds Dược") << QList<Keystroke>{{0, "d", 0}, {0, "u", 100}} << 28 << 2;
    QTest::newRow("hò is not hoa") << QList<Keystroke>{{0, "h", 0}, {0, "ò", 100}, {0, "a", 200}} << 36 << 3;
    QTest::newRow("a space counts") << QList<Keystroke>{{0, "m", 0},   {0, "i", 100}, {0, "ê", 200},
                                                        {0, "u", 300}, {0, " ", 400}, {0, "l", 499}}
                                    << 56 << 6;
    QTest::newRow("the clock runs from the last key") // "thi": Thị Trấn Bạch Tộc
        << QList<Keystroke>{{0, "t", 0}, {0, "h", 400}, {0, "i", 800}} << 83 << 3;
}

void TestMainWindow::typeAhead()
{
    QFETCH(QList<Keystroke>, strokes);
    QFETCH(int, index);
    QFETCH(int, clicks);
    QTRY_VERIFY(window_->listv->hasFocus());
    const qint64 start = now_;
    for (const Keystroke &s : strokes) {
        now_ = start + s.at;
        if (s.key)
            QTest::keyClick(window_->listv, Qt::Key(s.key));
        else
            typeText(window_->listv, s.text);
    }
    QCOMPARE(window_->listv->itemIndex(), index);
    QCOMPARE(clicks_, clicks);
    if (index >= 0) {
        const locator::PlaceEntry *e = locator::placeAt(index);
        QVERIFY(!window_->picture(e->region)->isHidden());
        QCOMPARE(window_->tron->pos(), QPoint(e->left, e->top));
    } else {
        QVERIFY(!window_->trangchu->isHidden());
        QVERIFY(window_->tron->isHidden());
    }
}

void TestMainWindow::inputMethodTyping()
{
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("Đô"));
    QCoreApplication::sendEvent(window_->listv, &commit);
    QCOMPARE(window_->listv->itemIndex(), 21); // "Đôn Hòang Cổ Thành (105)"
    QCOMPARE(clicks_, 2);
}

void TestMainWindow::selectionFromCodeRaisesNothing()
{
    window_->listv->setItemIndex(5);
    QCOMPARE(window_->listv->itemIndex(), 5);
    QCOMPARE(clicks_, 0);
    QVERIFY(!window_->trangchu->isHidden());
    QVERIFY(window_->tron->isHidden());
}

void TestMainWindow::focusStaysOnTheList()
{
    QTRY_VERIFY(window_->listv->hasFocus());
    QTest::keyClick(window_.get(), Qt::Key_Tab);
    QTest::keyClick(window_->listv, Qt::Key_Tab);
    QTest::keyClick(window_->listv, Qt::Key_Backtab);
    QVERIFY(window_->listv->hasFocus());
    for (QWidget *w : {static_cast<QWidget *>(window_->TntLabel1), static_cast<QWidget *>(window_->trangchu),
                       static_cast<QWidget *>(window_->TntLabel2)})
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(window_->listv->hasFocus());
    QCOMPARE(clicks_, 0);
    QVERIFY(!window_->trangchu->isHidden());
}

void TestMainWindow::regionOperationsTouchOnlyWhatChanges()
{
    TForm1 &w = *window_;
    int shows = 0, hides = 0;
    struct Counter : QObject {
        int *shows, *hides;
        Counter(int *s, int *h) : shows(s), hides(h) {}
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::ShowToParent)
                ++*shows;
            if (e->type() == QEvent::HideToParent)
                ++*hides;
            return false;
        }
    } counter(&shows, &hides);
    for (MapView v : locator::allMapViews)
        w.picture(v)->installEventFilter(&counter);
    w.pkimquoc();
    QCOMPARE(shows, 1);
    QCOMPARE(hides, 1);
    w.pkimquoc(); // already shown: nothing to do
    QCOMPARE(shows, 1);
    QCOMPARE(hides, 1);
    w.pmongco();
    QCOMPARE(shows, 2);
    QCOMPARE(hides, 2);
    QVERIFY(w.tron->isHidden()); // the operations never touch the marker
    QCOMPARE(w.tron->pos(), QPoint(224, 72));
    int visible = 0;
    for (MapView v : locator::allMapViews)
        visible += !w.picture(v)->isHidden();
    QCOMPARE(visible, 1);
}

void TestMainWindow::overviewCoversTheMarker()
{
    const QImage before = grab();
    QCOMPARE(before.copy(224, 72, 797, 531), decodedPicture(MapView::trangchu));
    // Nothing selected: the marker shows, under the overview.
    window_->listvClick(window_->listv);
    QVERIFY(!window_->tron->isHidden());
    QCOMPARE(grab(), before);
}

void TestMainWindow::markerInvertsTheMapOnce()
{
    select(0); // Bách Hoa Cốc: dailyphu, marker box at (416, 528)
    const QImage shot = grab();
    const QImage &map = decodedPicture(MapView::dailyphu);
    const QPoint box(416, 528);
    int inverted = 0;
    for (int y = 0; y < 65; ++y) {
        for (int x = 0; x < 65; ++x) {
            const QPoint win = box + QPoint(x, y);
            if (win.y() >= 603)
                continue;
            const QRgb under = map.pixel(win - QPoint(224, 72));
            const QRgb seen = shot.pixel(win);
            const QRgb inv = qRgb(255 - qRed(under), 255 - qGreen(under), 255 - qBlue(under));
            const double dx = x - 32, dy = y - 32;
            if (dx * dx + dy * dy <= 31.5 * 31.5)
                QCOMPARE(seen, inv); // inside the disc: inverted once
            else if (dx * dx + dy * dy >= 33.5 * 33.5)
                QCOMPARE(seen, under); // outside: untouched
            inverted += seen == inv && seen != under;
        }
    }
    QVERIFY(inverted > 3000);
    // The rest of the map area is the picture itself.
    QCOMPARE(shot.pixel(300, 100), map.pixel(300 - 224, 100 - 72));
    // A repaint paints the picture first, so the inversion never builds up.
    window_->update();
    QCOMPARE(grab(), shot);
    window_->tron->repaint();
    QCOMPARE(grab(), shot);
}

void TestMainWindow::picturesDecodeOnFirstShowing()
{
    auto decodes = [this](MapView v) {
        return static_cast<TJPEGImage *>(window_->picture(v)->picture().graphic())->decodeCount();
    };
    grab();
    QCOMPARE(decodes(MapView::trangchu), 1);
    for (MapView v : locator::regionViews)
        QCOMPARE(decodes(v), 0);
    select(6); // Cấm Địa Hậu Sơn, on kimquoc
    grab();
    QCOMPARE(decodes(MapView::kimquoc), 1);
    select(7); // another place on kimquoc
    select(2); // dongtong, shown
    grab();
    select(3); // dongtong again
    select(9); // back to kimquoc
    grab();
    QCOMPARE(decodes(MapView::kimquoc), 1);
    QCOMPARE(decodes(MapView::dongtong), 1);
    QCOMPARE(decodes(MapView::trangchu), 1);
    QCOMPARE(decodes(MapView::taytong), 0);
}

void TestMainWindow::clientSizeStaysFitted()
{
    for (int i : {13, 70, 51, 10, 0, 97}) {
        select(i);
        QCOMPARE(window_->size(), QSize(1021, 603));
    }
}

// As the program runs it: deleted when closed, after which nothing of it
// may be touched (an address sanitizer run checks that).
void TestMainWindow::closingDeletesTheWindow()
{
    auto *w = new TForm1;
    w->readDefinition(TFORM1());
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QPointer<TForm1> alive(w);
    QVERIFY(w->close());
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
