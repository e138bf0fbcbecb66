#include "terrain.h"

#include "noise.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace mapgen {

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scale(Rgb c, double k)
{
    return {c.r * k, c.g * k, c.b * k};
}

QRgb toRgb(Rgb c)
{
    auto ch = [](double v) { return int(std::clamp(std::lround(v), 0L, 255L)); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

// A muted palette of earth and green, as on a painted map.
constexpr Rgb lushGreen{112, 138, 82};
constexpr Rgb meadow{148, 158, 100};
constexpr Rgb dryGrass{176, 160, 110};
constexpr Rgb sand{200, 180, 132};
constexpr Rgb hillOlive{140, 128, 88};
constexpr Rgb mountainBrown{122, 100, 76};
constexpr Rgb highRock{158, 146, 128};
constexpr Rgb snow{226, 224, 216};
constexpr Rgb shallowWater{112, 152, 156};
constexpr Rgb deepWater{60, 96, 120};
constexpr Rgb lakeWater{90, 132, 142};
constexpr Rgb shore{170, 160, 124};
constexpr Rgb borderBand{218, 190, 138};
constexpr Rgb borderEdge{128, 88, 52};

} // namespace

Terrain::Terrain(const MapSpec &spec, const Geography &geo, const QList<QPointF> &mountainPlaces)
    : spec_(spec), geo_(geo), height_(std::size_t(pictureWidth) * pictureHeight), riverDist_(height_.size())
{
    for (int y = 0; y < pictureHeight; ++y)
        for (int x = 0; x < pictureWidth; ++x)
            riverDist_[std::size_t(y) * pictureWidth + x] = geo_.distanceToRiver(x, y);
    computeHeight(mountainPlaces);
}

double Terrain::aridityAt(double x, double y) const
{
    if (spec_.regions.isEmpty()) {
        if (spec_.aridityNorth < 0)
            return spec_.aridity;
        return spec_.aridityNorth + (spec_.aridity - spec_.aridityNorth) * smoothstep(60, 380, y);
    }
    // The overview: each region keeps the climate of its own map.
    static const double byRegion[] = {0.75, 0.9, 0.5, 0.18, 0.1};
    double best = 1e9, a = spec_.aridity;
    for (qsizetype r = 0; r < spec_.regions.size(); ++r)
        for (const QPointF &s : spec_.regions[r].seeds) {
            const double d = std::hypot(x - s.x(), y - s.y());
            if (d < best) {
                best = d;
                a = byRegion[std::min<qsizetype>(r, 4)];
            }
        }
    return a;
}

void Terrain::computeHeight(const QList<QPointF> &mountainPlaces)
{
    const Noise base(spec_.seed), ridges(spec_.seed + 7), bumps(spec_.seed + 13);
    for (int y = 0; y < pictureHeight; ++y) {
        for (int x = 0; x < pictureWidth; ++x) {
            const QPointF p(x, y);
            double mountain = 0.12 + 0.3 * smoothstep(0.55, 0.8, bumps.fbm(x / 160.0, y / 160.0, 3));
            for (const Ridge &r : spec_.ridges) {
                const double d = distanceToPolyline(p, QPolygonF(r.points));
                mountain = std::max(mountain, r.height * std::exp(-(d * d) / (r.radius * r.radius)));
            }
            for (const QPointF &m : mountainPlaces) {
                const double d2 = (x - m.x()) * (x - m.x()) + (y - m.y()) * (y - m.y());
                mountain = std::max(mountain, 0.75 * std::exp(-d2 / (50.0 * 50.0)));
            }
            double h = 0.32 * base.fbm(x / 210.0, y / 210.0, 5) +
                       mountain * (0.62 * ridges.ridged(x / 95.0, y / 95.0, 5) + 0.18);
            // Rivers run in valleys; shores slope down to the water.
            const double rd = riverDist_[std::size_t(y) * pictureWidth + x];
            h *= 0.35 + 0.65 * smoothstep(0, 70, rd);
            height_[std::size_t(y) * pictureWidth + x] = h;
        }
    }
}

QImage Terrain::paint() const
{
    QImage img(pictureWidth, pictureHeight, QImage::Format_RGB32);
    const Noise wet(spec_.seed + 21), grain(spec_.seed + 29), tint(spec_.seed + 37), waves(spec_.seed + 41);
    const Noise border(spec_.seed + 43), dunes(spec_.seed + 47);
    const double cx = pictureWidth / 2.0, cy = pictureHeight / 2.0;
    for (int y = 0; y < pictureHeight; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < pictureWidth; ++x) {
            const double h = height(x, y);
            Rgb c;
            const double depth = geo_.waterDepth(x, y);
            if (depth > 0) {
                const bool sea = geo_.seaDepth(x, y) > 0;
                const Rgb deep = sea ? deepWater : lakeWater;
                c = mix(shallowWater, deep, smoothstep(0, sea ? 90.0 : 26.0, depth));
                const double w = waves.fbm(x / 9.0, y / 3.5, 2);
                c = scale(c, 0.96 + 0.08 * w);
                if (depth < 2.5)
                    c = mix(c, shore, 0.35);
            } else {
                const double a =
                    std::clamp(aridityAt(x, y) + (tint.fbm(x / 130.0, y / 130.0, 3) - 0.5) * 0.5, 0.0, 1.0);
                const double moisture = wet.fbm(x / 90.0, y / 90.0, 4);
                Rgb low = mix(lushGreen, meadow, moisture * 0.9 + a * 0.4);
                low = mix(low, dryGrass, smoothstep(0.35, 0.7, a));
                const double desert = smoothstep(0.72, 0.95, a) * (1 - moisture * 0.6);
                low = mix(low, sand, desert);
                if (desert > 0.05) {
                    // Wind-blown dunes: long crests with a steep lee side.
                    const double phase = (x * 0.55 + y * 0.3 + dunes.fbm(x / 80.0, y / 80.0, 3) * 90.0) / 7.5;
                    const double crest = std::pow(0.5 + 0.5 * std::sin(phase), 3.0);
                    low = scale(low, 1.0 + desert * (0.09 * crest - 0.04));
                }
                c = mix(low, hillOlive, smoothstep(0.30, 0.45, h));
                c = mix(c, mountainBrown, smoothstep(0.45, 0.6, h));
                c = mix(c, highRock, smoothstep(0.62, 0.78, h));
                if (spec_.cold > 0)
                    c = mix(c, snow, smoothstep(0.74 - spec_.cold * 0.12, 0.86 - spec_.cold * 0.12, h));
                // A sandy rim where the land meets the water.
                const double coast = -depth;
                if (coast < 4)
                    c = mix(c, shore, 0.6 * (1 - coast / 4));
                // Light from the north-west.
                const int x0 = std::max(x - 1, 0), x1 = std::min(x + 1, pictureWidth - 1);
                const int y0 = std::max(y - 1, 0), y1 = std::min(y + 1, pictureHeight - 1);
                const double dx = (height(x1, y) - height(x0, y)) * 60.0;
                const double dy = (height(x, y1) - height(x, y0)) * 60.0;
                const double nz = 1.0 / std::sqrt(dx * dx + dy * dy + 1);
                const double lambert = (dx * 0.6 + dy * 0.6 + 0.52) * nz;
                c = scale(c, std::clamp(0.62 + 0.55 * lambert, 0.55, 1.25));
            }
            // The overview: light-brown bands between the regions.
            if (!spec_.regions.isEmpty() && depth <= 0) {
                double d1 = 1e9, d2 = 1e9;
                const double jx = x + (border.fbm(x / 70.0, y / 70.0, 3) - 0.5) * 36;
                const double jy = y + (border.fbm(x / 70.0 + 9, y / 70.0 + 9, 3) - 0.5) * 36;
                for (qsizetype r = 0; r < spec_.regions.size(); ++r) {
                    double dr = 1e9;
                    for (const QPointF &s : spec_.regions[r].seeds)
                        dr = std::min(dr, std::hypot(jx - s.x(), jy - s.y()));
                    if (dr < d1) {
                        d2 = d1;
                        d1 = dr;
                    } else if (dr < d2) {
                        d2 = dr;
                    }
                }
                const double gap = d2 - d1;
                // gap / 2 is about the distance to the border line.
                if (gap < 16) {
                    c = mix(c, borderBand, 0.9 * (1 - smoothstep(8, 10, gap)));
                    c = mix(c, borderEdge, 0.6 * std::exp(-(gap - 10.5) * (gap - 10.5) / 2.0));
                }
            }
            // Brush grain and a soft darkening towards the edges.
            c = scale(c, 0.97 + 0.06 * grain.value(x / 1.7, y / 1.7));
            const double vx = (x - cx) / cx, vy = (y - cy) / cy;
            c = scale(c, 1.0 - 0.10 * smoothstep(0.55, 1.4, vx * vx + vy * vy));
            line[x] = toRgb(c);
        }
    }
    paintTrees(img);
    paintPeaks(img);
    return img;
}

