// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// Fuzzes the refer-a-friend submit: five values, separated by NUL bytes, go through its
// checks; either exactly one message comes back and nothing is sent, or exactly one address
// is sent whose query holds the six keys in order, each value escaped to unreserved characters
// and %XX alone, so that a web server's form decoding (where "+" is a space) gives back the
// five values, trimmed of spaces, and the product root.
#include "BrowserStub.h"
#include "LinkHosts.h"
#include "modTellAFriend.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QtTest/qtestassert.h>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList typed =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(QChar(0));
    typed.resize(5);
    static BrowserStub browser;
    browser.opened.clear();
    const auto problem = submitReferral({typed[0], typed[1], typed[2], typed[3], typed[4]});
    QTEST_ASSERT(problem ? !problem->isEmpty() && browser.opened.isEmpty()
                         : browser.opened.size() == 1);
    if (problem)
        return 0;
    static const QString value = QStringLiteral("((?:[A-Za-z0-9._~-]|%[0-9A-F]{2})*)");
    static const QRegularExpression request(QRegularExpression::anchoredPattern(
        "https://" + QRegularExpression::escape(QLatin1String(MainSiteHost))
        + "/twls-refer-a-friend\\.php\\?taf1=" + value + "&taf2=" + value + "&taf3=" + value
        + "&taf4=" + value + "&taf5=" + value + "&taf6=" + value));
    const QRegularExpressionMatch sent = request.match(browser.opened.first());
    QTEST_ASSERT(sent.hasMatch());
    typed.append(QStringLiteral("http://") + QLatin1String(ProductSiteHost) + QLatin1Char('/'));
    static const QRegularExpression outerSpaces(QStringLiteral("^ +| +\\z"));
    for (int key = 0; key < 6; ++key) {
        const QByteArray escaped = sent.captured(key + 1).toLatin1();
        QTEST_ASSERT(QString::fromUtf8(QByteArray::fromPercentEncoding(escaped))
                     == typed[key].remove(outerSpaces));
    }
    return 0;
}
