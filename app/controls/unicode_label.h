#pragma once

#include "graphic_control.h"
#include "vcl_types.h"

namespace tracuu {

// A label holding UTF-16 text. Transparent: only the letters are painted.
// With auto-size on it takes the size of its caption, keeping its left and
// top edges. An ampersand marks the next character as an access key (shown
// underlined); a doubled one shows one ampersand.
class TTntLabel : public TGraphicControl {
public:
    explicit TTntLabel(QWidget *parent);

    void setCaption(const QString &caption);
    QString caption() const { return caption_; }
    void setLabelFont(const FontDef &font);
    const FontDef &labelFont() const { return fontDef_; }
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }
    void setTransparent(bool transparent);
    bool transparent() const { return transparent_; }

    QSize captionSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void adjustSize();

    QString caption_;
    FontDef fontDef_;
    bool autoSize_ = true;
    bool transparent_ = true;
};

} // namespace tracuu
