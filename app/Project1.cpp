// The start-up routine: the application object, the picture and cursor
// registrations, the main window, and the message loop.
#include "Unit1.h"
#include "application.h"
#include "controls/cursor_table.h"
#include "controls/jpeg_image.h"
#include "controls/web_label.h"

#include <QScreen>

int main(int argc, char **argv)
{
    tracuu::TApplication app(argc, argv);

    // Before any window: the JPEG picture kind, the link's pointing hand as
    // cursor 99, the screen's depth for decoding, and the link's
    // accessibility.
    tracuu::PictureRegistry::global().registerClass(tracuu::TJPEGImage::graphicClass());
    tracuu::CursorTable::global().registerCursor(tracuu::CursorTable::handPoint, tracuu::loadHandPointCursor());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        tracuu::TJPEGImage::setScreenBitsPerPixel(screen->depth());
    tracuu::installWebLabelAccessibility();

    return tracuu::runApplication(app, [] {
        tracuu::Form1 = new tracuu::TForm1;
        try {
            tracuu::Form1->readDefinition(tracuu::TFORM1());
        } catch (...) {
            delete tracuu::Form1;
            tracuu::Form1 = nullptr;
            throw;
        }
        tracuu::Form1->setAttribute(Qt::WA_DeleteOnClose);
        tracuu::Form1->show();
    });
}
