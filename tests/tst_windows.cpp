// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The program's windows driven as a user would, with clicks, keys and menus: start-up with its
// update reminder, a lookup and its result, the links, the farewell window with its
// refer-a-friend form, and the ways out.
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
#include "modTellAFriend.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>

namespace {

QString http(const char *host, const char *path = "")
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

// Every text a window shows, in the order its controls were made: captions, button texts and
// menus with their access keys, frame titles, and in brackets the names screen readers say;
// list entries left out.
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
        if (auto *widget = qobject_cast<const QWidget *>(object); widget && !widget->accessibleName().isEmpty())
            texts.append(QStringLiteral("(") + widget->accessibleName() + QLatin1Char(')')); // what a screen reader says
    }
    texts.removeAll(QString());
    return texts;
}

QString captionOf(const QWidget *window, const char *name)
{
    return control<QLabel>(window, name)->text();
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

const QString reminderKey = QStringLiteral("Settings/Duration");

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() {
        RandomDraw::replaceSource({});
        endProgram();
    }

    void mainWindowStartsAtTheModeStage() {
        QWidget *main = reach("main");
        QVERIFY(control<QRadioButton>(main, "optSearchByRaga")->isChecked());
        QVERIFY(inFront(control(main, "fraSearch")));
        auto *ragas = control<QComboBox>(main, "cmbRaga");
        QCOMPARE(ragas->count(), 37);
        QCOMPARE(ragas->currentText(), QStringLiteral("Ahir Bhairav"));
        QCOMPARE(ragas->itemText(15), QStringLiteral("Jaunpuri")); // the catalogue's order, not sorted
        QCOMPARE(ragas->itemText(36), QStringLiteral("Yaman"));
        auto *ailments = control<QComboBox>(main, "cmbAilment"); // sorted, whatever the catalogue's order
        QCOMPARE(ailments->currentText(), QStringLiteral("All types of General illness"));
        QCOMPARE(ailments->itemText(1), QStringLiteral("Anaemia"));
        QCOMPARE(ailments->itemText(19), QStringLiteral("Indigestion"));
        QCOMPARE(ailments->itemText(28), QStringLiteral("Spondilitis"));
        QCOMPARE(static_cast<QMainWindow *>(main)->centralWidget()->size(), QSize(450, 321));
        QVERIFY(control(main, "cmdExit")->y() >= 321); // below the client area: never seen
        const QPoint offCentre = main->frameGeometry().center() - main->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, "the window opens in the middle of the screen");
    }

    void lookups_data() {
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
    void lookups() {
        QFETCH(QString, option);
        QFETCH(QString, raga);
        QFETCH(QString, ailment);
        QFETCH(QString, panel);
        QFETCH(QStringList, shown);
        const bool byRaga = option == QLatin1String("optSearchByRaga");
        if (option.isEmpty()) {
            ShowLookupResult(Lookup(SearchMode::ByRaga, raga.toStdString(), ailment.toStdString()));
        } else {
            QWidget *main = reach("main");
            choose(main, byRaga ? "cmbAilment" : "cmbRaga", byRaga ? ailment : raga);
            perform(main, "click:" + option);
            perform(main, "click:cmdProceed");
            // The name stage: the list of the mode, its caption, and the keyboard with it.
            QVERIFY(inFront(control(main, "fraChoose")));
            QCOMPARE(captionOf(main, "lblRagaCaption"), byRaga ? "Choose one of the following ragas"
                                                                : "Choose one of the following ailments");
            QCOMPARE(QApplication::focusWidget(), control(main, byRaga ? "cmbRaga" : "cmbAilment"));
            QVERIFY(!control(main, byRaga ? "cmbAilment" : "cmbRaga")->isVisible());
            choose(main, byRaga ? "cmbRaga" : "cmbAilment", byRaga ? raga : ailment);
            perform(main, "click:cmbGetResult");
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

    void waysOut_data() {
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
    void waysOut() {
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

    void links_data() {
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
        QTest::newRow("farewell: check box by a screen reader's Toggle") << "farewell" << "reader:Check1" << http(MainSiteHost);
    }
    void links() {
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

    void everyTextAsWritten_data() {
        // SHA-256 of every text of the window in the order its controls are made, each closed by
        // a line break (the main site at forum.lantern.example): the captions and menus as
        // described, with their access keys, odd capitals and the About text's double space.
        QTest::addColumn<QString>("start");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("main") << "main" << QByteArray("7ed085d14374d171084247b6ec83842b9e0637791a7c5fe733d719ebb2148c35");
        QTest::newRow("result, Yaman and Cough") << "result" << QByteArray("b6bd54ceab0a9281b547db991c2042962a56505213c1177b15ab7b5df3222b1e");
        QTest::newRow("About") << "about" << QByteArray("7b27ccea759b4311e9dcf47630fc98068fcded081618995b90ce766268cf5dbe");
        QTest::newRow("farewell, its appeal left out") << "farewell" << QByteArray("957582c8deab007ae397bc80f098b7bedcb291e40426993c3b344de424651c7f");
    }
    void everyTextAsWritten() {
        QFETCH(QString, start);
        QFETCH(QByteArray, digest);
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
            shown.removeAt(2); // the appeal is drawn at random, and has a test of its own
        QString all = shown.join(QLatin1Char('\n')) + QLatin1Char('\n');
        all.replace(QLatin1String(MainSiteHost), QLatin1String("forum.lantern.example"));
        const QByteArray hash = QCryptographicHash::hash(all.toUtf8(), QCryptographicHash::Sha256).toHex();
        QVERIFY2(hash == digest, qPrintable(all));
    }

    void coBrandRandomize_data() {
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
    void coBrandRandomize() {
        QFETCH(QList<double>, draws);
        QFETCH(bool, fullBrandInFront);
        RandomDraw::replaceSource([draws, next = 0]() mutable { return draws.at(next++); });
        frmMain &main = static_cast<frmMain &>(*reach("main"));
        QVERIFY(inFront(main.lblCobrand));
        for (int i = 0; i < draws.size(); ++i)
            main.CoBrand_Randomize();
        QVERIFY(inFront(fullBrandInFront ? static_cast<QWidget *>(main.lblFullBrand) : main.lblCobrand));
    }

    void wholeLookupWithTheKeyboardAlone() {
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

    void reminder_data() {
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
    void reminder() {
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

    void startUpAsksFirstAndPicksAnOfferOnce() {
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

    void appealDrawnOnceAtLoad_data() {
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

    void appealDrawnOnceAtLoad() {
        QFETCH(double, draw);
        QFETCH(QString, appeal);
        int draws = 0;
        RandomDraw::replaceSource([&] { ++draws; return draw; });
        Form::get<frmFarewell>().hide(); // the first hide is what loads it
        Form::get<frmFarewell>().showModeless();
        QCOMPARE(static_cast<QLabel *>(box("Label2"))->text(), appeal);
        QCOMPARE(draws, 1);
    }

    void opensOnTopWithExitFocused() {
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

    void placeholdersEmptyAndComeBack_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("name") << QByteArray("txtName") << "Your Name";
        QTest::newRow("email") << QByteArray("txtEmail") << "Your Email Address";
        QTest::newRow("friend's name") << QByteArray("txtFriendName") << "Friend's Name";
        QTest::newRow("friend's email") << QByteArray("txtFriendEmail") << "Friend's Email Address";
        QTest::newRow("message: its line break keeps it") << QByteArray("txtMessage") << "Your Message\n";
    }

    void placeholdersEmptyAndComeBack() {
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

    void addressBoxesRefuseSpaces_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left"); // what the box holds afterwards
        QTest::addColumn<QString>("message");
        const QString noSpace = QStringLiteral("Email Address Cannot Contain Space");
        QTest::newRow("email: typed space refused") << QByteArray("txtEmail") << false << "asha k" << "ashak" << noSpace;
        QTest::newRow("friend's email: typed space refused") << QByteArray("txtFriendEmail") << false << "r@b. in" << "r@b.in" << noSpace;
        QTest::newRow("name: a space is welcome") << QByteArray("txtName") << false << "Asha K" << "Asha K" << QString();
        QTest::newRow("email: a pasted space refused") << QByteArray("txtEmail") << true << "a@b.in " << "" << QString();
        QTest::newRow("friend's email: a pasted line break refused") << QByteArray("txtFriendEmail") << true << "r@b.in\n" << "" << QString();
        QTest::newRow("email: a pasted tab or control character refused") << QByteArray("txtEmail") << true << "a\t\u0001@b.in" << "" << QString();
        QTest::newRow("email: a pasted address is welcome") << QByteArray("txtEmail") << true << "a@b.in" << "a@b.in" << QString();
    }

    void addressBoxesRefuseSpaces() {
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

    void referral_data() {
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

    void referral() {
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

    void requestNamesTheFirstMissingValue() {
        // Unreachable from the form, whose address checks come first; the request checks on its own.
        const QStringList messages{"Please Enter Your Name", "Please Enter Your Email", "Please Enter Your Message",
                                   "Please Enter Your Friend's Name", "Please Enter Your Friend's Email"};
        const QStringList placeholders{"Your Name", "Your Email Address", "Your Message", "Friend's Name", "  "};
        BrowserStub browser;
        for (int missing = 0; missing < 5; ++missing) {
            QStringList values{"Asha", "a@b.in", "Hello", "Ravi", "r@b.in"};
            values[missing] = placeholders.at(missing);
            QCOMPARE(TellAFriend({values[0], values[1], values[2], values[3], values[4]}), messages.at(missing));
        }
        QCOMPARE(TellAFriend({}), messages.at(0));
        QCOMPARE(browser.opened, QStringList());
    }

    void pastedFloodsAreCut() {
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

TUNEWELL_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
