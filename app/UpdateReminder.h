// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QDateTime>

// At most once every 15 calendar days, offers to open the download page.
void UpdateReminder(const QDateTime &now = QDateTime::currentDateTime());
