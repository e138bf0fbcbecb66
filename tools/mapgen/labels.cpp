#include "labels.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace mapgen {

namespace {

double overlapArea(const QRectF &a, const QRectF &b)
{
    const QRectF i = a.intersected(b);
    return i.isEmpty() ? 0.0 : i.width() * i.height();
}

constexpr double lineGap = 0.92;

} // namespace

QSizeF textBlockSize(const QStringList &lines, const QFont &font)
{
    const QFontMetricsF fm(font);
    double w = 0;
    for (const QString &l : lines)
        w = std::max(w, fm.horizontalAdvance(l));
    const double lineH = fm.height() * lineGap;
    return {w + 2, lineH * lines.size() + 1};
}

void drawTextBlock(QPainter &p, const QStringList &lines, const TextStyle &style, QRectF box)
{
    const QFontMetricsF fm(style.font);
    const double lineH = fm.height() * lineGap;
    QPainterPath path;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double w = fm.horizontalAdvance(lines[i]);
        const double x = box.left() + (box.width() - w) / 2;
        const double baseline = box.top() + i * lineH + fm.ascent() - (fm.height() - lineH) / 2 + 0.5;
        path.addText(QPointF(x, baseline), style.font, lines[i]);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (style.outlineWidth > 0) {
        p.setPen(QPen(style.outline, style.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(style.fill);
    p.drawPath(path);
    p.restore();
}

QList<PlacedLabel> placeLabels(const QList<LabelRequest> &requests, const QList<QRectF> &symbols,
                               const QList<QRectF> &keepClear, QSizeF picture)
{
    struct Candidate {
        QStringList lines;
        QRectF box;
        double preference;
    };
    QList<QList<Candidate>> candidates(requests.size());
    for (qsizetype r = 0; r < requests.size(); ++r) {
        const LabelRequest &req = requests[r];
        const QRectF a = req.anchorBox;
        const QPointF c = a.center();
        for (qsizetype l = 0; l < req.layouts.size(); ++l) {
            const QSizeF s = textBlockSize(req.layouts[l], req.style.font);
            const double w = s.width(), h = s.height(), g = 1.5;
            const double layoutCost = l * 0.6;
            const QList<QPair<QPointF, double>> spots = {
                {{a.right() + g, c.y() - h / 2}, 0.0},        // right
                {{a.left() - g - w, c.y() - h / 2}, 0.3},     // left
                {{c.x() - w / 2, a.bottom() + g - 1}, 0.4},   // below
                {{c.x() - w / 2, a.top() - g - h + 1}, 0.5},  // above
                {{a.right() - 2, a.bottom() - 2}, 1.0},       // below right
                {{a.left() + 2 - w, a.bottom() - 2}, 1.1},    // below left
                {{a.right() - 2, a.top() + 2 - h}, 1.2},      // above right
                {{a.left() + 2 - w, a.top() + 2 - h}, 1.3},   // above left
                {{c.x() - w / 2, a.bottom() + g + 6}, 1.8},   // further below
                {{c.x() - w / 2, a.top() - g - h - 6}, 1.9},  // further above
                {{a.right() + g + 8, c.y() - h / 2}, 2.0},    // further right
                {{a.left() - g - w - 8, c.y() - h / 2}, 2.1}, // further left
            };
            for (const auto &[pos, cost] : spots)
                candidates[r].append({req.layouts[l], QRectF(pos, QSizeF(w, h)), cost + layoutCost});
            if (req.edgeHug)
                candidates[r].append({req.layouts[l], QRectF(c - QPointF(w / 2, h / 2), QSizeF(w, h)), 0.2});
        }
    }

    const QRectF inside(3, 3, picture.width() - 6, picture.height() - 6);
    auto hardCost = [&](qsizetype r, const QRectF &box) {
        double cost = 0;
        if (!inside.contains(box))
            cost += 1e6;
        for (const QRectF &s : symbols)
            if (s != requests[r].anchorBox)
                cost += overlapArea(box, s.adjusted(-1, -1, 1, 1)) * 1000;
        for (const QRectF &k : keepClear)
            cost += overlapArea(box, k) * 1000;
        return cost;
    };

    QList<PlacedLabel> placed(requests.size());
    QList<bool> done(requests.size(), false);
    QList<QRectF> taken;
    for (qsizetype round = 0; round < requests.size(); ++round) {
        // The label with the fewest clean spots left chooses next.
        qsizetype pick = -1;
        int fewest = INT32_MAX;
        for (qsizetype r = 0; r < requests.size(); ++r) {
            if (done[r])
                continue;
            int clean = 0;
            for (const Candidate &cand : candidates[r]) {
                if (hardCost(r, cand.box) > 0)
                    continue;
                bool free = true;
                for (const QRectF &t : taken)
                    free = free && !t.intersects(cand.box);
                clean += free;
            }
            if (clean < fewest) {
                fewest = clean;
                pick = r;
            }
        }
        double best = 1e18;
        Candidate chosen = candidates[pick].front();
        for (const Candidate &cand : candidates[pick]) {
            double cost = hardCost(pick, cand.box) + cand.preference * 40;
            for (const QRectF &t : taken)
                cost += overlapArea(cand.box, t.adjusted(-1, -1, 1, 1)) * 6;
            if (cost < best) {
                best = cost;
                chosen = cand;
            }
        }
        done[pick] = true;
        taken.append(chosen.box);
        placed[pick] = {chosen.lines, chosen.box, hardCost(pick, chosen.box) == 0};
    }
    return placed;
}

} // namespace mapgen
