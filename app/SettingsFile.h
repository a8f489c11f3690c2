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

// The file that QSettings keeps this program's settings in on Linux, named after the
// organisation and the program, when it is one we can read and write without harm: a regular
// file, or none yet, in a folder we may write to. A link to a regular file stands for that
// file, and its target's path is returned. Empty when anything else stands there (a dangling
// link, a link to anything else, a FIFO, a device, a folder), which is then left untouched, and
// when the folder or the file cannot be written, and when the user has no home. Never opens the
// file.
QString settingsFile();

// Whether the settings store, writing the file back, would keep all that is in it: it keeps
// only what it reads, and so drops comments, lines without "=" and junk.
bool survivesRewrite(const QString &file);

// The store the update reminder keeps its date in, or none when there is none to use without
// harm. On Windows, Qt's native store: the user's registry. Elsewhere the settings file above,
// one that the store would not write back whole first kept aside, whole, beside a new one.
std::unique_ptr<QSettings> openSettings();
