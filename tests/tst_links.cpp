// Web addresses: the fixed links, and the refer-a-friend request with its checks.
#include "TestSupport.h"

#include "LinkHosts.h"
#include "Links.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QUrlQuery>

namespace {

QString http(const char *host, const char *path = "")
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

Referral properForm()
{
    return {QStringLiteral("Asha"), QStringLiteral("asha@mail.example"), QStringLiteral("Listen!"),
            QStringLiteral("Ravi"), QStringLiteral("ravi@mail.example")};
}

} // namespace

class LinksTest : public QObject
{
    Q_OBJECT

private slots:
    void fixedAddresses_data();
    void fixedAddresses();

    void referralChecks_data();
    void referralChecks();
    void referralAddressCarriesExactlyTheValues_data();
    void referralAddressCarriesExactlyTheValues();
    void trimmingTakesSpacesOnly();
    void longestFormFitsACommandLine();
};

void LinksTest::fixedAddresses_data()
{
    QTest::addColumn<LinkId>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("home page: the bare host, no slash") << LinkHomePage << http(MainSiteHost);
    QTest::newRow("software site") << LinkSoftwareSite << http(MainSiteHost, "/lanternsoftwares");
    QTest::newRow("online help") << LinkOnlineHelp << http(ProductSiteHost, "/tunewell-help.html");
    QTest::newRow("download") << LinkDownload << http(ProductSiteHost, "/download-tunewell.html");
    QTest::newRow("donate") << LinkDonate << http(HelpSiteHost, "/donate.html");
    QTest::newRow("full brand") << LinkFullBrand << http(HelpSiteHost, "/fully-branded.html");
    QTest::newRow("co-brand") << LinkCoBrand << http(HelpSiteHost, "/co-brand.html");
}

void LinksTest::fixedAddresses()
{
    QFETCH(LinkId, link);
    QFETCH(QString, address);
    QCOMPARE(LinkAddress(link), address);

    BrowserStub browser;
    OpenLink(link);
    QCOMPARE(browser.opened, QStringList{address});
}

void LinksTest::referralChecks_data()
{
    QTest::addColumn<Referral>("form");
    QTest::addColumn<QString>("message"); // empty: the request goes out

    const Referral untouched{Placeholder::Name, Placeholder::Email, Placeholder::Message + "\r\n",
                             Placeholder::FriendName, Placeholder::FriendEmail};
    QTest::newRow("untouched form: no @ in the placeholders")
        << untouched << QStringLiteral("Please Enter Proper Email Address");

    Referral form = properForm();
    form.friendEmail = form.email;
    QTest::newRow("same address twice") << form << QStringLiteral("Please Enter Distinct Email Addresses");
    form.friendEmail = QStringLiteral("  ") + form.email + QStringLiteral(" ");
    QTest::newRow("same address once spaces are trimmed")
        << form << QStringLiteral("Please Enter Distinct Email Addresses");
    form.friendEmail = form.email.toUpper();
    QTest::newRow("same address in other case counts as distinct") << form << QString();

    form = properForm();
    form.email = QStringLiteral("asha@mailexample");
    QTest::newRow("@ without a dot") << form << QStringLiteral("Please Enter Proper Email Address");
    form.email = QStringLiteral("asha.k@mailexample");
    QTest::newRow("a dot before the @ will do") << form << QString();
    form = properForm();
    form.friendEmail = QStringLiteral("ravi.mail.example");
    QTest::newRow("dot without @") << form << QStringLiteral("Please Enter Proper Email Address");

    const auto missing = [&](const char *row, QString Referral::*field, const QString &value,
                             const char *message) {
        Referral incomplete = properForm();
        incomplete.*field = value;
        QTest::newRow(row) << incomplete << QString::fromLatin1(message);
    };
    missing("name untouched", &Referral::name, Placeholder::Name, "Please Enter Your Name");
    missing("name blank", &Referral::name, QStringLiteral("   "), "Please Enter Your Name");
    missing("message set back to its placeholder", &Referral::message, Placeholder::Message,
            "Please Enter Your Message");
    missing("message blank", &Referral::message, QString(), "Please Enter Your Message");
    missing("friend's name untouched", &Referral::friendName, Placeholder::FriendName,
            "Please Enter Your Friend's Name");

    form = untouched;
    form.email = QStringLiteral("asha@mail.example");
    form.friendEmail = QStringLiteral("ravi@mail.example");
    QTest::newRow("names untouched: the first missing value is reported")
        << form << QStringLiteral("Please Enter Your Name");
    form.name = QStringLiteral("Asha");
    QTest::newRow("the message's own text with its line break is a message") << form
        << QStringLiteral("Please Enter Your Friend's Name");
}

void LinksTest::referralChecks()
{
    QFETCH(Referral, form);
    QFETCH(QString, message);

    BrowserStub browser;
    QCOMPARE(submitReferral(form).value_or(QString()), message);
    QCOMPARE(browser.opened.size(), message.isEmpty() ? 1 : 0);
}

void LinksTest::referralAddressCarriesExactlyTheValues_data()
{
    QTest::addColumn<Referral>("form");
    QTest::newRow("plain") << properForm();
    Referral form = properForm();
    form.name = QStringLiteral("Tom & Jerry=friends #1 + 100%41");
    form.message = QStringLiteral("Your Message\r\n");
    form.friendName = QStringLiteral("Ravi/Kumar?x=1;y");
    QTest::newRow("delimiters and a line break") << form;
    form.name = QStringLiteral("आशा 🎵");
    form.message = QStringLiteral("tab\there\u0001");
    QTest::newRow("Devanagari, emoji and control characters") << form;
}

void LinksTest::referralAddressCarriesExactlyTheValues()
{
    QFETCH(Referral, form);

    BrowserStub browser;
    QVERIFY(!TellAFriend(form));
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.first(), ReferralAddress(form));

    const QUrl sent(browser.opened.first());
    QCOMPARE(sent.toString(QUrl::RemoveQuery), http(MainSiteHost, "/twls-refer-a-friend.php"));
    const QList<QPair<QString, QString>> items =
        QUrlQuery(sent).queryItems(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> expected{
        {"taf1", form.name},       {"taf2", form.email},       {"taf3", form.message},
        {"taf4", form.friendName}, {"taf5", form.friendEmail}, {"taf6", ProductSiteRoot()}};
    QCOMPARE(items, expected);
    QCOMPARE(ProductSiteRoot(), http(ProductSiteHost, "/"));
}

void LinksTest::trimmingTakesSpacesOnly()
{
    QCOMPARE(trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    QCOMPARE(trimSpaces(QStringLiteral("Your Message\r\n")), QStringLiteral("Your Message\r\n"));
    QCOMPARE(trimSpaces(QStringLiteral("\tname ")), QStringLiteral("\tname"));
    QCOMPARE(trimSpaces(QStringLiteral("    ")), QString());
}

void LinksTest::longestFormFitsACommandLine()
{
    // Every box full, every character one that escapes to the most text.
    const QChar widest(0x0905); // three bytes in UTF-8, nine characters escaped
    const Referral longest{QString(ReferralLimit::Name, widest), QString(ReferralLimit::Address, widest),
                           QString(ReferralLimit::Message, widest), QString(ReferralLimit::Name, widest),
                           QString(ReferralLimit::Address, widest)};
    const QString address = ReferralAddress(longest);
    QVERIFY(address.size() > 9 * (2 * ReferralLimit::Name + 2 * ReferralLimit::Address));
    QVERIFY2(address.size() < 32767, qPrintable(QString::number(address.size())));
}

TUNEWELL_TEST_MAIN(LinksTest)
#include "tst_links.moc"
