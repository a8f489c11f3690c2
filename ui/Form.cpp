// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QShortcut>

namespace {

QList<Form *> &registry()
{
    static QList<Form *> forms;
    return forms;
}

} // namespace

Form::Form()
{
    // Fixed border with a close button only, no minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromLatin1(WindowCaption));
    // F10 takes the keyboard to the menu bar and back, as a lone Alt does and as Windows users
    // know it. Qt's menu bar answers only Alt, so F10 hands it a press and release of Alt.
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, [this] {
        for (const QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyRelease}) {
            QKeyEvent alt(type, Qt::Key_Alt, Qt::NoModifier); // Qt adds Alt's own modifier
            QCoreApplication::sendEvent(this, &alt);
        }
    });
}

QList<Form *> Form::loadedForms()
{
    return registry();
}

QWidget *Form::createClientArea(int widthTwips, int heightTwips)
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(widthTwips), twips(heightTwips));
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

void Form::setTabOrder(std::initializer_list<QWidget *> controls)
{
    for (auto control = controls.begin(); control + 1 < controls.end(); ++control)
        QWidget::setTabOrder(*control, *(control + 1));
}

void Form::load()
{
    // Names the window to the X11 desktop, where tools tell windows apart by their role.
    setWindowRole(objectName());
    loaded = true;
    registry().append(this);
    Form_Load();
}

void Form::showModeless()
{
    if (!placed) {
        // Every window opens in the middle of its screen; after that it stays where it is put.
        adjustSize();
        const QRect area = screen()->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        // Wholly on the screen's free area. A window larger than that keeps its top-left
        // corner, and with it the title bar and the start of every row, in reach.
        frame.moveLeft(qMax(area.left(), qMin(frame.left(), area.right() + 1 - frame.width())));
        frame.moveTop(qMax(area.top(), qMin(frame.top(), area.bottom() + 1 - frame.height())));
        move(frame.topLeft());
        placed = true;
    }
    show();
    raise();
    activateWindow();
}

void Form::showModal()
{
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    showModeless();
    loop.exec(QEventLoop::DialogExec);
}

void Form::unload()
{
    if (!loaded || unloading)
        return;
    unloading = true;
    // On its way out already: no longer among the windows that are left to unload.
    registry().removeOne(this);
    Form_Unload();
    hide();
    loaded = false;
    emit unloaded();
    deleteLater();
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}

void EndApplication()
{
    // Unloading the farewell window calls back in here; the outer call finishes the job.
    static bool ending = false;
    if (ending)
        return;
    ending = true;
    // Unloading the main or result window puts the farewell window up once more: keep going
    // until nothing is left.
    while (!registry().isEmpty())
        registry().constFirst()->unload();
    QCoreApplication::exit(0);
    ending = false;
}
