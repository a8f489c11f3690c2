// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include "BrandedForm.h"

class QGroupBox;
class QLabel;
class QPushButton;

// The result window: the raga panel and the ailment panel lie on the same place, and the
// lookup brings the one of its search to the front. Each lookup gets a fresh window.
class frmDisplay : public BrandedForm
{
    Q_OBJECT

public:
    frmDisplay();

    QGroupBox *fraRagaResult = nullptr;
    QLabel *lblChoosenRaga = nullptr;
    QLabel *lblTimeOfPerformanceRaga = nullptr;
    QLabel *lblDiseaseItHelpCure = nullptr;

    QGroupBox *fraAilmentResult = nullptr;
    QLabel *lblChoosenAilment = nullptr;
    QLabel *lblRagaItHelpCure = nullptr;
    QLabel *lblTimeOfPerformanceAilment = nullptr;

private:
    void createControls(QWidget *client);
    void createRagaPanel(QWidget *client);
    void createAilmentPanel(QWidget *client);
    void createMenus();

    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();

    QPushButton *cmdBack = nullptr;
};
