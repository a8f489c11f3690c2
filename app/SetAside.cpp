// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "SetAside.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

Entry entryAt(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return Entry::Other;
    if (!info.exists())
        return Entry::Nothing;
    return info.isFile() ? Entry::File : Entry::Other;
}

bool setAside(const QString &path)
{
    for (int number = 1; number <= 99; ++number) {
        QString aside = path + QStringLiteral(".damaged");
        if (number > 1)
            aside += QLatin1Char('.') + QString::number(number);
        if (entryAt(aside) != Entry::Nothing)
            continue;
        // QFile::rename() refuses a dangling link and may copy what it cannot rename, which
        // would open a FIFO: the plain rename moves any kind of entry and opens nothing.
        const QByteArray from = QFile::encodeName(path), to = QFile::encodeName(aside);
        return std::rename(from.constData(), to.constData()) == 0;
    }
    return false;
}
