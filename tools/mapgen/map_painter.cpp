#include "map_painter.h"

#include "geography.h"
#include "icons.h"
#include "labels.h"
#include "roads.h"
#include "terrain.h"

#include "locator/catalogue.h"

#include <QPainterPath>

#include <cmath>

namespace mapgen {

QPoint pavilionPoint(int left, int top)
{
    // The marker's box starts at (left, top) in window coordinates and its
    // disc is centred 32 pixels in; the map area starts at (224, 72).
    return {left + 32 - 224, top + 32 - 72};
}

namespace {

// The pixel (x, y) is the square from (x, y) to (x + 1, y + 1); symbols are
// centred on its middle.
QPointF pixelCentre(QPoint p)
{
    return {p.x() + 0.5, p.y() + 0.5};
}

QFont font(const QString &family, double pixelSize, bool bold, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

// Place names that speak of high ground raise the land around them.
bool soundsMountainous(const QString &name)
{
    static const QStringList words{QStringLiteral("Sơn"),  QStringLiteral("Phong"), QStringLiteral("Lĩnh"),
                                   QStringLiteral("Động"), QStringLiteral("Quan"),  QStringLiteral("Huyệt")};
    for (const QString &w : words)
        if (name.contains(w))
            return true;
    return false;
}

struct Place {
    QPoint point;
    PlaceLabel label;
};

QList<Place> placesOf(locator::MapView view)
{
    QList<Place> out;
    for (const locator::PlaceEntry &e : locator::placeCatalogue())
        if (e.region == view)
            out.append({pavilionPoint(e.left, e.top), placeLabel(e.label)});
    return out;
}

void drawWater(QPainter &p, const Geography &geo)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const QPainterPath &lake : geo.lakes()) {
        p.setPen(QPen(QColor(64, 92, 96, 150), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lake);
    }
    for (const Geography::RiverCourse &r : geo.rivers()) {
        const QPolygonF &line = r.line;
        for (int pass = 0; pass < 2; ++pass) {
            for (qsizetype i = 1; i < line.size(); ++i) {
                const double t = double(i) / (line.size() - 1);
                const double w = 1.2 + (r.width - 1.2) * t;
                if (pass == 0)
                    p.setPen(QPen(QColor(58, 82, 84, 160), w + 1.6, Qt::SolidLine, Qt::RoundCap));
                else
                    p.setPen(QPen(QColor(92, 138, 148), w, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(line[i - 1], line[i]);
            }
        }
    }
    p.restore();
}

// Lettering scaled so that its ink, diacritics included, is `inkHeight` tall.
QPainterPath fittedText(const QString &text, QFont f, double inkHeight)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    f.setPixelSize(int(std::lround(f.pixelSize() * inkHeight / path.boundingRect().height())));
    QPainterPath fitted;
    fitted.addText(0, 0, f, text);
    return fitted;
}

void drawLettering(QPainter &p, const QPainterPath &path, QColor fill, QColor outline, double width,
                   bool shadow)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (shadow) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawPath(path.translated(2.5, 2.5));
    }
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

// The region's name in large white letters in its corner; returns the box
// that labels must keep clear of.
QRectF drawTitle(QPainter &p, const MapSpec &spec, const MapFonts &fonts)
{
    QPainterPath path = fittedText(spec.title, font(fonts.sans, 44, true), 50);
    const QRectF ink = path.boundingRect();
    const QPointF at = spec.titleCorner == Corner::topLeft
                           ? QPointF(16 - ink.left(), 10 - ink.top())
                           : QPointF(pictureWidth - 18 - ink.right(), pictureHeight - 12 - ink.bottom());
    path.translate(at);
    drawLettering(p, path, Qt::white, QColor(46, 34, 22), 5, true);
    return path.boundingRect().adjusted(-4, -4, 6, 6);
}

QImage paintRegion(const MapSpec &spec, const MapFonts &fonts, QStringList &problems)
{
    const QList<Place> places = placesOf(spec.view);
    QList<QPointF> mountains, islands;
    const Geography dry(spec, {});
    for (const Place &pl : places) {
        if (soundsMountainous(pl.label.name))
            mountains.append(pixelCentre(pl.point));
        if (dry.waterDepth(pl.point.x(), pl.point.y()) > -6)
            islands.append(pixelCentre(pl.point));
    }
    for (const Town &t : spec.towns)
        if (dry.waterDepth(t.pos.x(), t.pos.y()) > -8)
            islands.append(t.pos);
    const Geography geo(spec, islands);
    const Terrain terrain(spec, geo, mountains);
    QImage img = terrain.paint();
    QPainter p(&img);
    drawWater(p, geo);

    QList<RoadNode> nodes;
    for (const Town &t : spec.towns)
        nodes.append({t.pos, true});
    for (const Sect &s : spec.sects)
        nodes.append({s.pos, true});
    for (const Exit &e : spec.exits)
        nodes.append({e.edge, true});
    for (const Place &pl : places)
        nodes.append({pixelCentre(pl.point), false});
    drawRoads(p, planRoads(nodes, geo, spec.seed + 5));

    QList<QRectF> symbols;
    QList<LabelRequest> requests;
    const TextStyle townStyle{font(fonts.sans, 13, true), QColor(255, 214, 110), QColor(40, 26, 14), 3.2};
    const TextStyle sectStyle{font(fonts.sans, 12, true), QColor(116, 176, 255), QColor(16, 22, 48), 3.0};
    const TextStyle placeStyle{font(fonts.sans, 11, true), Qt::white, QColor(34, 26, 18), 2.8};
    const TextStyle exitStyle{font(fonts.sans, 11, true, true), Qt::white, QColor(34, 26, 18), 2.8};
    for (const Town &t : spec.towns) {
        const QRectF box = t.kind == TownKind::walled ? walledTownBox(t.pos) : housesBox(t.pos);
        (t.kind == TownKind::walled ? drawWalledTown : drawHouses)(p, t.pos);
        symbols.append(box);
        requests.append({{{t.name}}, townStyle, box});
    }
    for (const Sect &s : spec.sects) {
        drawGate(p, s.pos);
        symbols.append(gateBox(s.pos));
        requests.append({{{s.name}}, sectStyle, gateBox(s.pos)});
    }
    for (const Place &pl : places) {
        const QPointF c = pixelCentre(pl.point);
        drawPavilion(p, c);
        symbols.append(pavilionBox(c));
        requests.append({{{pl.label.name + QLatin1Char(' ') + pl.label.tag}, {pl.label.name, pl.label.tag}},
                         placeStyle,
                         pavilionBox(c)});
    }
    for (const Exit &e : spec.exits) {
        QPointF inward = e.edge;
        inward.setX(std::clamp(inward.x(), 14.0, pictureWidth - 14.0));
        inward.setY(std::clamp(inward.y(), 12.0, pictureHeight - 12.0));
        requests.append({{{e.name}}, exitStyle, QRectF(inward - QPointF(2, 2), QSizeF(4, 4)), true});
    }
    const QRectF titleBox = drawTitle(p, spec, fonts);
    const auto placed = placeLabels(requests, symbols, {titleBox}, QSizeF(pictureWidth, pictureHeight));
    for (qsizetype i = 0; i < placed.size(); ++i) {
        drawTextBlock(p, placed[i].lines, requests[i].style, placed[i].box);
        if (!placed[i].clean)
            problems.append(QStringLiteral("label \"%1\" covers a symbol or leaves the picture")
                                .arg(placed[i].lines.join(u' ')));
    }
    return img;
}

void drawGameLogo(QPainter &p, const MapFonts &fonts)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(46, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(2, 2), 31, 31);
    p.setPen(QPen(QColor(60, 36, 16), 2));
    p.setBrush(QColor(214, 172, 76));
    p.drawEllipse(c, 31, 31);
    p.setBrush(QColor(124, 30, 24));
    p.drawEllipse(c, 25, 25);
    // A jade feather crossing a sword.
    QPainterPath blade;
    blade.moveTo(c + QPointF(-15, 15));
    blade.lineTo(c + QPointF(13, -13));
    blade.lineTo(c + QPointF(16, -16));
    blade.lineTo(c + QPointF(14, -11));
    blade.closeSubpath();
    p.setPen(QPen(QColor(236, 232, 220), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-14, 14), c + QPointF(15, -15));
    p.setPen(QPen(QColor(214, 172, 76), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-10, 4), c + QPointF(-4, 10));
    QPainterPath feather;
    feather.moveTo(c + QPointF(-12, -14));
    feather.cubicTo(c + QPointF(8, -16), c + QPointF(16, 0), c + QPointF(12, 14));
    feather.cubicTo(c + QPointF(2, 6), c + QPointF(-8, -2), c + QPointF(-12, -14));
    p.setPen(QPen(QColor(30, 70, 50), 1));
    p.setBrush(QColor(96, 178, 130));
    p.drawPath(feather);
    p.restore();
    QPainterPath name;
    name.addText(84, 40, font(fonts.serif, 24, true), QStringLiteral("NGỌC PHONG"));
    drawLettering(p, name, QColor(236, 196, 92), QColor(56, 26, 10), 4, true);
    QFont sub = font(fonts.serif, 15, true);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    QPainterPath tag;
    tag.addText(112, 62, sub, QStringLiteral("DU KÝ"));
    drawLettering(p, tag, QColor(250, 240, 214), QColor(56, 26, 10), 3, false);
}

QRectF drawPublisherLogo(QPainter &p, const MapFonts &fonts)
{
    QPainterPath name, slogan;
    name.addText(0, 0, font(fonts.serif, 30, true, true), QStringLiteral("Vạn Dực"));
    slogan.addText(0, 0, font(fonts.serif, 12, false, true), QStringLiteral("Vạn dặm giang hồ, một chân trời"));
    // Right-aligned in the corner: the slogan under the name, the wing left of it.
    const double right = pictureWidth - 14, bottom = pictureHeight - 12;
    slogan.translate(right - slogan.boundingRect().right(), bottom - slogan.boundingRect().bottom());
    name.translate(right - 6 - name.boundingRect().right(),
                   slogan.boundingRect().top() - 6 - name.boundingRect().bottom());
    const QPointF o = name.boundingRect().topLeft() + QPointF(-50, -6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Three sweeping feathers of a wing.
    for (int i = 0; i < 3; ++i) {
        QPainterPath wing;
        const QPointF b = o + QPointF(0, i * 7);
        wing.moveTo(b + QPointF(0, 24));
        wing.cubicTo(b + QPointF(8, 0), b + QPointF(26, -8), b + QPointF(44 - i * 8, -4 + i * 2));
        wing.cubicTo(b + QPointF(26, 2), b + QPointF(12, 10), b + QPointF(0, 24));
        p.setPen(QPen(QColor(40, 30, 20), 1.2));
        p.setBrush(i == 1 ? QColor(232, 192, 92) : QColor(250, 246, 232));
        p.drawPath(wing);
    }
    p.restore();
    drawLettering(p, name, QColor(250, 246, 232), QColor(40, 30, 20), 4, true);
    drawLettering(p, slogan, QColor(240, 226, 188), QColor(30, 40, 50), 2.6, false);
    return name.boundingRect().united(slogan.boundingRect()).united(QRectF(o, QSizeF(50, 40)));
}

QImage paintOverview(const MapSpec &spec, const MapFonts &fonts, QStringList &problems)
{
    const Geography geo(spec, {});
    const Terrain terrain(spec, geo, {});
    QImage img = terrain.paint();
    QPainter p(&img);
    drawWater(p, geo);

    QList<QRectF> keepClear;
    const QFont regionFont = font(fonts.serif, 34, true, true);
    for (const Region &r : spec.regions) {
        QPainterPath path;
        path.addText(0, 0, regionFont, r.name);
        path.translate(r.labelPos - path.boundingRect().center());
        drawLettering(p, path, QColor(98, 54, 22), QColor(240, 226, 192, 220), 3.4, false);
        keepClear.append(path.boundingRect().adjusted(-3, -3, 3, 3));
    }
    drawGameLogo(p, fonts);
    keepClear.append(QRectF(10, 8, 238, 74));
    keepClear.append(drawPublisherLogo(p, fonts).adjusted(-4, -4, 4, 4));

    QList<QRectF> symbols;
    QList<LabelRequest> requests;
    const TextStyle townStyle{font(fonts.sans, 12, true), QColor(18, 12, 8), QColor(250, 242, 220, 230), 3.0};
    for (const Town &t : spec.towns) {
        drawRing(p, t.pos);
        symbols.append(ringBox(t.pos));
        requests.append({{{t.name}}, townStyle, ringBox(t.pos)});
    }
    const auto placed = placeLabels(requests, symbols, keepClear, QSizeF(pictureWidth, pictureHeight));
    for (qsizetype i = 0; i < placed.size(); ++i) {
        drawTextBlock(p, placed[i].lines, requests[i].style, placed[i].box);
        if (!placed[i].clean)
            problems.append(QStringLiteral("label \"%1\" covers a symbol or leaves the picture")
                                .arg(placed[i].lines.join(u' ')));
        if (spec.towns[i].name == QStringLiteral("Đạo Hương")) {
            // The start village is flagged with a small green pointer.
            const QPointF top(placed[i].box.center().x(), placed[i].box.top() - 1);
            QPainterPath tri;
            tri.moveTo(top + QPointF(-5, -7));
            tri.lineTo(top + QPointF(5, -7));
            tri.lineTo(top + QPointF(0, 1.5));
            tri.closeSubpath();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(16, 50, 20), 1));
            p.setBrush(QColor(60, 186, 70));
            p.drawPath(tri);
        }
    }
    return img;
}

} // namespace

MapPicture paintMap(const MapSpec &spec, const MapFonts &fonts)
{
    MapPicture picture;
    picture.image = spec.view == locator::MapView::trangchu ? paintOverview(spec, fonts, picture.problems)
                                                            : paintRegion(spec, fonts, picture.problems);
    return picture;
}

} // namespace mapgen
