// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The program's windows driven as a user would, with clicks, keys, menus and a screen reader's
// actions: start-up with its update reminder, a lookup and its result, the links, the
// refer-a-friend form, and the ways out.
#include "BrowserStub.h"
#include "Controls.h"
#include "Form.h"
#include "LinkHosts.h"
#include "Lookup.h"
#include "RandomDraw.h"
#include "ShowLookupResult.h"
#include "StartApplication.h"
#include "UpdateReminder.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"
#include "modTellAFriend.h"

#include <QTest>
#include <QtWidgets>

#include <memory>
#include <tuple>

namespace {

template <typename T = QWidget>
T *control(const QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// What a user does, as a table row names it: "close" (the close box), "click:NAME" (a button,
// check box, link caption or menu item), "reader:NAME" (a screen reader's action on it), or to
// the focused control "key:SEQUENCE", "type:TEXT" (key by key) and "paste:TEXT".
void perform(QWidget *window, const QString &gesture)
{
    const QString verb = gesture.section(QLatin1Char(':'), 0, 0),
                  name = gesture.section(QLatin1Char(':'), 1);
    QWidget *target = window->findChild<QWidget *>(name), *focus = QApplication::focusWidget();
    if (!focus || focus->window() != window)
        focus = window;
    if (verb == QLatin1String("close")) {
        window->close();
    } else if (verb == QLatin1String("key")) {
        const QKeyCombination key = QKeySequence::fromString(name)[0];
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    } else if (verb == QLatin1String("type")) {
        QTest::keyClicks(focus, name);
    } else if (verb == QLatin1String("paste")) {
        QApplication::clipboard()->setText(name);
        QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    } else if (QAction *item = window->findChild<QAction *>(name)) {
        item->trigger();
    } else if (!target) {
        QFAIL(qPrintable("nothing to " + gesture));
    } else if (verb == QLatin1String("reader")) {
        QAccessibleActionInterface *actions =
            QAccessible::queryAccessibleInterface(target)->actionInterface();
        actions->doAction(actions->actionNames().constFirst());
    } else {
        // Near the left edge: an option button or check box answers on its box and caption only.
        const bool box = qobject_cast<QAbstractButton *>(target);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          box ? QPoint(8, target->height() / 2) : target->rect().center());
    }
}

// What a modal window showed: its name, and for a message box "title (icon, buttons): text".
// Nothing shown, or left open by the answer: nothing proved.
struct ModalSeen {
    bool shown = false, closedByAnswer = false;
    QString window, said;
    QTimer watch; // looks for the modal window until it comes, for as long as this lives
};

// Answers the next modal window to come up with `gesture`; one left open is closed, so a failing
// test fails rather than hangs.
[[nodiscard]] std::shared_ptr<ModalSeen> inNextModal(const QString &gesture)
{
    auto seen = std::make_shared<ModalSeen>();
    // The watch dies with what it fills in: a bare pointer to it is safe.
    QObject::connect(&seen->watch, &QTimer::timeout, [seen = seen.get(), gesture] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || seen->shown)
            return;
        seen->shown = true;
        seen->window = modal->objectName();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons.append(
                    QLatin1String(QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKey(
                        box->standardButton(button))));
            seen->said = QStringLiteral("%1 (%2, %3): %4")
                             .arg(box->windowTitle(),
                                  QLatin1String(QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(
                                      box->icon())),
                                  buttons.join('|'), box->text());
        }
        activate(modal);
        perform(modal, gesture);
        // An access key presses its button the way a click animates it, a moment later; an
        // unloaded window is deleted meanwhile.
        const QPointer<QWidget> answered(modal);
        seen->closedByAnswer =
            QTest::qWaitFor([&] { return !answered || !answered->isVisible(); }, 500);
        if (!seen->closedByAnswer)
            modal->close();
    });
    seen->watch.start(0);
    return seen;
}

// Brings the program where a user gets to: "main", "result" (Cough looked up by ailment, Yaman
// chosen in the raga list), "farewell" (the main window closed) or "farewell over hidden main"
// (the result window closed); the window there, active.
QWidget *reach(const QString &place)
{
    Form *window = &Form::get<frmMain>();
    window->showModeless();
    if (place == QLatin1String("result") || place == QLatin1String("farewell over hidden main")) {
        control<QComboBox>(window, "cmbRaga")->setCurrentText(QStringLiteral("Yaman"));
        control<QComboBox>(window, "cmbAilment")->setCurrentText(QStringLiteral("Cough"));
        for (const char *gesture :
             {"click:optSearchByAilment", "click:cmdProceed", "click:cmbGetResult"})
            perform(window, QLatin1String(gesture));
        window = &Form::get<frmDisplay>();
    }
    if (place.startsWith(QLatin1String("farewell"))) {
        window->close();
        window = &Form::get<frmFarewell>();
    }
    activate(window);
    return window;
}

