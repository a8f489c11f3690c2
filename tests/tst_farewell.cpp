// The farewell window: its appeal, its links, the refer-a-friend form, and the end of the program.
#include "TestSupport.h"

#include "Form.h"
#include "LinkHosts.h"
#include "RandomDraw.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrlQuery>

namespace {

frmFarewell &farewell()
{
    frmFarewell &window = Form::get<frmFarewell>();
    window.showModeless();
    activate(&window);
    return window;
}

QLineEdit *box(const char *name)
{
    return control<QLineEdit>(&Form::get<frmFarewell>(), name);
}

// Clicks into a box, which empties its placeholder, and types.
void typeInto(const char *name, const QString &text)
{
    QLineEdit *target = box(name);
    activate(target->window()); // a click on a window makes it the active one
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClicks(target, text);
}

QString submitExpectingMessage()
{
    const auto seen = clickInNextModal(QMessageBox::Ok);
    QTest::mouseClick(control(&Form::get<frmFarewell>(), "cmdSubmit"), Qt::LeftButton);
    if (!seen->shown)
        return QString();
    if (seen->icon != QMessageBox::Critical || seen->title != QLatin1String("Tunewell"))
        return QStringLiteral("a message box that is not a critical stop titled Tunewell");
    return seen->text;
}

QList<QPair<QString, QString>> sentValues(const QString &address)
{
    return QUrlQuery(QUrl(address)).queryItems(QUrl::FullyDecoded);
}

} // namespace

class FarewellTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void appealIsDrawnOncePerLoad();
    void staysOnTopWithExitHoldingTheFocus();
    void tabOrder();
    void placeholdersEmptyAndComeBack_data();
    void placeholdersEmptyAndComeBack();
    void typedSpaceRefusedInAddresses();
    void checkBoxOpensTheForumAndNeverStaysChecked();
    void softwareCaptionOpensItsPage();

    void submitChecksInOrder_data();
    void submitChecksInOrder();
    void submitSendsTheTrimmedValues();

    void hostileInputIsBoundedAndSentIntact_data();
    void hostileInputIsBoundedAndSentIntact();

    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
};

void FarewellTest::cleanup()
{
    RandomDraw::replaceSource({});
    endProgram();
}

void FarewellTest::appealIsDrawnOncePerLoad()
{
    const QList<double> draws{0.0, 0.3, 0.6, 0.99}; // one for each appeal
    int drawn = 0;
    RandomDraw::replaceSource([&] { return draws.at(drawn++); });

    QStringList appeals;
    for (int run = 0; run < draws.size(); ++run) {
        Form::get<frmFarewell>().hide(); // the first hide is what loads it
        Form::get<frmFarewell>().showModeless();
        Form::get<frmFarewell>().hide();
        QCOMPARE(drawn, run + 1);
        const QString appeal = control<QLabel>(&Form::get<frmFarewell>(), "Label2")->text();
        QVERIFY2(appeal.contains(QLatin1String(MainSiteHost)), qPrintable(appeal));
        appeals.append(appeal);
        endProgram(); // the next load is another run's
    }
    appeals.removeDuplicates();
    QCOMPARE(appeals.size(), 4);
}

void FarewellTest::staysOnTopWithExitHoldingTheFocus()
{
    frmFarewell &window = farewell();
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(QApplication::focusWidget(), control(&window, "cmdClose"));
}

void FarewellTest::tabOrder()
{
    farewell();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int press = 0; press < 7; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(order, (QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail",
                                 "txtFriendEmail", "txtFriendName", "txtMessage"}));
}

void FarewellTest::placeholdersEmptyAndComeBack_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("name") << QByteArray("txtName") << "Your Name";
    QTest::newRow("email") << QByteArray("txtEmail") << "Your Email Address";
    QTest::newRow("friend's name") << QByteArray("txtFriendName") << "Friend's Name";
    QTest::newRow("friend's email") << QByteArray("txtFriendEmail") << "Friend's Email Address";
}

