// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "Controls.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void paint(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

void paintInEveryStyle(QWidget *control, const QColor &background, const QColor &text,
                       const QString &extra)
{
    control->setStyleSheet((QStringLiteral("#%1 { background: %2; color: %3; } ") + extra)
                               .arg(control->objectName(), background.name(), text.name()));
}

QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(displayText(text));
    // Captions that wrap keep their box; the others size themselves to their text.
    if (!label->wordWrap())
        label->adjustSize();
}

void bringToFront(QWidget *front, QWidget *behind, QWidget *focus)
{
    front->show();
    front->raise();
    if (focus)
        focus->setFocus();
    behind->hide();
}

namespace {

class AccessibleLinkCaption : public QAccessibleWidget
{
public:
    explicit AccessibleLinkCaption(LinkCaption *caption)
        : QAccessibleWidget(caption, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<LinkCaption *>(widget())->clicked();
    }
};

QAccessibleInterface *accessibleLinkCaption(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkCaption"))
        return new AccessibleLinkCaption(static_cast<LinkCaption *>(object));
    return nullptr;
}

// Known before the first caption is made: Qt keeps the first interface it makes for a widget.
const bool linkCaptionsAreLinks = (QAccessible::installFactory(accessibleLinkCaption), true);

} // namespace

LinkCaption::LinkCaption(const QString &objectName, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void LinkCaption::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkCaption::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void LinkCaption::paintEvent(QPaintEvent *)
{
    // Drawn as a caption that takes no focus: QLabel lays out one that does as a text document,
    // which puts its letters a pixel apart from where they were.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          alignment() | (wordWrap() ? Qt::TextWordWrap : 0), option.palette,
                          isEnabled(), text(), foregroundRole());
    if (hasFocus())
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

QLabel *makeCaption(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QPushButton *makeButton(const QString &name, const QString &caption, const QRect &geometry,
                        const QColor &face, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setGeometry(geometry);
    button->setAutoDefault(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    return button;
}

QGroupBox *makePanel(const QString &name, const QString &caption, const QRect &geometry,
                     QWidget *parent)
{
    auto *panel = new QGroupBox(caption, parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setAutoFillBackground(true);
    return panel;
}
