// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "UpdateReminder.h"

#include "Links.h"
#include "MessageBox.h"
#include "SettingsFile.h"

#include <QSettings>

namespace {

const QString lastReminderKey = QStringLiteral("Settings/Duration");
constexpr qint64 quietDays = 14;

const QString question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

} // namespace

void UpdateReminder(const QDateTime &now)
{
    // A store we cannot read or write costs the reminder, never the start, and so it never asks
    // twice for want of a write.
    const std::unique_ptr<QSettings> store = openSettings();
    if (!store || store->status() != QSettings::NoError)
        return;

    // ISO 8601 reads back the same whatever the user's regional settings.
    const QDateTime last =
        QDateTime::fromString(store->value(lastReminderKey).toString(), Qt::ISODate);
    // Calendar days, either way: a clock set back by weeks brings the question too.
    if (last.isValid() && qAbs(now.date().daysTo(last.date())) <= quietDays)
        return;
    // A first start, or a value damaged beyond reading, starts counting from today unasked.
    const bool check =
        last.isValid()
        && MsgBox(question, MessageIcon::Information, QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
    store->setValue(lastReminderKey, now.toString(Qt::ISODate));
    store->sync();
    if (check)
        OpenLink(LinkDownload);
}