void FarewellTest::placeholdersEmptyAndComeBack()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, placeholder);

    frmFarewell &window = farewell();
    QLineEdit *target = box(name);
    QCOMPARE(target->text(), placeholder);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(target->text(), QString());

    target->setText(QStringLiteral("   ")); // spaces alone count as blank
    control(&window, "cmdClose")->setFocus();
    QCOMPARE(target->text(), placeholder);

    target->setText(QStringLiteral("  ") + placeholder + QStringLiteral(" "));
    target->setFocus();
    QCOMPARE(target->text(), QString());

    target->setText(QStringLiteral("kept"));
    control(&window, "cmdClose")->setFocus();
    target->setFocus();
    QCOMPARE(target->text(), QStringLiteral("kept"));
}

void FarewellTest::typedSpaceRefusedInAddresses()
{
    farewell();
    typeInto("txtEmail", QStringLiteral("asha"));
    const auto seen = clickInNextModal(QMessageBox::Ok);
    QTest::keyClick(box("txtEmail"), Qt::Key_Space);
    QVERIFY(seen->shown);
    QCOMPARE(seen->text, QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(seen->icon, QMessageBox::Critical);
    QCOMPARE(box("txtEmail")->text(), QStringLiteral("asha"));
    QCOMPARE(Form::get<frmFarewell>().focusWidget(), box("txtEmail"));

    typeInto("txtName", QStringLiteral("Asha K"));
    QCOMPARE(box("txtName")->text(), QStringLiteral("Asha K"));
}

void FarewellTest::checkBoxOpensTheForumAndNeverStaysChecked()
{
    BrowserStub browser;
    frmFarewell &window = farewell();
    auto *check = control<QCheckBox>(&window, "Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(browser.opened, QStringList{LinkAddress(LinkHomePage)});
    QVERIFY(!check->isChecked());
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(browser.opened.size(), 2);
    QVERIFY(!check->isChecked());
}

void FarewellTest::softwareCaptionOpensItsPage()
{
    BrowserStub browser;
    QTest::mouseClick(control(&farewell(), "lblGoToHome"), Qt::LeftButton);
    QCOMPARE(browser.opened, QStringList{LinkAddress(LinkSoftwareSite)});
}

void FarewellTest::submitChecksInOrder_data()
{
    // The full table of checks is the request's own; here, that the form runs them in order.
    QTest::addColumn<QStringList>("typed"); // name, email, friend's name, friend's email; "-" untouched
    QTest::addColumn<QString>("message");
    QTest::newRow("untouched form") << QStringList{"-", "-", "-", "-"}
                                    << "Please Enter Proper Email Address";
    QTest::newRow("one address twice") << QStringList{"Asha", "a@b.in", "Ravi", "a@b.in"}
                                       << "Please Enter Distinct Email Addresses";
    QTest::newRow("name untouched") << QStringList{"-", "a@b.in", "Ravi", "r@b.in"}
                                    << "Please Enter Your Name";
    QTest::newRow("everything filled in: sent") << QStringList{"Asha", "a@b.in", "Ravi", "R@B.in"}
                                                << QString();
}

void FarewellTest::submitChecksInOrder()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);

    BrowserStub browser;
    farewell();
    const char *boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    for (int i = 0; i < 4; ++i) {
        if (typed.at(i) != QLatin1String("-"))
            typeInto(boxes[i], typed.at(i));
    }
    QCOMPARE(submitExpectingMessage(), message);
    QCOMPARE(browser.opened.size(), message.isEmpty() ? 1 : 0);
    QVERIFY(Form::get<frmFarewell>().isVisible());
}

