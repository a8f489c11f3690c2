// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include "Form.h"

class QPushButton;

// The About box: what the program is, who makes it, and where to find them. Modal.
class frmAbout : public Form
{
    Q_OBJECT

public:
    frmAbout();

private:
    void createControls(QWidget *client);

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

    QPushButton *cmdOK = nullptr;
};
