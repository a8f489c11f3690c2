// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "frmFarewell.h"

#include "Controls.h"
#include "Links.h"
#include "MessageBox.h"
#include "RandomDraw.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>

namespace {

const QColor Navy(0, 0, 0x80);

// One of them, drawn at random, asks the user to visit the forum, whose address stands for %1.
const char *const appeals[] = {
    "Programs like this one can only be written and kept alive with your support, and the best "
    "support you can give is to visit %1 often and join in its discussions.",
    "Please visit %1 often and take part in its discussions and activities: without your visits "
    "we cannot keep supporting and maintaining these programs.",
    "%1 is a free online discussion forum. Visiting it often helps us develop and maintain this "
    "software.",
    "%1 needs your help! Visit it often and join in its discussions to help us maintain this "
    "software and write more of it.",
};

const QString otherSoftware = QStringLiteral(
    "Enjoyed Tunewell? Lantern Softwares makes many more small programs like it, each free to "
    "try. Download them from our web site, and share them with your friends and family.");

QCursor handPointer()
{
    return QCursor(QPixmap(QStringLiteral(":/images/pointer.png")), 6, 1);
}

QGroupBox *makeNavyFrame(const QString &name, const QString &title, const QRect &geometry,
                         QWidget *client)
{
    QGroupBox *frame = makePanel(name, title, geometry, client);
    frame->setFont(verdana(8.25, true));
    paint(frame, Navy, Qt::white);
    return frame;
}

QLineEdit *makeBox(const QString &name, const QString &placeholder, int maxLength, int left,
                   int top, QWidget *frame)
{
    auto *box = new QLineEdit(placeholder, frame);
    box->setMaxLength(maxLength);
    box->setObjectName(name);
    box->setAccessibleName(placeholder);
    box->setGeometry(twips(left, top, 3375, 285));
    box->setFont(verdana(8.25));
    paintInEveryStyle(box, Qt::white, Qt::black);
    return box;
}

// No address holds whitespace or control characters. The box refuses them however they come,
// typed, pasted or dropped, and keeps what it had; a typed space is also explained, in
// eventFilter(). Text set as a whole, the program's or an assistive tool's, is not checked
// here: see createReferralForm().
class AddressCharacters : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        const bool refused = std::any_of(input.cbegin(), input.cend(), [](QChar c) {
            return c.isSpace() || c.category() == QChar::Other_Control;
        });
        return refused ? Invalid : Acceptable;
    }
};

// The message box keeps Windows line breaks in what it hands on; Qt edits with LF alone.
QString messageText(const QPlainTextEdit *box)
{
    return box->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

frmFarewell::frmFarewell()
{
    setObjectName(QStringLiteral("frmFarewell"));
    // Above every window, other programs' too, so pages opened from here come up behind it.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QWidget *client = createClientArea(11115, 4725);
    paint(client, Qt::white, Qt::black);
    createControls(client);
    setTabOrder({cmdClose, Check1, txtName, cmdSubmit, txtEmail, txtFriendEmail, txtFriendName,
                 txtMessage, lblGoToHome});
    cmdClose->setFocus();
}

void frmFarewell::createControls(QWidget *client)
{
    QLabel *Picture1 = makeCaption(QStringLiteral("Picture1"), QString(), client);
    Picture1->setGeometry(twips(240, 240, 480, 480));
    Picture1->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    QLabel *Label1 =
        makeCaption(QStringLiteral("Label1"), QString::fromLatin1(WindowCaption), client);
    Label1->setGeometry(twips(1080, 240, 3735, 435));
    QFont heading(QStringLiteral("MS Sans Serif"));
    heading.setPointSize(18);
    Label1->setFont(heading);

    Label2 = makeCaption(QStringLiteral("Label2"), QString(), client);
    Label2->setGeometry(twips(120, 840, 6975, 1095));
    Label2->setFont(verdana(9.75, true));
    Label2->setWordWrap(true);

    Check1 =
        new QCheckBox(QStringLiteral("Yes! Take me to the Lantern discussion forum now"), client);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twips(30, 2040, 7185, 555));
    Check1->setFont(verdana(8.25, true));
    paint(Check1, Qt::white, Qt::blue);
    Check1->setCursor(handPointer());
    // Checked by any means, a click, Space or an assistive tool's Toggle, it does its work.
    connect(Check1, &QCheckBox::toggled, this, &frmFarewell::Check1_Click);

    cmdClose =
        makeButton(QStringLiteral("cmdClose"), QStringLiteral("E&xit"),
                   twips(6000, 2760, 1245, 375), QApplication::palette().button().color(), client);
    cmdClose->setFont(verdana(8.25, true));
    connect(cmdClose, &QPushButton::clicked, this, &frmFarewell::cmdClose_Click);

    createReferralForm(client);
    createSoftwarePanel(client);
}

