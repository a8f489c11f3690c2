// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "frmDisplay.h"

#include "Controls.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

QGroupBox *makeResultPanel(const QString &name, QWidget *client)
{
    QGroupBox *panel =
        makePanel(name, QStringLiteral("Tunewell Result"), twips(0, 720, 8415, 2895), client);
    panel->setFont(verdana(11.25, true));
    return panel;
}

QLabel *addHeading(const QString &name, const QString &text, int left, int top, QWidget *panel)
{
    QLabel *heading = makeCaption(name, text, panel);
    heading->setFont(verdana(9.75, true, true));
    heading->move(twips(left), twips(top));
    heading->adjustSize();
    return heading;
}

// A one-line value that widens to fit its text.
QLabel *addValue(const QString &name, const QString &builtText, int left, int top, QWidget *panel)
{
    QLabel *value = makeCaption(name, QString(), panel);
    value->setFont(verdana(9.75, true));
    value->move(twips(left), twips(top));
    setCaption(value, builtText);
    return value;
}

// A fixed box that six lines fill; longer lines wrap at its width.
QLabel *addLinesBox(const QString &name, int top, QWidget *panel)
{
    QLabel *box = makeCaption(name, QStringLiteral("Label2"), panel);
    box->setFont(verdana(9.75, true));
    box->setGeometry(twips(3240, top, 4920, 1440));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setWordWrap(true);
    return box;
}

} // namespace

frmDisplay::frmDisplay()
{
    setObjectName(QStringLiteral("frmDisplay"));
    QWidget *client = createClientArea(8415, 4530);
    paint(client, Colours::Brown, Colours::Peach);
    createControls(client);
    createMenus();
    setTabOrder({cmdBack, Label61, lblFullBrand, lblCobrand});
    cmdBack->setFocus();
}

void frmDisplay::createControls(QWidget *client)
{
    createBanner(client, twips(0, 0, 8400, 615), twips(127, 120, 8160, 465));

    createRagaPanel(client);
    createAilmentPanel(client);

    QWidget *Frame5 =
        createPromotions(client, twips(0, 3720, 8400, 800), twips(120, 135, 6105, 615),
                         twips(120, 140, 6105, 615), Promotion::FullBrandInFront);
    cmdBack = makeButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"),
                         twips(7080, 240, 1215, 375), Colours::Peach, Frame5);
    cmdBack->setFont(verdana(8.25, true));
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
}

void frmDisplay::createRagaPanel(QWidget *client)
{
    fraRagaResult = makeResultPanel(QStringLiteral("fraRagaResult"), client);
    addHeading(QStringLiteral("Label1"), QStringLiteral("Your Chosen Raga"), 360, 360,
               fraRagaResult);
    lblChoosenRaga = addValue(QStringLiteral("lblChoosenRaga"), QStringLiteral("Label2"), 3240, 360,
                              fraRagaResult);
    addHeading(QStringLiteral("Label5"), QStringLiteral("Time Of Performance"), 360, 840,
               fraRagaResult);
    lblTimeOfPerformanceRaga =
        addValue(QStringLiteral("lblTimeOfPerformanceRaga"),
                 QStringLiteral("lblTimeOfPerformanceRaga"), 3240, 840, fraRagaResult);
    addHeading(QStringLiteral("Label2"), QStringLiteral("Disease(s) it helps cure"), 360, 1320,
               fraRagaResult);
    lblDiseaseItHelpCure = addLinesBox(QStringLiteral("lblDiseaseItHelpCure"), 1320, fraRagaResult);
}

void frmDisplay::createAilmentPanel(QWidget *client)
{
    fraAilmentResult = makeResultPanel(QStringLiteral("fraAilmentResult"), client);
    addHeading(QStringLiteral("Label6"), QStringLiteral("Your Chosen Ailment"), 360, 600,
               fraAilmentResult);
    lblChoosenAilment = addValue(QStringLiteral("lblChoosenAilment"), QStringLiteral("Label2"),
                                 3240, 600, fraAilmentResult);
    addHeading(QStringLiteral("Label4"), QStringLiteral("Raga That helps To Cure"), 360, 1200,
               fraAilmentResult);
    lblRagaItHelpCure = addLinesBox(QStringLiteral("lblRagaItHelpCure"), 1200, fraAilmentResult);

    // An ailment has no time of performance: this row lies below the panel's edge, unseen, and
    // hidden, so that a screen reader does not read it out either.
    QLabel *Label8 = addHeading(QStringLiteral("Label8"), QStringLiteral("Time Of Performance"),
                                360, 3840, fraAilmentResult);
    lblTimeOfPerformanceAilment =
        addValue(QStringLiteral("lblTimeOfPerformanceAilment"),
                 QStringLiteral("lblTimeOfPerformanceAilment"), 3480, 4080, fraAilmentResult);
    Label8->hide();
    lblTimeOfPerformanceAilment->hide();
}

void frmDisplay::createMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuBack = mnuFile->addAction(QStringLiteral("Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    connect(mnuBack, &QAction::triggered, this, &frmDisplay::mnuBack_Click);
    QAction *mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);

    createLinkMenus({"Check for Software &Update", "mnuSep1", "mnuSep2"});
}

void frmDisplay::cmdBack_Click()
{
    frmMain &main = Form::get<frmMain>();
    main.showModeless();
    main.bringSearchToFront();
    unload(); // puts the farewell window up, as every close of this window does...
    Form::get<frmFarewell>().hide(); // ...but going back is not leaving
}

void frmDisplay::mnuBack_Click()
{
    cmdBack_Click();
}

void frmDisplay::mnuExit_Click()
{
    unload();
}
