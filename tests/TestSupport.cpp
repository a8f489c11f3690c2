// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "TestSupport.h"

#include "EndApplication.h"
#include "Form.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>

void isolateFromUser()
{
    static QTemporaryDir home;
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME"}) {
        const QString path = home.filePath(QLatin1String(variable));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(variable, path.toLocal8Bit());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

BrowserStub::BrowserStub() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
BrowserStub::~BrowserStub() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

void BrowserStub::open(const QUrl &url)
{
    opened.append(url.toString(QUrl::FullyEncoded));
    if (onOpen)
        onOpen();
}

std::shared_ptr<ModalSeen> inNextModal(const QString &gesture, std::function<void(QWidget *)> also)
{
    auto seen = std::make_shared<ModalSeen>();
    QObject::connect(&seen->watch, &QTimer::timeout, [watcher = std::weak_ptr(seen), gesture, also] {
        QWidget *modal = QApplication::activeModalWidget();
        const std::shared_ptr<ModalSeen> seen = watcher.lock();
        if (!modal || !seen || seen->shown)
            return;
        seen->shown = true;
        seen->window = modal->objectName();
        seen->title = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen->text = box->text();
            seen->icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                seen->buttons |= box->standardButton(button);
        }
        if (also)
            also(modal);
        activate(modal);
        perform(modal, gesture);
        // An access key presses its button the way a click animates it, a moment later; an
        // unloaded window is deleted meanwhile. Anything else takes the window off at once.
        const QPointer<QWidget> answered(modal);
        seen->closedByAnswer = gesture.startsWith(QLatin1String("key:Alt+"))
                                   ? QTest::qWaitFor([&] { return !answered || !answered->isVisible(); }, 500)
                                   : !modal->isVisible();
        if (!seen->closedByAnswer)
            modal->close();
    });
    seen->watch.start(0);
    return seen;
}

void perform(QWidget *window, const QString &gesture)
{
    const QString verb = gesture.section(QLatin1Char(':'), 0, 0);
    const QString name = gesture.section(QLatin1Char(':'), 1);
    QWidget *target = window->findChild<QWidget *>(name);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!target && button->text().remove(QLatin1Char('&')) == name)
            target = button;
    }
    if (verb == QLatin1String("close")) {
        window->close();
    } else if (verb == QLatin1String("key")) {
        const QKeyCombination key = QKeySequence::fromString(name)[0];
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == window ? focus : window, key.key(), key.keyboardModifiers());
    } else if (QAction *item = window->findChild<QAction *>(name)) {
        item->trigger();
    } else if (!target) {
        QFAIL(qPrintable("nothing to " + gesture));
    } else if (verb == QLatin1String("space")) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Space);
    } else if (verb == QLatin1String("reader")) {
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(target)->actionInterface();
        actions->doAction(actions->actionNames().constFirst());
    } else {
        // Near the left edge: an option button or check box answers on its box and caption only.
        const bool box = qobject_cast<QAbstractButton *>(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, box ? QPoint(8, target->height() / 2) : target->rect().center());
    }
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void choose(QWidget *window, const char *list, const QString &name)
{
    auto *combo = control<QComboBox>(window, list);
    const int index = combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(name));
    combo->setCurrentIndex(index);
}

QWidget *reach(const QString &place)
{
    Form *window = &Form::get<frmMain>();
    window->showModeless();
    if (place == QLatin1String("result") || place == QLatin1String("farewell over hidden main")) {
        activate(window);
        choose(window, "cmbRaga", QStringLiteral("Yaman"));
        for (const char *gesture : {"click:optSearchByAilment", "click:cmdProceed"})
            perform(window, QLatin1String(gesture));
        choose(window, "cmbAilment", QStringLiteral("Cough"));
        perform(window, QStringLiteral("click:cmbGetResult"));
        window = &Form::get<frmDisplay>();
    }
    if (place.startsWith(QLatin1String("farewell"))) {
        window->close();
        window = &Form::get<frmFarewell>();
    }
    activate(window);
    return window;
}

static QStringList sortedNames(const QList<QWidget *> &windows, bool shownOnly)
{
    QStringList names;
    for (QWidget *window : windows) {
        if (!shownOnly || window->isVisible())
            names.append(window->objectName());
    }
    names.sort();
    return names;
}

QStringList shownWindows() { return sortedNames(QApplication::topLevelWidgets(), true); }
QStringList loadedWindows()
{
    const QList<Form *> forms = Form::loadedForms();
    return sortedNames({forms.cbegin(), forms.cend()}, false);
}

bool inFront(const QWidget *area)
{
    const QWidget *seen = area->parentWidget()->childAt(area->geometry().center());
    return seen && (seen == area || area->isAncestorOf(seen));
}

void endProgram()
{
    QTimer::singleShot(0, &EndApplication);
    QCOMPARE(QApplication::exec(), 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(loadedWindows(), QStringList());
    QCOMPARE(shownWindows(), QStringList());
}
