#pragma once

#include "graphic.h"
#include "graphic_control.h"

namespace tracuu {

// The picture control: draws its picture at natural size from its top-left
// corner, unscaled. A picture that covers the control makes it opaque, so
// nothing beneath it is painted there.
class TImage : public TGraphicControl {
public:
    explicit TImage(QWidget *parent);

    void loadPicture(QByteArrayView record, const PictureRegistry &registry);
    const TPicture &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateOpaqueness();

    TPicture picture_;
};

} // namespace tracuu
