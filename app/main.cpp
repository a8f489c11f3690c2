// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "DisplayCheck.h"
#include "StartApplication.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    if (!displayFound(argc, argv))
        return 1;
    QApplication app(argc, argv);
    setUpApplication();
    QTimer::singleShot(0, &StartApplication);
    const int exitCode = QApplication::exec();
    // Windows unloaded on the way out are still queued for deletion.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
