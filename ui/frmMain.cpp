// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "frmMain.h"

#include "Controls.h"
#include "Lookup.h"
#include "RandomDraw.h"
#include "RemedyCatalogue.h"
#include "ShowLookupResult.h"

#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <cmath>

namespace {

const QString ragaListCaption = QStringLiteral("Choose one of the following ragas");
const QString ailmentListCaption = QStringLiteral("Choose one of the following ailments");

const QString introduction = QStringLiteral(
    "Do you suffer from indigestion? Or are you suffering from severe cough. Here is an easy "
    "and safe easy way to get relief. Listen to the different notes of music to heal yourself "
    "and feel better physically, mentally and emotionally.");

QComboBox *makeList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(twips(1200, 1080, 3855, 330));
    list->setFont(verdana(9, true));
    list->setEditable(false);
    // A flat field, as designed: Fusion draws a gradient of its own over any colour, and
    // Windows' native style a light grey field. A peach border, thicker with the focus. Open, a
    // list drops below the field, as on Windows, in the same colours, the chosen entry inverted.
    paintInEveryStyle(list, Colours::Brown, Colours::Peach,
                      QStringLiteral("#%1 { combobox-popup: 0; border: 1px solid %3; "
                                     "padding: 1px 3px; } "
                                     "#%1:focus { border-width: 2px; padding: 0 2px; } "
                                     "#%1 QAbstractItemView { background: %2; color: %3; "
                                     "selection-background-color: %3; selection-color: %2; }"));
    return list;
}

} // namespace

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    QWidget *client = createClientArea(6750, 4815);
    paint(client, Colours::Brown, Colours::Peach);
    createControls(client);
    createMenus();
    setTabOrder({cmdExit, optSearchByRaga, optSearchByAilment, cmdProceed, cmbRaga, cmbAilment,
                 cmbGetResult, Label61, lblCobrand, lblFullBrand});
}

void frmMain::createControls(QWidget *client)
{
    createBanner(client, twips(0, 0, 6735, 615), twips(120, 120, 6480, 465));

    QLabel *Label1 = makeCaption(QStringLiteral("Label1"), introduction, client);
    Label1->setGeometry(twips(120, 600, 6495, 855));
    Label1->setFont(verdana(8.25));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    createNamePanel(client);
    createModePanel(client);

    createPromotions(client, twips(0, 3960, 6735, 855), twips(120, 165, 6225, 615),
                     twips(120, 160, 6225, 615), Promotion::CoBrandInFront);

    // Lies below the client area: never seen, yet Alt+X and File > Exit still press it. Hidden
    // as well, so that Tab and a screen reader pass it by; a hidden button's access key no
    // longer works, so the window answers it instead.
    cmdExit = makeButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"),
                         twips(5040, 5640, 2085, 315), QColor(124, 165, 231), client);
    cmdExit->setFont(verdana(9, true));
    cmdExit->hide();
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(new QShortcut(QKeySequence::mnemonic(cmdExit->text()), this), &QShortcut::activated,
            cmdExit, &QPushButton::click);
}

void frmMain::createModePanel(QWidget *client)
{
    fraSearch = makePanel(QStringLiteral("fraSearch"),
                          QStringLiteral("Choose one of the following options"),
                          twips(0, 1440, 6735, 2535), client);
    fraSearch->setFont(verdana(11.25, true));

    const auto makeOption = [this](const QString &name, const QString &caption,
                                   const QRect &geometry) {
        auto *option = new QRadioButton(caption, fraSearch);
        option->setObjectName(name);
        option->setGeometry(geometry);
        option->setFont(verdana(9.75, true));
        return option;
    };
    optSearchByRaga = makeOption(QStringLiteral("optSearchByRaga"),
                                 QStringLiteral("Search By Raga"), twips(720, 600, 6495, 375));
    optSearchByAilment =
        makeOption(QStringLiteral("optSearchByAilment"), QStringLiteral("Search By Ailment"),
                   twips(720, 1200, 6615, 375));
    optSearchByRaga->setChecked(true);

    cmdProceed = makeButton(QStringLiteral("cmdProceed"), QStringLiteral("Proceed"),
                            twips(4440, 2040, 2175, 375), Colours::Peach, fraSearch);
    cmdProceed->setFont(verdana(9, true));
    cmdProceed->setAccessibleName(QStringLiteral("Proceed to the list"));
    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
}

