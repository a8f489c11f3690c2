#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>

#include "modTellAFriend.h"
#include "Links.h"

Q_DECLARE_METATYPE(Referral)
Q_DECLARE_METATYPE(LinkId)

// Test programs run on their own settings, lock and home folders, on Qt's offscreen
// platform unless told otherwise, so they never touch the user's files or screen.
void isolateFromUser();

#define TUNEWELL_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char *argv[])                                                           \
    {                                                                                          \
        isolateFromUser();                                                                     \
        QApplication app(argc, argv);                                                          \
        QApplication::setOrganizationName(QStringLiteral("Tunewell"));                         \
        QApplication::setQuitOnLastWindowClosed(false);                                        \
        TestClass test;                                                                        \
        return QTest::qExec(&test, argc, argv);                                                \
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

// What a modal window showed, and whether one came up at all.
struct ModalSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString windowName;
    bool closedByAnswer = false;
};

// Makes a window the active one, as a click on it would, so that keys reach it.
bool activate(QWidget *window);

// Arranges for the next modal window to be answered as a user would: a button of a message
// box clicked, or a key pressed into it. Check `shown` and `closedByAnswer` afterwards:
// nothing answered, nothing proved. A modal window the answer left open is closed, so a
// failing test fails rather than hangs.
std::shared_ptr<ModalSeen> inNextModal(std::function<void(QWidget *)> answer);
std::shared_ptr<ModalSeen> clickInNextModal(QMessageBox::StandardButton button);
std::shared_ptr<ModalSeen> pressInNextModal(int key);

// Ends the program through its own way out, inside an event loop as in real life, and
// checks that no window is left.
void endProgram();

// The main window, loaded if need be, shown and active.
class frmMain;
frmMain &mainWindow();

// What a user does with the mouse: a click on a button, a name chosen from a list, a menu item.
void click(QWidget *window, const char *button);
void choose(QWidget *window, const char *list, const QString &name);
QAction *menuItem(const QWidget *window, const char *name);

// The whole road of a lookup: mode, first Proceed, a name, second Proceed.
void lookUp(const char *option, const char *list, const QString &name);

// The widget drawn at the centre of `area`'s rectangle in its parent: what the user sees there.
bool inFront(const QWidget *area);

template <typename T = QWidget>
T *control(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}
