#include "vcl_types.h"

#include <QWidget>

namespace tracuu {

QColor resolveColor(TColor color, const QPalette &palette)
{
    switch (color) {
    case TColor::clBtnFace: return palette.color(QPalette::Button);
    case TColor::clWindow: return palette.color(QPalette::Base);
    case TColor::clBlack: return QColor(0, 0, 0);
    case TColor::clGreen: return QColor(0, 128, 0);
    case TColor::clRed: return QColor(255, 0, 0);
    case TColor::clBlue: return QColor(0, 0, 255);
    case TColor::clAqua: return QColor(0, 255, 255);
    case TColor::clWhite: return QColor(255, 255, 255);
    case TColor::clSilver: return QColor(192, 192, 192);
    }
    return {};
}

QStringList fontFamiliesFor(const QString &name)
{
    // Liberation Sans has Arial's metrics, so captions keep their designed
    // widths; Tahoma's widths are close to Arial's too, so the list's longest
    // labels still fit its width. Both fonts cover every Vietnamese letter.
    if (name == QLatin1String("Arial"))
        return {name, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                QStringLiteral("DejaVu Sans")};
    if (name == QLatin1String("Tahoma"))
        return {name, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                QStringLiteral("DejaVu Sans")};
    if (name == QLatin1String("MS Sans Serif"))
        return {name, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {name};
}

QFont toQFont(const FontDef &def)
{
    QFont f;
    f.setFamilies(fontFamiliesFor(def.name));
    f.setPixelSize(def.height < 0 ? -def.height : def.height);
    f.setBold(def.bold);
    f.setItalic(def.italic);
    f.setUnderline(def.underline);
    return f;
}

void applyFont(QWidget &widget, const FontDef &def, QPalette::ColorRole textRole)
{
    widget.setFont(toQFont(def));
    QPalette pal = widget.palette();
    pal.setColor(textRole, resolveColor(def.color, pal));
    widget.setPalette(pal);
}

} // namespace tracuu