// Small tree crowns where the land is wet and low: the painted look of a
// forest rather than a flat green.
void Terrain::paintTrees(QImage &img) const
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Noise wet(spec_.seed + 21), forest(spec_.seed + 61);
    Rng rng(spec_.seed * 7919ULL + 3);
    for (int gy = 4; gy < pictureHeight; gy += 7) {
        for (int gx = 4; gx < pictureWidth; gx += 7) {
            const double x = gx + rng.uniform(-3, 3), y = gy + rng.uniform(-3, 3);
            const double roll = rng.uniform();
            const int ix = std::clamp(int(x), 0, pictureWidth - 1),
                      iy = std::clamp(int(y), 0, pictureHeight - 1);
            const double h = height(ix, iy);
            if (geo_.waterDepth(x, y) > -5 || h > 0.5)
                continue;
            const double density = smoothstep(0.52, 0.7, forest.fbm(x / 70.0, y / 70.0, 3)) *
                                   (1.0 - aridityAt(x, y)) * (0.6 + wet.fbm(x / 90.0, y / 90.0, 4));
            if (roll > density)
                continue;
            const double r = 2.2 + rng.uniform() * 1.6;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(46, 66, 40, 120));
            p.drawEllipse(QPointF(x + 1.2, y + 1.2), r, r * 0.8);
            p.setBrush(QColor(70, 98, 56));
            p.drawEllipse(QPointF(x, y), r, r * 0.85);
            p.setBrush(QColor(108, 134, 78, 170));
            p.drawEllipse(QPointF(x - r * 0.35, y - r * 0.35), r * 0.45, r * 0.4);
        }
    }
}

