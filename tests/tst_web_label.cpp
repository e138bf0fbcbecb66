// The web link at the top right: its settings, hover, the hand cursor, the
// mouse sequences that open or do not open the address, and its look.
#include "Unit1.h"
#include "controls/cursor_table.h"
#include "controls/jpeg_image.h"
#include "controls/unicode_list_box.h"
#include "controls/web_label.h"

#include <QAccessible>
#include <QBitmap>
#include <QTest>
#include <QWindow>

using namespace tracuu;

namespace {

// One step of a mouse sequence, in window coordinates.
struct MouseStep {
    enum Kind { press, release, move, doubleClick } kind;
    Qt::MouseButton button;
    QPoint at;
};

} // namespace
Q_DECLARE_METATYPE(QList<MouseStep>)

class TestWebLabel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void settings();
    void hover();
    void mouseSequences_data();
    void mouseSequences();
    void failedOpenChangesNothing();
    void neverTakesTheFocus();
    void handCursor();
    void looks_data();
    void looks();
    void accessibleAsALink();

private:
    TVrWebLabel *link() const { return window_->VrWebLabel1; }
    QPoint inside() const { return link()->geometry().center(); }
    QImage grabLink() const
    {
        return window_->grab(link()->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<TForm1> window_;
    QList<QUrl> opened_;
    bool openSucceeds_ = true;
    int errors_ = 0, enters_ = 0, leaves_ = 0;
};

void TestWebLabel::initTestCase()
{
    PictureRegistry::global().registerClass(TJPEGImage::graphicClass());
    CursorTable::global().registerCursor(CursorTable::handPoint, loadHandPointCursor());
    installWebLabelAccessibility();
}

void TestWebLabel::init()
{
    window_ = std::make_unique<TForm1>();
    window_->readDefinition(TFORM1());
    opened_.clear();
    openSucceeds_ = true;
    errors_ = enters_ = leaves_ = 0;
    link()->setOpener([this](const QUrl &url) {
        opened_.append(url);
        return openSucceeds_;
    });
    link()->OnError = [this](QObject *) { ++errors_; };
    link()->OnMouseEnter = [this](QObject *) { ++enters_; };
    link()->OnMouseLeave = [this](QObject *) { ++leaves_; };
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTest::mouseMove(window_.get(), QPoint(500, 300)); // start away from the link
}

void TestWebLabel::cleanup()
{
    window_.reset();
}

void TestWebLabel::settings()
{
    const TVrWebLabel &l = *link();
    QCOMPARE(l.geometry(), QRect(816, 0, 201, 25));
    QCOMPARE(l.caption(), QStringLiteral("https://vanduc.example"));
    QCOMPARE(l.url(), l.caption());
    QVERIFY(window_->windowTitle().endsWith(QStringLiteral(" vanduc.example"))); // the bare domain agrees
    for (const FontDef *f : {&l.fontLeave(), &l.fontEnter()}) {
        QCOMPARE(f->name, QStringLiteral("Arial"));
        QCOMPARE(f->height, -16);
        QVERIFY(f->bold && f->underline && !f->italic);
    }
    QCOMPARE(l.fontLeave().color, TColor::clSilver);
    QCOMPARE(l.fontEnter().color, TColor::clAqua);
    QVERIFY(l.transparent());
    QCOMPARE(l.cursorNumber(), 99);
    QCOMPARE(l.textRect(), QRect(1, 1, 199, 23));
    QVERIFY(!l.mouseInside());
}

void TestWebLabel::hover()
{
    QTest::mouseMove(window_.get(), inside());
    QTRY_VERIFY(link()->mouseInside());
    QCOMPARE(enters_, 1);
    QTest::mouseMove(window_.get(), QPoint(700, 300));
    QTRY_VERIFY(!link()->mouseInside());
    QCOMPARE(leaves_, 1);
    // Also where no text is drawn: the rectangle's corners.
    QTest::mouseMove(window_.get(), link()->geometry().bottomLeft());
    QTRY_VERIFY(link()->mouseInside());
    QCOMPARE(opened_.size(), 0);
}

void TestWebLabel::mouseSequences_data()
{
    QTest::addColumn<QList<MouseStep>>("steps");
    QTest::addColumn<int>("opens");
    const QPoint in(916, 12), corner(1016, 24), out(700, 300), title(400, 40);
    const Qt::MouseButton L = Qt::LeftButton;
    using S = MouseStep;
    QTest::newRow("click") << QList<S>{{S::move, L, in}, {S::press, L, in}, {S::release, L, in}} << 1;
    QTest::newRow("click in a corner without text")
        << QList<S>{{S::move, L, corner}, {S::press, L, corner}, {S::release, L, corner}} << 1;
    QTest::newRow("press, leave, release")
        << QList<S>{{S::move, L, in}, {S::press, L, in}, {S::move, L, out}, {S::release, L, out}} << 0;
    QTest::newRow("press, leave, come back, release") << QList<S>{{S::move, L, in},
                                                                  {S::press, L, in},
                                                                  {S::move, L, out},
                                                                  {S::move, L, in},
                                                                  {S::release, L, in}}
                                                      << 1;
    QTest::newRow("press elsewhere, release on the link")
        << QList<S>{{S::move, L, title}, {S::press, L, title}, {S::move, L, in}, {S::release, L, in}} << 0;
    // Two presses and two releases, the second press reported as a double click.
    QTest::newRow("double click opens twice") << QList<S>{{S::move, L, in}, {S::doubleClick, L, in}} << 2;
    QTest::newRow("right button") << QList<S>{{S::move, L, in},
                                              {S::press, Qt::RightButton, in},
                                              {S::release, Qt::RightButton, in}}
                                  << 0;
    QTest::newRow("middle button") << QList<S>{{S::move, L, in},
                                               {S::press, Qt::MiddleButton, in},
                                               {S::release, Qt::MiddleButton, in}}
                                   << 0;
}

void TestWebLabel::mouseSequences()
{
    QFETCH(QList<MouseStep>, steps);
    QFETCH(int, opens);
    // Through the window system, so Qt routes each event to the control
    // under the pointer and keeps its implicit grab as on a real screen.
    QWindow *w = window_->windowHandle();
    for (const MouseStep &s : steps) {
        switch (s.kind) {
        case MouseStep::press: QTest::mousePress(w, s.button, {}, s.at); break;
        case MouseStep::release: QTest::mouseRelease(w, s.button, {}, s.at); break;
        case MouseStep::move: QTest::mouseMove(w, s.at); break;
        case MouseStep::doubleClick: QTest::mouseDClick(w, s.button, {}, s.at); break;
        }
    }
    QCOMPARE(opened_.size(), opens);
    for (const QUrl &u : opened_)
        QCOMPARE(u, QUrl(QStringLiteral("https://vanduc.example")));
    QCOMPARE(errors_, 0);
}

void TestWebLabel::failedOpenChangesNothing()
{
    openSucceeds_ = false;
    QTest::mouseMove(window_.get(), inside());
    QTRY_VERIFY(link()->mouseInside());
    const QImage before = window_->grab().toImage();
    const int windows = QApplication::topLevelWidgets().size();
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, inside());
    QCOMPARE(opened_.size(), 1); // tried once, not retried
    QCOMPARE(errors_, 1);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows); // no box
    QCOMPARE(window_->grab().toImage(), before);
    QVERIFY(link()->mouseInside());
}

