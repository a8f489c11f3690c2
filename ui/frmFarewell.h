// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include "Form.h"

class LinkCaption;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Comes up when the user closes the main or the result window: an appeal to visit our
// forum, our other software, and a refer-a-friend form. Closing it ends the program.
class frmFarewell : public Form
{
    Q_OBJECT

public:
    frmFarewell();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(QWidget *client);
    void createReferralForm(QWidget *client);
    void createSoftwarePanel(QWidget *client);

    void txtMessage_Change();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

    QString boxText(QObject *box) const;
    void setBoxText(QObject *box, const QString &text);
    QString placeholderOf(QObject *box) const;
    bool isAddressBox(QObject *box) const;

    QLabel *Label2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *cmdClose = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLineEdit *txtFriendName = nullptr;
    QLineEdit *txtFriendEmail = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QPushButton *cmdSubmit = nullptr;
    LinkCaption *lblGoToHome = nullptr;
};
