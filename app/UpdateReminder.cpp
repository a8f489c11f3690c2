// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "UpdateReminder.h"

#include "Links.h"
#include "MessageBox.h"
#include "SetAside.h"
#include "SettingsFile.h"

#include <QLockFile>
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
    // twice for want of a write. Nor does the reminder touch anything in its place but a file.
    const QString file = settingsFile();
    if (file.isEmpty())
        return;
    // A file that the store would not write back whole is kept, whole, beside a new one.
    if (!survivesRewrite(file) && !setAside(file))
        return;
    // The store would wait half a minute for a lock of its own that names nobody, as a run killed
    // while writing leaves it; when no one holds it, it goes at once.
    QLockFile(file + QStringLiteral(".lock")).removeStaleLockFile();
    QSettings store(file, QSettings::IniFormat);
    if (store.status() != QSettings::NoError)
        return;

    // ISO 8601 reads back the same whatever the user's regional settings.
    const QDateTime last =
        QDateTime::fromString(store.value(lastReminderKey).toString(), Qt::ISODate);
    // Calendar days, either way: a clock set back by weeks brings the question too.
    if (last.isValid() && qAbs(now.date().daysTo(last.date())) <= quietDays)
        return;
    // A first start, or a value damaged beyond reading, starts counting from today unasked.
    const bool check =
        last.isValid()
        && MsgBox(question, MessageIcon::Information, QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
    store.setValue(lastReminderKey, now.toString(Qt::ISODate));
    store.sync();
    if (check)
        OpenLink(LinkDownload);
}
