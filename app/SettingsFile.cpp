#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where QSettings, built without arguments, keeps the settings of this user and program.
QString defaultPath()
{
    return QFileInfo(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/')
                     + QCoreApplication::applicationName() + QStringLiteral(".conf"))
        .absoluteFilePath();
}

bool isRegularFileOrNothing(const QFileInfo &info)
{
    return !info.isSymLink() && (info.isFile() || !info.exists());
}

} // namespace

QString settingsFile()
{
    QFileInfo file(defaultPath());
    if (file.isSymLink() && file.isFile())
        file.setFile(file.canonicalFilePath());
    // QSettings takes a lock beside the file when it writes, and waits for good on a folder
    // or a FIFO in the lock's place.
    const QFileInfo lock(file.filePath() + QStringLiteral(".lock"));
    if (!isRegularFileOrNothing(file) || !isRegularFileOrNothing(lock))
        return QString();

    // The store writes a new file beside the old one and renames it over: it needs the folder.
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return QString();
    if (file.exists() && !(file.isReadable() && file.isWritable()))
        return QString();
    return file.filePath();
}
