// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "SettingsFile.h"

#include "SetAside.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <algorithm>

namespace {

// A line that the store reads and writes back alike: a [group] or a key=value, and no comment,
// which runs from a ';' outside quotes (the store quotes a ';' of its own) to the line's end.
bool isGroupOrValue(const QByteArray &line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ';' && !quoted)
            return false;
    }
    return (line.startsWith('[') && line.endsWith(']')) || line.contains('=');
}

// The file that QSettings keeps this program's settings in on Linux, named after the
// organisation and the program, when it is one we can read and write without harm: a regular
// file, or none yet, in a folder we may write to. A link to a regular file stands for that
// file, and its target's path is returned. Empty when anything else stands there (a dangling
// link, a link to anything else, a FIFO, a device, a folder), which is then left untouched, and
// when the folder or the file cannot be written, and when the user has no home. Never opens the
// file.
QString settingsFile()
{
    // Where QSettings, built without arguments, keeps the settings of this user and program.
    const QString config = userFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    if (config.isEmpty())
        return QString();
    QFileInfo file(config + QLatin1Char('/') + QCoreApplication::organizationName()
                   + QLatin1Char('/') + QCoreApplication::applicationName()
                   + QStringLiteral(".conf"));
    if (file.isSymLink() && file.isFile())
        file.setFile(file.canonicalFilePath());
    // QSettings takes a lock beside the file when it writes, and waits for good on a folder
    // or a FIFO in the lock's place.
    const QString lock = file.filePath() + QStringLiteral(".lock");
    if (entryAt(file.filePath()) == Entry::Other || entryAt(lock) == Entry::Other)
        return QString();

    // The store writes a new file beside the old one and renames it over: it needs the folder.
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return QString();
    if (file.exists() && !(file.isReadable() && file.isWritable()))
        return QString();
    return file.filePath();
}

// Whether the settings store, writing the file back, would keep all that is in it: it keeps
// only what it reads, and so drops comments, lines without "=" and junk.
bool survivesRewrite(const QString &file)
{
    QFile settings(file);
    // Far more than the program ever writes is junk: it is not even read.
    if (settings.size() > 64 * 1024)
        return false;
    if (!settings.open(QIODevice::ReadOnly))
        return true;
    // The store writes UTF-8: anything else would come back altered.
    const QByteArray text = settings.readAll();
    if (QString::fromUtf8(text).toUtf8() != text)
        return false;
    const QList<QByteArray> lines = text.split('\n');
    return std::all_of(lines.cbegin(), lines.cend(), [](const QByteArray &line) {
        return line.trimmed().isEmpty() || isGroupOrValue(line.trimmed());
    });
}

} // namespace

QString userFolder(const char *variable, const QString &inHome)
{
    const QString folder = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(folder))
        return folder;
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? home + QLatin1Char('/') + inHome : QString();
}

std::unique_ptr<QSettings> openSettings()
{
#ifdef Q_OS_WIN
    // The registry holds each value on its own, with none of a file's troubles.
    return std::make_unique<QSettings>();
#else
    const QString file = settingsFile();
    if (file.isEmpty() || (!survivesRewrite(file) && !setAside(file)))
        return nullptr;
    // The store would wait half a minute for a lock of its own that names nobody, as a run killed
    // while writing leaves it; when no one holds it, it goes at once.
    QLockFile(file + QStringLiteral(".lock")).removeStaleLockFile();
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
#endif
}
