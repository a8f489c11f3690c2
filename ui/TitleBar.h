// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class QToolButton;

// The frame a window draws for itself where the desktop leaves that to the program, as Wayland
// does: the caption and a close box, and nothing to minimise or maximise, as the windows have
// on X11. Dragging the caption moves the window.
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    // Frames a top-level window on Wayland; elsewhere the desktop frames it, and this does
    // nothing.
    static void frame(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    explicit TitleBar(QWidget *window);

    QToolButton *closeBox = nullptr;
};
