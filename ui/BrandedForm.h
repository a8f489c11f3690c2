// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include "Form.h"

class LinkCaption;
class QMenu;
class QWidget;

// What the main and the result window share: the forum banner at the top, the two
// promotional offers at the bottom, the Help, Donate and Make Money menus, and the close
// handling that puts the farewell window up.
class BrandedForm : public Form
{
    Q_OBJECT

public:
    LinkCaption *Label61 = nullptr;
    LinkCaption *lblCobrand = nullptr;
    LinkCaption *lblFullBrand = nullptr;

protected:
    enum class Promotion { CoBrandInFront, FullBrandInFront };

    BrandedForm() = default;

    // The top band, Frame2, with the forum banner in it.
    void createBanner(QWidget *client, const QRect &band, const QRect &caption);
    // The bottom band, Frame5, with the two offers on one place; returned for more controls.
    QWidget *createPromotions(QWidget *client, const QRect &band, const QRect &coBrand,
                              const QRect &fullBrand, Promotion inFront);

    struct HelpMenuNames {
        const char *updateCaption;
        const char *firstSeparator;
        const char *secondSeparator;
    };
    void createLinkMenus(const HelpMenuNames &names);

    void Form_Unload() override;

private:
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnumakemoney_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
};
