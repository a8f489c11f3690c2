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
    BrowserStub() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~BrowserStub() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QStringList opened;
    std::function<void()> onOpen; // runs as each address arrives
public slots:
    void open(const QUrl &url)
    {
        opened.append(url.toString(QUrl::FullyEncoded));
        if (onOpen)
            onOpen();
    }
};
