// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "DisplayCheck.h"

#include <QByteArray>
#include <QList>

#include <cstdio>

bool displayFound(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" || argument == "-display"
            || argument == "--display")
            return true;
    }
    // QT_QPA_PLATFORM holds platforms to try in turn, each maybe with options after a ':'.
    // Unset, it means X or Wayland, as chosen by the desktop session.
    const QList<QByteArray> platforms = qgetenv("QT_QPA_PLATFORM").split(';');
    for (const QByteArray &platform : platforms) {
        const QByteArray name = platform.split(':').constFirst();
        if (!name.isEmpty() && name != "xcb" && !name.startsWith("wayland"))
            return true;
    }
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    std::fputs("Tunewell needs a graphical desktop, and none was found: "
               "DISPLAY and WAYLAND_DISPLAY are not set.\n",
               stderr);
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}
