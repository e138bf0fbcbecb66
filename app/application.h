#pragma once

#include <QApplication>

#include <exception>
#include <functional>

namespace tracuu {

// The application title from the program file's name: the directory part
// removed, the name cut before its first '.', and every character after the
// first in lower case ("LookUp.Tool" gives "Lookup").
QString applicationTitleFromPath(const QString &programPath);

// "Kind" of an exception for messages: our own errors name themselves, the
// rest by their type.
QString exceptionKind(const std::exception &error);

// Shows an error to the user; replaced in tests so no modal box blocks them.
using ErrorReporter = std::function<void(const QString &caption, const QString &text)>;
void showCriticalBox(const QString &caption, const QString &text);

// The application object: it keeps the loop going when a handler throws,
// showing the error in a box captioned with the application title.
class TApplication : public QApplication {
public:
    // Qt sees only the program name: the program takes no arguments, and
    // Qt's own command-line options are ignored with the rest.
    TApplication(int &argc, char **argv);

    QString title() const { return title_; }
    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows an error raised inside the loop. While one box is up, further
    // errors are not stacked on top of it.
    void handleException(const std::exception &error);

private:
    QString title_;
    ErrorReporter reporter_ = showCriticalBox;
    bool reporting_ = false;
};

// The start-up routine: application set up, main window created, message
// loop run. `createMainWindow` creates and shows the window. An error that
// escapes the set-up or the creation shows a box titled "Application Error"
// and gives exit code 1; closing the window gives 0.
int runApplication(TApplication &app, const std::function<void()> &createMainWindow,
                   const ErrorReporter &startupReporter = showCriticalBox);

} // namespace tracuu
