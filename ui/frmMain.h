// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include "BrandedForm.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The main window: first the kind of search, then the name to look up.
class frmMain : public BrandedForm
{
    Q_OBJECT

public:
    frmMain();

    // Which offer lies in front at the bottom, drawn once per run at start-up.
    void CoBrand_Randomize();

    // The first stage: the choice of search in front, and the keyboard with it.
    void bringSearchToFront();

protected:
    void Form_Load() override;

private:
    void createControls(QWidget *client);
    void createModePanel(QWidget *client);
    void createNamePanel(QWidget *client);
    void createMenus();

    void cmdProceed_Click();
    void cmbGetResult_Click();
    void cmdExit_Click();
    void mnuExit_Click();

    QGroupBox *fraSearch = nullptr;
    QGroupBox *fraChoose = nullptr;
    QRadioButton *optSearchByRaga = nullptr;
    QRadioButton *optSearchByAilment = nullptr;
    QPushButton *cmdProceed = nullptr;
    QLabel *lblRagaCaption = nullptr;
    QComboBox *cmbRaga = nullptr;
    QComboBox *cmbAilment = nullptr;
    QPushButton *cmbGetResult = nullptr;
    QPushButton *cmdExit = nullptr;
};
