// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The program's windows driven as a user would, with clicks, keys, menus and a screen reader's
// actions: start-up with its update reminder, a lookup and its result, the links, the
// refer-a-friend form, and the ways out.
#include "BrowserStub.h"
#include "Controls.h"
#include "EndApplication.h"
#include "Form.h"
#include "LinkHosts.h"
#include "Lookup.h"
#include "RandomDraw.h"
#include "ShowLookupResult.h"
#include "StartApplication.h"
#include "UpdateReminder.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"
#include "modTellAFriend.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLockFile>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
// check box, link caption or menu item; a message box's button by its text), "key:SEQUENCE"
// (to the focused control), "space:NAME", or "reader:NAME" (a screen reader's action on it).
void perform(QWidget *window, const QString &gesture)
{
    const QString verb = gesture.section(QLatin1Char(':'), 0, 0), name = gesture.section(QLatin1Char(':'), 1);
    QWidget *target = window->findChild<QWidget *>(name);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!target && button->text().remove(QLatin1Char('&')) == name)
            target = button;
    }
    if (verb == QLatin1String("close")) {
        window->close();
    } else if (verb == QLatin1String("key")) {
        const QKeyCombination key = QKeySequence::fromString(name)[0];
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == window ? focus : window, key.key(), key.keyboardModifiers());
    } else if (QAction *item = window->findChild<QAction *>(name)) {
        item->trigger();
    } else if (!target) {
        QFAIL(qPrintable("nothing to " + gesture));
    } else if (verb == QLatin1String("space")) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Space);
    } else if (verb == QLatin1String("reader")) {
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(target)->actionInterface();
        actions->doAction(actions->actionNames().constFirst());
    } else {
        // Near the left edge: an option button or check box answers on its box and caption only.
        const bool box = qobject_cast<QAbstractButton *>(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, box ? QPoint(8, target->height() / 2) : target->rect().center());
    }
}

// What a modal window showed. Nothing shown, or left open by the answer: nothing proved.
struct ModalSeen {
    bool shown = false, closedByAnswer = false;
    QString window, title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer watch; // looks for the modal window until it comes, for as long as this lives
};

// Answers the next modal window to come up with `gesture`, after `also` has looked at it; one
// left open is closed, so a failing test fails rather than hangs.
[[nodiscard]] std::shared_ptr<ModalSeen> inNextModal(const QString &gesture, std::function<void(QWidget *)> also = {})
{
    auto seen = std::make_shared<ModalSeen>();
    QObject::connect(&seen->watch, &QTimer::timeout, [watcher = std::weak_ptr(seen), gesture, also] {
        QWidget *modal = QApplication::activeModalWidget();
        const std::shared_ptr<ModalSeen> seen = watcher.lock();
        if (!modal || !seen || seen->shown)
            return;
        seen->shown = true;
        seen->window = modal->objectName();
        seen->title = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen->text = box->text();
            seen->icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                seen->buttons |= box->standardButton(button);
        }
        if (also)
            also(modal);
        activate(modal);
        perform(modal, gesture);
        // An access key presses its button the way a click animates it, a moment later; an
        // unloaded window is deleted meanwhile. Anything else takes the window off at once.
        const QPointer<QWidget> answered(modal);
        seen->closedByAnswer = gesture.startsWith(QLatin1String("key:Alt+"))
                                   ? QTest::qWaitFor([&] { return !answered || !answered->isVisible(); }, 500)
                                   : !modal->isVisible();
        if (!seen->closedByAnswer)
            modal->close();
    });
    seen->watch.start(0);
    return seen;
}

void choose(QWidget *window, const char *list, const QString &name)
{
    auto *combo = control<QComboBox>(window, list);
    const int index = combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(name));
    combo->setCurrentIndex(index);
}

