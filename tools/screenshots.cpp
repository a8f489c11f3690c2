// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// Walks through every window a user meets and saves a picture of each into the folder given, or
// with "again", beside a running Tunewell, the message of a second start. Run it on a real
// platform (tools/screenshots.sh runs it under Xvfb).
#include "Form.h"
#include "RandomDraw.h"
#include "StartApplication.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

QDir folder;

void save(QWidget *window, const QString &name)
{
    // Active, as a user sees the window in front of them, with its focused control marked.
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
#ifdef Q_OS_WIN
    // With the frame that Windows draws around it, from the screen.
    const QRect frame = window->frameGeometry();
    const QPixmap picture =
        window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
#else
    const QPixmap picture = window->grab();
#endif
    if (!picture.save(path))
        qFatal("could not save %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

// A click on the control or button with that name or caption, near its left edge where an
// option button answers; a menu item is chosen.
void click(QWidget *window, const char *name)
{
    if (auto *item = window->findChild<QAction *>(QLatin1String(name)))
        return item->trigger();
    QWidget *target = window->findChild<QWidget *>(QLatin1String(name));
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!target && button->text().remove(QLatin1Char('&')) == QLatin1String(name))
            target = button;
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
}

// Pictures the next modal window to come up, then answers it with the named button, or closes it.
void pictureNextModal(const QString &picture, const char *answer = nullptr)
{
    auto *watch = new QTimer;
    QObject::connect(watch, &QTimer::timeout, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        watch->stop();
        watch->deleteLater();
        save(modal, picture);
        answer ? click(modal, answer) : void(modal->close());
    });
    watch->start(0);
}

void walkThrough()
{
    // A last reminder a month ago, so the update question comes up.
    QSettings().setValue(QStringLiteral("Settings/Duration"),
                         QDateTime::currentDateTime().addDays(-30).toString(Qt::ISODate));
    pictureNextModal(QStringLiteral("update-question"), "No");
    StartApplication();

    frmMain &main = Form::get<frmMain>();
    save(&main, QStringLiteral("main"));
    click(&main, "cmdProceed");
    save(&main, QStringLiteral("main-ragas"));
    main.findChild<QComboBox *>(QStringLiteral("cmbRaga"))->setCurrentText(QStringLiteral("Kedar"));
    click(&main, "cmbGetResult");
    save(&Form::get<frmDisplay>(), QStringLiteral("result-raga"));

    pictureNextModal(QStringLiteral("about"));
    click(&Form::get<frmDisplay>(), "mnuAbout");

    click(&Form::get<frmDisplay>(), "cmdBack");
    click(&main, "optSearchByAilment");
    click(&main, "cmdProceed");
    main.findChild<QComboBox *>(QStringLiteral("cmbAilment"))
        ->setCurrentText(QStringLiteral("Rheumatic Arthritis"));
    save(&main, QStringLiteral("main-ailments"));
    click(&main, "cmbGetResult");
    save(&Form::get<frmDisplay>(), QStringLiteral("result-ailment"));

    Form::get<frmDisplay>().close();
    // The form as a user fills it in, the window in front.
    QWidget *farewell = &Form::get<frmFarewell>();
    farewell->activateWindow();
    (void)QTest::qWaitForWindowActive(farewell);
    for (const auto &[box, typed] : {std::pair("txtName", "Asha"), {"txtFriendEmail", "r@b.in"}}) {
        click(farewell, box);
        QTest::keyClicks(farewell->findChild<QWidget *>(QLatin1String(box)), QLatin1String(typed));
    }
    save(farewell, QStringLiteral("farewell"));
    click(farewell, "cmdClose");
}

// Started beside a running Tunewell, as Tunewell: pictures what a second instance says.
void startAgain()
{
    QApplication::setApplicationName(QStringLiteral("TunewellApp"));
    pictureNextModal(QStringLiteral("already-running"), "OK");
    StartApplication();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    if (argc != 2 && (argc != 3 || argv[2] != QLatin1String("again")))
        qFatal("usage: screenshots FOLDER [again]");
    folder = QDir(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    RandomDraw::replaceSource([] { return 0.0; }); // the same offer and appeal every time
    QTimer::singleShot(0, argc == 3 ? &startAgain : &walkThrough);
    return QApplication::exec();
}