// The program's windows by name, sorted: those on screen, or those loaded.
template <typename Windows>
QStringList namesOf(const Windows &windows, bool shownOnly)
{
    QStringList names;
    for (const QWidget *window : windows) {
        if (!shownOnly || window->isVisible())
            names.append(window->objectName());
    }
    names.sort();
    return names;
}
QStringList shownWindows()
{
    return namesOf(QApplication::topLevelWidgets(), true);
}
QStringList loadedWindows()
{
    return namesOf(Form::loadedForms(), false);
}

// The widget drawn at the centre of `area`'s rectangle in its parent: what the user sees there.
bool inFront(const QWidget *area)
{
    const QWidget *seen = area->parentWidget()->childAt(area->geometry().center());
    return seen && (seen == area || area->isAncestorOf(seen));
}

QString http(const char *host, const char *path = "")
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

// Every text a window shows, in the order its controls were made: captions, button texts and
// menus with their access keys ("-" a separator), frame titles, list entries, and in brackets
// the names screen readers say.
QStringList textsOf(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (const QObject *object : window->findChildren<QObject *>()) {
        if (auto *frame = qobject_cast<const QGroupBox *>(object))
            texts.append(frame->title());
        else if (auto *item = qobject_cast<const QAction *>(object))
            texts.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        else if (qobject_cast<const QLabel *>(object)
                 || qobject_cast<const QAbstractButton *>(object))
            texts.append(object->property("text").toString());
        else if (auto *list = qobject_cast<const QComboBox *>(object))
            for (int entry = 0; entry < list->count(); ++entry)
                texts.append(list->itemText(entry));
        if (auto *widget = qobject_cast<const QWidget *>(object);
            widget && !widget->accessibleName().isEmpty())
            texts.append(QStringLiteral("(") + widget->accessibleName() + QLatin1Char(')'));
    }
    texts.removeAll(QString());
    return texts;
}

// What a text box of the farewell window holds; the message box's line breaks as Qt keeps them.
QString textIn(const QWidget *box)
{
    return box->property(box->inherits("QLineEdit") ? "text" : "plainText").toString();
}

const QString reminderKey = QStringLiteral("Settings/Duration");

} // namespace

// A user's gesture where the program has been brought, and what must follow: the windows on
// screen and loaded (by name, sorted) and the addresses the browser got.
struct Gesture {
    QString start, gesture;
    QStringList shown, loaded, opened;
};
Q_DECLARE_METATYPE(Gesture)

// A user's steps in the farewell window (see perform(), or "set:TEXT" for what the program
// itself may write into the box), what the box holds afterwards, and the message on the way.
struct Typing {
    QString box;
    QStringList steps;
    QString left, message;
};
Q_DECLARE_METATYPE(Typing)