// Brings the program where a user gets to: "main", "result" (Cough looked up by ailment, Yaman
// chosen in the raga list), "farewell" (the main window closed) or "farewell over hidden main"
// (the result window closed); the window there, active.
QWidget *reach(const QString &place)
{
    Form *window = &Form::get<frmMain>();
    window->showModeless();
    if (place == QLatin1String("result") || place == QLatin1String("farewell over hidden main")) {
        activate(window);
        choose(window, "cmbRaga", QStringLiteral("Yaman"));
        for (const char *gesture : {"click:optSearchByAilment", "click:cmdProceed"})
            perform(window, QLatin1String(gesture));
        choose(window, "cmbAilment", QStringLiteral("Cough"));
        perform(window, QStringLiteral("click:cmbGetResult"));
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
QStringList shownWindows() { return namesOf(QApplication::topLevelWidgets(), true); }
QStringList loadedWindows() { return namesOf(Form::loadedForms(), false); }

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
        else if (qobject_cast<const QLabel *>(object) || qobject_cast<const QAbstractButton *>(object))
            texts.append(object->property("text").toString());
        else if (auto *list = qobject_cast<const QComboBox *>(object))
            for (int entry = 0; entry < list->count(); ++entry)
                texts.append(list->itemText(entry));
        if (auto *widget = qobject_cast<const QWidget *>(object); widget && !widget->accessibleName().isEmpty())
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

// Steps into one text box of the farewell window ("click", "type:TEXT", "paste:TEXT",
// "set:TEXT" as the program would, "leave" for the Exit button), what it holds afterwards,
// and the message shown on the way.
struct Typing {
    QString box;
    QStringList steps;
    QString left, message;
};
Q_DECLARE_METATYPE(Typing)

struct Reminder {
    QString before; // the stored date, empty for none
    QDateTime today;
    QString answer; // empty: no question may come
    QString after;
    QStringList opened;
};
Q_DECLARE_METATYPE(Reminder)

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() {
        RandomDraw::replaceSource({});
        // The program ends its own way, inside an event loop, and leaves no window behind.
        QTimer::singleShot(0, &EndApplication);
        QCOMPARE(QApplication::exec(), 0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loadedWindows(), QStringList());
        QCOMPARE(shownWindows(), QStringList());
    }

    void mainWindowStartsAtTheModeStage() {
        QWidget *main = reach("main");
        QVERIFY(control<QRadioButton>(main, "optSearchByRaga")->isChecked() && inFront(control(main, "fraSearch")));
        QCOMPARE(static_cast<QMainWindow *>(main)->centralWidget()->size(), QSize(450, 321));
        QVERIFY(control(main, "cmdExit")->y() >= 321); // below the client area: never seen
        const QPoint offCentre = main->frameGeometry().center() - main->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, "the window opens in the middle of the screen");
    }

    void lookups_data() {
        QTest::addColumn<QString>("option"); // empty: the lookup of a name that no list holds
        QTest::addColumn<QString>("raga");
        QTest::addColumn<QString>("ailment");
        QTest::addColumn<QStringList>("shown"); // panel in front; chosen raga, its time, its ailments; chosen ailment, its ragas
        QTest::newRow("by raga: Asavari's time keeps its trailing space") << "optSearchByRaga" << "Asavari"
            << "All types of General illness" << QStringList{"fraRagaResult", "Asavari", "Morning ", "Builds Confidence",
                                                             "All types of General illness", "Mohana "};
        QTest::newRow("by raga: Kedar's three lines, the ailment list's choice behind") << "optSearchByRaga" << "Kedar"
            << "Sleep disorders" << QStringList{"fraRagaResult", "Kedar", "Night", "1)Headache\n2)Common Cold\n3)Cough,Asthma",
                                                "Sleep disorders", "1)Kafi\n2)Khamaj\n3)Neelambari"};
        QTest::newRow("by ailment: six lines, the raga list's choice behind") << "optSearchByAilment" << "Yaman"
            << "Rheumatic Arthritis" << QStringList{"fraAilmentResult", "Yaman", "Evening", "Rheumatic Arthritis", "Rheumatic Arthritis",
                                                    "1)Ahir Bhairav\n2)Bhairavi\n3)Gunakali\n4)Hindol\n5)Jaijawanti Nat Bhairav\n6)Yaman"};
        QTest::newRow("a name not found leaves its half as built") << "" << "yaman" << "Cough" << QStringList{"fraRagaResult",
            "Label2", "lblTimeOfPerformanceRaga", "Label2", "Cough", "1)Gujari Todi\n2)Kedar\n3)Shree\n4)Shyam Kalyan"};
    }
    void lookups() {
        QFETCH(QString, option);
        QFETCH(QString, raga);
        QFETCH(QString, ailment);
        QFETCH(QStringList, shown);
        const bool byRaga = option == QLatin1String("optSearchByRaga");
        const char *list = byRaga ? "cmbRaga" : "cmbAilment", *other = byRaga ? "cmbAilment" : "cmbRaga";
        if (option.isEmpty()) {
            ShowLookupResult(Lookup(SearchMode::ByRaga, raga.toStdString(), ailment.toStdString()));
        } else {
            QWidget *main = reach("main");
            choose(main, other, byRaga ? ailment : raga);
            perform(main, "click:" + option);
            perform(main, "click:cmdProceed");
            // The name stage: the list of the mode, its caption, and the keyboard with it.
            QVERIFY(inFront(control(main, "fraChoose")) && !control(main, other)->isVisible());
            QCOMPARE(control<QLabel>(main, "lblRagaCaption")->text(),
                     QString(byRaga ? "Choose one of the following ragas" : "Choose one of the following ailments"));
            QCOMPARE(QApplication::focusWidget(), control(main, list));
            choose(main, list, byRaga ? raga : ailment);
            perform(main, "click:cmbGetResult");
        }
        frmDisplay &display = Form::get<frmDisplay>();
        QCOMPARE(shownWindows(), QStringList{"frmDisplay"});
        QVERIFY(inFront(control(&display, shown.takeFirst().toLatin1())));
        QCOMPARE((QStringList{display.lblChoosenRaga->text(), display.lblTimeOfPerformanceRaga->text(),
                              display.lblDiseaseItHelpCure->text(), display.lblChoosenAilment->text(),
                              display.lblRagaItHelpCure->text()}), shown);
        QCOMPARE(display.lblTimeOfPerformanceAilment->text(), QStringLiteral("lblTimeOfPerformanceAilment"));
        QCOMPARE(display.lblRagaItHelpCure->size(), QSize(328, 96)); // six lines fill the box
        // A trailing space widens the time caption rather than being cut off.
        QVERIFY(display.lblTimeOfPerformanceRaga->width() >= display.lblTimeOfPerformanceRaga->sizeHint().width());
    }

    void gestures_data() {
        QTest::addColumn<Gesture>("row");
        const QStringList farewell{"frmFarewell"}, main{"frmMain"}, both{"frmFarewell", "frmMain"}, none;
        const auto row = [](const char *name, const Gesture &gesture) { QTest::newRow(name) << gesture; };
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
        row("farewell: close box, main loaded and hidden", {"farewell over hidden main", "close", none, none});
        // The links: the page opens, the window stays as it was.
        const QStringList result{"frmDisplay", "frmFarewell", "frmMain"};
        for (const auto &[start, shown, loaded] : {std::tuple{"main", main, main}, {"result", QStringList{"frmDisplay"}, result}}) {
            const auto link = [&](const char *gesture, const QString &address) {
                QTest::addRow("%s: %s", start, gesture) << Gesture{start, gesture, shown, loaded, QStringList{address}};
            };
            link("click:mnuOnline", http(ProductSiteHost, "/tunewell-help.html"));
            link("click:mnuVisit", http(MainSiteHost));
            link("click:mnuUpdate", http(ProductSiteHost, "/download-tunewell.html"));
            link("click:mnuDonate", http(HelpSiteHost, "/donate.html"));
            link("click:Label61", http(MainSiteHost));
            link("reader:Label61", http(MainSiteHost));
            link("click:lblCobrand", http(HelpSiteHost, "/co-brand.html"));
            link("click:lblFullBrand", http(HelpSiteHost, "/fully-branded.html"));
            QTest::addRow("%s: Make Money switched off for good", start) << Gesture{start, "click:mnumakemoney", shown, loaded};
        }
        row("About: the home page, About stays", {"about", "click:lblHomePage", main, main, {http(MainSiteHost)}});
        row("About: the offer under the business text", {"about", "click:lblCobrand", main, main, {http(HelpSiteHost, "/fully-branded.html")}});
        row("farewell: other software", {"farewell", "click:lblGoToHome", farewell, farewell, {http(MainSiteHost, "/lanternsoftwares")}});
        row("farewell: check box clicked", {"farewell", "click:Check1", farewell, farewell, {http(MainSiteHost)}});
        row("farewell: check box by Space", {"farewell", "space:Check1", farewell, farewell, {http(MainSiteHost)}});
        row("farewell: check box by a screen reader's Toggle", {"farewell", "reader:Check1", farewell, farewell, {http(MainSiteHost)}});
    }
    void gestures() {
        QFETCH(Gesture, row);
        BrowserStub browser;
        if (row.start == QLatin1String("about")) {
            QWidget *opener = reach("main");
            const auto seen = inNextModal(row.gesture);
            perform(opener, "click:mnuAbout");
            QCOMPARE(seen->window, QStringLiteral("frmAbout"));
            QVERIFY2(seen->closedByAnswer == row.opened.isEmpty(), "a way out closes About, a link leaves it up");
        } else {
            perform(reach(row.start), row.gesture);
        }
        if (row.gesture.startsWith(QLatin1String("key:Alt+")))
            QTRY_COMPARE(shownWindows(), row.shown); // an access key clicks a moment later
        else
            QCOMPARE(shownWindows(), row.shown);
        QCOMPARE(loadedWindows(), row.loaded);
        QCOMPARE(browser.opened, row.opened);
        if (row.gesture.endsWith(QLatin1String(":Check1")))
            QVERIFY2(!control<QAbstractButton>(&Form::get<frmFarewell>(), "Check1")->isChecked(), "it never stays checked");
        if (row.start == QLatin1String("result") && row.shown == QStringList{"frmMain"}) {
            // Back finds the first stage, with the search and both choices as they were left.
            QWidget *main = &Form::get<frmMain>();
            QVERIFY(inFront(control(main, "fraSearch")) && control<QRadioButton>(main, "optSearchByAilment")->isChecked());
            QCOMPARE(control<QComboBox>(main, "cmbRaga")->currentText() + '/' + control<QComboBox>(main, "cmbAilment")->currentText(),
                     QStringLiteral("Yaman/Cough"));
            QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("optSearchByAilment"));
        }
    }

    void everyTextAsWritten_data() {
        // SHA-256 of every text of the window (see textsOf()), each closed by a line break: the
        // captions and menus as described, with their access keys, odd capitals and the About
        // text's double space, and the farewell window's appeal as the draw picks it.
        QTest::addColumn<QString>("start");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("main") << "main" << 0.0 << QByteArray("b56b2325bdefce8a89668c8831b50186a95ba4a67327d770b48944b69797dda7");
        QTest::newRow("result, Yaman and Cough") << "result" << 0.0 << QByteArray("1be68331bd0a4b88c6b71e09c328a4d4719e16c8c1473132a46e929c2582c547");
        QTest::newRow("About") << "about" << 0.0 << QByteArray("7b27ccea759b4311e9dcf47630fc98068fcded081618995b90ce766268cf5dbe");
        QTest::newRow("farewell, 0 draws the first appeal") << "farewell" << 0.0 << QByteArray("0967ed9e97d2bf294d034d12e28c32a08bb9d33c3434535e2f48715982dc1c3f");
        QTest::newRow("farewell, 0.25 the second") << "farewell" << 0.25 << QByteArray("6f70e97f7900e9dcac1ceefdfe93f0940acd77f31237532d11fd926f6071fe39");
        QTest::newRow("farewell, 0.74 the third") << "farewell" << 0.74 << QByteArray("9952bf2183d9f4b84344bdce065fa34890a2d504ef78fa9712149b7cf7bcf903");
        QTest::newRow("farewell, 0.99 the fourth") << "farewell" << 0.99 << QByteArray("4ec60ac43da1fcba964311620ff032515f2dd533a75c96e38ea23e8d80ab1755");
    }
    void everyTextAsWritten() {
        QFETCH(QString, start);
        QFETCH(double, draw);
        QFETCH(QByteArray, digest);
        RandomDraw::replaceSource([draw] { return draw; });
        QStringList shown;
        if (start == QLatin1String("about")) {
            QWidget *opener = reach("main");
            const auto seen = inNextModal("close", [&](QWidget *about) { shown = textsOf(about); });
            perform(opener, "click:mnuAbout");
        } else {
            shown = textsOf(reach(start));
        }
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

    void reminder_data() {
        QTest::addColumn<Reminder>("row");
        const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        const auto row = [](const char *name, const Reminder &reminder) { QTest::newRow(name) << reminder; };
        row("first start: recorded, nothing asked", {"", now, "", "2026-12-06T10:00:00"});
        row("14 days on: quiet, unchanged", {"2026-11-22T10:00:00", now, "", "2026-11-22T10:00:00"});
        row("15 days on, No: recorded anew", {"2026-11-21T10:00:00", now, "No", "2026-12-06T10:00:00"});
        row("15 days on, Yes: the download page, after recording", {"2026-11-21T10:00:00", now, "Yes", "2026-12-06T10:00:00",
                                                                   {http(ProductSiteHost, "/download-tunewell.html")}});
        row("23:59 to 00:01 fifteen calendar days later: asked",
            {"2026-11-01T23:59:00", QDateTime(QDate(2026, 11, 16), QTime(0, 1)), "No", "2026-11-16T00:01:00"});
        row("00:01 to 23:59 fourteen calendar days later: quiet",
            {"2026-11-01T00:01:00", QDateTime(QDate(2026, 11, 15), QTime(23, 59)), "", "2026-11-01T00:01:00"});
        row("clock set back 15 days: asked, today recorded", {"2026-12-21T10:00:00", now, "No", "2026-12-06T10:00:00"});
        row("clock set back 14 days: quiet", {"2026-12-20T10:00:00", now, "", "2026-12-20T10:00:00"});
        row("damaged value: a first start", {"12/31/2099 ??", now, "", "2026-12-06T10:00:00"});
    }
    void reminder() {
        QFETCH(Reminder, row);
        QSettings().setValue(reminderKey, row.before);
        BrowserStub browser;
        QString storedWhenOpened;
        browser.onOpen = [&] { storedWhenOpened = QSettings().value(reminderKey).toString(); };
        const auto seen = inNextModal("click:" + row.answer);
        UpdateReminder(row.today);
        QCOMPARE(seen->shown, !row.answer.isEmpty());
        if (seen->shown) {
            QCOMPARE(seen->text, QStringLiteral("There maybe an update to this software available\nDo you want to check for an update?"));
            QVERIFY(seen->title == QLatin1String("Tunewell") && seen->icon == QMessageBox::Information);
            QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(QSettings().value(reminderKey).toString(), row.after);
        QCOMPARE(browser.opened, row.opened);
        QCOMPARE(storedWhenOpened, row.opened.isEmpty() ? QString() : row.after);
    }

    void aSecondInstanceSaysSoAndEnds() {
        // Before any start of this test program has taken the lock: here another holds it.
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QLockFile first(runtime + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".lock"));
        QVERIFY(first.tryLock(0));
        QSettings().remove(reminderKey);
        const auto seen = inNextModal("click:OK");
        StartApplication();
        QVERIFY(seen->title == QLatin1String("Tunewell") && seen->icon == QMessageBox::Information);
        QCOMPARE(seen->text, QStringLiteral("Application is already running"));
        QCOMPARE(loadedWindows(), QStringList());
        QVERIFY2(!QSettings().contains(reminderKey), "the reminder was left alone");
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

    void keyboard_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("focus"); // before each key, and after the last
        QTest::newRow("main: a whole lookup, Anorexia, by keys alone") << "main"
            << QStringList{"Down", "Tab", "Return", "Down", "Down", "Tab", "Return"}
            << QStringList{"optSearchByRaga", "optSearchByAilment", "cmdProceed", "cmbAilment", "cmbAilment",
                           "cmbAilment", "cmbGetResult", "cmdBack"};
        QTest::newRow("farewell: Exit first, then the check box and the form") << "farewell" << QStringList(7, "Tab")
            << QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail", "txtFriendName", "txtMessage"};
    }
    void keyboard() {
        QFETCH(QString, start);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, focus);
        QVERIFY(reach(start)->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == (start == QLatin1String("farewell")));
        QStringList seen;
        for (const QString &key : keys + QStringList{QString()}) {
            QTRY_VERIFY(QApplication::focusWidget()); // a window just shown takes the focus a moment later
            seen.append(QApplication::focusWidget()->objectName());
            if (!key.isEmpty())
                perform(QApplication::activeWindow(), "key:" + key);
        }
        QCOMPARE(seen, focus);
        if (start == QLatin1String("main"))
            QCOMPARE(Form::get<frmDisplay>().lblChoosenAilment->text(), QStringLiteral("Anorexia"));
    }

    void typing_data() {
        QTest::addColumn<Typing>("row");
        const auto row = [](const char *name, const Typing &typing) { QTest::newRow(name) << typing; };
        const QString noSpace = QStringLiteral("Email Address Cannot Contain Space"), flood(100000, QLatin1Char('x'));
        row("name: untouched, its placeholder", {"txtName", {}, "Your Name"});
        row("name: a click empties the placeholder", {"txtName", {"click"}, ""});
        row("email: spaces alone bring the placeholder back", {"txtEmail", {"click", "set:   ", "leave"}, "Your Email Address"});
        row("friend's name: the placeholder amid spaces is emptied", {"txtFriendName", {"set:  Friend's Name ", "click"}, ""});
        row("friend's email: what was typed stays", {"txtFriendEmail", {"click", "type:r@b.in", "leave", "click"}, "r@b.in"});
        row("message: its line break keeps it from being emptied", {"txtMessage", {"click"}, "Your Message\n"});
        row("message: blank, its bare placeholder is back", {"txtMessage", {"click", "set: ", "leave"}, "Your Message"});
        row("name: a space is welcome", {"txtName", {"click", "type:Asha K"}, "Asha K"});
        row("email: a typed space refused and explained", {"txtEmail", {"click", "type:asha k"}, "ashak", noSpace});
        row("friend's email: the same", {"txtFriendEmail", {"click", "type:r@b. in"}, "r@b.in", noSpace});
        row("email: a pasted address is welcome", {"txtEmail", {"click", "paste:a@b.in"}, "a@b.in"});
        row("email: a pasted space refused", {"txtEmail", {"click", "paste:a@b.in "}, ""});
        row("friend's email: a pasted line break refused", {"txtFriendEmail", {"click", "paste:r@b.in\n"}, ""});
        row("email: a pasted tab or control character refused", {"txtEmail", {"click", "paste:a\t\u0001@b.in"}, ""});
        row("name: a pasted flood is cut to 100", {"txtName", {"click", "paste:" + flood}, QString(100, QLatin1Char('x'))});
        row("email: cut to 254, the longest address", {"txtEmail", {"click", "paste:a@b." + flood}, "a@b." + QString(250, QLatin1Char('x'))});
        row("message: cut to 500, never inside a pair", {"txtMessage", {"set:", "paste:" + QStringLiteral("x🎵").repeated(10000)},
                                                         QStringLiteral("x🎵").repeated(166) + 'x'});
    }
    void typing() {
        QFETCH(Typing, row);
        QWidget *window = reach("farewell");
        QWidget *box = control(window, row.box.toLatin1());
        const auto seen = inNextModal("click:OK");
        for (const QString &step : row.steps) {
            const QString text = step.section(QLatin1Char(':'), 1, -1);
            if (step == QLatin1String("click")) {
                QTest::mouseClick(box, Qt::LeftButton);
            } else if (step == QLatin1String("leave")) {
                control(window, "cmdClose")->setFocus();
            } else if (step.startsWith(QLatin1String("set:"))) {
                box->setProperty(box->inherits("QLineEdit") ? "text" : "plainText", text);
            } else if (step.startsWith(QLatin1String("type:"))) {
                QTest::keyClicks(box, text);
            } else {
                QApplication::clipboard()->setText(text);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
        }
        QCOMPARE(textIn(box), row.left);
        QCOMPARE(seen->shown ? seen->text : QString(), row.message);
        if (seen->shown)
            QCOMPARE(window->focusWidget(), box); // back where the user was typing
    }

    void referral_data() {
        QTest::addColumn<QStringList>("typed"); // name, email, friend's name, friend's email, message; "-": untouched
        QTest::addColumn<QString>("outcome");   // the message shown, or the address sent
        const QString proper = QStringLiteral("Please Enter Proper Email Address"), distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        const auto request = [](const char *values) {
            return http(MainSiteHost, "/twls-refer-a-friend.php?") + values + "&taf6=http%3A%2F%2F" + ProductSiteHost + "%2F";
        };
        QTest::newRow("untouched form: no @ in the placeholders") << QStringList{"-", "-", "-", "-", "-"} << proper;
        QTest::newRow("one address twice") << QStringList{"Asha", "a@b.in", "Ravi", "a@b.in", "-"} << distinct;
        QTest::newRow("one address twice, without @: distinct comes first") << QStringList{"Asha", "ab.in", "Ravi", "ab.in", "-"} << distinct;
        QTest::newRow("@ without a dot") << QStringList{"Asha", "a@bin", "Ravi", "r@b.in", "-"} << proper;
        QTest::newRow("dot without @") << QStringList{"Asha", "a@b.in", "Ravi", "r.b.in", "-"} << proper;
        QTest::newRow("name untouched") << QStringList{"-", "a@b.in", "Ravi", "r@b.in", "-"} << "Please Enter Your Name";
        QTest::newRow("name of spaces") << QStringList{"   ", "a@b.in", "Ravi", "r@b.in", "-"} << "Please Enter Your Name";
        QTest::newRow("message set back to its placeholder") << QStringList{"Asha", "a@b.in", "Ravi", "r@b.in", "Your Message"}
                                                             << "Please Enter Your Message";
        QTest::newRow("friend's name untouched") << QStringList{"Asha", "a@b.in", "-", "r@b.in", "-"} << "Please Enter Your Friend's Name";
        QTest::newRow("sent: the untouched message with its line break, the other case distinct") << QStringList{"Asha", "a@b.in", "Ravi", "A@B.in", "-"}
            << request("taf1=Asha&taf2=a%40b.in&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=A%40B.in");
        QTest::newRow("sent: a dot before the @ will do, spaces trimmed off the name") << QStringList{"  Asha K ", "asha.k@mail", "Ravi", "r@b.in", "-"}
            << request("taf1=Asha%20K&taf2=asha.k%40mail&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=r%40b.in");
        QTest::newRow("sent: &, =, + and # cannot add or change a key") << QStringList{"Tom & Jerry=1", "a@b.in", "Ravi+#x", "r@b.in", "hi&taf6=x"}
            << request("taf1=Tom%20%26%20Jerry%3D1&taf2=a%40b.in&taf3=hi%26taf6%3Dx&taf4=Ravi%2B%23x&taf5=r%40b.in");
        QTest::newRow("sent: Devanagari as UTF-8") << QStringList{"आशा", "a@b.in", "Ravi", "r@b.in", "-"}
            << request("taf1=%E0%A4%86%E0%A4%B6%E0%A4%BE&taf2=a%40b.in&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=r%40b.in");
    }
    void referral() {
        QFETCH(QStringList, typed);
        QFETCH(QString, outcome);
        BrowserStub browser;
        QWidget *window = reach("farewell");
        const char *boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
        for (int i = 0; i < 5; ++i) {
            if (typed.at(i) == QLatin1String("-"))
                continue;
            QWidget *box = control(window, boxes[i]);
            box->setFocus(Qt::MouseFocusReason); // as a click would: a placeholder empties
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QApplication::clipboard()->setText(typed.at(i));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        const bool sent = outcome.startsWith(QLatin1String("http"));
        for (int submit = 0; submit < 2; ++submit) { // nothing stops a second request
            const auto seen = inNextModal("click:OK");
            perform(window, "click:cmdSubmit");
            QCOMPARE(seen->text, sent ? QString() : outcome);
            QVERIFY(sent || (seen->icon == QMessageBox::Critical && seen->title == QLatin1String("Tunewell")));
        }
        QCOMPARE(browser.opened, sent ? QStringList(2, outcome) : QStringList());
        QCOMPARE(shownWindows(), QStringList{"frmFarewell"});
        if (sent)
            QCOMPARE(textIn(control(window, "txtName")), typed.at(0)); // the form keeps what was typed
    }

    void requestNamesTheFirstMissingValue() {
        // Unreachable from the form, whose address checks come first: the request checks on its
        // own, in this order, with every value after the first missing one missing too.
        const QStringList messages{"Please Enter Your Name", "Please Enter Your Email", "Please Enter Your Message",
                                   "Please Enter Your Friend's Name", "Please Enter Your Friend's Email"};
        const QStringList filled{"Asha", "a@b.in", "Hello", "Ravi", "r@b.in"};
        QStringList values{"Your Name", "Your Email Address", "Your Message", "Friend's Name", "  "};
        BrowserStub browser;
        for (int missing = 0; missing < 5; ++missing) {
            QCOMPARE(TellAFriend({values[0], values[1], values[2], values[3], values[4]}), messages.at(missing));
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
        const QString path = home.filePath(QLatin1String(variable));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(variable, path.toLocal8Bit());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    WindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windows.moc"
