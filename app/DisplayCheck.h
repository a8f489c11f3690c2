// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

// Whether Qt will find a display to show windows on. Qt itself aborts without one, and
// suggests reinstalling; so before Qt starts, when it would look for an X or Wayland display
// and the environment names none, this says so in one line on standard error and returns
// false. A platform or display given on the command line is left to Qt.
bool displayFound(int argc, char *argv[]);
