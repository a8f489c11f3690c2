// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "EndApplication.h"
#include "StartApplication.h"

#include "Form.h"
#include "MessageBox.h"
#include "RandomDraw.h"
#include "SetAside.h"
#include "UpdateReminder.h"
#include "frmMain.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {

// The user's runtime folder. Qt gives none when that folder is unusable and its own fallback
// in the temporary folder belongs to someone else: a folder of our own in the user's data
// folder stands in then, never the root of the file system.
QString lockFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(own);
    return own;
}

// A lock is always a regular file. Anything else in its place (a folder, a link, a FIFO) is
// no instance's lock and would stand there for good; QLockFile would even read a FIFO, and
// wait on it.
void clearWayFor(const QString &lockPath)
{
    const QFileInfo info(lockPath);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        setAside(lockPath);
}

// A lock file that names no holder was cut short (empty after a power cut) or damaged. A
// starting instance's file is empty too, for the moment between its creation and its flock:
// a file younger than a second may be one.
bool mayBeStarting(const QString &lockPath)
{
    const QDateTime modified = QFileInfo(lockPath).lastModified();
    return qAbs(modified.msecsTo(QDateTime::currentDateTime())) < 1000;
}

// One instance per user. The lock names its holder's process, so a lock left by a crashed
// or killed instance is taken over, while a live holder's lock is never broken.
bool anotherInstanceRunning()
{
    static QLockFile lock(lockFolder() + QLatin1Char('/') + QCoreApplication::applicationName()
                          + QStringLiteral(".lock"));
    if (lock.isLocked())
        return false;
    lock.setStaleLockTime(0);
    for (int attempt = 0; attempt < 3; ++attempt) {
        clearWayFor(lock.fileName());
        if (lock.tryLock(0))
            return false;
        // A lock we cannot even create tells nothing about other instances: let this one run.
        if (lock.error() != QLockFile::LockFailedError)
            return false;
        // Qt has taken over the lock of a holder that is gone; one that names its holder is live.
        if (lock.getLockInfo(nullptr, nullptr, nullptr))
            return true;
        if (mayBeStarting(lock.fileName())) {
            QThread::msleep(1000);
            continue;
        }
        // Qt never takes a lock that names nobody: we do, unless someone holds its flock, as
        // every live holder does. removeStaleLockFile() fails then, and the file stays.
        if (!lock.removeStaleLockFile() && QFileInfo::exists(lock.fileName()))
            return true;
    }
    return true;
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