void TestWebLabel::neverTakesTheFocus()
{
    QCOMPARE(link()->focusPolicy(), Qt::NoFocus);
    QTRY_VERIFY(window_->listv->hasFocus());
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, inside());
    QVERIFY(window_->listv->hasFocus());
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(window_->listv, k);
    QTest::keyClick(link(), Qt::Key_Space);
    QTest::keyClick(link(), Qt::Key_Return);
    QVERIFY(window_->listv->hasFocus());
    QCOMPARE(opened_.size(), 1); // only the click
}

void TestWebLabel::handCursor()
{
    const QCursor hand = CursorTable::global().cursor(99);
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.hotSpot(), QPoint(10, 5));
    QCOMPARE(hand.bitmap().size(), QSize(32, 32));
    QCOMPARE(hand.mask().size(), QSize(32, 32));
    QCOMPARE(hand.bitmap().depth(), 1);
    // The hot spot is on the drawn finger.
    QCOMPARE(hand.mask().toImage().pixelIndex(10, 5), 1);
    QCOMPARE(link()->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(link()->cursor().hotSpot(), QPoint(10, 5));
    // The whole rectangle belongs to the link, corners included.
    const QRect r = link()->geometry();
    for (const QPoint &p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.center()})
        QCOMPARE(window_->childAt(p), static_cast<QWidget *>(link()));
    QCOMPARE(CursorTable::global().cursor(12345).shape(), Qt::ArrowCursor);
}

void TestWebLabel::looks_data()
{
    QTest::addColumn<bool>("hovered");
    QTest::newRow("not hovered: silver") << false;
    QTest::newRow("hovered: aqua") << true;
}

void TestWebLabel::looks()
{
    QFETCH(bool, hovered);
    if (hovered) {
        QTest::mouseMove(window_.get(), inside());
        QTRY_VERIFY(link()->mouseInside());
    }
    const QImage img = grabLink();
    const QColor face = window_->palette().color(QPalette::Window);
    const QRgb text = hovered ? qRgb(0, 255, 255) : qRgb(192, 192, 192);
    const QRgb other = hovered ? qRgb(192, 192, 192) : qRgb(0, 255, 255);
    int textPixels = 0, halo = 0, otherPixels = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            textPixels += p == text;
            otherPixels += p == other;
            halo += p == qRgb(255, 255, 255);
        }
    QVERIFY2(textPixels > 100, qPrintable(QString::number(textPixels)));
    QCOMPARE(otherPixels, 0);
    QVERIFY(halo > 100);
    // Nothing outside the text rectangle: the 1-pixel rim is background.
    for (int x = 0; x < img.width(); ++x) {
        QCOMPARE(img.pixelColor(x, 0), face);
        QCOMPARE(img.pixelColor(x, img.height() - 1), face);
    }
    // Centred: ink about as far from the left as from the right.
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == text) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY2(qAbs(left - (img.width() - 1 - right)) <= 3,
             qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
}

void TestWebLabel::accessibleAsALink()
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(link());
    QVERIFY(a);
    QCOMPARE(a->role(), QAccessible::Link);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("https://vanduc.example"));
    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("https://vanduc.example"));
    QVERIFY(!a->state().focusable);
}

QTEST_MAIN(TestWebLabel)
#include "tst_web_label.moc"
