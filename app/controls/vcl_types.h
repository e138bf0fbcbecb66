#pragma once

// The small vocabulary the window definition is written in: colour
// identifiers, font descriptions and the enumerations of the stored settings.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

class QWidget;

namespace tracuu {

enum class TColor { clBtnFace, clWindow, clBlack, clGreen, clRed, clBlue, clAqua, clWhite, clSilver };

// System colours come from the application palette, the rest are fixed.
QColor resolveColor(TColor color, const QPalette &palette);

enum class FontCharset { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1 };

struct FontDef {
    QString name;     // the family the definition names
    int height = -11; // negative: character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    TColor color = TColor::clBlack;
    FontCharset charset = FontCharset::DEFAULT_CHARSET;
};

// The families to try for a named font: the name itself, then metric-
// compatible or close substitutes that cover Vietnamese.
QStringList fontFamiliesFor(const QString &name);

// A QFont whose characters are |height| pixels tall.
QFont toQFont(const FontDef &def);

// Gives a widget the font and puts the font's colour in the palette role
// the widget draws its text with.
void applyFont(QWidget &widget, const FontDef &def, QPalette::ColorRole textRole);

enum class BorderStyle { bsNone, bsSingle, bsSizeable };
enum class BorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class FormPosition { poDesigned, poScreenCenter };
enum class ShapeType { stRectangle, stCircle, stEllipse };
enum class PenMode { pmCopy, pmNot };
enum class PenStyle { psSolid, psClear };
enum class BrushStyle { bsSolid, bsClear };

} // namespace tracuu