void FarewellTest::submitSendsTheTrimmedValues()
{
    BrowserStub browser;
    farewell();
    typeInto("txtName", QStringLiteral("  Tom & Jerry=1 "));
    typeInto("txtEmail", QStringLiteral("tom@cat.example"));
    typeInto("txtFriendName", QStringLiteral("Ravi+"));
    typeInto("txtFriendEmail", QStringLiteral("ravi@mail.example"));
    QCOMPARE(submitExpectingMessage(), QString());
    QCOMPARE(submitExpectingMessage(), QString()); // nothing stops a second request

    QCOMPARE(browser.opened.size(), 2);
    QCOMPARE(browser.opened.at(0), browser.opened.at(1));
    const QList<QPair<QString, QString>> expected{
        {"taf1", "Tom & Jerry=1"},     {"taf2", "tom@cat.example"}, {"taf3", "Your Message\r\n"},
        {"taf4", "Ravi+"},             {"taf5", "ravi@mail.example"},
        {"taf6", QStringLiteral("http://") + ProductSiteHost + QStringLiteral("/")}};
    QCOMPARE(sentValues(browser.opened.first()), expected);
    QCOMPARE(box("txtName")->text(), QStringLiteral("  Tom & Jerry=1 "));
    QCOMPARE(control<QPlainTextEdit>(&Form::get<frmFarewell>(), "txtMessage")->toPlainText(),
             QStringLiteral("Your Message\n"));
}

void FarewellTest::hostileInputIsBoundedAndSentIntact_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::newRow("100,000 letters") << QString(100000, QLatin1Char('x'));
    QTest::newRow("Devanagari and emoji") << QStringLiteral("आशा 🎵 राग ").repeated(10000);
    QTest::newRow("control characters") << QStringLiteral("a\u0001\u001b\t\u007f%41+&=#").repeated(10000);
}

void FarewellTest::hostileInputIsBoundedAndSentIntact()
{
    QFETCH(QString, pasted);

    BrowserStub browser;
    frmFarewell &window = farewell();
    const auto pasteInto = [&](QWidget *target, const QString &text) {
        QApplication::clipboard()->setText(text);
        activate(&window);
        target->setFocus(); // empties the placeholder, as a click would
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    };
    pasteInto(box("txtName"), pasted);
    pasteInto(box("txtFriendName"), pasted);
    pasteInto(box("txtEmail"), QStringLiteral("a@b.") + pasted);
    pasteInto(box("txtFriendEmail"), QStringLiteral("r@b.") + pasted);
    auto *message = control<QPlainTextEdit>(&window, "txtMessage");
    pasteInto(message, pasted);

    QCOMPARE(box("txtName")->text().size(), qMin(pasted.size(), ReferralLimit::Name));
    QCOMPARE(box("txtEmail")->text().size(), ReferralLimit::Address);
    QVERIFY(message->toPlainText().size() <= ReferralLimit::Message);
    QVERIFY(message->toPlainText().size() >= ReferralLimit::Message - 1);

    QCOMPARE(submitExpectingMessage(), QString());
    QCOMPARE(browser.opened.size(), 1);
    const auto held = [](const QString &text) { return trimSpaces(text); };
    const QList<QPair<QString, QString>> expected{
        {"taf1", held(box("txtName")->text())},
        {"taf2", held(box("txtEmail")->text())},
        {"taf3", held(message->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")))},
        {"taf4", held(box("txtFriendName")->text())},
        {"taf5", held(box("txtFriendEmail")->text())},
        {"taf6", QStringLiteral("http://") + ProductSiteHost + QStringLiteral("/")}};
    QCOMPARE(sentValues(browser.opened.first()), expected);
}

void FarewellTest::exitEndsTheProgram_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("mainHidden");
    QTest::newRow("Exit button") << false << false;
    QTest::newRow("close box") << true << false;
    QTest::newRow("close box, main window loaded and hidden") << true << true;
}

void FarewellTest::exitEndsTheProgram()
{
    QFETCH(bool, closeBox);
    QFETCH(bool, mainHidden);

    if (mainHidden) {
        lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Yaman"));
        Form::get<frmDisplay>().close();
        QVERIFY(Form::isLoaded<frmMain>() && !Form::get<frmMain>().isVisible());
    }
    frmFarewell &window = farewell();
    QTimer::singleShot(0, [&] {
        if (closeBox)
            window.close();
        else
            QTest::mouseClick(control(&window, "cmdClose"), Qt::LeftButton);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(Form::loadedForms().isEmpty());
}

TUNEWELL_TEST_MAIN(FarewellTest)
#include "tst_farewell.moc"
