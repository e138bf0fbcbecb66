#include "application.h"

#include "controls/errors.h"

#include <QFileInfo>
#include <QMessageBox>

#include <typeinfo>

#if __has_include(<cxxabi.h>)
#include <cstdlib>
#include <cxxabi.h>
#endif

namespace tracuu {

QString applicationTitleFromPath(const QString &programPath)
{
    QString name = programPath;
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    name = name.mid(slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString exceptionKind(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const Error *>(&error))
        return QString::fromLatin1(own->kind());
    const char *mangled = typeid(error).name();
#if __has_include(<cxxabi.h>)
    int status = 0;
    char *readable = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    if (status == 0 && readable) {
        const QString kind = QString::fromLatin1(readable);
        std::free(readable);
        return kind;
    }
#endif
    return QString::fromLatin1(mangled);
}

void showCriticalBox(const QString &caption, const QString &text)
{
    QMessageBox::critical(nullptr, caption, text);
}

namespace {

// Only the program name reaches Qt; these live as long as the application.
int qtArgc = 1;
char fallbackName[] = "tracuu";
char *qtArgv[] = {fallbackName, nullptr};

char **programNameOnly(int argc, char **argv)
{
    if (argc > 0 && argv && argv[0])
        qtArgv[0] = argv[0];
    return qtArgv;
}

} // namespace

TApplication::TApplication(int &argc, char **argv) : QApplication(qtArgc, programNameOnly(argc, argv))
{
    title_ = applicationTitleFromPath(QCoreApplication::applicationFilePath());
    setApplicationName(title_);
    // Lets the desktop match the window to its entry and icon.
    setDesktopFileName(QStringLiteral("example.vanduc.tracuu"));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        handleException(error);
    } catch (...) {
        handleException(std::runtime_error("unknown error"));
    }
    return false;
}

void TApplication::handleException(const std::exception &error)
{
    if (reporting_)
        return;
    reporting_ = true;
    const QString message = QString::fromUtf8(error.what());
    try {
        if (reporter_)
            reporter_(title_, message);
    } catch (...) {
    }
    reporting_ = false;
}

int runApplication(TApplication &app, const std::function<void()> &createMainWindow,
                   const ErrorReporter &startupReporter)
{
    try {
        createMainWindow();
    } catch (const std::exception &error) {
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        startupReporter(QStringLiteral("Application Error"),
                        QStringLiteral("Exception %1 in module %2.\n%3")
                            .arg(exceptionKind(error), program, QString::fromUtf8(error.what())));
        return 1;
    }
    return app.exec();
}

} // namespace tracuu
