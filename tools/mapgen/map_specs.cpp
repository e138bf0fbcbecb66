#include "map_specs.h"

#include "noise.h"

#include <QRegularExpression>

#include <cmath>

namespace mapgen {

using locator::MapView;

namespace {

QList<QPointF> pts(std::initializer_list<QPointF> list)
{
    return QList<QPointF>(list);
}

std::function<double(double, double)> noSea()
{
    return [](double, double) { return -1000.0; };
}

// The east coast of Đông Tống: open sea to the east and south-east, with a
// bay that leaves Cổ Lãng Dữ as an island off the southern shore.
double dongtongSea(double x, double y)
{
    const Noise n(71);
    const double wobble = (n.fbm(x / 60.0, y / 60.0, 4) - 0.5) * 46.0;
    const double eastCoast = 700.0 - 115.0 * smoothstep(240, 450, y) + wobble;
    const double southCoast = 548.0 - 92.0 * smoothstep(380, 475, x) + wobble * 0.6;
    return std::max(x - eastCoast, y - southCoast);
}

// The world's east coast on the overview.
double overviewSea(double x, double y)
{
    const Noise n(913);
    const double wobble = (n.fbm(x / 50.0, y / 50.0, 4) - 0.5) * 40.0;
    const double coast = 690.0 - 40.0 * std::sin(y / 531.0 * 3.2) - 70.0 * smoothstep(330, 531, y) + wobble;
    return x - coast;
}

MapSpec makeDailyphu()
{
    MapSpec s;
    s.view = MapView::dailyphu;
    s.seed = 1101;
    s.title = QStringLiteral("Đại Lý");
    s.aridity = 0.15;
    s.towns = {{QStringLiteral("Đại Lý Phủ"), {186, 282}, TownKind::walled},
               {QStringLiteral("Thạch Cổ Trấn"), {486, 468}, TownKind::houses}};
    s.sects = {{QStringLiteral("Lam Tuyền Phái"), {66, 140}},
               {QStringLiteral("Bích Trà Môn"), {470, 158}},
               {QStringLiteral("Vân Tượng Cung"), {662, 250}}};
    s.exits = {{QStringLiteral("Thành Đô Phủ"), {410, 0}}, {QStringLiteral("Ba Lăng Huyện"), {797, 196}}};
    s.lakes = {{{290, 248}, 52, 30}, {{352, 166}, 16, 9}};
    s.rivers = {{pts({{20, 110}, {70, 190}, {150, 236}, {240, 250}}), 3.0},
                {pts({{340, 262}, {420, 324}, {520, 382}, {622, 458}, {720, 486}, {797, 508}}), 4.5},
                {pts({{760, 300}, {740, 380}, {720, 486}}), 2.5}};
    s.ridges = {{pts({{30, 260}, {70, 340}, {60, 430}}), 70, 1.0},
                {pts({{560, 470}, {640, 420}, {760, 430}}), 60, 0.8},
                {pts({{580, 60}, {700, 110}, {780, 80}}), 70, 0.9}};
    s.sea = noSea();
    return s;
}

MapSpec makeMongco()
{
    MapSpec s;
    s.view = MapView::mongco;
    s.seed = 2203;
    s.title = QStringLiteral("Mông Cổ Tây Hạ");
    s.aridity = 0.95;
    s.aridityNorth = 0.4; // grassland in the north, desert towards Tây Hạ
    s.cold = 0.55;
    s.towns = {{QStringLiteral("Long Môn Trấn"), {262, 290}, TownKind::houses},
               {QStringLiteral("Phượng Tường Phủ"), {584, 404}, TownKind::walled}};
    s.sects = {{QStringLiteral("Thương Lang Bảo"), {622, 206}},
               {QStringLiteral("Hoàng Sa Môn"), {330, 424}},
               {QStringLiteral("Phong Linh Trại"), {396, 122}}};
    s.exits = {{QStringLiteral("Vân Trung Trấn"), {797, 292}}, {QStringLiteral("Tương Dương Phủ"), {700, 531}}};
    s.lakes = {{{384, 240}, 28, 14}, {{60, 266}, 13, 8}};
    s.rivers = {{pts({{214, 404}, {300, 426}, {420, 382}, {560, 334}, {700, 362}, {797, 382}}), 4.0}};
    s.ridges = {{pts({{20, 330}, {140, 380}, {230, 390}}), 70, 1.1},
                {pts({{40, 470}, {130, 500}, {200, 470}}), 60, 1.0},
                {pts({{560, 40}, {620, 150}}), 40, 0.6}};
    s.sea = noSea();
    return s;
}

MapSpec makeTaytong()
{
    MapSpec s;
    s.view = MapView::taytong;
    s.seed = 3307;
    s.title = QStringLiteral("Tây Tống");
    s.aridity = 0.2;
    s.towns = {{QStringLiteral("Thành Đô Phủ"), {170, 262}, TownKind::walled},
               {QStringLiteral("Giang Tân Thôn"), {196, 452}, TownKind::houses},
               {QStringLiteral("Tương Dương Phủ"), {604, 52}, TownKind::walled},
               {QStringLiteral("Ba Lăng Huyện"), {560, 418}, TownKind::walled}};
    s.sects = {{QStringLiteral("Thục Vân Phái"), {196, 106}},
               {QStringLiteral("Hàn Mai Am"), {376, 458}},
               {QStringLiteral("Kim Ngư Đường"), {764, 214}}};
    s.exits = {{QStringLiteral("Phượng Tường Phủ"), {300, 0}},
               {QStringLiteral("Biện Kinh Phủ"), {797, 96}},
               {QStringLiteral("Dương Châu Phủ"), {797, 448}},
               {QStringLiteral("Đại Lý Phủ"), {290, 531}}};
    s.lakes = {{{692, 446}, 70, 40}};
    s.rivers = {{pts({{0, 318},
                      {130, 334},
                      {232, 318},
                      {330, 302},
                      {440, 252},
                      {512, 256},
                      {598, 240},
                      {662, 294},
                      {688, 336},
                      {694, 410}}),
                 4.5},
                {pts({{762, 0}, {732, 118}, {742, 220}, {760, 300}, {797, 330}}), 3.0},
                {pts({{720, 480}, {760, 470}, {797, 452}}), 4.0}};
    s.ridges = {{pts({{20, 120}, {110, 60}, {230, 40}}), 80, 1.0},
                {pts({{20, 400}, {80, 470}, {150, 520}}), 60, 0.9},
                {pts({{380, 120}, {470, 150}, {560, 180}}), 55, 1.0},
                {pts({{460, 330}, {560, 300}, {640, 340}}), 45, 0.7}};
    s.sea = noSea();
    return s;
}

MapSpec makeDongtong()
{
    MapSpec s;
    s.view = MapView::dongtong;
    s.seed = 4409;
    s.title = QStringLiteral("Đông Tống");
    s.titleCorner = Corner::bottomRight;
    s.aridity = 0.1;
    s.towns = {{QStringLiteral("Đạo Hương Thôn"), {88, 332}, TownKind::houses},
               {QStringLiteral("Dương Châu Phủ"), {424, 118}, TownKind::walled},
               {QStringLiteral("Lâm An Phủ"), {470, 318}, TownKind::walled},
               {QStringLiteral("Long Tuyền Thôn"), {330, 418}, TownKind::houses}};
    s.sects = {{QStringLiteral("Bạch Lộ Thư Viện"), {108, 116}},
               {QStringLiteral("Hải Triều Môn"), {650, 150}},
               {QStringLiteral("Thanh Liên Các"), {250, 382}},
               {QStringLiteral("Tùng Hạc Quán"), {560, 58}}};
    s.exits = {{QStringLiteral("Tương Dương Phủ"), {0, 150}},
               {QStringLiteral("Ba Lăng Huyện"), {0, 392}},
               {QStringLiteral("Biện Kinh Phủ"), {380, 0}}};
    s.lakes = {{{300, 124}, 38, 22}};
    s.rivers = {{pts({{0, 286},
                      {100, 272},
                      {200, 256},
                      {300, 236},
                      {392, 214},
                      {482, 210},
                      {562, 226},
                      {640, 214},
                      {720, 208}}),
                 4.5},
                {pts({{410, 432}, {470, 428}, {520, 446}, {580, 470}}), 2.5}};
    s.ridges = {{pts({{380, 470}, {410, 500}}), 55, 1.0},
                {pts({{200, 40}, {260, 50}}), 40, 0.7},
                {pts({{560, 110}, {620, 100}}), 45, 0.8},
                {pts({{40, 480}, {150, 500}}), 50, 0.6}};
    s.sea = dongtongSea;
    return s;
}

MapSpec makeKimquoc()
{
    MapSpec s;
    s.view = MapView::kimquoc;
    s.seed = 5519;
    s.title = QStringLiteral("Kim Quốc");
    s.aridity = 0.5;
    s.cold = 0.35;
    s.towns = {{QStringLiteral("Vân Trung Trấn"), {276, 102}, TownKind::walled},
               {QStringLiteral("Biện Kinh Phủ"), {508, 330}, TownKind::walled},
               {QStringLiteral("Vĩnh Lạc Trấn"), {560, 246}, TownKind::houses}};
    s.sects = {{QStringLiteral("Thiết Sơn Bảo"), {116, 204}}, {QStringLiteral("Tuyết Ưng Môn"), {762, 200}}};
    s.exits = {{QStringLiteral("Phượng Tường Phủ"), {0, 372}},
               {QStringLiteral("Tương Dương Phủ"), {404, 531}},
               {QStringLiteral("Dương Châu Phủ"), {650, 531}}};
    s.lakes = {{{760, 356}, 30, 20}};
    s.rivers = {{pts({{330, 0},
                      {318, 90},
                      {300, 176},
                      {334, 262},
                      {304, 330},
                      {300, 400},
                      {362, 396},
                      {470, 382},
                      {560, 394},
                      {640, 372},
                      {730, 356}}),
                 4.5},
                {pts({{790, 362}, {797, 366}}), 3.0}};
    s.ridges = {{pts({{150, 300}, {230, 330}, {260, 380}}), 55, 1.2},
                {pts({{600, 60}, {700, 90}, {780, 60}}), 60, 1.0},
                {pts({{560, 420}, {660, 470}, {760, 500}}), 60, 0.9},
                {pts({{20, 230}, {60, 300}}), 50, 0.8}};
    s.sea = noSea();
    return s;
}

MapSpec makeTrangchu()
{
    MapSpec s;
    s.view = MapView::trangchu;
    s.seed = 6607;
    s.aridity = 0.35;
    s.cold = 0.3;
    // Short labels: the towns' names without their rank.
    s.towns = {{QStringLiteral("Long Môn"), {118, 226}},    {QStringLiteral("Phượng Tường"), {236, 276}},
               {QStringLiteral("Vân Trung"), {500, 58}},    {QStringLiteral("Biện Kinh"), {560, 176}},
               {QStringLiteral("Vĩnh Lạc"), {640, 116}},    {QStringLiteral("Đạo Hương"), {500, 292}},
               {QStringLiteral("Thành Đô"), {300, 318}},    {QStringLiteral("Giang Tân"), {318, 384}},
               {QStringLiteral("Tương Dương"), {420, 246}}, {QStringLiteral("Dương Châu"), {600, 250}},
               {QStringLiteral("Lâm An"), {624, 352}},      {QStringLiteral("Ba Lăng"), {434, 366}},
               {QStringLiteral("Long Tuyền"), {560, 420}},  {QStringLiteral("Đại Lý"), {170, 420}},
               {QStringLiteral("Thạch Cổ"), {246, 470}}};
    s.regions = {{QStringLiteral("Mông Cổ"), {{210, 60}, {330, 80}}, {226, 100}},
                 {QStringLiteral("Tây Hạ"), {{90, 250}, {200, 220}}, {96, 300}},
                 {QStringLiteral("Kim"), {{540, 90}, {640, 140}}, {566, 92}},
                 {QStringLiteral("Tống"), {{370, 330}, {560, 320}, {460, 450}}, {522, 338}},
                 {QStringLiteral("Đại Lý"), {{160, 450}, {250, 480}}, {110, 490}}};
    s.rivers = {{pts({{120, 140}, {260, 200}, {380, 210}, {520, 220}, {640, 200}, {730, 190}}), 3.5},
                {pts({{180, 360}, {300, 350}, {420, 340}, {540, 380}, {650, 400}, {700, 420}}), 3.5}};
    s.ridges = {{pts({{40, 330}, {120, 380}, {150, 470}}), 50, 1.0},
                {pts({{600, 30}, {720, 70}}), 40, 0.9},
                {pts({{330, 420}, {420, 480}}), 40, 0.8},
                {pts({{280, 130}, {360, 150}}), 35, 0.7}};
    s.sea = overviewSea;
    return s;
}

} // namespace

const MapSpec &mapSpec(MapView view)
{
    static const MapSpec specs[] = {makeTrangchu(), makeDailyphu(), makeMongco(),
                                    makeTaytong(),  makeDongtong(), makeKimquoc()};
    return specs[locator::mapViewSlot(view)];
}

PlaceLabel placeLabel(std::u16string_view catalogueLabel)
{
    const QString label = QString::fromUtf16(catalogueLabel.data(), qsizetype(catalogueLabel.size()));
    static const QRegularExpression level(QStringLiteral("^(.*\\S)\\s*\\((\\d+)\\)$"));
    const auto m = level.match(label);
    if (!m.hasMatch())
        return {label.simplified(), QString()};
    return {m.captured(1).simplified(), QStringLiteral("[cấp %1]").arg(m.captured(2))};
}

} // namespace mapgen