// The date stored before (empty for none), today, the answer to the question (empty: none may
// come), the date stored after, and the addresses the browser got.
struct Reminder {
    QString before;
    QDateTime today;
    QString answer, after;
    QStringList opened;
};
Q_DECLARE_METATYPE(Reminder)

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        RandomDraw::replaceSource({});
        // The program ends its own way, inside an event loop, and leaves no window behind.
        QTimer::singleShot(0, &EndApplication);
        QCOMPARE(QApplication::exec(), 0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loadedWindows(), QStringList());
        QCOMPARE(shownWindows(), QStringList());
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("option"); // empty: a lookup of names straight from the code
        QTest::addColumn<QString>("raga");
        QTest::addColumn<QString>("ailment");
        QTest::addColumn<QStringList>("shown"); // panel in front; chosen raga, its time, its
                                                // ailments; chosen ailment, its ragas
        QTest::newRow("by raga: Asavari's time keeps its trailing space")
            << "optSearchByRaga"
            << "Asavari"
            << "All types of General illness" << QStringList{"fraRagaResult",
                                                             "Asavari",
                                                             "Morning ",
                                                             "Builds Confidence",
                                                             "All types of General illness",
                                                             "Mohana "};
        QTest::newRow("by raga: Kedar's three lines, the ailment list's choice behind")
            << "optSearchByRaga"
            << "Kedar"
            << "Sleep disorders"
            << QStringList{"fraRagaResult",   "Kedar",
                           "Night",           "1)Headache\n2)Common Cold\n3)Cough,Asthma",
                           "Sleep disorders", "1)Kafi\n2)Khamaj\n3)Neelambari"};
        QTest::newRow("by ailment: six lines, the raga list's choice behind")
            << "optSearchByAilment"
            << "Yaman"
            << "Rheumatic Arthritis"
            << QStringList{"fraAilmentResult",
                           "Yaman",
                           "Evening",
                           "Rheumatic Arthritis",
                           "Rheumatic Arthritis",
                           "1)Ahir Bhairav\n2)Bhairavi\n3)Gunakali\n4)Hindol\n5)Jaijawanti Nat "
                           "Bhairav\n6)Yaman"};
        // Names no list holds: a half not found leaves its captions as built.
        QTest::newRow("other case: not found")
            << ""
            << "yaman"
            << "Cough"
            << QStringList{
                   "fraRagaResult", "Label2", "lblTimeOfPerformanceRaga",
                   "Label2",        "Cough",  "1)Gujari Todi\n2)Kedar\n3)Shree\n4)Shyam Kalyan"};
        QTest::newRow("a raga's text is no ailment; spaces belong to a name")
            << ""
            << "Puriya Dhanashri"
            << "Sleeping Disorder" << QStringList{"fraRagaResult", "Puriya Dhanashri", "Evening",
                                                  "Anaemia",       "Label2",           "Label2"};
    }
    void lookups()
    {
        QFETCH(QString, option);
        QFETCH(QString, raga);
        QFETCH(QString, ailment);
        QFETCH(QStringList, shown);
        if (option.isEmpty()) {
            ShowLookupResult(Lookup(SearchMode::ByRaga, raga.toStdString(), ailment.toStdString()));
        } else {
            QWidget *main = reach("main");
            control<QComboBox>(main, "cmbRaga")->setCurrentText(raga);
            control<QComboBox>(main, "cmbAilment")->setCurrentText(ailment);
            for (const QString &gesture : {"click:" + option, QStringLiteral("click:cmdProceed")})
                perform(main, gesture);
            // The name stage: the list of the mode, with the keyboard, and its caption.
            const bool byRaga = option == QLatin1String("optSearchByRaga");
            QCOMPARE(QApplication::focusWidget(), control(main, byRaga ? "cmbRaga" : "cmbAilment"));
            QVERIFY(inFront(control(main, "fraChoose"))
                    && !control(main, byRaga ? "cmbAilment" : "cmbRaga")->isVisible());
            QCOMPARE(control<QLabel>(main, "lblRagaCaption")->text(),
                     QString(byRaga ? "Choose one of the following ragas"
                                    : "Choose one of the following ailments"));
            perform(main, "click:cmbGetResult");
        }
        frmDisplay &display = Form::get<frmDisplay>();
        QCOMPARE(shownWindows(), QStringList{"frmDisplay"});
        QVERIFY(inFront(control(&display, shown.takeFirst().toLatin1())));
        QCOMPARE(
            (QStringList{display.lblChoosenRaga->text(), display.lblTimeOfPerformanceRaga->text(),
                         display.lblDiseaseItHelpCure->text(), display.lblChoosenAilment->text(),
                         display.lblRagaItHelpCure->text()}),
            shown);
        QCOMPARE(display.lblRagaItHelpCure->size(), QSize(328, 96)); // six lines fill the box
        // A trailing space widens the time caption rather than being cut off.
        QVERIFY(display.lblTimeOfPerformanceRaga->width()
                >= display.lblTimeOfPerformanceRaga->sizeHint().width());
    }

    void gestures_data()
    {
        QTest::addColumn<Gesture>("row");
        const QStringList farewell{"frmFarewell"}, main{"frmMain"}, both{"frmFarewell", "frmMain"},
            none;
        const auto row = [](const char *name, const Gesture &gesture) {
            QTest::newRow(name) << gesture;
        };
        // The ways out.
        row("main: close box brings up the farewell", {"main", "close", farewell, farewell});
        row("main: Alt+X presses the hidden Exit", {"main", "key:Alt+X", farewell, farewell});
        row("main: File > Exit", {"main", "click:mnuExit", farewell, farewell});
        row("result: close box, main stays loaded and hidden", {"result", "close", farewell, both});
        row("result: File > Exit", {"result", "click:mnuExit", farewell, both});
        row("result: Back returns without the farewell", {"result", "click:cmdBack", main, both});
        row("result: Enter presses the focused Back", {"result", "key:Return", main, both});
        row("result: Alt+B", {"result", "key:Alt+B", main, both});
        row("result: File > Back", {"result", "click:mnuBack", main, both});
        row("About: Enter presses OK", {"about", "key:Return", main, main});
        row("About: Esc presses OK", {"about", "key:Esc", main, main});
        row("About: Alt+O", {"about", "key:Alt+O", main, main});
        row("About: close box", {"about", "close", main, main});
        row("farewell: Exit ends the program", {"farewell", "click:cmdClose", none, none});
        row("farewell: Alt+X", {"farewell", "key:Alt+X", none, none});
        row("farewell: close box, main loaded and hidden",
            {"farewell over hidden main", "close", none, none});
        // The links: the page opens, the window stays as it was.
        const QStringList result{"frmDisplay", "frmFarewell", "frmMain"};
        for (const auto &[start, shown, loaded] :
             {std::tuple{"main", main, main}, {"result", QStringList{"frmDisplay"}, result}}) {
            const auto link = [&](const char *gesture, const QString &address) {
                QTest::addRow("%s: %s", start, gesture)
                    << Gesture{start, gesture, shown, loaded, QStringList{address}};
            };
            link("click:mnuOnline", http(ProductSiteHost, "/tunewell-help.html"));
            link("click:mnuVisit", http(MainSiteHost));
            link("click:mnuUpdate", http(ProductSiteHost, "/download-tunewell.html"));
            link("click:mnuDonate", http(HelpSiteHost, "/donate.html"));
            link("click:Label61", http(MainSiteHost));
            link("reader:Label61", http(MainSiteHost));
            link("click:lblCobrand", http(HelpSiteHost, "/co-brand.html"));
            link("click:lblFullBrand", http(HelpSiteHost, "/fully-branded.html"));
            QTest::addRow("%s: Make Money switched off for good", start)
                << Gesture{start, "click:mnumakemoney", shown, loaded};
        }
        row("About: the home page, About stays",
            {"about", "click:lblHomePage", main, main, {http(MainSiteHost)}});
        row("About: the offer under the business text",
            {"about", "click:lblCobrand", main, main, {http(HelpSiteHost, "/fully-branded.html")}});
        row("farewell: other software", {"farewell",
                                         "click:lblGoToHome",
                                         farewell,
                                         farewell,
                                         {http(MainSiteHost, "/lanternsoftwares")}});
        row("farewell: check box clicked",
            {"farewell", "click:Check1", farewell, farewell, {http(MainSiteHost)}});
        row("farewell: check box by a screen reader's Toggle",
            {"farewell", "reader:Check1", farewell, farewell, {http(MainSiteHost)}});
    }
    void gestures()
    {
        QFETCH(Gesture, row);
        BrowserStub browser;
        if (row.start == QLatin1String("about")) {
            QWidget *opener = reach("main");
            const auto seen = inNextModal(row.gesture);
            perform(opener, "click:mnuAbout");
            QCOMPARE(seen->window, QStringLiteral("frmAbout"));
            QVERIFY2(seen->closedByAnswer == row.opened.isEmpty(),
                     "a way out closes About, a link leaves it up");
        } else {
            perform(reach(row.start), row.gesture);
        }
        if (row.gesture.startsWith(QLatin1String("key:Alt+")))
            QTRY_COMPARE(shownWindows(), row.shown); // an access key clicks a moment later
        else
            QCOMPARE(shownWindows(), row.shown); // at once, not when a window is deleted later
        QCOMPARE(loadedWindows(), row.loaded);
        QCOMPARE(browser.opened, row.opened);
        if (row.gesture.endsWith(QLatin1String(":Check1")))
            QVERIFY2(!control<QAbstractButton>(&Form::get<frmFarewell>(), "Check1")->isChecked(),
                     "it never stays checked");
        if (row.start == QLatin1String("result") && row.shown == QStringList{"frmMain"}) {
            // Back finds the first stage, with the search and both choices as they were left.
            QWidget *main = &Form::get<frmMain>();
            QVERIFY(inFront(control(main, "fraSearch"))
                    && control<QRadioButton>(main, "optSearchByAilment")->isChecked());
            QCOMPARE(control<QComboBox>(main, "cmbRaga")->currentText() + '/'
                         + control<QComboBox>(main, "cmbAilment")->currentText(),
                     QStringLiteral("Yaman/Cough"));
            QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("optSearchByAilment"));
        }
    }

    void everyTextAsWritten_data()
    {
        // SHA-256 of every text of the window (see textsOf()), each closed by a line break: the
        // captions and menus as described, with their access keys, odd capitals and the About
        // text's double space, and the farewell window's appeal as the draw picks it.
        QTest::addColumn<QString>("start");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("main")
            << "main" << 0.0
            << QByteArray("b56b2325bdefce8a89668c8831b50186a95ba4a67327d770b48944b69797dda7");
        QTest::newRow("result, Yaman and Cough")
            << "result" << 0.0
            << QByteArray("1be68331bd0a4b88c6b71e09c328a4d4719e16c8c1473132a46e929c2582c547");
        QTest::newRow("About")
            << "about" << 0.0
            << QByteArray("7b27ccea759b4311e9dcf47630fc98068fcded081618995b90ce766268cf5dbe");
        QTest::newRow("farewell, 0 draws the first appeal")
            << "farewell" << 0.0
            << QByteArray("0967ed9e97d2bf294d034d12e28c32a08bb9d33c3434535e2f48715982dc1c3f");
        QTest::newRow("farewell, 0.25 the second")
            << "farewell" << 0.25
            << QByteArray("6f70e97f7900e9dcac1ceefdfe93f0940acd77f31237532d11fd926f6071fe39");
        QTest::newRow("farewell, 0.74 the third")
            << "farewell" << 0.74
            << QByteArray("9952bf2183d9f4b84344bdce065fa34890a2d504ef78fa9712149b7cf7bcf903");
        QTest::newRow("farewell, 0.99 the fourth")
            << "farewell" << 0.99
            << QByteArray("4ec60ac43da1fcba964311620ff032515f2dd533a75c96e38ea23e8d80ab1755");
    }
    void everyTextAsWritten()
    {
        QFETCH(QString, start);
        QFETCH(double, draw);
        QFETCH(QByteArray, digest);
        RandomDraw::replaceSource([draw] { return draw; });
        const QWidget *window =
            start == QLatin1String("about") ? &Form::get<frmAbout>() : reach(start);
        QString all = textsOf(window).join(QLatin1Char('\n')) + QLatin1Char('\n');
        all.replace(QLatin1String(MainSiteHost), QLatin1String("forum.lantern.example"));
        QVERIFY2(QCryptographicHash::hash(all.toUtf8(), QCryptographicHash::Sha256).toHex()
                     == digest,
                 qPrintable(all));
    }

    void reminder_data()
    {
        QTest::addColumn<Reminder>("row");
        const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        const auto row = [](const char *name, const Reminder &reminder) {
            QTest::newRow(name) << reminder;
        };
        row("first start: recorded, nothing asked", {"", now, "", "2026-12-06T10:00:00"});
        row("14 days on: quiet, unchanged",
            {"2026-11-22T10:00:00", now, "", "2026-11-22T10:00:00"});
        row("15 days on, No: recorded anew",
            {"2026-11-21T10:00:00", now, "No", "2026-12-06T10:00:00"});
        row("15 days on, Yes: the download page, after recording",
            {"2026-11-21T10:00:00",
             now,
             "Yes",
             "2026-12-06T10:00:00",
             {http(ProductSiteHost, "/download-tunewell.html")}});
        row("23:59 to 00:01 fifteen calendar days later: asked",
            {"2026-11-01T23:59:00", QDateTime(QDate(2026, 11, 16), QTime(0, 1)), "No",
             "2026-11-16T00:01:00"});
        row("00:01 to 23:59 fourteen calendar days later: quiet",
            {"2026-11-01T00:01:00", QDateTime(QDate(2026, 11, 15), QTime(23, 59)), "",
             "2026-11-01T00:01:00"});
        row("clock set back 15 days: asked, today recorded",
            {"2026-12-21T10:00:00", now, "No", "2026-12-06T10:00:00"});
        row("clock set back 14 days: quiet",
            {"2026-12-20T10:00:00", now, "", "2026-12-20T10:00:00"});
        row("damaged value: a first start", {"12/31/2099 ??", now, "", "2026-12-06T10:00:00"});
    }
    void reminder()
    {
        QFETCH(Reminder, row);
        QSettings().setValue(reminderKey, row.before);
        BrowserStub browser;
        QString storedWhenOpened;
        browser.onOpen = [&] { storedWhenOpened = QSettings().value(reminderKey).toString(); };
        const auto seen = inNextModal("key:Alt+" + row.answer.left(1)); // Alt+Y or Alt+N
        UpdateReminder(row.today);
        QCOMPARE(seen->said,
                 row.answer.isEmpty()
                     ? QString()
                     : QStringLiteral(
                         "Tunewell (Information, Yes|No): There maybe an update "
                         "to this software available\nDo you want to check for an update?"));
        QCOMPARE(QSettings().value(reminderKey).toString(), row.after);
        QCOMPARE(browser.opened, row.opened);
        QCOMPARE(storedWhenOpened, row.opened.isEmpty() ? QString() : row.after);
    }

    void aSecondInstanceSaysSoAndEnds()
    {
        // Before any start of this test program has taken the lock: here another holds it.
        QLockFile first(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + '/'
                        + QCoreApplication::applicationName() + ".lock");
        QVERIFY(first.tryLock(0));
        QSettings().remove(reminderKey);
        const auto seen = inNextModal("key:Return");
        StartApplication();
        QCOMPARE(seen->said,
                 QStringLiteral("Tunewell (Information, Ok): Application is already running"));
        QCOMPARE(loadedWindows(), QStringList());
        QVERIFY2(!QSettings().contains(reminderKey), "the reminder was left alone");
    }

    void startUpAsksFirstThenPicksAnOffer_data()
    {
        QTest::addColumn<QList<double>>(
            "draws"); // at start-up, then for each new pick of the main window
        QTest::addColumn<bool>("fullBrandInFront");
        QTest::newRow("0 gives 1: co-brand") << QList<double>{0.0} << false;
        QTest::newRow("0.25 gives 2.5, halves to even 2") << QList<double>{0.25} << true;
        QTest::newRow("0.5 gives 4: full brand") << QList<double>{0.5} << true;
        QTest::newRow("0.75 gives 5.5, halves to even 6") << QList<double>{0.75} << true;
        QTest::newRow("0.95 gives 7: as built") << QList<double>{0.95} << false;
        QTest::newRow("7 changes nothing") << QList<double>{0.25, 0.95} << true;
    }
    void startUpAsksFirstThenPicksAnOffer()
    {
        QFETCH(QList<double>, draws);
        QFETCH(bool, fullBrandInFront);
        QSettings().setValue(reminderKey,
                             QDateTime::currentDateTime().addDays(-30).toString(Qt::ISODate));
        int drawn = 0;
        RandomDraw::replaceSource([&] { return draws.at(drawn++); });
        BrowserStub browser;
        QStringList shownWhenOpened{"?"};
        browser.onOpen = [&] { shownWhenOpened = shownWindows(); };
        const auto seen = inNextModal("key:Alt+Y");
        StartApplication();
        QCOMPARE(browser.opened.size(), 1);       // Yes to the question
        QCOMPARE(shownWhenOpened, QStringList()); // the page first, then the main window
        QCOMPARE(shownWindows(), QStringList{"frmMain"});
        QCOMPARE(drawn, 1);
        // The main window at the search stage, in the middle of the screen.
        frmMain &main = Form::get<frmMain>();
        QVERIFY(control<QRadioButton>(&main, "optSearchByRaga")->isChecked()
                && inFront(control(&main, "fraSearch")));
        QVERIFY((main.frameGeometry().center() - main.screen()->availableGeometry().center())
                    .manhattanLength()
                <= 4);
        for (qsizetype pick = 1; pick < draws.size(); ++pick)
            main.CoBrand_Randomize();
        QVERIFY(inFront(fullBrandInFront ? static_cast<QWidget *>(main.lblFullBrand)
                                         : main.lblCobrand));
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("focus"); // before each key, and after the last
        QTest::newRow("main: a whole lookup, Anorexia, by keys alone")
            << "main" << QStringList{"Down", "Tab", "Return", "Down", "Down", "Tab", "Return"}
            << QStringList{"optSearchByRaga", "optSearchByAilment", "cmdProceed",   "cmbAilment",
                           "cmbAilment",      "cmbAilment",         "cmbGetResult", "cmdBack"};
        QTest::newRow("farewell: Exit first, then the check box and the form")
            << "farewell" << QStringList(7, "Tab")
            << QStringList{"cmdClose", "Check1",         "txtName",       "cmdSubmit",
                           "txtEmail", "txtFriendEmail", "txtFriendName", "txtMessage"};
    }
    void keyboard()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, focus);
        reach(start);
        QStringList seen;
        for (const QString &key : keys + QStringList{QString()}) {
            QTRY_VERIFY(
                QApplication::focusWidget()); // a window just shown takes the focus a moment later
            seen.append(QApplication::focusWidget()->objectName());
            if (!key.isEmpty())
                perform(QApplication::activeWindow(), "key:" + key);
        }
        QCOMPARE(seen, focus);
        if (start == QLatin1String("main"))
            QCOMPARE(Form::get<frmDisplay>().lblChoosenAilment->text(), QStringLiteral("Anorexia"));
    }

    void typing_data()
    {
        QTest::addColumn<Typing>("row");
        const auto row = [](const char *name, const Typing &typing) {
            QTest::newRow(name) << typing;
        };
        const QString noSpace = QStringLiteral(
                          "Tunewell (Critical, Ok): Email Address Cannot Contain Space"),
                      flood(100000, QLatin1Char('x'));
        row("name: untouched, its placeholder", {"txtName", {}, "Your Name"});
        row("name: a click empties the placeholder", {"txtName", {"click:txtName"}, ""});
        row("email: spaces alone bring the placeholder back",
            {"txtEmail", {"click:txtEmail", "set:   ", "key:Tab"}, "Your Email Address"});
        row("friend's name: the placeholder amid spaces is emptied",
            {"txtFriendName", {"set:  Friend's Name ", "click:txtFriendName"}, ""});
        row("friend's email: what was typed stays",
            {"txtFriendEmail",
             {"click:txtFriendEmail", "type:r@b.in", "key:Tab", "click:txtFriendEmail"},
             "r@b.in"});
        row("message: its line break keeps it from being emptied",
            {"txtMessage", {"click:txtMessage"}, "Your Message\n"});
        row("message: blank, its bare placeholder is back",
            {"txtMessage", {"click:txtMessage", "set: ", "key:Tab"}, "Your Message"});
        row("name: a space is welcome", {"txtName", {"click:txtName", "type:Asha K"}, "Asha K"});
        row("email: a typed space refused and explained",
            {"txtEmail", {"click:txtEmail", "type:asha k"}, "ashak", noSpace});
        row("friend's email: the same",
            {"txtFriendEmail", {"click:txtFriendEmail", "type:r@b. in"}, "r@b.in", noSpace});
        row("email: a pasted address is welcome",
            {"txtEmail", {"click:txtEmail", "paste:a@b.in"}, "a@b.in"});
        row("email: a pasted space refused", {"txtEmail", {"click:txtEmail", "paste:a@b.in "}, ""});
        row("friend's email: a pasted line break refused",
            {"txtFriendEmail", {"click:txtFriendEmail", "paste:r@b.in\n"}, ""});
        row("email: a pasted control character refused",
            {"txtEmail", {"click:txtEmail", "paste:a\u0001@b.in"}, ""});
        row("name: a pasted flood is cut to 100",
            {"txtName", {"click:txtName", "paste:" + flood}, QString(100, QLatin1Char('x'))});
        row("email: cut to 254, the longest address", {"txtEmail",
                                                       {"click:txtEmail", "paste:a@b." + flood},
                                                       "a@b." + QString(250, QLatin1Char('x'))});
        row("message: cut to 500, never inside a pair",
            {"txtMessage",
             {"click:txtMessage", "set:", "paste:" + QStringLiteral("x🎵").repeated(10000)},
             QStringLiteral("x🎵").repeated(166) + 'x'});
    }
    void typing()
    {
        QFETCH(Typing, row);
        QWidget *window = reach("farewell");
        QWidget *box = control(window, row.box.toLatin1());
        const auto seen = inNextModal("key:Return");
        for (const QString &step : row.steps) {
            if (step.startsWith(QLatin1String("set:")))
                box->setProperty(box->inherits("QLineEdit") ? "text" : "plainText", step.mid(4));
            else
                perform(window, step);
        }
        QCOMPARE(textIn(box), row.left);
        QCOMPARE(seen->said, row.message);
        if (seen->shown)
            QCOMPARE(window->focusWidget(), box); // back where the user was typing
    }

    void referral_data()
    {
        QTest::addColumn<QStringList>(
            "typed"); // name, email, friend's name, friend's email, message; "-": untouched
        QTest::addColumn<QString>("outcome"); // the message shown, or the address sent
        const QString proper = QStringLiteral("Please Enter Proper Email Address"),
                      distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        const auto request = [](const char *values) {
            return "https://" + QLatin1String(MainSiteHost) + "/twls-refer-a-friend.php?" + values
                   + "&taf6=http%3A%2F%2F" + ProductSiteHost + "%2F";
        };
        QTest::newRow("untouched form: no @ in the placeholders")
            << QStringList{"-", "-", "-", "-", "-"} << proper;
        QTest::newRow("one address twice")
            << QStringList{"Asha", "a@b.in", "Ravi", "a@b.in", "-"} << distinct;
        QTest::newRow("one address twice, without @: distinct comes first")
            << QStringList{"Asha", "ab.in", "Ravi", "ab.in", "-"} << distinct;
        QTest::newRow("@ without a dot")
            << QStringList{"Asha", "a@bin", "Ravi", "r@b.in", "-"} << proper;
        QTest::newRow("dot without @")
            << QStringList{"Asha", "a@b.in", "Ravi", "r.b.in", "-"} << proper;
        QTest::newRow("name untouched")
            << QStringList{"-", "a@b.in", "Ravi", "r@b.in", "-"} << "Please Enter Your Name";
        QTest::newRow("name of spaces")
            << QStringList{"   ", "a@b.in", "Ravi", "r@b.in", "-"} << "Please Enter Your Name";
        QTest::newRow("message set back to its placeholder")
            << QStringList{"Asha", "a@b.in", "Ravi", "r@b.in", "Your Message"}
            << "Please Enter Your Message";
        QTest::newRow("friend's name untouched")
            << QStringList{"Asha", "a@b.in", "-", "r@b.in", "-"}
            << "Please Enter Your Friend's Name";
        QTest::newRow("sent: the untouched message with its line break, the other case distinct")
            << QStringList{"Asha", "a@b.in", "Ravi", "A@B.in", "-"}
            << request("taf1=Asha&taf2=a%40b.in&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=A%40B.in");
        QTest::newRow("sent: a dot before the @ will do, spaces trimmed off the name")
            << QStringList{"  Asha K ", "asha.k@mail", "Ravi", "r@b.in", "-"}
            << request("taf1=Asha%20K&taf2=asha.k%40mail&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5="
                       "r%40b.in");
        QTest::newRow("sent: &, =, + and # cannot add or change a key")
            << QStringList{"Tom & Jerry=1", "a@b.in", "Ravi+#x", "r@b.in", "hi&taf6=x"}
            << request("taf1=Tom%20%26%20Jerry%3D1&taf2=a%40b.in&taf3=hi%26taf6%3Dx&taf4=Ravi%2B%"
                       "23x&taf5=r%40b.in");
        QTest::newRow("sent: Devanagari as UTF-8")
            << QStringList{"आशा", "a@b.in", "Ravi", "r@b.in", "-"}
            << request("taf1=%E0%A4%86%E0%A4%B6%E0%A4%BE&taf2=a%40b.in&taf3=Your%20Message%0D%0A&"
                       "taf4=Ravi&taf5=r%40b.in");
    }
    void referral()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, outcome);
        BrowserStub browser;
        QWidget *window = reach("farewell");
        const char *boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                               "txtMessage"};
        for (int i = 0; i < 5; ++i) {
            if (typed.at(i) != QLatin1String("-")) {
                for (const QString &gesture :
                     {"click:" + QLatin1String(boxes[i]), QStringLiteral("key:Ctrl+A"),
                      "paste:" + typed.at(i)})
                    perform(window, gesture);
            }
        }
        const bool sent = outcome.startsWith(QLatin1String("http"));
        for (int submit = 0; submit < 2; ++submit) { // nothing stops a second request
            const auto seen = inNextModal("key:Return");
            perform(window, "click:cmdSubmit");
            QCOMPARE(seen->said, sent ? QString() : "Tunewell (Critical, Ok): " + outcome);
        }
        QCOMPARE(browser.opened, sent ? QStringList(2, outcome) : QStringList());
        QCOMPARE(shownWindows(), QStringList{"frmFarewell"});
        if (sent)
            QCOMPARE(textIn(control(window, "txtName")),
                     typed.at(0)); // the form keeps what was typed
    }

    void requestNamesTheFirstMissingValue()
    {
        // Unreachable from the form, whose address checks come first: the request checks on its
        // own, in this order, with every value after the first missing one missing too.
        const QStringList messages{"Please Enter Your Name", "Please Enter Your Email",
                                   "Please Enter Your Message", "Please Enter Your Friend's Name",
                                   "Please Enter Your Friend's Email"};
        const QStringList filled{"Asha", "a@b.in", "Hello", "Ravi", "r@b.in"};
        QStringList values{"Your Name", "Your Email Address", "Your Message", "Friend's Name",
                           "  "};
        BrowserStub browser;
        for (int missing = 0; missing < 5; ++missing) {
            QCOMPARE(TellAFriend({values[0], values[1], values[2], values[3], values[4]}),
                     messages.at(missing));
            values[missing] = filled.at(missing);
        }
        QCOMPARE(browser.opened, QStringList());
    }
};

int main(int argc, char *argv[])
{
    // A home of its own (settings, lock) and Qt's offscreen platform: the user's files and
    // screen are never touched.
    static QTemporaryDir home; // outlives the lock, which is let go after main()
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME"}) {
        QDir(home.path())
            .mkdir(QLatin1String(variable),
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(variable, home.filePath(QLatin1String(variable)).toLocal8Bit());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    WindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windows.moc"
