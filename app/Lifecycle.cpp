#include "EndApplication.h"
#include "StartApplication.h"

#include "Form.h"
#include "MessageBox.h"
#include "RandomDraw.h"
#include "UpdateReminder.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// One instance per user. The lock names its holder's process, so a lock left by a crashed
// or killed instance is taken over, while a live holder's lock is never broken.
bool anotherInstanceRunning()
{
    static QLockFile lock(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                          + QLatin1Char('/') + QCoreApplication::applicationName()
                          + QStringLiteral(".lock"));
    if (lock.isLocked())
        return false;
    lock.setStaleLockTime(0);
    // A lock we cannot even create tells nothing about other instances: let this one run.
    return !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
}

} // namespace

void setUpApplication()
{
    // The settings store is addressed by the executable's name, Qt's default application name.
    QApplication::setOrganizationName(QStringLiteral("Tunewell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tunewell.png")));
    // Closing the last window does not end the program; the farewell window decides that.
    QApplication::setQuitOnLastWindowClosed(false);
}

void StartApplication()
{
    if (anotherInstanceRunning()) {
        MsgBox(QStringLiteral("Application is already running"), MessageIcon::Information);
        EndApplication();
        return;
    }
    RandomDraw::seedFromClock();
    UpdateReminder();
    frmMain &main = Form::get<frmMain>();
    main.showModeless();
    main.CoBrand_Randomize();
}

void EndApplication()
{
    // Unloading the farewell window calls back in here; the outer call finishes the job.
    static bool ending = false;
    if (ending)
        return;
    ending = true;
    // Unloading the main or result window puts the farewell window up once more: keep going
    // until nothing is left.
    while (!Form::loadedForms().isEmpty())
        Form::loadedForms().constFirst()->unload();
    QCoreApplication::exit(0);
    ending = false;
}
