// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "StartApplication.h"

#include "Form.h"
#include "MessageBox.h"
#include "RandomDraw.h"
#include "SetAside.h"
#include "SettingsFile.h"
#include "UpdateReminder.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Where the lock lies. On Windows, the user's local application data folder. Elsewhere the
// user's runtime folder; Qt gives none when that folder is unusable, and its own fallback in the
// temporary folder belongs to someone else: a folder of our own in the user's data folder stands
// in then, and without a home, nothing.
QString lockFolder()
{
#ifdef Q_OS_WIN
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return QDir().mkpath(own) ? own : QString();
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString data = userFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
    const QString own = data + QStringLiteral("/Tunewell/TunewellApp");
    return !data.isEmpty() && QDir().mkpath(own) ? own : QString();
#endif
}

// One instance per user. Qt's lock names its holder, who keeps it locked while alive (by an
// flock, or on Windows by holding it open). A lock older than a second that names no live
// instance here (one killed, or of another machine that shares this folder) or nobody at all
// (emptied by a power cut) is taken over, unless a live holder's lock stands in the way: a live
// instance's lock is never broken. A second is ample for a starting instance to write its name
// into the lock it has just made.
bool anotherInstanceRunning()
{
    static const QString folder = lockFolder();
    static QLockFile lock(folder + QLatin1Char('/') + QCoreApplication::applicationName()
                          + QStringLiteral(".lock"));
    // Nowhere to keep a lock tells nothing about other instances: let this one run.
    if (folder.isEmpty() || lock.isLocked())
        return false;
    // A lock is always a regular file. Anything else in its place (a folder, a link, a FIFO) is
    // no instance's lock and would stand there for good; QLockFile would even open a FIFO, and
    // wait on it.
    if (entryAt(lock.fileName()) == Entry::Other)
        setAside(lock.fileName());
    lock.setStaleLockTime(1000);
    // A lock we cannot even create tells nothing about other instances: let this one run.
    return !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
}

} // namespace

void setUpApplication()
{
    // The settings store is addressed by the executable's name, Qt's default application name.
    QApplication::setOrganizationName(QStringLiteral("Tunewell"));
    // Names the desktop entry, so a Wayland desktop shows the window with its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.example.Tunewell"));
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
