// The farewell window: its appeal, the refer-a-friend form and the request it sends.
#include "TestSupport.h"

#include "Form.h"
#include "LinkHosts.h"
#include "RandomDraw.h"
#include "frmFarewell.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QString http(const char *host, const char *path = "")
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

// The request as the browser gets it, from the values' part of the query.
QString request(const QString &values)
{
    return http(MainSiteHost, "/twls-refer-a-friend.php?") + values + QStringLiteral("&taf6=http%3A%2F%2F")
           + QLatin1String(ProductSiteHost) + QStringLiteral("%2F");
}

QWidget *box(const char *name)
{
    return control(&Form::get<frmFarewell>(), name);
}

QString textIn(const char *name)
{
    QWidget *target = box(name);
    if (auto *line = qobject_cast<QLineEdit *>(target))
        return line->text();
    return static_cast<QPlainTextEdit *>(target)->toPlainText();
}

// Into the box as a user gets there (which empties a placeholder), replacing what is left.
void typeInto(const char *name, const QString &text, bool paste = false)
{
    QWidget *target = box(name);
    activate(target->window());
    target->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    if (paste || text.toLatin1() != text.toUtf8()) { // QTest types ASCII only
        QApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(target, text);
    }
}

} // namespace

class FarewellTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        RandomDraw::replaceSource({});
        endProgram();
    }

    void appealDrawnOnceAtLoad_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("appeal");
        const QString forum = http(MainSiteHost);
        QTest::newRow("0 gives the first") << 0.0 << "Programs like this one can only be written and kept alive with "
            "your support, and the best support you can give is to visit " + forum + " often and join in its discussions.";
        QTest::newRow("0.25 gives the second") << 0.25 << "Please visit " + forum + " often and take part in its "
            "discussions and activities: without your visits we cannot keep supporting and maintaining these programs.";
        QTest::newRow("0.74 gives the third") << 0.74 << forum + " is a free online discussion forum. Visiting it often "
            "helps us develop and maintain this software.";
        QTest::newRow("0.99 gives the fourth") << 0.99 << forum + " needs your help! Visit it often and join in its "
            "discussions to help us maintain this software and write more of it.";
    }

    void appealDrawnOnceAtLoad()
    {
        QFETCH(double, draw);
        QFETCH(QString, appeal);
        int draws = 0;
        RandomDraw::replaceSource([&] { ++draws; return draw; });
        Form::get<frmFarewell>().hide(); // the first hide is what loads it
        Form::get<frmFarewell>().showModeless();
        QCOMPARE(static_cast<QLabel *>(box("Label2"))->text(), appeal);
        QCOMPARE(draws, 1);
    }

    void opensOnTopWithExitFocused()
    {
        QWidget *window = reach("farewell");
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int press = 0; press < 7; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order, (QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
                                     "txtFriendName", "txtMessage"}));
    }

    void placeholdersEmptyAndComeBack_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("name") << QByteArray("txtName") << "Your Name";
        QTest::newRow("email") << QByteArray("txtEmail") << "Your Email Address";
        QTest::newRow("friend's name") << QByteArray("txtFriendName") << "Friend's Name";
        QTest::newRow("friend's email") << QByteArray("txtFriendEmail") << "Friend's Email Address";
        QTest::newRow("message: its line break keeps it") << QByteArray("txtMessage") << "Your Message\n";
    }

    void placeholdersEmptyAndComeBack()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, placeholder);
        QWidget *exit = control(reach("farewell"), "cmdClose");
        QWidget *target = box(name);
        const auto setText = [&](const QString &text) { target->setProperty(name == "txtMessage" ? "plainText" : "text", text); };
        QCOMPARE(textIn(name), placeholder);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(textIn(name), placeholder.endsWith('\n') ? placeholder : QString());
        setText(QStringLiteral("   ")); // spaces alone count as blank
        exit->setFocus();
        QCOMPARE(textIn(name), placeholder.trimmed());
        setText(QStringLiteral("  ") + placeholder.trimmed() + QStringLiteral(" "));
        target->setFocus();
        QCOMPARE(textIn(name), QString());
        setText(QStringLiteral("kept"));
        exit->setFocus();
        target->setFocus();
        QCOMPARE(textIn(name), QStringLiteral("kept"));
    }

    void addressBoxesRefuseSpaces_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left"); // what the box holds afterwards
        QTest::addColumn<QString>("message");
        const QString noSpace = QStringLiteral("Email Address Cannot Contain Space");
        QTest::newRow("email: typed space refused") << QByteArray("txtEmail") << false << "asha k" << "ashak" << noSpace;
        QTest::newRow("friend's email: typed space refused") << QByteArray("txtFriendEmail") << false << "r@b. in" << "r@b.in" << noSpace;
        QTest::newRow("name: a space is welcome") << QByteArray("txtName") << false << "Asha K" << "Asha K" << QString();
    }

    void addressBoxesRefuseSpaces()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, paste);
        QFETCH(QString, text);
        QFETCH(QString, left);
        QFETCH(QString, message);
        reach("farewell");
        const auto seen = inNextModal("click:OK");
        typeInto(name, text, paste);
        QCOMPARE(textIn(name), left);
        QCOMPARE(seen->shown ? seen->text : QString(), message);
        QCOMPARE(Form::get<frmFarewell>().focusWidget(), box(name));
    }

    void referral_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, email, friend's name, friend's email, message; "-": untouched
        QTest::addColumn<QString>("outcome");   // the message shown, or the address sent
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        QTest::newRow("untouched form: no @ in the placeholders") << QStringList{"-", "-", "-", "-", "-"} << proper;
        QTest::newRow("one address twice") << QStringList{"Asha", "a@b.in", "Ravi", "a@b.in", "-"}
                                           << "Please Enter Distinct Email Addresses";
        QTest::newRow("one address twice, both without @: distinct comes first")
            << QStringList{"Asha", "ab.in", "Ravi", "ab.in", "-"} << "Please Enter Distinct Email Addresses";
        QTest::newRow("@ without a dot") << QStringList{"Asha", "a@bin", "Ravi", "r@b.in", "-"} << proper;
        QTest::newRow("dot without @") << QStringList{"Asha", "a@b.in", "Ravi", "r.b.in", "-"} << proper;
        QTest::newRow("name untouched") << QStringList{"-", "a@b.in", "Ravi", "r@b.in", "-"} << "Please Enter Your Name";
        QTest::newRow("name of spaces") << QStringList{"   ", "a@b.in", "Ravi", "r@b.in", "-"} << "Please Enter Your Name";
        QTest::newRow("message set back to its placeholder") << QStringList{"Asha", "a@b.in", "Ravi", "r@b.in", "Your Message"}
                                                             << "Please Enter Your Message";
        QTest::newRow("friend's name untouched") << QStringList{"Asha", "a@b.in", "-", "r@b.in", "-"}
                                                 << "Please Enter Your Friend's Name";
        QTest::newRow("sent: the untouched message with its line break, the other case distinct")
            << QStringList{"Asha", "a@b.in", "Ravi", "A@B.in", "-"}
            << request("taf1=Asha&taf2=a%40b.in&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=A%40B.in");
        QTest::newRow("sent: a dot before the @ will do, spaces trimmed off the name")
            << QStringList{"  Asha K ", "asha.k@mail", "Ravi", "r@b.in", "-"}
            << request("taf1=Asha%20K&taf2=asha.k%40mail&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=r%40b.in");
        QTest::newRow("sent: &, =, + and # cannot add or change a key")
            << QStringList{"Tom & Jerry=1", "a@b.in", "Ravi+#x", "r@b.in", "hi&taf6=x"}
            << request("taf1=Tom%20%26%20Jerry%3D1&taf2=a%40b.in&taf3=hi%26taf6%3Dx&taf4=Ravi%2B%23x&taf5=r%40b.in");
        QTest::newRow("sent: Devanagari as UTF-8") << QStringList{"आशा", "a@b.in", "Ravi", "r@b.in", "-"}
            << request("taf1=%E0%A4%86%E0%A4%B6%E0%A4%BE&taf2=a%40b.in&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=r%40b.in");
    }

    void referral()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, outcome);
        BrowserStub browser;
        reach("farewell");
        const char *boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
        for (int i = 0; i < 5; ++i) {
            if (typed.at(i) != QLatin1String("-"))
                typeInto(boxes[i], typed.at(i));
        }
        const bool sent = outcome.startsWith(QLatin1String("http"));
        for (int submit = 0; submit < 2; ++submit) { // nothing stops a second request
            const auto seen = inNextModal("click:OK");
            perform(&Form::get<frmFarewell>(), "click:cmdSubmit");
            QCOMPARE(seen->shown, !sent);
            if (!sent) {
                QCOMPARE(seen->text, outcome);
                QVERIFY(seen->icon == QMessageBox::Critical && seen->title == QLatin1String("Tunewell"));
            }
        }
        QCOMPARE(browser.opened, sent ? QStringList(2, outcome) : QStringList());
        QCOMPARE(shownWindows(), QStringList{"frmFarewell"});
        if (sent)
            QCOMPARE(textIn("txtName"), typed.at(0)); // the form keeps what was typed
    }

    void firstMissingValueNamed_data()
    {
        QTest::addColumn<Referral>("form");
        QTest::addColumn<QString>("message");
        const Referral full{"Asha", "a@b.in", "Hello", "Ravi", "r@b.in"};
        const auto row = [&](const char *name, QString Referral::*field, const QString &value, const QString &message) {
            Referral form = full;
            form.*field = value;
            QTest::newRow(name) << form << message;
        };
        row("name", &Referral::name, "Your Name", "Please Enter Your Name");
        row("email", &Referral::email, "", "Please Enter Your Email");
        row("message", &Referral::message, "Your Message", "Please Enter Your Message");
        row("friend's name", &Referral::friendName, "  ", "Please Enter Your Friend's Name");
        row("friend's email", &Referral::friendEmail, "Friend's Email Address", "Please Enter Your Friend's Email");
        QTest::newRow("everything missing: the name first") << Referral{} << "Please Enter Your Name";
    }

    void firstMissingValueNamed()
    {
        QFETCH(Referral, form);
        QFETCH(QString, message);
        BrowserStub browser;
        QCOMPARE(TellAFriend(form).value_or(QString()), message);
        QVERIFY(browser.opened.isEmpty());
    }

    void pastedFloodsAreCut()
    {
        BrowserStub browser;
        reach("farewell");
        const QString flood(100000, QLatin1Char('x'));
        typeInto("txtName", flood, true);
        typeInto("txtFriendName", flood, true);
        typeInto("txtEmail", "a@b." + flood, true);
        typeInto("txtFriendEmail", "r@b." + flood, true);
        typeInto("txtMessage", QStringLiteral("x🎵").repeated(10000), true);
        QCOMPARE(textIn("txtName").size(), 100);
        QCOMPARE(textIn("txtEmail").size(), 254); // the longest mail address there is
        QCOMPARE(textIn("txtMessage").size(), 499); // 500 would split a pair
        perform(&Form::get<frmFarewell>(), "click:cmdSubmit");
        QCOMPARE(browser.opened.size(), 1);
        QVERIFY(browser.opened.first().contains("&taf2=a%40b." + QString(250, QLatin1Char('x')) + "&taf3=x%F0%9F%8E%B5x"));
    }
};

TUNEWELL_TEST_MAIN(FarewellTest)
#include "tst_farewell.moc"
