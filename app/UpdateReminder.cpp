// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "UpdateReminder.h"

#include "Links.h"
#include "MessageBox.h"
#include "SetAside.h"
#include "SettingsFile.h"

#include <QSettings>

#include <optional>

namespace {

const QString lastReminderKey = QStringLiteral("Settings/Duration");
constexpr qint64 quietDays = 14;

const QString question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

} // namespace

void UpdateReminder(const QDateTime &now)
{
    // A store we cannot read or write costs the reminder, never the start, and so it never asks
    // twice for want of a write. Nor does the reminder touch anything in its place but a file.
    const QString file = settingsFile();
    if (file.isEmpty())
        return;
    std::optional<QSettings> store(std::in_place, file, QSettings::IniFormat);
    if (store->status() == QSettings::AccessError)
        return;

    const auto record = [&] {
        // A rewrite keeps only what the store could parse: a file holding more is kept whole,
        // beside the new one.
        if (!survivesRewrite(*store)) {
            store.reset();
            if (!setAside(file))
                return;
            store.emplace(file, QSettings::IniFormat);
        }
        // ISO 8601 reads back the same whatever the user's regional settings.
        store->setValue(lastReminderKey, now.toString(Qt::ISODate));
        store->sync();
    };

    const QDateTime last =
        QDateTime::fromString(store->value(lastReminderKey).toString(), Qt::ISODate);
    if (!last.isValid()) {
        // First start, or a value damaged beyond reading: start counting from today.
        record();
        return;
    }

    // Calendar days, either way: a clock set back by weeks brings the question too.
    if (qAbs(now.date().daysTo(last.date())) <= quietDays)
        return;

    const auto answer =
        MsgBox(question, MessageIcon::Information, QMessageBox::Yes | QMessageBox::No);
    record();
    if (answer == QMessageBox::Yes)
        OpenLink(LinkDownload);
}
