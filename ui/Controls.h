// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

#include <string_view>

class QComboBox;
class QGroupBox;
class QPushButton;
class QWidget;

namespace Colours {
inline const QColor Brown(128, 64, 0);
inline const QColor Peach(255, 224, 192);
} // namespace Colours

QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

// Sets a widget's background and text colours through its palette.
void paint(QWidget *widget, const QColor &background, const QColor &text);
// The same for a control whose colours the design fixes in every style, by a style sheet for
// this control alone (its name and `extra` rules standing for %1). A native style may draw a
// control its own way and leave its palette unread, but it honours a style sheet.
void paintInEveryStyle(QWidget *control, const QColor &background, const QColor &text,
                       const QString &extra = {});

// Texts are stored with CR LF line breaks; Qt draws a line break only at LF.
QString displayText(const QString &text);
void setCaption(QLabel *label, const QString &text);

// Of two opaque controls on one place only the one in front is seen. The one behind is hidden
// too, which changes no pixel, so that neither Tab nor a screen reader reaches what nobody can
// see. The focus, if given, moves before anything is hidden, never through a hidden control.
void bringToFront(QWidget *front, QWidget *behind, QWidget *focus = nullptr);

// A caption that acts like a web link: pointing hand, a click signal, and to a screen reader
// a link it can press. Tab reaches it after the window's other controls, it shows the focus,
// and Enter or Space opens it, as in a browser.
class LinkCaption : public QLabel
{
    Q_OBJECT

public:
    LinkCaption(const QString &objectName, const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

QString toQString(std::string_view text);

// A frame with a caption; opaque, so that of two frames on one place only the front one shows.
QGroupBox *makePanel(const QString &name, const QString &caption, const QRect &geometry,
                     QWidget *parent);

// A button that Enter presses while it has the focus, with the given face colour.
QPushButton *makeButton(const QString &name, const QString &caption, const QRect &geometry,
                        const QColor &face, QWidget *parent);

QLabel *makeCaption(const QString &objectName, const QString &text, QWidget *parent);
