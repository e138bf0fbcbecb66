#pragma once

// The stored definition of the main window: its properties and its eleven
// controls in stored order, which is the order of creation and painting.
// It is data, so tests can read it and hand in a variant of it.

#include "controls/shape.h"
#include "controls/vcl_types.h"

#include <QFlags>
#include <QRect>
#include <QStringList>

#include <vector>

namespace tracuu {

enum class ControlKind { TImage, TShape, TTntLabel, TVrWebLabel, TTntListBox };

struct WebLinkDef {
    QString caption;
    QString url;
    FontDef fontLeave;
    FontDef fontEnter;
    TColor colorLeave = TColor::clWhite;
    TColor colorEnter = TColor::clBlue;
    TColor outlineColor = TColor::clWhite;
    bool outlineVisible = true;
    int outlineWidth = 1;
    Qt::Alignment alignment = Qt::AlignHCenter;
    bool wordWrap = true;
    bool transparent = true;
    int cursor = 99;
};

struct ControlDef {
    QString name;
    ControlKind kind;
    QRect bounds;
    bool visible = true;
    // Labels and the list.
    QString caption;
    FontDef font;
    bool parentFont = true;
    bool transparent = false;
    bool autoSize = true;
    // Pictures: where the stored picture record is, a resource or a file.
    QString pictureRecord;
    // The shape.
    ShapeType shape = ShapeType::stRectangle;
    TPen pen;
    TBrush brush;
    // The list.
    QStringList items;
    int itemHeight = 0;
    int tabOrder = -1;
    QString onClick; // name of the window's method bound to the click event
    // The web link.
    WebLinkDef link;
};

struct FormDef {
    QString name;
    QString className;
    QString caption;
    BorderStyle borderStyle = BorderStyle::bsSizeable;
    int borderIcons = 0; // BorderIcon flags
    FormPosition position = FormPosition::poDesigned;
    int left = 0;
    int top = 0;
    bool autoSize = false;
    int clientWidth = 0;
    int clientHeight = 0;
    TColor color = TColor::clBtnFace;
    FontDef font;
    QString icon; // resource
    int pixelsPerInch = 96;
    int textHeight = 13;
    bool oldCreateOrder = false;
    std::vector<ControlDef> controls;

    const ControlDef *control(const QString &controlName) const;
};

// The publisher's web address; the caption shows it without its scheme.
inline constexpr const char *publisherUrl = "https://vanduc.example";

const FormDef &TFORM1();

} // namespace tracuu
