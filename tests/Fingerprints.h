// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QCryptographicHash>
#include <QStringList>

// Texts are checked against their fingerprints, written down from the product's description:
// two letters each, the start of its SHA-1 in base64, which a changed letter, a lost space or
// line break, a text added, dropped or moved changes (but for one change in 4,096). Returns the
// first text that is not as described, as it stands now; nothing when all are.
inline QString firstDifference(const QStringList &texts, const QByteArray &fingerprints)
{
    for (qsizetype at = 0; at < qMax(texts.size(), fingerprints.size() / 2); ++at) {
        const QString text = texts.value(at, QStringLiteral("(none)"));
        const QByteArray hash = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1);
        if (hash.toBase64().left(2) != fingerprints.mid(2 * at, 2))
            return QStringLiteral("text %1 is not as described: \"%2\"").arg(at + 1).arg(text);
    }
    return QString();
}
