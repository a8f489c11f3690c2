// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "StartApplication.h"

// Test programs run in a home of their own (settings, lock) on Qt's offscreen platform unless
// told otherwise, so they never touch the user's files or screen.
void isolateFromUser();
#define TUNEWELL_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        isolateFromUser();                                                                         \
        QApplication app(argc, argv);                                                              \
        setUpApplication();                                                                        \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// Takes the place of the browser: records every address the program asks to open.
class BrowserStub : public QObject
{
    Q_OBJECT
public:
    BrowserStub();
    ~BrowserStub() override;
    QStringList opened;
    std::function<void()> onOpen; // runs as each address arrives
public slots:
    void open(const QUrl &url);
};

// What a modal window showed. Nothing shown, or left open by the answer: nothing proved.
struct ModalSeen {
    bool shown = false, closedByAnswer = false;
    QString window, title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer watch; // looks for the modal window until it comes, for as long as this lives
};

// Answers the next modal window to come up with `gesture` (see perform()), after `also` has
// looked at it; one left open is closed, so a failing test fails rather than hangs.
[[nodiscard]] std::shared_ptr<ModalSeen> inNextModal(const QString &gesture,
                                                     std::function<void(QWidget *)> also = {});

// What a user does, as a table row names it: "close" (the close box), "click:NAME" (a button,
// check box, link caption or menu item; a message box's button by its text), "key:SEQUENCE"
// (to the focused control), "space:NAME", or "reader:NAME" (a screen reader's action on it).
void perform(QWidget *window, const QString &gesture);

// Brings the program where a user gets to: "main", "result" (Cough looked up by ailment, Yaman
// chosen in the raga list), "farewell" (the main window closed) or "farewell over hidden main"
// (the result window closed); the window there, active.
QWidget *reach(const QString &place);
void choose(QWidget *window, const char *list, const QString &name);
bool activate(QWidget *window);

// The program's windows by name, sorted: those on screen, or those loaded.
QStringList shownWindows();
QStringList loadedWindows();
// The widget drawn at the centre of `area`'s rectangle in its parent: what the user sees there.
bool inFront(const QWidget *area);

// Ends the program its own way, inside an event loop, and checks that no window is left.
void endProgram();

template <typename T = QWidget>
T *control(const QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}
