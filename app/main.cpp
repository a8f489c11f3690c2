#include "DisplayCheck.h"
#include "StartApplication.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    if (!displayFound(argc, argv))
        return 1;
    QApplication app(argc, argv);
    // The settings store is addressed by the executable's name, Qt's default application name.
    QApplication::setOrganizationName(QStringLiteral("Tunewell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tunewell.png")));
    // Closing the last window does not end the program; the farewell window decides that.
    QApplication::setQuitOnLastWindowClosed(false);

    QTimer::singleShot(0, &StartApplication);
    const int exitCode = QApplication::exec();
    // Windows unloaded on the way out are still queued for deletion.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
