// The program's windows driven as a user would, with clicks, keys and menus, from start-up
// with its update reminder to the way out.
#include "TestSupport.h"

#include "Controls.h"
#include "Form.h"
#include "LinkHosts.h"
#include "Lookup.h"
#include "RandomDraw.h"
#include "ShowLookupResult.h"
#include "UpdateReminder.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>

namespace {

QString http(const char *host, const char *path = "")
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

// Every text a window shows, in the order its controls were made: captions, button texts and
// menus with their access keys, frame titles; list entries left out.
QStringList textsOf(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (const QObject *object : window->findChildren<QObject *>()) {
        if (auto *frame = qobject_cast<const QGroupBox *>(object))
            texts.append(frame->title());
        else if (auto *item = qobject_cast<const QAction *>(object); item && !item->isSeparator())
            texts.append(item->text());
        else if (qobject_cast<const QLabel *>(object) || qobject_cast<const QAbstractButton *>(object))
            texts.append(object->property("text").toString());
    }
    texts.removeAll(QString());
    return texts;
}

QString captionOf(const QWidget *window, const char *name)
{
    return control<QLabel>(window, name)->text();
}

const QString reminderKey = QStringLiteral("Settings/Duration");

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        RandomDraw::replaceSource({});
        endProgram();
    }

    void mainWindowStartsAtTheModeStage()
    {
        QWidget *main = reach("main");
        QVERIFY(control<QRadioButton>(main, "optSearchByRaga")->isChecked());
        QVERIFY(inFront(control(main, "fraSearch")));
        auto *ragas = control<QComboBox>(main, "cmbRaga");
        QCOMPARE(ragas->count(), 37);
        QCOMPARE(ragas->currentText(), QStringLiteral("Ahir Bhairav"));
        QCOMPARE(ragas->itemText(15), QStringLiteral("Jaunpuri")); // the catalogue's order, not sorted
        QCOMPARE(ragas->itemText(36), QStringLiteral("Yaman"));
        QStringList ailments;
        for (int i = 0; i < 29; ++i)
            ailments.append(control<QComboBox>(main, "cmbAilment")->itemText(i));
        QCOMPARE(ailments, (QStringList{
            "All types of General illness", "Anaemia", "Anorexia", "Anxiety", "Asthma", "Backache", "Blood Pressure",
            "Builds Confidence", "Colitis", "Common Cold", "Constipation", "Cough", "Depression", "Diarrhoea",
            "Encourages Detachment", "Gall Stones (Cholecystitis)", "Headache", "Hyperacidity", "Hypertension",
            "Indigestion", "Insomnia", "Intestinal Gas", "Piles or Hemorrhoids", "Pregnancy", "Rheumatic Arthritis",
            "Sedative", "Sinusitis", "Sleep disorders", "Spondilitis"}));
        QCOMPARE(static_cast<QMainWindow *>(main)->centralWidget()->size(), QSize(450, 321));
        QVERIFY(control(main, "cmdExit")->y() >= 321); // below the client area: never seen
        const QPoint offCentre = main->frameGeometry().center() - main->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, "the window opens in the middle of the screen");
    }

    void proceedShowsTheListOfTheMode_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("caption");
        QTest::newRow("by raga") << "optSearchByRaga" << "cmbRaga" << "Choose one of the following ragas";
        QTest::newRow("by ailment") << "optSearchByAilment" << "cmbAilment" << "Choose one of the following ailments";
    }
    void proceedShowsTheListOfTheMode()
    {
        QFETCH(QString, option);
        QFETCH(QString, list);
        QFETCH(QString, caption);
        QWidget *main = reach("main");
        perform(main, "click:" + option);
        perform(main, "click:cmdProceed");
        QVERIFY(inFront(control(main, "fraChoose")));
        QCOMPARE(captionOf(main, "lblRagaCaption"), caption);
        QCOMPARE(control(main, "cmbRaga")->isVisible(), list == QLatin1String("cmbRaga"));
        QCOMPARE(control(main, "cmbAilment")->isVisible(), list == QLatin1String("cmbAilment"));
        QCOMPARE(QApplication::focusWidget()->objectName(), list); // the keyboard follows the stage
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("option"); // empty: the lookup of a name that no list holds
        QTest::addColumn<QString>("raga");
        QTest::addColumn<QString>("ailment");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("shown"); // chosen raga, its time, its ailments; chosen ailment, its ragas
        QTest::newRow("by raga: Asavari's time keeps its trailing space")
            << "optSearchByRaga" << "Asavari" << "All types of General illness" << "fraRagaResult"
            << QStringList{"Asavari", "Morning ", "Builds Confidence", "All types of General illness", "Mohana "};
        QTest::newRow("by raga: Kedar's three lines, the ailment list's choice behind")
            << "optSearchByRaga" << "Kedar" << "Sleep disorders" << "fraRagaResult"
            << QStringList{"Kedar", "Night", "1)Headache\n2)Common Cold\n3)Cough,Asthma", "Sleep disorders",
                           "1)Kafi\n2)Khamaj\n3)Neelambari"};
        QTest::newRow("by ailment: six lines, the raga list's choice behind")
            << "optSearchByAilment" << "Yaman" << "Rheumatic Arthritis" << "fraAilmentResult"
            << QStringList{"Yaman", "Evening", "Rheumatic Arthritis", "Rheumatic Arthritis",
                           "1)Ahir Bhairav\n2)Bhairavi\n3)Gunakali\n4)Hindol\n5)Jaijawanti Nat Bhairav\n6)Yaman"};
        QTest::newRow("a name not found leaves its half as built") << "" << "yaman" << "Cough" << "fraRagaResult"
            << QStringList{"Label2", "lblTimeOfPerformanceRaga", "Label2", "Cough", "1)Gujari Todi\n2)Kedar\n3)Shree\n4)Shyam Kalyan"};
    }
    void lookups()
    {
        QFETCH(QString, option);
        QFETCH(QString, raga);
        QFETCH(QString, ailment);
        QFETCH(QString, panel);
        QFETCH(QStringList, shown);
        const bool byRaga = option == QLatin1String("optSearchByRaga");
        if (option.isEmpty()) {
            ShowLookupResult(Lookup(SearchMode::ByRaga, raga.toStdString(), ailment.toStdString()));
        } else {
            choose(reach("main"), byRaga ? "cmbAilment" : "cmbRaga", byRaga ? ailment : raga);
            lookUp(option.toLatin1(), byRaga ? "cmbRaga" : "cmbAilment", byRaga ? raga : ailment);
        }
        frmDisplay &display = Form::get<frmDisplay>();
        QCOMPARE(shownWindows(), QStringList{"frmDisplay"});
        QVERIFY(inFront(control(&display, panel.toLatin1())));
        QCOMPARE((QStringList{display.lblChoosenRaga->text(), display.lblTimeOfPerformanceRaga->text(),
                              display.lblDiseaseItHelpCure->text(), display.lblChoosenAilment->text(),
                              display.lblRagaItHelpCure->text()}), shown);
        QCOMPARE(display.lblTimeOfPerformanceAilment->text(), QStringLiteral("lblTimeOfPerformanceAilment"));
        QCOMPARE(display.lblRagaItHelpCure->size(), QSize(328, 96)); // six lines fill the box
        // A trailing space widens the time caption rather than being cut off.
        QVERIFY(display.lblTimeOfPerformanceRaga->width() >= display.lblTimeOfPerformanceRaga->sizeHint().width());
    }

    void waysOut_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("loaded");
        const QStringList farewell{"frmFarewell"}, main{"frmMain"}, both{"frmFarewell", "frmMain"}, none;
        QTest::newRow("main: close box brings up the farewell") << "main" << "close" << farewell << farewell;
        QTest::newRow("main: Alt+X presses the hidden Exit") << "main" << "key:Alt+X" << farewell << farewell;
        QTest::newRow("main: File > Exit") << "main" << "click:mnuExit" << farewell << farewell;
        QTest::newRow("result: close box, main stays loaded and hidden") << "result" << "close" << farewell << both;
        QTest::newRow("result: File > Exit") << "result" << "click:mnuExit" << farewell << both;
        QTest::newRow("result: Back returns without the farewell") << "result" << "click:cmdBack" << main << both;
        QTest::newRow("result: Enter presses the focused Back") << "result" << "key:Return" << main << both;
        QTest::newRow("result: Alt+B") << "result" << "key:Alt+B" << main << both;
        QTest::newRow("result: File > Back") << "result" << "click:mnuBack" << main << both;
        QTest::newRow("About: Enter presses OK") << "about" << "key:Return" << main << main;
        QTest::newRow("About: Esc presses OK") << "about" << "key:Esc" << main << main;
        QTest::newRow("About: Alt+O") << "about" << "key:Alt+O" << main << main;
        QTest::newRow("About: close box") << "about" << "close" << main << main;
        QTest::newRow("farewell: Exit ends the program") << "farewell" << "click:cmdClose" << none << none;
        QTest::newRow("farewell: Alt+X") << "farewell" << "key:Alt+X" << none << none;
        QTest::newRow("farewell: close box, main loaded and hidden") << "farewell over hidden main" << "close" << none << none;
    }
    void waysOut()
    {
        QFETCH(QString, start);
        QFETCH(QString, gesture);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, loaded);
        BrowserStub browser;
        if (start == QLatin1String("about")) {
            QWidget *opener = reach("main");
            const auto seen = inNextModal(gesture);
            perform(opener, "click:mnuAbout");
            QVERIFY(seen->closedByAnswer);
            QCOMPARE(seen->window, QStringLiteral("frmAbout"));
        } else {
            perform(reach(start), gesture);
        }
        QTRY_COMPARE(shownWindows(), shown); // an access key clicks a moment later
        QCOMPARE(loadedWindows(), loaded);
        QCOMPARE(browser.opened, QStringList());
        if (start == QLatin1String("result") && shown == QStringList{"frmMain"}) {
            // Back finds the first stage, with the search and both choices as they were left.
            frmMain &main = Form::get<frmMain>();
            QVERIFY(inFront(control(&main, "fraSearch")));
            QVERIFY(control<QRadioButton>(&main, "optSearchByAilment")->isChecked());
            QCOMPARE(control<QComboBox>(&main, "cmbRaga")->currentText(), QStringLiteral("Yaman"));
            QCOMPARE(control<QComboBox>(&main, "cmbAilment")->currentText(), QStringLiteral("Cough"));
        }
    }

    void links_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("address"); // empty: nothing opens
        for (const char *start : {"main", "result"}) {
            const auto row = [start](const char *gesture, const QString &address) {
                QTest::addRow("%s: %s", start, gesture) << start << gesture << address;
            };
            row("click:mnuOnline", http(ProductSiteHost, "/tunewell-help.html"));
            row("click:mnuVisit", http(MainSiteHost));
            row("click:mnuUpdate", http(ProductSiteHost, "/download-tunewell.html"));
            row("click:mnuDonate", http(HelpSiteHost, "/donate.html"));
            row("click:mnumakemoney", QString()); // switched off for good
            row("click:Label61", http(MainSiteHost));
            row("reader:Label61", http(MainSiteHost));
            row("click:lblCobrand", http(HelpSiteHost, "/co-brand.html"));
            row("click:lblFullBrand", http(HelpSiteHost, "/fully-branded.html"));
        }
        QTest::newRow("About: the home page") << "about" << "click:lblHomePage" << http(MainSiteHost);
        QTest::newRow("About: the offer under the business text") << "about" << "click:lblCobrand"
                                                                  << http(HelpSiteHost, "/fully-branded.html");
        QTest::newRow("farewell: other software") << "farewell" << "click:lblGoToHome" << http(MainSiteHost, "/lanternsoftwares");
        QTest::newRow("farewell: check box clicked") << "farewell" << "click:Check1" << http(MainSiteHost);
        QTest::newRow("farewell: check box by Space") << "farewell" << "space:Check1" << http(MainSiteHost);
    }
    void links()
    {
        QFETCH(QString, start);
        QFETCH(QString, gesture);
        QFETCH(QString, address);
        BrowserStub browser;
        bool stayedUp = false;
        const bool about = start == QLatin1String("about");
        if (about) {
            QWidget *opener = reach("main");
            const auto seen = inNextModal("close", [&](QWidget *window) {
                perform(window, gesture);
                stayedUp = window->isVisible();
            });
            perform(opener, "click:mnuAbout");
            QVERIFY(seen->shown);
        } else {
            QWidget *window = reach(start);
            perform(window, gesture);
            perform(window, gesture); // every time, not only the first
            stayedUp = window->isVisible();
            if (auto *check = window->findChild<QAbstractButton *>(QStringLiteral("Check1")))
                QVERIFY2(!check->isChecked(), "the check box never stays checked");
        }
        QCOMPARE(browser.opened, address.isEmpty() ? QStringList() : QStringList(about ? 1 : 2, address));
        QVERIFY2(stayedUp, "the window stays up");
    }

    void everyTextAsWritten_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("texts");
        const QString forum = http(MainSiteHost);
        const QString fullBrand = "Start a business from home: get this program fully branded for your own web site "
                                  "and offer it as yours. Click here for more details.";
        const QString coBrand = "Have this program co-branded with the name and links of your own web site, and give "
                                "it to your visitors. Click here for more information on co-branding.";
        QTest::newRow("main") << "main" << QStringList{
            "Tunewell v1.0", "Join our free discussion forum: " + forum, "Do you suffer from indigestion? Or are you "
            "suffering from severe cough. Here is an easy and safe easy way to get relief. Listen to the different notes "
            "of music to heal yourself and feel better physically, mentally and emotionally.",
            "Choose one of the following ragas", "Proceed", fullBrand, coBrand, "E&xit",
            "Choose one of the following options", "Search By Raga", "Search By Ailment", "Proceed", "&File", "E&xit",
            "&Help", "&Online Help",
            "&Visit Us Online", "&Check for Software Update", "&About Software", "&Donate", "Make Money &Online"};
        QTest::newRow("result") << "result" << QStringList{
            "Tunewell v1.0", "Join our free discussion forum: " + forum, "Tunewell Result", "Your Chosen Raga", "Yaman",
            "Time Of Performance", "Evening", "Disease(s) it helps cure", "Rheumatic Arthritis", coBrand, fullBrand,
            "&Back", "Tunewell Result", "Your Chosen Ailment", "Cough", "Raga That helps To Cure",
            "1)Gujari Todi\n2)Kedar\n3)Shree\n4)Shyam Kalyan", "Time Of Performance", "lblTimeOfPerformanceAilment",
            "&File", "Back", "E&xit",
            "&Help", "&Online Help", "&Visit Us Online", "Check for Software &Update", "&About Software", "&Donate",
            "Make Money &Online"};
        QTest::newRow("About") << "about" << QStringList{
            "Tunewell v1.0", "Tunewell v1.0", "Tunewell displays the different arrangement of  musical notes or ragas "
            "that are said to heal many health ailments. Listening to these musical notes can give you instant relief "
            "and help you overcome your illness. Tunewell is copyright Lantern Softwares, who hold all rights to it.",
            "Visit us at " + forum, "Start your own Internet business: get this program fully branded with the name of "
            "your web site and offer it to your visitors as your own.", "Click here for more details.", "&OK"};
        QTest::newRow("farewell") << "farewell" << QStringList{
            "Tunewell v1.0", "Tunewell v1.0", "Yes! Take me to the Lantern discussion forum now", "E&xit",
            "Refer A Friend", "Refer A Friend &Now", "Download Lantern Softwares", "Enjoyed Tunewell? Lantern Softwares "
            "makes many more small programs like it, each free to try. Download them from our web site, and share them "
            "with your friends and family.", "Click Here To Visit Lantern Softwares"};
    }
    void everyTextAsWritten()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, texts);
        RandomDraw::replaceSource([] { return 0.0; });
        QStringList shown;
        if (start == QLatin1String("about")) {
            QWidget *opener = reach("main");
            const auto seen = inNextModal("close", [&](QWidget *about) { shown = textsOf(about); });
            perform(opener, "click:mnuAbout");
            QVERIFY(seen->shown);
        } else {
            shown = textsOf(reach(start));
        }
        if (start == QLatin1String("farewell"))
            shown.removeAt(2); // the appeal, drawn at random, has a test of its own
        QCOMPARE(shown, texts);
    }

    void coBrandRandomize_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<bool>("fullBrandInFront");
        QTest::newRow("0 gives 1: co-brand") << QList<double>{0.0} << false;
        QTest::newRow("0.2 gives 2: full brand") << QList<double>{0.2} << true;
        QTest::newRow("0.25 gives 2.5, halves to even 2") << QList<double>{0.25} << true;
        QTest::newRow("0.4 gives 3: co-brand") << QList<double>{0.4} << false;
        QTest::newRow("0.5 gives 4: full brand") << QList<double>{0.5} << true;
        QTest::newRow("0.6 gives 5: co-brand") << QList<double>{0.6} << false;
        QTest::newRow("0.75 gives 5.5, halves to even 6") << QList<double>{0.75} << true;
        QTest::newRow("0.95 gives 7: as built") << QList<double>{0.95} << false;
        QTest::newRow("7 changes nothing") << QList<double>{0.25, 0.95} << true;
    }
    void coBrandRandomize()
    {
        QFETCH(QList<double>, draws);
        QFETCH(bool, fullBrandInFront);
        RandomDraw::replaceSource([draws, next = 0]() mutable { return draws.at(next++); });
        frmMain &main = static_cast<frmMain &>(*reach("main"));
        QVERIFY(inFront(main.lblCobrand));
        for (int i = 0; i < draws.size(); ++i)
            main.CoBrand_Randomize();
        QVERIFY(inFront(fullBrandInFront ? static_cast<QWidget *>(main.lblFullBrand) : main.lblCobrand));
    }

    void wholeLookupWithTheKeyboardAlone()
    {
        QWidget *main = reach("main");
        QStringList focus;
        for (const char *key : {"Down", "Tab", "Return", "Down", "Down", "Tab", "Return"}) {
            focus.append(QApplication::focusWidget()->objectName());
            perform(QApplication::activeWindow(), QStringLiteral("key:") + key);
        }
        QCOMPARE(focus, (QStringList{"optSearchByRaga", "optSearchByAilment", "cmdProceed", "cmbAilment",
                                     "cmbAilment", "cmbAilment", "cmbGetResult"}));
        QCOMPARE(Form::get<frmDisplay>().lblChoosenAilment->text(), QStringLiteral("Anorexia"));
        perform(reach("result"), "key:Return");
        QVERIFY(activate(main));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optSearchByAilment"));
    }

    void everyControlHasANameForScreenReaders()
    {
        reach("result");
        for (QWidget *window : QList<QWidget *>{&Form::get<frmMain>(), &Form::get<frmDisplay>(),
                                                &Form::get<frmFarewell>(), &Form::get<frmAbout>()}) {
            QStringList unnamed;
            int count = 0;
            const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
                for (int i = 0; i < node->childCount(); ++i) {
                    QAccessibleInterface *child = node->child(i);
                    const QList<QAccessible::Role> acting{QAccessible::PushButton, QAccessible::RadioButton,
                        QAccessible::CheckBox, QAccessible::ComboBox, QAccessible::EditableText, QAccessible::Link,
                        QAccessible::MenuItem};
                    if (child && acting.contains(child->role()) && ++count && child->text(QAccessible::Name).trimmed().isEmpty())
                        unnamed.append(child->object() ? child->object()->objectName() : QStringLiteral("?"));
                    if (child)
                        walk(child);
                }
            };
            walk(QAccessible::queryAccessibleInterface(window));
            QVERIFY2(count >= 3 && unnamed.isEmpty(), qPrintable(window->objectName() + ": " + unnamed.join(", ")));
        }
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QDateTime>("today");
        QTest::addColumn<QString>("answer"); // empty: no question may come
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("opened");
        const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        const QStringList download{http(ProductSiteHost, "/download-tunewell.html")}, none;
        QTest::newRow("first start: recorded, nothing asked") << "" << now << "" << "2026-12-06T10:00:00" << none;
        QTest::newRow("14 days on: quiet, unchanged") << "2026-11-22T10:00:00" << now << "" << "2026-11-22T10:00:00" << none;
        QTest::newRow("15 days on, No: recorded anew") << "2026-11-21T10:00:00" << now << "No" << "2026-12-06T10:00:00" << none;
        QTest::newRow("15 days on, Yes: the download page, after recording")
            << "2026-11-21T10:00:00" << now << "Yes" << "2026-12-06T10:00:00" << download;
        QTest::newRow("23:59 to 00:01 fifteen calendar days later: asked") << "2026-11-01T23:59:00"
            << QDateTime(QDate(2026, 11, 16), QTime(0, 1)) << "No" << "2026-11-16T00:01:00" << none;
        QTest::newRow("00:01 to 23:59 fourteen calendar days later: quiet") << "2026-11-01T00:01:00"
            << QDateTime(QDate(2026, 11, 15), QTime(23, 59)) << "" << "2026-11-01T00:01:00" << none;
        QTest::newRow("clock set back 15 days: asked, today recorded") << "2026-12-21T10:00:00" << now << "No"
                                                                       << "2026-12-06T10:00:00" << none;
        QTest::newRow("clock set back 14 days: quiet") << "2026-12-20T10:00:00" << now << "" << "2026-12-20T10:00:00" << none;
        QTest::newRow("damaged value: a first start") << "12/31/2099 ??" << now << "" << "2026-12-06T10:00:00" << none;
    }
    void reminder()
    {
        QFETCH(QString, before);
        QFETCH(QDateTime, today);
        QFETCH(QString, answer);
        QFETCH(QString, after);
        QFETCH(QStringList, opened);
        QSettings().remove(reminderKey);
        if (!before.isEmpty())
            QSettings().setValue(reminderKey, before);
        BrowserStub browser;
        QString storedWhenOpened;
        browser.onOpen = [&] { storedWhenOpened = QSettings().value(reminderKey).toString(); };
        const auto seen = inNextModal("click:" + answer);
        UpdateReminder(today);
        QCOMPARE(seen->shown, !answer.isEmpty());
        if (seen->shown) {
            QCOMPARE(seen->text, QStringLiteral("There maybe an update to this software available\n"
                                                "Do you want to check for an update?"));
            QVERIFY(seen->title == QLatin1String("Tunewell") && seen->icon == QMessageBox::Information);
            QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(QSettings().value(reminderKey).toString(), after);
        QCOMPARE(browser.opened, opened);
        QCOMPARE(storedWhenOpened, opened.isEmpty() ? QString() : after);
    }

    void startUpAsksFirstAndPicksAnOfferOnce()
    {
        QSettings().setValue(reminderKey, QDateTime::currentDateTime().addDays(-30).toString(Qt::ISODate));
        int draws = 0;
        RandomDraw::replaceSource([&] { ++draws; return 0.25; });
        BrowserStub browser;
        QStringList shownWhenOpened{"?"};
        browser.onOpen = [&] { shownWhenOpened = shownWindows(); };
        const auto seen = inNextModal("click:Yes");
        StartApplication();
        QVERIFY(seen->shown);
        QCOMPARE(browser.opened.size(), 1);
        QCOMPARE(shownWhenOpened, QStringList()); // the page first, then the main window
        QCOMPARE(shownWindows(), QStringList{"frmMain"});
        QCOMPARE(draws, 1);
        QVERIFY(inFront(Form::get<frmMain>().lblFullBrand));
    }
};

TUNEWELL_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
