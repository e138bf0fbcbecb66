#pragma once

#include "graphic_control.h"
#include "vcl_types.h"

#include <QUrl>

#include <functional>

namespace tracuu {

// A link label: shows its caption with a one-pixel halo, changes its font
// while the mouse is over it, shows the pointing hand, and opens its address
// in the desktop's browser when clicked with the left button.
class TVrWebLabel : public TGraphicControl {
    Q_OBJECT
public:
    using Opener = std::function<bool(const QUrl &)>;
    using Notify = std::function<void(QObject *sender)>;

    explicit TVrWebLabel(QWidget *parent);

    void setCaption(const QString &caption);
    QString caption() const { return caption_; }
    void setUrl(const QString &url);
    QString url() const { return url_; }
    void setFonts(const FontDef &leave, const FontDef &enter);
    const FontDef &fontLeave() const { return fontLeave_; }
    const FontDef &fontEnter() const { return fontEnter_; }
    void setColors(TColor leave, TColor enter);
    void setTextOutline(TColor color, bool visible, int width);
    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool wordWrap);
    void setTransparent(bool transparent);
    bool transparent() const { return transparent_; }
    void setCursorNumber(int number);
    int cursorNumber() const { return cursorNumber_; }

    bool mouseInside() const { return mouseInside_; }
    // The rectangle the text is laid out and clipped in: the control less
    // the outline width on every side.
    QRect textRect() const;

    // Seams: how the address is opened (the desktop's default browser unless
    // replaced), and the events nobody handles in this program.
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    Notify OnError, OnMouseEnter, OnMouseLeave;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setMouseInside(bool inside);
    int textFlags() const;

    QString caption_, url_;
    FontDef fontLeave_, fontEnter_;
    TColor colorLeave_ = TColor::clWhite, colorEnter_ = TColor::clBlue;
    TColor outlineColor_ = TColor::clWhite;
    bool outlineVisible_ = true;
    int outlineWidth_ = 1;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    bool wordWrap_ = true;
    bool transparent_ = true;
    int cursorNumber_ = 99;
    bool mouseInside_ = false;
    bool pressed_ = false;
    Opener opener_;
};

// Lets assistive technologies see the label as a link with its address.
void installWebLabelAccessibility();

} // namespace tracuu
