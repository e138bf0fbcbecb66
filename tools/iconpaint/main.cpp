// Paints the program's icons: a folded map with a red marker ring.
//   iconpaint <assets/icons dir> <packaging/icons dir>
// The window icon is 28 x 28 with an all-or-nothing mask; the program icon
// comes in 48, 32, 24, 20 and 16 pixels with a full alpha channel.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage paintIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    // Three panels of a folded map, alternately lit and shaded.
    const QPointF top[] = {{4, 9}, {17, 5}, {31, 9}, {44, 5}};
    const QPointF bottom[] = {{4, 43}, {17, 39}, {31, 43}, {44, 39}};
    const QColor panels[] = {QColor(216, 196, 142), QColor(182, 160, 108), QColor(210, 190, 136)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath panel;
        panel.moveTo(top[i]);
        panel.lineTo(top[i + 1]);
        panel.lineTo(bottom[i + 1]);
        panel.lineTo(bottom[i]);
        panel.closeSubpath();
        p.setPen(QPen(QColor(92, 66, 38), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(panels[i]);
        p.drawPath(panel);
    }
    // Green land and a river across the panels.
    QPainterPath land;
    land.moveTo(6, 30);
    land.cubicTo(14, 22, 22, 34, 30, 26);
    land.cubicTo(36, 20, 40, 28, 42, 24);
    land.lineTo(42, 38);
    land.lineTo(31, 41);
    land.lineTo(17, 37);
    land.lineTo(6, 41);
    land.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(112, 140, 80, 200));
    p.drawPath(land);
    p.setPen(QPen(QColor(70, 120, 150), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath river;
    river.moveTo(8, 16);
    river.cubicTo(16, 20, 20, 14, 28, 20);
    river.cubicTo(34, 25, 38, 18, 42, 20);
    p.drawPath(river);
    // The marker: a red ring with a bright centre.
    p.setPen(QPen(QColor(255, 255, 255), 6));
    p.drawEllipse(QPointF(27, 26), 8.5, 8.5);
    p.setPen(QPen(QColor(196, 30, 28), 3.6));
    p.drawEllipse(QPointF(27, 26), 8.5, 8.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 30, 28));
    p.drawEllipse(QPointF(27, 26), 2.6, 2.6);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// 24 bits of colour and a 1-bit mask: edges are blended over a button-face
// grey, then every pixel is either fully drawn or fully clear.
QImage withBinaryMask(const QImage &icon)
{
    QImage out(icon.size(), QImage::Format_ARGB32);
    const QColor ground(239, 239, 239);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb c = icon.pixel(x, y);
            const int a = qAlpha(c);
            if (a < 96) {
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            auto blend = [&](int v, int g) { return (v * a + g * (255 - a)) / 255; };
            out.setPixel(x, y,
                         qRgba(blend(qRed(c), ground.red()), blend(qGreen(c), ground.green()),
                               blend(qBlue(c), ground.blue()), 255));
        }
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 3) {
        std::fprintf(stderr, "usage: iconpaint ASSETS_ICONS_DIR PACKAGING_ICONS_DIR\n");
        return 2;
    }
    const QDir assets(app.arguments()[1]), packaging(app.arguments()[2]);
    bool ok = withBinaryMask(paintIcon(28)).save(assets.filePath(QStringLiteral("window.png")));
    for (int size : {48, 32, 24, 20, 16}) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        ok = packaging.mkpath(dir) && ok;
        ok = paintIcon(size).save(packaging.filePath(dir + QStringLiteral("/tracuu.png"))) && ok;
    }
    return ok ? 0 : 1;
}