// Brush strokes for peaks along the high ground: a lit western flank and a
// shaded eastern one, snow-capped on cold maps.
void Terrain::paintPeaks(QImage &img) const
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(spec_.seed * 104729ULL + 11);
    for (int gy = 10; gy < pictureHeight - 6; gy += 15) {
        for (int gx = 8; gx < pictureWidth - 8; gx += 19) {
            const double x = gx + rng.uniform(-6, 6), y = gy + rng.uniform(-5, 5);
            const double roll = rng.uniform();
            const int ix = std::clamp(int(x), 0, pictureWidth - 1),
                      iy = std::clamp(int(y), 0, pictureHeight - 1);
            const double h = height(ix, iy);
            if (h < 0.5 || roll > smoothstep(0.5, 0.66, h) || geo_.waterDepth(x, y) > -4)
                continue;
            const double w = 7 + 9 * smoothstep(0.5, 0.85, h) + rng.uniform(0, 3);
            const double ht = w * (0.75 + rng.uniform(0, 0.3));
            const QPointF top(x, y - ht * 0.6), left(x - w, y + ht * 0.4), right(x + w, y + ht * 0.4);
            const QPointF foot(x + w * 0.15, y + ht * 0.4);
            QPainterPath lit, shade;
            lit.moveTo(left);
            lit.lineTo(top);
            lit.lineTo(foot);
            lit.closeSubpath();
            shade.moveTo(top);
            shade.lineTo(right);
            shade.lineTo(foot);
            shade.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(176, 156, 122, 150));
            p.drawPath(lit);
            p.setBrush(QColor(78, 62, 48, 150));
            p.drawPath(shade);
            if (spec_.cold > 0.3 && h > 0.66) {
                QPainterPath cap;
                cap.moveTo(top);
                cap.lineTo(top + (left - top) * 0.3);
                cap.lineTo(top + (foot - top) * 0.25);
                cap.lineTo(top + (right - top) * 0.3);
                cap.closeSubpath();
                p.setBrush(QColor(240, 240, 236, 210));
                p.drawPath(cap);
            }
            p.setPen(QPen(QColor(70, 54, 40, 170), 1.0));
            p.setBrush(Qt::NoBrush);
            QPainterPath outline;
            outline.moveTo(left);
            outline.lineTo(top);
            outline.lineTo(right);
            p.drawPath(outline);
        }
    }
}

} // namespace mapgen
