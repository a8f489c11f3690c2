// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>
#include <QStringList>
#include <QTest>

// Texts are checked against a file of tests/texts/, written from the product's description: its
// first line says what it holds, then a text to a line. Returns where the first one differs:
// the line's number in the file, the line expected and the text as it stands, one under the
// other; nothing when all are as expected.
inline QString firstDifference(const QStringList &texts, const QString &file)
{
    QFile expected(QFINDTESTDATA("texts/" + file));
    expected.open(QIODevice::ReadOnly | QIODevice::Text);
    const QStringList lines =
        QString::fromUtf8(expected.readAll()).split('\n', Qt::SkipEmptyParts).mid(1);
    const QString none = QStringLiteral("(no more lines)");
    for (qsizetype at = 0; at < qMax(texts.size(), lines.size()); ++at) {
        if (texts.value(at, none) != lines.value(at, none))
            return QStringLiteral("tests/texts/%1, line %2:\nexpected: %3\nactual:   %4")
                .arg(file, QString::number(at + 2), lines.value(at, none), texts.value(at, none));
    }
    return QString();
}
