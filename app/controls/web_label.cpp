#include "web_label.h"

#include "cursor_table.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>

namespace tracuu {

TVrWebLabel::TVrWebLabel(QWidget *parent)
    : TGraphicControl(parent), opener_([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setCursorNumber(cursorNumber_);
}

void TVrWebLabel::setCaption(const QString &caption)
{
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void TVrWebLabel::setUrl(const QString &url)
{
    url_ = url;
    setAccessibleDescription(url);
}

void TVrWebLabel::setFonts(const FontDef &leave, const FontDef &enter)
{
    fontLeave_ = leave;
    fontEnter_ = enter;
    update();
}

void TVrWebLabel::setColors(TColor leave, TColor enter)
{
    colorLeave_ = leave;
    colorEnter_ = enter;
    update();
}

void TVrWebLabel::setTextOutline(TColor color, bool visible, int width)
{
    outlineColor_ = color;
    outlineVisible_ = visible;
    outlineWidth_ = width;
    update();
}

void TVrWebLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void TVrWebLabel::setWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    update();
}

void TVrWebLabel::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TVrWebLabel::setCursorNumber(int number)
{
    cursorNumber_ = number;
    setCursor(CursorTable::global().cursor(number));
}

QRect TVrWebLabel::textRect() const
{
    const int w = outlineVisible_ ? outlineWidth_ : 0;
    return rect().adjusted(w, w, -w, -w);
}

int TVrWebLabel::textFlags() const
{
    return int(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextExpandTabs |
           Qt::TextShowMnemonic | (wordWrap_ ? Qt::TextWordWrap : 0);
}

void TVrWebLabel::paintEvent(QPaintEvent *)
{
    const bool hover = mouseInside_ && isEnabled();
    const FontDef &fontDef = hover ? fontEnter_ : fontLeave_;
    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), resolveColor(hover ? colorEnter_ : colorLeave_, palette()));
    const QRect r = textRect();
    p.setClipRect(r);
    p.setFont(toQFont(fontDef));
    const int flags = textFlags();
    const int w = outlineVisible_ ? outlineWidth_ : 0;
    if (w > 0) {
        // The halo: diagonal offsets only, in this order.
        p.setPen(resolveColor(outlineColor_, palette()));
        for (int x = 1; x <= w; ++x)
            for (int y = 1; y <= w; ++y)
                for (const QPoint d : {QPoint(x, y), QPoint(x, -y), QPoint(-x, y), QPoint(-x, -y)})
                    p.drawText(r.translated(d), flags, caption_);
    }
    p.setPen(resolveColor(fontDef.color, palette()));
    p.drawText(r, flags, caption_);
}

void TVrWebLabel::setMouseInside(bool inside)
{
    if (inside == mouseInside_)
        return;
    mouseInside_ = inside;
    repaint();
    const Notify &notify = inside ? OnMouseEnter : OnMouseLeave;
    if (notify)
        notify(this);
}

void TVrWebLabel::enterEvent(QEnterEvent *event)
{
    TGraphicControl::enterEvent(event);
    setMouseInside(true);
}

void TVrWebLabel::leaveEvent(QEvent *event)
{
    TGraphicControl::leaveEvent(event);
    setMouseInside(false);
}

void TVrWebLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // Qt's implicit grab sends the release here wherever it happens.
    pressed_ = true;
    setMouseInside(rect().contains(event->position().toPoint()));
    event->accept();
}

void TVrWebLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click counts as a press.
    mousePressEvent(event);
}

void TVrWebLabel::mouseMoveEvent(QMouseEvent *event)
{
    // While the button is held Qt sends no enter or leave, so the edge is
    // tracked from the moves.
    if (pressed_)
        setMouseInside(rect().contains(event->position().toPoint()));
    event->accept();
}

void TVrWebLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        event->ignore();
        return;
    }
    pressed_ = false;
    event->accept();
    if (!mouseInside_)
        return;
    repaint();
    const bool opened = opener_ && opener_(QUrl(url_));
    if (!opened && OnError)
        OnError(this);
}

namespace {

class WebLabelAccessible : public QAccessibleWidget {
public:
    explicit WebLabelAccessible(TVrWebLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        auto *label = static_cast<TVrWebLabel *>(widget());
        switch (t) {
        case QAccessible::Name: return label->caption();
        case QAccessible::Value:
        case QAccessible::Description: return label->url();
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface *webLabelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("tracuu::TVrWebLabel") && object && object->isWidgetType())
        return new WebLabelAccessible(static_cast<TVrWebLabel *>(object));
    return nullptr;
}

} // namespace

void installWebLabelAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(webLabelFactory);
        installed = true;
    }
}

} // namespace tracuu
