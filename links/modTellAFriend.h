// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <optional>

// The refer-a-friend request: what the farewell window's form holds, checked, then sent to
// the main site as one web address.

struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

namespace Placeholder {
inline const QString Name = QStringLiteral("Your Name");
inline const QString Email = QStringLiteral("Your Email Address");
inline const QString Message = QStringLiteral("Your Message");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
} // namespace Placeholder

// What the form's boxes take at most: a mail address may be 254 characters long. Even the
// longest form, every character escaped, makes an address well within the 32,767
// characters that a command line, and so a browser started from one, can carry.
namespace ReferralLimit {
constexpr int Address = 254;
constexpr int Name = 100;
constexpr int Message = 500;
} // namespace ReferralLimit

// Trims the space character alone, as the form does; tabs and line breaks stay.
QString trimSpaces(const QString &text);

// Checks that every value is filled in and, if so, opens the request address.
// Returns the message to show when something is missing, and sends nothing then.
std::optional<QString> TellAFriend(const Referral &values);

// What the form's submit does: trims the values, checks the two addresses (distinct, then
// each with an "@" and a "."), then hands them to TellAFriend. Returns the one message to
// show, or none when the request went out.
std::optional<QString> submitReferral(const Referral &values);

// Each value goes in percent-encoded as UTF-8, so "&", "=", "+" or a line break in a
// name or message arrives as that one value and cannot add or override a key. The address
// carries two people's names and e-mail addresses: it goes over TLS, never in clear text.
QString ReferralAddress(const Referral &values);
