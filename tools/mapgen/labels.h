#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QStringList>

namespace mapgen {

// Text with a dark outline, legible on any ground.
struct TextStyle {
    QFont font;
    QColor fill = Qt::white;
    QColor outline = QColor(34, 26, 18);
    double outlineWidth = 3.0;
};

// The lines' ink size, centred lines, line gap from the font.
QSizeF textBlockSize(const QStringList &lines, const QFont &font);
void drawTextBlock(QPainter &p, const QStringList &lines, const TextStyle &style, QRectF box);

// One label to place near its anchor: a choice of layouts (one line, or the
// tag on a second line) and of sides of the anchor's symbol.
struct LabelRequest {
    QList<QStringList> layouts;
    TextStyle style;
    QRectF anchorBox;     // the symbol the label belongs to
    bool edgeHug = false; // exit labels: may sit right at the symbol-less point
};

struct PlacedLabel {
    QStringList lines;
    QRectF box;
    bool clean; // no overlap with any symbol or with the picture's edge
};

// Places every label so that none covers a symbol or leaves the picture,
// preferring spots that overlap other labels least; the most crowded labels
// choose first.
QList<PlacedLabel> placeLabels(const QList<LabelRequest> &requests, const QList<QRectF> &symbols,
                               const QList<QRectF> &keepClear, QSizeF picture);

} // namespace mapgen
