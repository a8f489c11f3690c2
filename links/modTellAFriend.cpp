// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "modTellAFriend.h"

#include "LinkHosts.h"
#include "Links.h"

#include <QUrl>

namespace {

bool missing(const QString &value, const QString &placeholder)
{
    const QString trimmed = trimSpaces(value);
    return trimmed.isEmpty() || trimmed == placeholder;
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

std::optional<QString> checkAddresses(const Referral &values)
{
    if (values.email == values.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    const auto proper = [](const QString &address) {
        return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
    };
    if (!proper(values.email) || !proper(values.friendEmail))
        return QStringLiteral("Please Enter Proper Email Address");
    return std::nullopt;
}

} // namespace

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

std::optional<QString> TellAFriend(const Referral &values)
{
    if (missing(values.name, Placeholder::Name))
        return QStringLiteral("Please Enter Your Name");
    if (missing(values.email, Placeholder::Email))
        return QStringLiteral("Please Enter Your Email");
    if (missing(values.message, Placeholder::Message))
        return QStringLiteral("Please Enter Your Message");
    if (missing(values.friendName, Placeholder::FriendName))
        return QStringLiteral("Please Enter Your Friend's Name");
    if (missing(values.friendEmail, Placeholder::FriendEmail))
        return QStringLiteral("Please Enter Your Friend's Email");

    OpenLink(ReferralAddress(values));
    return std::nullopt;
}

std::optional<QString> submitReferral(const Referral &values)
{
    const Referral trimmed{trimSpaces(values.name), trimSpaces(values.email),
                           trimSpaces(values.message), trimSpaces(values.friendName),
                           trimSpaces(values.friendEmail)};
    if (std::optional<QString> problem = checkAddresses(trimmed))
        return problem;
    return TellAFriend(trimmed);
}

QString ReferralAddress(const Referral &values)
{
    return QStringLiteral("https://%1/twls-refer-a-friend.php"
                          "?taf1=%2&taf2=%3&taf3=%4&taf4=%5&taf5=%6&taf6=%7")
        .arg(QLatin1String(MainSiteHost), encoded(values.name), encoded(values.email),
             encoded(values.message), encoded(values.friendName), encoded(values.friendEmail),
             encoded(ProductSiteRoot()));
}
