// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Moves whatever stands at path out of the way, unopened, to path.damaged, or to
// path.damaged.2, .3 ... when that name is taken, so that nothing kept earlier is replaced.
// A link is moved itself, never what it points to. Returns whether it was moved.
bool setAside(const QString &path);
