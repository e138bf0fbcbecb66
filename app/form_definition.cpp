#include "form_definition.h"

#include "locator/catalogue.h"

namespace tracuu {

const ControlDef *FormDef::control(const QString &controlName) const
{
    for (const ControlDef &c : controls)
        if (c.name == controlName)
            return &c;
    return nullptr;
}

namespace {

QStringList catalogueLabels()
{
    QStringList labels;
    for (const locator::PlaceEntry &e : locator::placeCatalogue())
        labels << QString::fromUtf16(e.label.data(), qsizetype(e.label.size()));
    return labels;
}

ControlDef picture(const char *name, bool regionMap)
{
    ControlDef c;
    c.name = QString::fromLatin1(name);
    c.kind = ControlKind::TImage;
    c.bounds = {224, 72, 797, 531};
    c.visible = !regionMap; // the overview stores no visibility and so is shown
    c.pictureRecord = QStringLiteral(":/maps/%1.rec").arg(c.name);
    return c;
}

// A Unicode label with a font of its own, transparent, sized to its caption.
ControlDef label(const char *name, QRect bounds, const QString &caption, const FontDef &font)
{
    ControlDef c;
    c.name = QString::fromLatin1(name);
    c.kind = ControlKind::TTntLabel;
    c.bounds = bounds;
    c.caption = caption;
    c.font = font;
    c.parentFont = false;
    c.transparent = true;
    return c;
}

FormDef build()
{
    FormDef f;
    f.name = QStringLiteral("Form1");
    f.className = QStringLiteral("TForm1");
    f.caption = QStringLiteral("Tra Cuu Dia Diem Van Duc _ vanduc.example");
    f.borderStyle = BorderStyle::bsSingle;
    f.borderIcons = int(BorderIcon::biSystemMenu) | int(BorderIcon::biMinimize) | int(BorderIcon::biMaximize) |
                    int(BorderIcon::biHelp);
    f.position = FormPosition::poScreenCenter;
    f.left = 367;
    f.top = 211;
    f.autoSize = true;
    f.clientWidth = 1021;
    f.clientHeight = 603;
    f.color = TColor::clBtnFace;
    f.font = {QStringLiteral("MS Sans Serif"), -11, false, false, false, TColor::clGreen,
              FontCharset::DEFAULT_CHARSET};
    f.icon = QStringLiteral(":/icons/window.png");
    f.pixelsPerInch = 96;
    f.textHeight = 13;
    f.oldCreateOrder = false;

    f.controls.push_back(picture("dailyphu", true));
    f.controls.push_back(picture("mongco", true));
    f.controls.push_back(picture("taytong", true));
    f.controls.push_back(picture("dongtong", true));
    f.controls.push_back(picture("kimquoc", true));

    ControlDef tron;
    tron.name = QStringLiteral("tron");
    tron.kind = ControlKind::TShape;
    tron.bounds = {224, 72, 65, 65};
    tron.visible = false;
    tron.shape = ShapeType::stCircle;
    tron.pen = {TColor::clAqua, PenMode::pmNot, 3, PenStyle::psSolid};
    tron.brush = {TColor::clWhite, BrushStyle::bsSolid};
    f.controls.push_back(tron);

    f.controls.push_back(picture("trangchu", false));

    f.controls.push_back(
        label("TntLabel1", {189, 16, 626, 51}, QStringLiteral("TRA CỨU ĐỊA ĐIỂM VẠN DỰC"),
              {QStringLiteral("Arial"), -43, true, false, false, TColor::clRed, FontCharset::ANSI_CHARSET}));

    ControlDef link;
    link.name = QStringLiteral("VrWebLabel1");
    link.kind = ControlKind::TVrWebLabel;
    link.bounds = {816, 0, 201, 25};
    link.link.caption = QString::fromLatin1(publisherUrl);
    link.link.url = QString::fromLatin1(publisherUrl);
    link.link.fontLeave = {QStringLiteral("Arial"),     -16, true, false, true, TColor::clSilver,
                           FontCharset::DEFAULT_CHARSET};
    link.link.fontEnter = {QStringLiteral("Arial"),     -16, true, false, true, TColor::clAqua,
                           FontCharset::DEFAULT_CHARSET};
    link.link.colorLeave = TColor::clWhite;
    link.link.colorEnter = TColor::clBlue;
    link.link.outlineColor = TColor::clWhite;
    link.link.outlineVisible = true;
    link.link.outlineWidth = 1;
    link.link.alignment = Qt::AlignHCenter;
    link.link.wordWrap = true;
    link.link.transparent = true;
    link.link.cursor = 99;
    f.controls.push_back(link);

    f.controls.push_back(
        label("TntLabel2", {0, 48, 95, 16}, QStringLiteral("Chọn Khu Vực:"),
              {QStringLiteral("Arial"), -13, true, false, false, TColor::clBlue, FontCharset::ANSI_CHARSET}));

    ControlDef list;
    list.name = QStringLiteral("listv");
    list.kind = ControlKind::TTntListBox;
    list.bounds = {0, 72, 217, 529};
    list.font = {QStringLiteral("Tahoma"), -15, false, false, false, TColor::clBlack,
                 FontCharset::ANSI_CHARSET};
    list.parentFont = false;
    list.itemHeight = 18;
    list.items = catalogueLabels();
    list.tabOrder = 0;
    list.onClick = QStringLiteral("listvClick");
    f.controls.push_back(list);
    return f;
}

} // namespace

const FormDef &TFORM1()
{
    static const FormDef definition = build();
    return definition;
}

} // namespace tracuu
