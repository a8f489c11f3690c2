// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "frmAbout.h"

#include "Controls.h"
#include "Links.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QShortcut>

namespace {

const QString description = QStringLiteral(
    "Tunewell displays the different arrangement of  musical notes or ragas that are said to "
    "heal many health ailments. Listening to these musical notes can give you instant relief "
    "and help you overcome your illness. Tunewell is copyright Lantern Softwares, who hold all "
    "rights to it.");

const QString businessOffer = QStringLiteral(
    "Start your own Internet business: get this program fully branded with the name of your "
    "web site and offer it to your visitors as your own.");

} // namespace

frmAbout::frmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    QWidget *client = createClientArea(6825, 3870);
    paint(client, Colours::Brown, Colours::Peach);
    client->setFont(verdana(8.25));
    createControls(client);
}

void frmAbout::createControls(QWidget *client)
{
    QLabel *Picture1 = makeCaption(QStringLiteral("Picture1"), QString(), client);
    Picture1->setGeometry(twips(120, 120, 480, 480));
    Picture1->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    QLabel *Label2 =
        makeCaption(QStringLiteral("Label2"), QString::fromLatin1(WindowCaption), client);
    Label2->setFont(verdana(9.75, true));
    Label2->move(twips(840), twips(240));
    Label2->adjustSize();

    QLabel *Label1 = makeCaption(QStringLiteral("Label1"), description, client);
    Label1->setGeometry(twips(240, 720, 6375, 915));
    Label1->setWordWrap(true);

    auto *lblHomePage =
        new LinkCaption(QStringLiteral("lblHomePage"),
                        QStringLiteral("Visit us at %1").arg(MainSiteAddress()), client);
    lblHomePage->setFont(verdana(8.25, true, true));
    lblHomePage->move(twips(2040), twips(1800));
    lblHomePage->adjustSize();
    connect(lblHomePage, &LinkCaption::clicked, this, &frmAbout::lblHomePage_Click);

    QLabel *Label3 = makeCaption(QStringLiteral("Label3"), businessOffer, client);
    Label3->setFont(verdana(8.25, true));
    Label3->setGeometry(twips(360, 2280, 6255, 615));
    Label3->setWordWrap(true);

    // Stands under the business offer, so it leads to that offer's page.
    auto *lblCobrand = new LinkCaption(QStringLiteral("lblCobrand"),
                                       QStringLiteral("Click here for more details."), client);
    lblCobrand->setFont(verdana(8.25, true, true));
    lblCobrand->move(twips(4080), twips(2880));
    lblCobrand->adjustSize();
    connect(lblCobrand, &LinkCaption::clicked, this, &frmAbout::lblCobrand_Click);

    auto *Line1 = new QFrame(client);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setGeometry(twips(-60), twips(3240) - 1, twips(6840 + 60), 2);

    cmdOK = makeButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), twips(5520, 3360, 1260, 345),
                       Colours::Peach, client);
    cmdOK->setFont(verdana(8.25, true));
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // OK is the cancel button too: Esc presses it.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cmdOK, &QPushButton::click);
}

void frmAbout::cmdOK_Click()
{
    unload();
}

void frmAbout::lblHomePage_Click()
{
    OpenLink(LinkHomePage);
}

void frmAbout::lblCobrand_Click()
{
    OpenLink(LinkFullBrand);
}