void frmFarewell::createReferralForm(QWidget *client)
{
    QGroupBox *Frame2 = makeNavyFrame(QStringLiteral("Frame2"), QStringLiteral("Refer A Friend"),
                                      twips(120, 3240, 7065, 1455), client);
    txtName =
        makeBox(QStringLiteral("txtName"), Placeholder::Name, ReferralLimit::Name, 85, 360, Frame2);
    txtEmail = makeBox(QStringLiteral("txtEmail"), Placeholder::Email, ReferralLimit::Address, 3600,
                       360, Frame2);
    txtFriendName = makeBox(QStringLiteral("txtFriendName"), Placeholder::FriendName,
                            ReferralLimit::Name, 85, 720, Frame2);
    txtFriendEmail = makeBox(QStringLiteral("txtFriendEmail"), Placeholder::FriendEmail,
                             ReferralLimit::Address, 3600, 720, Frame2);
    for (QLineEdit *address : {txtEmail, txtFriendEmail}) {
        address->setValidator(new AddressCharacters(address));
        // An assistive tool writes through setText(), past the validator: what the validator
        // refuses is taken back. The program's own placeholder is the one such text that stands.
        connect(address, &QLineEdit::textChanged, this,
                [this, address, kept = address->text()](const QString &text) mutable {
                    if (address->hasAcceptableInput() || text == placeholderOf(address))
                        kept = text;
                    else
                        address->setText(kept);
                });
    }

    cmdSubmit =
        makeButton(QStringLiteral("cmdSubmit"), QStringLiteral("Refer A Friend &Now"),
                   twips(1920, 1080, 3375, 285), QApplication::palette().button().color(), Frame2);
    cmdSubmit->setFont(verdana(8.25, true));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmFarewell::cmdSubmit_Click);

    // Lies outside the frame, so it is never seen; what it holds is still sent.
    txtMessage = new QPlainTextEdit(Placeholder::Message + QLatin1Char('\n'), Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAccessibleName(Placeholder::Message);
    txtMessage->setGeometry(twips(4800, 3600, 1815, 495));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    connect(txtMessage, &QPlainTextEdit::textChanged, this, &frmFarewell::txtMessage_Change);

    // Placeholders and the no-space rule of the address boxes are watched in eventFilter().
    const QList<QWidget *> boxes{txtName, txtEmail, txtFriendName, txtFriendEmail, txtMessage};
    for (QWidget *box : boxes)
        box->installEventFilter(this);
}

void frmFarewell::createSoftwarePanel(QWidget *client)
{
    QGroupBox *Frame6 =
        makeNavyFrame(QStringLiteral("Frame6"), QStringLiteral("Download Lantern Softwares"),
                      twips(7320, 120, 3735, 4575), client);
    QLabel *Label3 = makeCaption(QStringLiteral("Label3"), otherSoftware, Frame6);
    Label3->setGeometry(twips(120, 360, 3495, 3855));
    Label3->setFont(verdana(9));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setWordWrap(true);

    lblGoToHome = new LinkCaption(QStringLiteral("lblGoToHome"),
                                  QStringLiteral("Click Here To Visit Lantern Softwares"), Frame6);
    lblGoToHome->setGeometry(twips(75, 4250, 3585, 210));
    lblGoToHome->setFont(verdana(8.25, true));
    paint(lblGoToHome, Navy, Qt::yellow);
    lblGoToHome->setCursor(handPointer());
    connect(lblGoToHome, &LinkCaption::clicked, this, &frmFarewell::lblGoToHome_Click);
}

void frmFarewell::Form_Load()
{
    const auto drawn = static_cast<size_t>(RandomDraw::next() * std::size(appeals));
    setCaption(Label2, QString::fromLatin1(appeals[drawn]).arg(MainSiteAddress()));
}

void frmFarewell::Form_Unload()
{
    EndApplication();
}

QString frmFarewell::boxText(QObject *box) const
{
    if (box == txtMessage)
        return messageText(txtMessage);
    return static_cast<QLineEdit *>(box)->text();
}

void frmFarewell::setBoxText(QObject *box, const QString &text)
{
    if (box == txtMessage)
        txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit *>(box)->setText(text);
}

QString frmFarewell::placeholderOf(QObject *box) const
{
    if (box == txtName)
        return Placeholder::Name;
    if (box == txtEmail)
        return Placeholder::Email;
    if (box == txtMessage)
        return Placeholder::Message;
    if (box == txtFriendName)
        return Placeholder::FriendName;
    return Placeholder::FriendEmail;
}

bool frmFarewell::isAddressBox(QObject *box) const
{
    return box == txtEmail || box == txtFriendEmail;
}

bool frmFarewell::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (trimSpaces(boxText(watched)) == placeholderOf(watched))
            setBoxText(watched, QString());
        break;
    case QEvent::FocusOut:
        if (trimSpaces(boxText(watched)).isEmpty())
            setBoxText(watched, placeholderOf(watched));
        break;
    case QEvent::KeyPress:
        if (isAddressBox(watched)
            && static_cast<QKeyEvent *>(event)->text() == QLatin1String(" ")) {
            MsgBox(QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Critical);
            static_cast<QWidget *>(watched)->setFocus();
            return true;
        }
        break;
    default: break;
    }
    return Form::eventFilter(watched, event);
}

void frmFarewell::txtMessage_Change()
{
    // A plain text box has no length limit of its own: cut what goes past ours.
    const QString text = txtMessage->toPlainText();
    if (text.size() <= ReferralLimit::Message)
        return;
    const bool splitsPair = text.at(ReferralLimit::Message - 1).isHighSurrogate();
    txtMessage->setPlainText(text.left(ReferralLimit::Message - (splitsPair ? 1 : 0)));
    txtMessage->moveCursor(QTextCursor::End);
}

void frmFarewell::Check1_Click()
{
    // Works as a button that looks like a check box: it never stays checked. Clearing it
    // calls back in here, unchecked, which does nothing.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        OpenLink(LinkHomePage);
    }
}

void frmFarewell::lblGoToHome_Click()
{
    OpenLink(LinkSoftwareSite);
}

void frmFarewell::cmdSubmit_Click()
{
    const std::optional<QString> problem =
        submitReferral({txtName->text(), txtEmail->text(), messageText(txtMessage),
                        txtFriendName->text(), txtFriendEmail->text()});
    if (problem)
        MsgBox(*problem, MessageIcon::Critical);
}

void frmFarewell::cmdClose_Click()
{
    EndApplication();
}
