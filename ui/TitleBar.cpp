// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "TitleBar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int border = 1;

} // namespace

void TitleBar::frame(QWidget *window)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // Qt's own frame on Wayland has minimise and maximise buttons, whatever the window asks.
    // Qt keeps a frame for a window that asks for a close button, so the hints for the frame's
    // buttons go; they would have nothing to act on.
    window->setWindowFlags(window->windowType() | Qt::FramelessWindowHint);
    new TitleBar(window);
}

// Lies under the whole window, behind its contents, which the window's margins keep clear of
// the caption band and the border.
TitleBar::TitleBar(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("titleBar"));
    QFont caption = font();
    caption.setBold(true);
    setFont(caption);
    const int band = fontMetrics().height() + 10;
    window->setContentsMargins(border, band, border, border);

    closeBox = new QToolButton(this);
    closeBox->setObjectName(QStringLiteral("closeBox"));
    closeBox->setAccessibleName(QStringLiteral("Close"));
    closeBox->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this));
    closeBox->setAutoRaise(true);
    // The keyboard closes a window with Alt+F4, as ever; Tab stays within the window's controls.
    closeBox->setFocusPolicy(Qt::NoFocus);
    closeBox->resize(band - 4, band - 4);
    connect(closeBox, &QToolButton::clicked, window, &QWidget::close);

    lower();
    window->installEventFilter(this);
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        const QRect area = static_cast<QWidget *>(watched)->rect();
        setGeometry(area);
        closeBox->move(area.right() - border - closeBox->width() - 1, border + 1);
    } else if (event->type() == QEvent::WindowTitleChange
               || event->type() == QEvent::WindowIconChange) {
        update();
    }
    return false;
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int band = parentWidget()->contentsMargins().top();
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(115));
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const int iconSize = band - 10;
    const QRect iconArea(border + 5, (band - iconSize) / 2, iconSize, iconSize);
    window()->windowIcon().paint(&painter, iconArea);
    const QRect captionArea(iconArea.right() + 5, 0, closeBox->x() - iconArea.right() - 10, band);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(
        captionArea, Qt::AlignCenter,
        fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, captionArea.width()));
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    // The compositor moves the window: Wayland lets no program place its own windows.
    if (event->button() == Qt::LeftButton
        && event->position().y() < parentWidget()->contentsMargins().top())
        window()->windowHandle()->startSystemMove();
}