void frmMain::createNamePanel(QWidget *client)
{
    // Shares the mode panel's rectangle; the stage shown is the panel in front.
    fraChoose =
        makePanel(QStringLiteral("fraChoose"), QString(), twips(0, 1440, 6735, 2535), client);

    lblRagaCaption = makeCaption(QStringLiteral("lblRagaCaption"), ragaListCaption, fraChoose);
    lblRagaCaption->move(twips(1200), twips(840));
    lblRagaCaption->setFont(verdana(8.25, true, true));
    lblRagaCaption->adjustSize();

    cmbRaga = makeList(QStringLiteral("cmbRaga"), fraChoose);
    cmbRaga->setAccessibleName(QStringLiteral("Raga"));
    cmbAilment = makeList(QStringLiteral("cmbAilment"), fraChoose);
    cmbAilment->setAccessibleName(QStringLiteral("Ailment"));
    // A screen reader on Linux names a list by its entry; the caption is said as its label.
    lblRagaCaption->setBuddy(cmbRaga);

    cmbGetResult = makeButton(QStringLiteral("cmbGetResult"), QStringLiteral("Proceed"),
                              twips(4440, 2040, 2175, 375), Colours::Peach, fraChoose);
    cmbGetResult->setFont(verdana(9, true));
    cmbGetResult->setAccessibleName(QStringLiteral("Proceed to the result"));
    connect(cmbGetResult, &QPushButton::clicked, this, &frmMain::cmbGetResult_Click);
}

void frmMain::createMenus()
{
    QMenu *nuFile = menuBar()->addMenu(QStringLiteral("&File"));
    nuFile->setObjectName(QStringLiteral("nuFile"));
    QAction *mnuExit = nuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    createLinkMenus({"&Check for Software Update", "mnuFileSep1", "mnuFileSep2"});
}

void frmMain::Form_Load()
{
    for (const RagaEntry &raga : Catalogue().ragas)
        cmbRaga->addItem(toQString(raga.name));
    // Unlike the raga list, this one keeps its entries in order, whatever order they come in.
    QStringList ailments;
    for (const AilmentEntry &ailment : Catalogue().ailments)
        ailments.append(toQString(ailment.name));
    ailments.sort(Qt::CaseInsensitive);
    cmbAilment->addItems(ailments);
    cmbAilment->setCurrentIndex(0);
    cmbRaga->setCurrentIndex(0);
    bringSearchToFront();
}

void frmMain::bringSearchToFront()
{
    // The panel behind keeps its controls; the keyboard follows the one the user sees.
    bringToFront(fraSearch, fraChoose,
                 optSearchByRaga->isChecked() ? optSearchByRaga : optSearchByAilment);
}

void frmMain::cmdProceed_Click()
{
    const bool byRaga = optSearchByRaga->isChecked();
    QComboBox *list = byRaga ? cmbRaga : cmbAilment;
    setCaption(lblRagaCaption, byRaga ? ragaListCaption : ailmentListCaption);
    lblRagaCaption->setBuddy(list);
    cmbRaga->setVisible(byRaga);
    cmbAilment->setVisible(!byRaga);
    bringToFront(fraChoose, fraSearch, list);
}

void frmMain::cmbGetResult_Click()
{
    const SearchMode mode =
        optSearchByRaga->isChecked() ? SearchMode::ByRaga : SearchMode::ByAilment;
    ShowLookupResult(Lookup(mode, cmbRaga->currentText().toStdString(),
                            cmbAilment->currentText().toStdString()));
}

void frmMain::cmdExit_Click()
{
    unload();
}

void frmMain::mnuExit_Click()
{
    cmdExit_Click();
}

void frmMain::CoBrand_Randomize()
{
    // std::lrint rounds to the nearest whole number and halves to the even one.
    const long pick = std::lrint(RandomDraw::next() * 6 + 1);
    if (pick == 2 || pick == 4 || pick == 6)
        bringToFront(lblFullBrand, lblCobrand);
    else if (pick == 1 || pick == 3 || pick == 5)
        bringToFront(lblCobrand, lblFullBrand);
}
