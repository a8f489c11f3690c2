// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <memory>

class QSettings;

// A folder of the user's as the XDG rules have it: the variable's value when it is an absolute
// path, and a relative one is ignored, else the given place in the home folder. Empty when there
// is no home either.
QString userFolder(const char *variable, const QString &inHome);

// The store the update reminder keeps its date in, or none when there is none to use without
// harm. On Windows, Qt's native store: the user's registry. Elsewhere the settings file, when it
// is one we can read and write without harm, one that the store would not write back whole
// first kept aside, whole, beside a new one.
std::unique_ptr<QSettings> openSettings();
