// Start-up and the update reminder, with the clock given by the test.
#include "TestSupport.h"

#include "Form.h"
#include "RandomDraw.h"
#include "StartApplication.h"
#include "UpdateReminder.h"
#include "Controls.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QSettings>

namespace {

const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));

QString stored()
{
    return QSettings().value(QStringLiteral("Settings/Duration")).toString();
}

void store(const QString &value)
{
    QSettings settings;
    if (value.isNull())
        settings.remove(QStringLiteral("Settings/Duration"));
    else
        settings.setValue(QStringLiteral("Settings/Duration"), value);
}

QString iso(const QDateTime &moment)
{
    return moment.toString(Qt::ISODate);
}

} // namespace

class LifecycleTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void reminder_data();
    void reminder();
    void yesOpensTheDownloadPageAfterRecording();
    void reminderStoreLivesInTheUsersSettings();
    void startUpAsksBeforeTheMainWindowAndPicksAnOfferOnce();
};

void LifecycleTest::cleanup()
{
    RandomDraw::replaceSource({});
    endProgram();
}

void LifecycleTest::reminder_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QDateTime>("today");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("after");

    QTest::newRow("first start: recorded, nothing asked") << QString() << now << false << iso(now);
    QTest::newRow("14 days on: quiet, unchanged")
        << iso(now.addDays(-14)) << now << false << iso(now.addDays(-14));
    QTest::newRow("15 days on: asked, recorded anew") << iso(now.addDays(-15)) << now << true << iso(now);
    QTest::newRow("23:59 to 00:01 fifteen calendar days later: asked")
        << iso(QDateTime(QDate(2026, 11, 1), QTime(23, 59)))
        << QDateTime(QDate(2026, 11, 16), QTime(0, 1)) << true
        << iso(QDateTime(QDate(2026, 11, 16), QTime(0, 1)));
    QTest::newRow("00:01 to 23:59 fourteen calendar days later: quiet")
        << iso(QDateTime(QDate(2026, 11, 1), QTime(0, 1)))
        << QDateTime(QDate(2026, 11, 15), QTime(23, 59)) << false
        << iso(QDateTime(QDate(2026, 11, 1), QTime(0, 1)));
    QTest::newRow("clock set back 15 days: asked, earlier date recorded")
        << iso(now.addDays(15)) << now << true << iso(now);
    QTest::newRow("clock set back 14 days: quiet") << iso(now.addDays(14)) << now << false
                                                   << iso(now.addDays(14));
    QTest::newRow("damaged value: counted as a first start") << "12/31/2099 ??" << now << false
                                                             << iso(now);
}

void LifecycleTest::reminder()
{
    QFETCH(QString, before);
    QFETCH(QDateTime, today);
    QFETCH(bool, asked);
    QFETCH(QString, after);

    store(before);
    BrowserStub browser;
    const auto seen = clickInNextModal(QMessageBox::No);
    UpdateReminder(today);
    QCOMPARE(seen->shown, asked);
    if (asked) {
        QCOMPARE(seen->text, QStringLiteral("There maybe an update to this software available\n"
                                            "Do you want to check for an update?"));
        QCOMPARE(seen->title, QStringLiteral("Tunewell"));
        QCOMPARE(seen->icon, QMessageBox::Information);
        QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(stored(), after);
    QVERIFY(browser.opened.isEmpty()); // No opens nothing
}

void LifecycleTest::yesOpensTheDownloadPageAfterRecording()
{
    store(iso(now.addDays(-40)));
    BrowserStub browser;
    QString storedWhenOpened;
    browser.onOpen = [&] { storedWhenOpened = stored(); };
    const auto seen = clickInNextModal(QMessageBox::Yes);
    UpdateReminder(now);
    QVERIFY(seen->shown);
    QCOMPARE(browser.opened, QStringList{LinkAddress(LinkDownload)});
    QCOMPARE(storedWhenOpened, iso(now));
}

void LifecycleTest::reminderStoreLivesInTheUsersSettings()
{
    store(QString());
    UpdateReminder(now);
    // One value, under the organisation and program names, in the user's own config folder.
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tunewell/")
                         + QCoreApplication::applicationName() + QStringLiteral(".conf");
    QSettings settings(file, QSettings::IniFormat);
    QCOMPARE(settings.allKeys(), QStringList{QStringLiteral("Settings/Duration")});
    QCOMPARE(settings.value(QStringLiteral("Settings/Duration")).toString(), iso(now));
}

void LifecycleTest::startUpAsksBeforeTheMainWindowAndPicksAnOfferOnce()
{
    store(iso(QDateTime::currentDateTime().addDays(-30)));
    int draws = 0;
    RandomDraw::replaceSource([&] { ++draws; return 0.25; });
    BrowserStub browser;
    bool mainLoadedWhenOpened = true;
    browser.onOpen = [&] { mainLoadedWhenOpened = Form::isLoaded<frmMain>(); };

    const auto seen = clickInNextModal(QMessageBox::Yes);
    StartApplication();

    QVERIFY(seen->shown);
    QCOMPARE(browser.opened, QStringList{LinkAddress(LinkDownload)});
    QVERIFY(!mainLoadedWhenOpened);
    QVERIFY(Form::isLoaded<frmMain>());
    frmMain &main = Form::get<frmMain>();
    QVERIFY(main.isVisible());
    QCOMPARE(draws, 1);
    QVERIFY(inFront(main.lblFullBrand));
}

TUNEWELL_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
