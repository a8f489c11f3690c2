// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// The file that QSettings keeps this program's settings in on Linux, named after the
// organisation and the program, when it is one we can read and write without harm: a regular
// file, or none yet, in a folder we may write to. A link to a regular file stands for that
// file, and its target's path is returned. Empty when anything else stands there (a dangling
// link, a link to anything else, a FIFO, a device, a folder), which is then left untouched, and
// when the folder or the file cannot be written. Never opens the file.
QString settingsFile();

// Whether the settings store, writing the file back, would keep all that is in it: it keeps
// only what it reads, and so drops comments, lines without "=" and junk.
bool survivesRewrite(const QString &file);
