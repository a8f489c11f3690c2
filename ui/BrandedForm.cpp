// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "BrandedForm.h"

#include "Controls.h"
#include "Links.h"
#include "frmAbout.h"
#include "frmFarewell.h"

#include <QFrame>
#include <QMenu>
#include <QMenuBar>

namespace {

QString bannerText()
{
    return QStringLiteral("Join our free discussion forum: %1").arg(MainSiteAddress());
}

const QString coBrandOffer = QStringLiteral(
    "Have this program co-branded with the name and links of your own web site, and give it "
    "to your visitors. Click here for more information on co-branding.");

const QString fullBrandOffer = QStringLiteral(
    "Start a business from home: get this program fully branded for your own web site and "
    "offer it as yours. Click here for more details.");

LinkCaption *makePromotion(const QString &name, const QString &text, const QRect &geometry,
                           QWidget *band)
{
    auto *caption = new LinkCaption(name, text, band);
    caption->setGeometry(geometry);
    caption->setFont(verdana(8.25, true, true));
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
    caption->setAutoFillBackground(true); // opaque, so only the one in front can be read
    return caption;
}

QWidget *makeBand(const QString &name, const QRect &geometry, QWidget *client)
{
    auto *band = new QFrame(client);
    band->setObjectName(name);
    band->setGeometry(geometry);
    return band;
}

} // namespace

void BrandedForm::createBanner(QWidget *client, const QRect &band, const QRect &caption)
{
    Label61 = new LinkCaption(QStringLiteral("Label61"), bannerText(),
                              makeBand(QStringLiteral("Frame2"), band, client));
    Label61->setGeometry(caption);
    Label61->setFont(verdana(9, true, true));
    Label61->setAlignment(Qt::AlignCenter);
    Label61->setWordWrap(true);
    connect(Label61, &LinkCaption::clicked, this, &BrandedForm::Label61_Click);
}

QWidget *BrandedForm::createPromotions(QWidget *client, const QRect &band, const QRect &coBrand,
                                       const QRect &fullBrand, Promotion inFront)
{
    QWidget *Frame5 = makeBand(QStringLiteral("Frame5"), band, client);
    lblCobrand = makePromotion(QStringLiteral("lblCobrand"), coBrandOffer, coBrand, Frame5);
    lblFullBrand = makePromotion(QStringLiteral("lblFullBrand"), fullBrandOffer, fullBrand, Frame5);
    if (inFront == Promotion::CoBrandInFront)
        bringToFront(lblCobrand, lblFullBrand);
    else
        bringToFront(lblFullBrand, lblCobrand);
    connect(lblCobrand, &LinkCaption::clicked, this, &BrandedForm::lblCobrand_Click);
    connect(lblFullBrand, &LinkCaption::clicked, this, &BrandedForm::lblFullBrand_Click);
    return Frame5;
}

void BrandedForm::createLinkMenus(const HelpMenuNames &names)
{
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    const auto addItem = [this](QMenu *menu, const char *name, const QString &caption,
                                void (BrandedForm::*handler)()) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, handler);
    };
    addItem(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"), &BrandedForm::mnuOnline_Click);
    addItem(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"), &BrandedForm::mnuVisit_Click);
    mnuHelp->addSeparator()->setObjectName(QLatin1String(names.firstSeparator));
    addItem(mnuHelp, "mnuUpdate", QLatin1String(names.updateCaption),
            &BrandedForm::mnuUpdate_Click);
    mnuHelp->addSeparator()->setObjectName(QLatin1String(names.secondSeparator));
    addItem(mnuHelp, "mnuAbout", QStringLiteral("&About Software"), &BrandedForm::mnuAbout_Click);

    QAction *mnuDonate = menuBar()->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, &BrandedForm::mnuDonate_Click);

    // On the bar but switched off for good; its page stays reachable from the offer caption.
    QAction *mnumakemoney = menuBar()->addAction(QStringLiteral("Make Money &Online"));
    mnumakemoney->setObjectName(QStringLiteral("mnumakemoney"));
    mnumakemoney->setEnabled(false);
    connect(mnumakemoney, &QAction::triggered, this, &BrandedForm::mnumakemoney_Click);
}

void BrandedForm::Form_Unload()
{
    // Closing either window does not end the program: the farewell window takes over.
    Form::get<frmFarewell>().showModeless();
}

void BrandedForm::mnuOnline_Click()
{
    OpenLink(LinkOnlineHelp);
}
void BrandedForm::mnuVisit_Click()
{
    OpenLink(LinkHomePage);
}
void BrandedForm::mnuUpdate_Click()
{
    OpenLink(LinkDownload);
}
void BrandedForm::mnuDonate_Click()
{
    OpenLink(LinkDonate);
}
void BrandedForm::mnumakemoney_Click()
{
    OpenLink(LinkFullBrand);
}
void BrandedForm::Label61_Click()
{
    OpenLink(LinkHomePage);
}
void BrandedForm::lblCobrand_Click()
{
    OpenLink(LinkCoBrand);
}
void BrandedForm::lblFullBrand_Click()
{
    OpenLink(LinkFullBrand);
}

void BrandedForm::mnuAbout_Click()
{
    Form::get<frmAbout>().showModal();
}
