#include "Unit1.h"

#include "controls/errors.h"
#include "controls/image_control.h"
#include "controls/shape.h"
#include "controls/unicode_label.h"
#include "controls/unicode_list_box.h"
#include "controls/web_label.h"
#include "window_geometry.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QResource>
#include <QScreen>
#include <QShowEvent>

namespace tracuu {

TForm1 *Form1 = nullptr;

using locator::MapView;

TForm1::TForm1() : QWidget(nullptr)
{
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

namespace {

// The bytes of a stored picture record: straight from the program's
// resources when it is there, else read from a file (a definition handed in
// by a test, say).
QByteArrayView recordData(const QString &path, QByteArray &holder)
{
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArrayView(resource.data(), resource.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureRecordError("picture record " + path.toStdString() + " cannot be read");
    holder = file.readAll();
    return holder;
}

Qt::WindowFlags flagsFor(const FormDef &def)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (def.borderIcons & int(BorderIcon::biSystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (def.borderIcons & int(BorderIcon::biMinimize))
        flags |= Qt::WindowMinimizeButtonHint;
    if (def.borderIcons & int(BorderIcon::biMaximize))
        flags |= Qt::WindowMaximizeButtonHint;
    if (def.borderIcons & int(BorderIcon::biHelp))
        flags |= Qt::WindowContextHelpButtonHint;
    if (def.borderStyle == BorderStyle::bsSingle)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

} // namespace

void TForm1::readDefinition(const FormDef &def, const PictureRegistry &registry)
{
    definition_ = &def;
    setObjectName(def.name);
    setWindowTitle(def.caption);
    setWindowFlags(flagsFor(def));
    setFocusPolicy(Qt::NoFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, resolveColor(def.color, pal));
    pal.setColor(QPalette::WindowText, resolveColor(def.font.color, pal));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(toQFont(def.font));
    if (!def.icon.isEmpty())
        setWindowIcon(QIcon(def.icon));
    move(def.left, def.top);
    setFixedSize(def.clientWidth, def.clientHeight);

    for (const ControlDef &c : def.controls)
        createControl(c, registry);
    for (const ControlDef &c : def.controls)
        bindEvent(c);
    if (def.autoSize)
        fitToControls();
    if (listv)
        listv->setFocus(Qt::OtherFocusReason);
}

void TForm1::createControl(const ControlDef &def, const PictureRegistry &registry)
{
    QWidget *widget = nullptr;
    switch (def.kind) {
    case ControlKind::TImage: {
        auto *image = new TImage(this);
        image->setGeometry(def.bounds);
        QByteArray holder;
        image->loadPicture(recordData(def.pictureRecord, holder), registry);
        widget = image;
        break;
    }
    case ControlKind::TShape: {
        auto *shape = new TShape(this);
        shape->setGeometry(def.bounds);
        shape->setShape(def.shape);
        shape->setPen(def.pen);
        shape->setBrush(def.brush);
        widget = shape;
        break;
    }
    case ControlKind::TTntLabel: {
        auto *label = new TTntLabel(this);
        label->setGeometry(def.bounds);
        label->setAutoSize(false);
        label->setLabelFont(def.font);
        label->setTransparent(def.transparent);
        label->setCaption(def.caption);
        label->setAutoSize(def.autoSize); // sizes itself to the caption
        widget = label;
        break;
    }
    case ControlKind::TVrWebLabel: {
        auto *link = new TVrWebLabel(this);
        link->setGeometry(def.bounds);
        link->setCaption(def.link.caption);
        link->setUrl(def.link.url);
        link->setFonts(def.link.fontLeave, def.link.fontEnter);
        link->setColors(def.link.colorLeave, def.link.colorEnter);
        link->setTextOutline(def.link.outlineColor, def.link.outlineVisible, def.link.outlineWidth);
        link->setAlignment(def.link.alignment);
        link->setWordWrap(def.link.wordWrap);
        link->setTransparent(def.link.transparent);
        link->setCursorNumber(def.link.cursor);
        widget = link;
        break;
    }
    case ControlKind::TTntListBox: {
        auto *list = new TTntListBox(this);
        list->setGeometry(def.bounds);
        list->setListFont(def.font);
        list->setItemHeight(def.itemHeight);
        list->setItems(def.items);
        list->setFocusPolicy(def.tabOrder >= 0 ? Qt::StrongFocus : Qt::NoFocus);
        widget = list;
        break;
    }
    }
    widget->setObjectName(def.name);
    widget->setVisible(def.visible);
    widget->installEventFilter(this);
    controls_.append(widget);

    // Bind the window's fields by name.
    const QString &n = def.name;
    auto bind = [&](auto *&field, const char *name) {
        if (n == QLatin1String(name))
            field = dynamic_cast<std::remove_reference_t<decltype(field)>>(widget);
    };
    bind(dailyphu, "dailyphu");
    bind(tron, "tron");
    bind(mongco, "mongco");
    bind(taytong, "taytong");
    bind(dongtong, "dongtong");
    bind(kimquoc, "kimquoc");
    bind(trangchu, "trangchu");
    bind(TntLabel1, "TntLabel1");
    bind(VrWebLabel1, "VrWebLabel1");
    bind(TntLabel2, "TntLabel2");
    bind(listv, "listv");
}

void TForm1::bindEvent(const ControlDef &def)
{
    if (def.onClick == QLatin1String("listvClick") && def.kind == ControlKind::TTntListBox && listv)
        listv->setOnClick([this](QObject *sender) { listvClick(sender); });
}

TImage *TForm1::picture(MapView view) const
{
    switch (view) {
    case MapView::trangchu: return trangchu;
    case MapView::dailyphu: return dailyphu;
    case MapView::mongco: return mongco;
    case MapView::taytong: return taytong;
    case MapView::dongtong: return dongtong;
    case MapView::kimquoc: return kimquoc;
    }
    return nullptr;
}

void TForm1::applyRegion(MapView region)
{
    // Only assignments that flip a picture's visibility touch the control,
    // so only real changes ask for a repaint.
    for (const locator::AppliedAssignment &a : views_.apply(*locator::regionOperation(region)))
        if (a.changed)
            if (TImage *image = picture(a.picture))
                image->setShown(a.visible);
}

void TForm1::pkimquoc()
{
    applyRegion(MapView::kimquoc);
}

void TForm1::pdongtong()
{
    applyRegion(MapView::dongtong);
}

void TForm1::ptaytong()
{
    applyRegion(MapView::taytong);
}

void TForm1::pdailyphu()
{
    applyRegion(MapView::dailyphu);
}

void TForm1::pmongco()
{
    applyRegion(MapView::mongco);
}

void TForm1::listvClick(QObject *)
{
    locator::locate(listv->itemIndex(), *this);
}

void TForm1::showMarker()
{
    tron->setShown(true);
}

void TForm1::showRegion(MapView region)
{
    switch (region) {
    case MapView::kimquoc: pkimquoc(); break;
    case MapView::dongtong: pdongtong(); break;
    case MapView::taytong: ptaytong(); break;
    case MapView::dailyphu: pdailyphu(); break;
    case MapView::mongco: pmongco(); break;
    case MapView::trangchu: break; // no operation shows the overview
    }
}

void TForm1::setMarkerLeft(int left)
{
    tron->setLeft(left);
}

void TForm1::setMarkerTop(int top)
{
    tron->setTop(top);
}

void TForm1::scheduleFit()
{
    // A region operation hides five pictures before it shows its own; fitting
    // after each step would shrink and regrow the window. The fit runs once,
    // when control is back in the loop, before anything is repainted.
    if (fitPending_)
        return;
    fitPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            fitPending_ = false;
            fitToControls();
        },
        Qt::QueuedConnection);
}

void TForm1::fitToControls()
{
    QList<QRect> bounds;
    for (QWidget *w : controls_)
        if (!w->isHidden())
            bounds.append(w->geometry());
    const ClientFit fit = fitClientToControls(bounds);
    if (!fit.shift.isNull())
        for (QWidget *w : controls_)
            if (!w->isHidden())
                w->move(w->pos() + fit.shift);
    if (!fit.client.isEmpty() && fit.client != size())
        setFixedSize(fit.client);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (definition_ && definition_->autoSize) {
        switch (event->type()) {
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Move:
        case QEvent::Resize: scheduleFit(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Qt places a top-level window by its frame's top-left corner.
    move(centredPosition(screen->geometry(), frameGeometry().size()));
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!centred_ && definition_ && definition_->position == FormPosition::poScreenCenter) {
        centred_ = true;
        centreOnScreen();
    }
}

bool TForm1::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool frameMayBeKnown = type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose ||
                                 type == QEvent::WindowActivate;
    // Only these are looked at after the base class has handled them; any
    // other event, a deferred delete above all, may leave no window behind.
    if (!frameMayBeKnown)
        return QWidget::event(event);
    const bool result = QWidget::event(event);
    // The window manager's frame is known only once the window is mapped:
    // centre again, once, by the real outer size.
    if (centred_ && !centredWithFrame_ && isVisible() && frameGeometry().size() != geometry().size()) {
        centredWithFrame_ = true;
        centreOnScreen();
    }
    return result;
}

} // namespace tracuu
