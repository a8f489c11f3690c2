#include "TestSupport.h"

#include "EndApplication.h"
#include "Form.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

void isolateFromUser()
{
    static QTemporaryDir home;
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME"}) {
        const QString path = home.path() + QLatin1Char('/') + QLatin1String(variable);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                        | QFileDevice::ExeOwner);
        qputenv(variable, path.toLocal8Bit());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

BrowserStub::BrowserStub()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
}

BrowserStub::~BrowserStub()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void BrowserStub::open(const QUrl &url)
{
    opened.append(url.toString(QUrl::FullyEncoded));
    if (onOpen)
        onOpen();
}

std::shared_ptr<ModalSeen> inNextModal(std::function<void(QWidget *)> answer)
{
    auto seen = std::make_shared<ModalSeen>();
    QTimer::singleShot(0, [seen, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen->shown = true;
        seen->title = modal->windowTitle();
        seen->windowName = modal->objectName();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen->text = box->text();
            seen->icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                seen->buttons |= box->standardButton(button);
        }
        answer(modal);
        seen->closedByAnswer = !modal->isVisible();
        if (!seen->closedByAnswer)
            modal->close();
    });
    return seen;
}

std::shared_ptr<ModalSeen> clickInNextModal(QMessageBox::StandardButton button)
{
    return inNextModal([button](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}

std::shared_ptr<ModalSeen> pressInNextModal(int key)
{
    return inNextModal([key](QWidget *modal) {
        activate(modal);
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : modal, Qt::Key(key));
    });
}

void endProgram()
{
    QTimer::singleShot(0, &EndApplication);
    QCOMPARE(QApplication::exec(), 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Form::loadedForms().isEmpty());
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " left on screen"));
}

bool inFront(const QWidget *area)
{
    const QWidget *parent = area->parentWidget();
    const QWidget *seen = parent->childAt(area->geometry().center());
    return seen && (seen == area || area->isAncestorOf(seen));
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

frmMain &mainWindow()
{
    frmMain &main = Form::get<frmMain>();
    main.showModeless();
    activate(&main);
    return main;
}

void click(QWidget *window, const char *button)
{
    auto *target = control<QAbstractButton>(window, button);
    QVERIFY2(target, button);
    // Near the left edge: an option button answers on its circle and caption only.
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
}

void choose(QWidget *window, const char *list, const QString &name)
{
    auto *combo = control<QComboBox>(window, list);
    const int index = combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(name));
    combo->setCurrentIndex(index);
}

QAction *menuItem(const QWidget *window, const char *name)
{
    return window->findChild<QAction *>(QLatin1String(name));
}

void lookUp(const char *option, const char *list, const QString &name)
{
    frmMain &main = mainWindow();
    click(&main, option);
    click(&main, "cmdProceed");
    choose(&main, list, name);
    click(&main, "cmbGetResult");
}
