// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <functional>

// Takes the place of the browser: records every address the program asks to open.
class BrowserStub : public QObject
{
    Q_OBJECT
public:
    BrowserStub() { handle(this); }
    ~BrowserStub() override { handle(nullptr); }
    QStringList opened;
    std::function<void()> onOpen; // runs as each address arrives
public slots:
    void open(const QUrl &url)
    {
        opened.append(url.toString(QUrl::FullyEncoded));
        if (onOpen)
            onOpen();
    }

private:
    static void handle(QObject *handler) // nullptr: the browser again
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), handler, "open");
    }
};
