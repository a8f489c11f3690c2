// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// Walks through every window a user meets and saves a picture of each into the folder given.
// Run it on a real platform (tools/screenshots.sh runs it under Xvfb).
#include "TestSupport.h"

#include "Form.h"
#include "RandomDraw.h"
#include "StartApplication.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>

namespace {

QDir folder;

void save(QWidget *window, const QString &name)
{
    // Active, as a user sees the window in front of them, with its focused control marked.
    activate(window);
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        qFatal("could not save %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

void walkThrough()
{
    // A last reminder a month ago, so the update question comes up.
    QSettings().setValue(QStringLiteral("Settings/Duration"),
                         QDateTime::currentDateTime().addDays(-30).toString(Qt::ISODate));
    const auto question = inNextModal("click:No", [](QWidget *box) { save(box, QStringLiteral("update-question")); });
    StartApplication();

    frmMain &main = Form::get<frmMain>();
    save(&main, QStringLiteral("main"));
    perform(&main, "click:cmdProceed");
    save(&main, QStringLiteral("main-ragas"));
    choose(&main, "cmbRaga", QStringLiteral("Kedar"));
    perform(&main, "click:cmbGetResult");
    save(&Form::get<frmDisplay>(), QStringLiteral("result-raga"));

    const auto about = inNextModal("close", [](QWidget *box) { save(box, QStringLiteral("about")); });
    perform(&Form::get<frmDisplay>(), "click:mnuAbout");

    perform(&Form::get<frmDisplay>(), "click:cmdBack");
    perform(&main, "click:optSearchByAilment");
    perform(&main, "click:cmdProceed");
    choose(&main, "cmbAilment", QStringLiteral("Rheumatic Arthritis"));
    save(&main, QStringLiteral("main-ailments"));
    perform(&main, "click:cmbGetResult");
    save(&Form::get<frmDisplay>(), QStringLiteral("result-ailment"));

    Form::get<frmDisplay>().close();
    save(&Form::get<frmFarewell>(), QStringLiteral("farewell"));
    perform(&Form::get<frmFarewell>(), "click:cmdClose");
}

} // namespace

int main(int argc, char *argv[])
{
    isolateFromUser();
    QApplication app(argc, argv);
    setUpApplication();
    if (argc != 2)
        qFatal("usage: screenshots FOLDER");
    folder = QDir(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    BrowserStub browser; // pictures only: no page opens
    RandomDraw::replaceSource([] { return 0.0; }); // the same offer and appeal every time
    QTimer::singleShot(0, &walkThrough);
    return QApplication::exec();
}
