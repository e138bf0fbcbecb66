#pragma once

#include "controls/graphic.h"
#include "form_definition.h"

#include "locator/locator.h"

#include <QWidget>

namespace tracuu {

class TImage;
class TShape;
class TTntLabel;
class TTntListBox;
class TVrWebLabel;

// The main window. It builds itself from its stored definition; its only
// behaviour of its own is the answer to a selection in the list.
class TForm1 : public QWidget, private locator::LocatorTarget {
public:
    TForm1();
    ~TForm1() override;

    // Creates the controls in stored order with their settings, loads the
    // pictures and binds the list's click event. Throws on a picture record
    // that does not fit or a stream the decoder rejects.
    void readDefinition(const FormDef &definition, const PictureRegistry &registry = PictureRegistry::global());

    // The controls, bound by name from the definition.
    TImage *dailyphu = nullptr;
    TShape *tron = nullptr;
    TImage *mongco = nullptr;
    TImage *taytong = nullptr;
    TImage *dongtong = nullptr;
    TImage *kimquoc = nullptr;
    TImage *trangchu = nullptr;
    TTntLabel *TntLabel1 = nullptr;
    TVrWebLabel *VrWebLabel1 = nullptr;
    TTntLabel *TntLabel2 = nullptr;
    TTntListBox *listv = nullptr;

    // The region views: each shows its own map and hides the other five.
    void pkimquoc();
    void pdongtong();
    void ptaytong();
    void pdailyphu();
    void pmongco();

    // The list's click event: shows the selected place's map and puts the
    // marker on the place.
    void listvClick(QObject *sender);

    TImage *picture(locator::MapView view) const;
    const FormDef *definition() const { return definition_; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // What a selection does to the controls.
    void showMarker() override;
    void showRegion(locator::MapView region) override;
    void setMarkerLeft(int left) override;
    void setMarkerTop(int top) override;

    void applyRegion(locator::MapView region);
    void createControl(const ControlDef &def, const PictureRegistry &registry);
    void bindEvent(const ControlDef &def);
    void scheduleFit();
    void fitToControls();
    void centreOnScreen();

    const FormDef *definition_ = nullptr;
    locator::ViewState views_;
    QList<QWidget *> controls_;
    bool centred_ = false;
    bool centredWithFrame_ = false;
    bool fitPending_ = false;
};

// The one main window, set while it reads its definition.
extern TForm1 *Form1;

} // namespace tracuu
