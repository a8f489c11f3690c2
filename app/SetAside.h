// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// What stands at a path, the link itself where there is one: nothing at all, a regular file, or
// anything else (a link, even a dangling one, a folder, a FIFO, a device).
enum class Entry { Nothing, File, Other };
Entry entryAt(const QString &path);

// Moves whatever stands at path out of the way, unopened, to path.damaged, or to
// path.damaged.2, .3 ... when that name is taken, so that nothing kept earlier is replaced.
// A link is moved itself, never what it points to. Returns whether it was moved.
bool setAside(const QString &path);
