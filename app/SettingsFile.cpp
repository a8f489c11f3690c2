// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

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

// The lines of a file that carry something, without the spaces around them.
QSet<QByteArray> linesOf(const QString &path)
{
    QSet<QByteArray> lines;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.trimmed().isEmpty())
                lines.insert(line.trimmed());
        }
    }
    return lines;
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

bool survivesRewrite(const QSettings &store)
{
    const QSet<QByteArray> original = linesOf(store.fileName());
    if (original.isEmpty())
        return true;
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    // The store's own writer, on a scratch copy of what it read, shows what a rewrite keeps.
    const QString trialPath = scratch.filePath(QStringLiteral("rewrite.conf"));
    {
        QSettings trial(trialPath, QSettings::IniFormat);
        const QStringList keys = store.allKeys();
        for (const QString &key : keys)
            trial.setValue(key, store.value(key));
    }
    return linesOf(trialPath).contains(original);
}
