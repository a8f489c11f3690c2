// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The program's windows driven as a user would, with clicks, keys, menus and a screen reader's
// actions: start-up with its update reminder, a lookup and its result, the links, the
// refer-a-friend form, and the ways out.
#include "BrowserStub.h"
#include "Form.h"
#include "LinkHosts.h"
#include "RandomDraw.h"
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

using namespace Qt::StringLiterals;

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
// the focused control "key:SEQUENCE", "type:TEXT" (key by key), "paste:TEXT" and "write:TEXT"
// (a screen reader putting TEXT in place of what the box holds).
void perform(QWidget *window, const QString &gesture)
{
    const QString verb = gesture.section(QLatin1Char(':'), 0, 0);
    const QString name = gesture.section(QLatin1Char(':'), 1);
    QWidget *target = window->findChild<QWidget *>(name), *focus = QApplication::focusWidget();
    if (!focus || focus->window() != window)
        focus = window;
    if (verb == QLatin1String("close")) {
        window->close();
    } else if (verb == QLatin1String("key")) {
        QTest::keySequence(focus, QKeySequence::fromString(name));
    } else if (verb == QLatin1String("type")) {
        QTest::keyClicks(focus, name);
    } else if (verb == QLatin1String("paste")) {
        QApplication::clipboard()->setText(name);
        QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    } else if (verb == QLatin1String("write")) {
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(focus);
        box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), name);
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
            const auto keys = QMetaEnum::fromType<QMessageBox::StandardButtons>();
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons.append(QLatin1String(keys.valueToKey(box->standardButton(button))));
            seen->said = QStringLiteral("%1 (%2, %3): %4")
                             .arg(box->windowTitle(),
                                  QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()),
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
QStringList windows(bool loadedOnes = false)
{
    QStringList names;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (loadedOnes ? Form::loadedForms().contains(window) : window->isVisible())
            names.append(window->objectName());
    }
    names.sort();
    return names;
}

QString http(const char *host, const char *path = "")
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

// The captions a screen reader says a control is labelled by, but for its frame's title.
QStringList labelsOf(QWidget *control)
{
    QStringList labels;
    for (const auto &[label, relation] :
         QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label)) {
        if (label->object() != control->parent())
            labels.append(label->text(QAccessible::Name));
    }
    return labels;
}

// Every text a window has, in the order its controls were made, a line each: captions, button
// texts and menus with their access keys ("-" a separator), frame titles, list entries, and in
// brackets the names and labels screen readers say, and which are links. Texts of controls nobody
// can see there, covered or out of sight, and so hidden from the keyboard and screen readers too,
// are marked "unseen". The main site's host as the defaults have it.
QStringList textsOf(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QObject *object : window->findChildren<QObject *>()) {
        QStringList own;
        if (auto *frame = qobject_cast<const QGroupBox *>(object))
            own.append(frame->title());
        else if (auto *item = qobject_cast<const QAction *>(object))
            own.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        else if (object->inherits("QLabel") || object->inherits("QAbstractButton")
                 || object->inherits("QLineEdit"))
            own.append(object->property("text").toString());
        else if (auto *list = qobject_cast<const QComboBox *>(object))
            for (int entry = 0; entry < list->count(); ++entry)
                own.append(list->itemText(entry));
        auto *widget = qobject_cast<QWidget *>(object);
        if (widget && !widget->accessibleName().isEmpty())
            own.append(QStringLiteral("(") + widget->accessibleName() + QLatin1Char(')'));
        for (const QString &label : widget ? labelsOf(widget) : QStringList())
            own.append(QStringLiteral("(labelled by ") + label + QLatin1Char(')'));
        if (widget && QAccessible::queryAccessibleInterface(widget)->role() == QAccessible::Link)
            own.append(QStringLiteral("(a link)"));
        own.removeAll(QString());
        if (widget && !widget->isVisibleTo(window))
            own.replaceInStrings(QRegularExpression(QStringLiteral("^")),
                                 QStringLiteral("unseen: "));
        texts += own;
    }
    return texts.join('\n').replace(MainSiteHost, "forum.lantern.example").split('\n');
}

// The lines of a file in tests/texts/, where the texts are as the product's description has them.
QStringList published(const QString &name)
{
    QFile file(QFINDTESTDATA("texts/" + name));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
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
        // The program ends its own way, inside an event loop, and leaves no window behind.
        QTimer::singleShot(0, &EndApplication);
        QCOMPARE(QApplication::exec(), 0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(windows(true), QStringList());
        QCOMPARE(windows(), QStringList());
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("raga");    // chosen in the raga list
        QTest::addColumn<QString>("ailment"); // chosen in the ailment list
        QTest::addColumn<QString>("caption"); // that labels the list then with the keyboard
        QTest::addColumn<QString>("panel");   // the result panel in front
        // The chosen raga, its time and ailments; the chosen ailment and its ragas.
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("by raga: Asavari's time and Mohana keep their trailing spaces")
            << u"optSearchByRaga"_s << u"Asavari"_s << u"All types of General illness"_s
            << u"Choose one of the following ragas"_s << u"fraRagaResult"_s
            << QStringList{"Asavari", "Morning ", "Builds Confidence",
                           "All types of General illness", "Mohana "};
        QTest::newRow("by ailment: six lines fill the box; a name that begins with another's")
            << u"optSearchByAilment"_s << u"Puriya Dhanashri"_s << u"Rheumatic Arthritis"_s
            << u"Choose one of the following ailments"_s << u"fraAilmentResult"_s
            << QStringList{"Puriya Dhanashri", "Evening", "Anaemia", "Rheumatic Arthritis",
                           "1)Ahir Bhairav\n2)Bhairavi\n3)Gunakali\n4)Hindol\n"
                           "5)Jaijawanti Nat Bhairav\n6)Yaman"};
    }
    void lookups()
    {
        QFETCH(QString, option);
        QFETCH(QString, raga);
        QFETCH(QString, ailment);
        QFETCH(QString, caption);
        QFETCH(QString, panel);
        QFETCH(QStringList, captions);
        QWidget *main = reach("main");
        control<QComboBox>(main, "cmbRaga")->setCurrentText(raga);
        control<QComboBox>(main, "cmbAilment")->setCurrentText(ailment);
        for (const QString &gesture : {"click:" + option, QStringLiteral("click:cmdProceed")})
            perform(main, gesture);
        // The name stage: the list with the keyboard, labelled by the caption above it.
        QCOMPARE(labelsOf(QApplication::focusWidget()), QStringList{caption});
        perform(main, "click:cmbGetResult");
        frmDisplay &display = Form::get<frmDisplay>();
        QCOMPARE(windows(), QStringList{"frmDisplay"});
        QVERIFY(control(&display, panel.toLatin1())->isVisible()); // the other one is hidden
        QCOMPARE(
            (QStringList{display.lblChoosenRaga->text(), display.lblTimeOfPerformanceRaga->text(),
                         display.lblDiseaseItHelpCure->text(), display.lblChoosenAilment->text(),
                         display.lblRagaItHelpCure->text()}),
            captions);
        QCOMPARE(display.lblRagaItHelpCure->size(), QSize(328, 96)); // six lines fill the box
        // A trailing space widens the time caption rather than being cut off.
        QVERIFY(display.lblTimeOfPerformanceRaga->width()
                >= display.lblTimeOfPerformanceRaga->sizeHint().width());
    }

    void gestures_data()
    {
        QTest::addColumn<QString>("at");         // where the user is: see reach()
        QTest::addColumn<QString>("does");       // see perform()
        QTest::addColumn<QStringList>("shown");  // the windows on screen then, by name
        QTest::addColumn<QStringList>("loaded"); // the windows loaded then
        QTest::addColumn<QStringList>("opened"); // the addresses opened
        const QStringList farewell{"frmFarewell"}, main{"frmMain"}, both{"frmFarewell", "frmMain"};
        const QStringList none;
        // The ways out.
        QTest::newRow("main: close box") << u"main"_s << u"close"_s << farewell << farewell << none;
        QTest::newRow("main: Alt+X presses the hidden Exit")
            << u"main"_s << u"key:Alt+X"_s << farewell << farewell << none;
        QTest::newRow("main: File > Exit")
            << u"main"_s << u"click:mnuExit"_s << farewell << farewell << none;
        QTest::newRow("result: close box") << u"result"_s << u"close"_s << farewell << both << none;
        QTest::newRow("result: File > Exit")
            << u"result"_s << u"click:mnuExit"_s << farewell << both << none;
        QTest::newRow("result: Back") << u"result"_s << u"click:cmdBack"_s << main << both << none;
        QTest::newRow("result: Enter presses the focused Back")
            << u"result"_s << u"key:Return"_s << main << both << none;
        QTest::newRow("result: File > Back")
            << u"result"_s << u"click:mnuBack"_s << main << both << none;
        QTest::newRow("farewell: Exit ends the program")
            << u"farewell"_s << u"click:cmdClose"_s << none << none << none;
        QTest::newRow("farewell: close box, main loaded and hidden")
            << u"farewell over hidden main"_s << u"close"_s << none << none << none;
        // The links: the page opens, the window stays as it was.
        const QStringList result{"frmDisplay", "frmFarewell", "frmMain"};
        // The offer in sight: the co-brand one on the main window as built, the other here.
        for (const auto &[at, shown, loaded, offer, page] :
             {std::tuple{"main", main, main, "click:lblCobrand", "/co-brand.html"},
              {"result", QStringList{"frmDisplay"}, result, "click:lblFullBrand",
               "/fully-branded.html"}}) {
            const auto link = [&](const char *gesture, const QStringList &opened) {
                QTest::addRow("%s: %s", at, gesture) << at << gesture << shown << loaded << opened;
            };
            link("click:mnuOnline", {http(ProductSiteHost, "/tunewell-help.html")});
            link("click:mnuVisit", {http(MainSiteHost)});
            link("click:mnuUpdate", {http(ProductSiteHost, "/download-tunewell.html")});
            link("click:mnuDonate", {http(HelpSiteHost, "/donate.html")});
            link("click:Label61", {http(MainSiteHost)});
            link("reader:Label61", {http(MainSiteHost)});
            link(offer, {http(HelpSiteHost, page)});
            link("click:mnumakemoney", none); // switched off for good
        }
        QTest::newRow("farewell: other software")
            << u"farewell"_s << u"click:lblGoToHome"_s << farewell << farewell
            << QStringList{http(MainSiteHost, "/lanternsoftwares")};
        QTest::newRow("farewell: check box clicked, and cleared")
            << u"farewell"_s << u"click:Check1"_s << farewell << farewell
            << QStringList{http(MainSiteHost)};
        QTest::newRow("farewell: check box by a screen reader's Toggle, and cleared")
            << u"farewell"_s << u"reader:Check1"_s << farewell << farewell
            << QStringList{http(MainSiteHost)};
    }
    void gestures()
    {
        QFETCH(QString, at);
        QFETCH(QString, does);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, opened);
        BrowserStub browser;
        perform(reach(at), does);
        if (does.startsWith(QLatin1String("key:Alt+")))
            QTRY_COMPARE(windows(), shown); // an access key clicks a moment later
        else
            QCOMPARE(windows(), shown); // at once, not when a window is deleted later
        QCOMPARE(windows(true), loaded);
        QCOMPARE(browser.opened, opened);
        for (const Form *window : Form::loadedForms()) {
            for (const QCheckBox *box : window->findChildren<QCheckBox *>())
                QVERIFY2(!box->isChecked(), "a check box that opens a page never stays checked");
        }
    }
    void about_data()
    {
        QTest::addColumn<QString>("from");       // the window About is opened from
        QTest::addColumn<QString>("does");       // in About; a gesture that opens nothing closes it
        QTest::addColumn<QStringList>("opened"); // the addresses opened
        QTest::newRow("Enter presses OK") << u"main"_s << u"key:Return"_s << QStringList();
        QTest::newRow("Esc presses OK") << u"main"_s << u"key:Esc"_s << QStringList();
        QTest::newRow("close box, back to the result")
            << u"result"_s << u"close"_s << QStringList();
        QTest::newRow("the home page, About stays")
            << u"main"_s << u"click:lblHomePage"_s << QStringList{http(MainSiteHost)};
        QTest::newRow("the offer under the business text")
            << u"result"_s << u"click:lblCobrand"_s
            << QStringList{http(HelpSiteHost, "/fully-branded.html")};
    }
    void about()
    {
        QFETCH(QString, from);
        QFETCH(QString, does);
        QFETCH(QStringList, opened);
        BrowserStub browser;
        QWidget *opener = reach(from);
        const QStringList shown = windows();
        const auto seen = inNextModal(does);
        perform(opener, "click:mnuAbout");
        QCOMPARE(seen->window, QStringLiteral("frmAbout"));
        QVERIFY2(seen->closedByAnswer == opened.isEmpty(),
                 "a way out closes About, a link leaves it up");
        QCOMPARE(windows(), shown);
        QCOMPARE(browser.opened, opened);
    }
    void everyTextAsWritten_data()
    {
        // Captions and menus as described, with their access keys, odd capitals and the About
        // text's double space, and the farewell window's first appeal.
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("texts");
        QTest::newRow("main") << u"main"_s << u"main.txt"_s;
        QTest::newRow("result, Yaman and Cough") << u"result"_s << u"result.txt"_s;
        QTest::newRow("About") << u"about"_s << u"about.txt"_s;
        QTest::newRow("farewell") << u"farewell"_s << u"farewell.txt"_s;
    }
    void everyTextAsWritten()
    {
        QFETCH(QString, at);
        QFETCH(QString, texts);
        RandomDraw::replaceSource([] { return 0.0; });
        const QWidget *window = at == "about" ? &Form::get<frmAbout>() : reach(at);
        QCOMPARE(textsOf(window), published(texts));
    }

    void appeals_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("appeal"); // its line in texts/appeals.txt
        QTest::newRow("0 draws the first") << 0.0 << 1;
        QTest::newRow("0.25 the second") << 0.25 << 2;
        QTest::newRow("0.74 the third") << 0.74 << 3;
        QTest::newRow("0.99 the fourth") << 0.99 << 4;
    }
    void appeals()
    {
        QFETCH(double, draw);
        QFETCH(int, appeal);
        RandomDraw::replaceSource([draw] { return draw; });
        const QString shown = control<QLabel>(reach("farewell"), "Label2")->text();
        QCOMPARE(QString(shown).replace(MainSiteHost, "forum.lantern.example"),
                 published("appeals.txt").value(appeal - 1));
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("before"); // the date stored; empty for none
        QTest::addColumn<QDateTime>("today");
        QTest::addColumn<QString>("answer"); // to the question; empty: none may come
        QTest::addColumn<QString>("after");  // the date stored then
        QTest::addColumn<QStringList>("opened");
        const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        const QString today = QStringLiteral("2026-12-06T10:00:00");
        const QStringList none;
        QTest::newRow("first start: recorded, nothing asked")
            << u""_s << now << u""_s << today << none;
        QTest::newRow("14 days on: quiet, unchanged")
            << u"2026-11-22T10:00:00"_s << now << u""_s << u"2026-11-22T10:00:00"_s << none;
        QTest::newRow("15 days on, Yes: the download page, after recording")
            << u"2026-11-21T10:00:00"_s << now << u"Yes"_s << today
            << QStringList{http(ProductSiteHost, "/download-tunewell.html")};
        QTest::newRow("23:59 to 00:01 fifteen calendar days later: asked")
            << u"2026-11-01T23:59:00"_s << QDateTime(QDate(2026, 11, 16), QTime(0, 1)) << u"No"_s
            << u"2026-11-16T00:01:00"_s << none;
        QTest::newRow("00:01 to 23:59 fourteen calendar days later: quiet")
            << u"2026-11-01T00:01:00"_s << QDateTime(QDate(2026, 11, 15), QTime(23, 59)) << u""_s
            << u"2026-11-01T00:01:00"_s << none;
        QTest::newRow("clock set back 15 days: asked, today recorded")
            << u"2026-12-21T10:00:00"_s << now << u"No"_s << today << none;
        QTest::newRow("damaged value: a first start")
            << u"12/31/2099 ??"_s << now << u""_s << today << none;
    }
    void reminder()
    {
        QFETCH(QString, before);
        QFETCH(QDateTime, today);
        QFETCH(QString, answer);
        QFETCH(QString, after);
        QFETCH(QStringList, opened);
        QSettings().setValue(reminderKey, before);
        BrowserStub browser;
        QString storedWhenOpened;
        browser.onOpen = [&] { storedWhenOpened = QSettings().value(reminderKey).toString(); };
        const auto seen = inNextModal("key:Alt+" + answer.left(1)); // Alt+Y or Alt+N
        UpdateReminder(today);
        QCOMPARE(seen->said, answer.isEmpty()
                                 ? QString()
                                 : QStringLiteral("Tunewell (Information, Yes|No): There maybe an "
                                                  "update to this software available\nDo you "
                                                  "want to check for an update?"));
        QCOMPARE(QSettings().value(reminderKey).toString(), after);
        QCOMPARE(browser.opened, opened);
        QCOMPARE(storedWhenOpened, opened.isEmpty() ? QString() : after);
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
        QCOMPARE(windows(true), QStringList());
        QVERIFY2(!QSettings().contains(reminderKey), "the reminder was left alone");
    }

    void startUpAsksFirstThenPicksAnOffer_data()
    {
        QTest::addColumn<QList<double>>("draws"); // at start-up, then for each later pick
        QTest::addColumn<QString>("offer");       // the one in front
        QTest::newRow("0 gives 1: co-brand") << QList<double>{0.0} << u"lblCobrand"_s;
        QTest::newRow("0.25 gives 2.5, halves to even 2")
            << QList<double>{0.25} << u"lblFullBrand"_s;
        QTest::newRow("0.5 gives 4: full brand") << QList<double>{0.5} << u"lblFullBrand"_s;
        QTest::newRow("0.75 gives 5.5, halves to even 6")
            << QList<double>{0.75} << u"lblFullBrand"_s;
        QTest::newRow("0.95 gives 7: as built") << QList<double>{0.95} << u"lblCobrand"_s;
        QTest::newRow("7 changes nothing") << QList<double>{0.25, 0.95} << u"lblFullBrand"_s;
    }
    void startUpAsksFirstThenPicksAnOffer()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QString, offer);
        QSettings().setValue(reminderKey,
                             QDateTime::currentDateTime().addDays(-30).toString(Qt::ISODate));
        int drawn = 0;
        RandomDraw::replaceSource([&] { return draws.at(drawn++); });
        BrowserStub browser;
        QStringList shownWhenOpened{"?"};
        browser.onOpen = [&] { shownWhenOpened = windows(); };
        const auto seen = inNextModal("key:Alt+Y");
        StartApplication();
        QCOMPARE(browser.opened.size(), 1);       // Yes to the question
        QCOMPARE(shownWhenOpened, QStringList()); // the page first, then the main window
        QCOMPARE(windows(), QStringList{"frmMain"});
        QCOMPARE(drawn, 1);
        // The main window at the search stage, in the middle of the screen.
        frmMain &main = Form::get<frmMain>();
        QVERIFY(control<QRadioButton>(&main, "optSearchByRaga")->isChecked()
                && control(&main, "fraSearch")->isVisible());
        const QPoint centre = main.screen()->availableGeometry().center();
        QVERIFY((main.frameGeometry().center() - centre).manhattanLength() <= 4);
        for (qsizetype pick = 1; pick < draws.size(); ++pick)
            main.CoBrand_Randomize();
        QVERIFY(control(&main, offer.toLatin1())->isVisible()); // the other one is hidden
    }

    void keyboard_data()
    {
        // Tab reaches only what can be seen, the links last; the page a link opens is traced too.
        QTest::addColumn<QString>("at");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("focus"); // before each key and after the last; pages opened
        const QStringList tab5(5, "Tab");
        QTest::newRow("main: the search, not the lists behind nor the hidden Exit, then a list")
            << u"main"_s << tab5 + QStringList{"Return"} + tab5
            << QStringList{"optSearchByRaga", "cmdProceed", "Label61", "lblCobrand",
                           "optSearchByRaga", "cmdProceed", "cmbRaga", "cmbGetResult",
                           "Label61",         "lblCobrand", "cmbRaga", "cmbGetResult"};
        QTest::newRow("main: a whole lookup by keys alone, the other list passed by")
            << u"main"_s << QStringList{"Down", "Tab",  "Return", "Tab", "Tab",   "Tab",
                                        "Tab",  "Down", "Down",   "Tab", "Return"}
            << QStringList{"optSearchByRaga", "optSearchByAilment", "cmdProceed",
                           "cmbAilment",      "cmbGetResult",       "Label61",
                           "lblCobrand",      "cmbAilment",         "cmbAilment",
                           "cmbAilment",      "cmbGetResult",       "cmdBack"};
        QTest::newRow("result: Back and the links, not the offer behind; Enter or Space opens")
            << u"result"_s << QStringList{"Tab", "Tab", "Tab", "Tab", "Return", "Tab", "Space"}
            << QStringList{"cmdBack",     "Label61",      "lblFullBrand",
                           "cmdBack",     "Label61",      http(MainSiteHost),
                           "Label61",     "lblFullBrand", http(HelpSiteHost, "/fully-branded.html"),
                           "lblFullBrand"};
        QTest::newRow("result: Back finds the search as it was left")
            << u"result"_s << QStringList{"Return"} << QStringList{"cmdBack", "optSearchByAilment"};
        QTest::newRow("farewell: Exit first, then the check box, the form and the link")
            << u"farewell"_s << QStringList(9, "Tab")
            << QStringList{"cmdClose",    "Check1",         "txtName",       "cmdSubmit",
                           "txtEmail",    "txtFriendEmail", "txtFriendName", "txtMessage",
                           "lblGoToHome", "cmdClose"};
    }
    void keyboard()
    {
        QFETCH(QString, at);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, focus);
        reach(at);
        QStringList seen;
        BrowserStub browser;
        browser.onOpen = [&] { seen.append(browser.opened.constLast()); };
        for (const QString &key : keys + QStringList{QString()}) {
            QWidget *window = nullptr; // the one on screen
            for (QWidget *each : QApplication::topLevelWidgets())
                window = each->isVisible() ? each : window;
            seen.append(window->focusWidget()->objectName());
            if (!key.isEmpty()) {
                QTRY_VERIFY(
                    window->isActiveWindow()); // shown just now, it is active a moment later
                perform(window, "key:" + key);
            }
        }
        QCOMPARE(seen, focus);
    }

    void aLinkShowsItsFocus()
    {
        QWidget *main = reach("main");
        for (const char *key : {"key:Tab", "key:Tab"})
            perform(main, QLatin1String(key));
        QWidget *link = QApplication::focusWidget();
        const QImage focused = link->grab().toImage();
        link->clearFocus();
        QVERIFY2(link->grab().toImage() != focused, qPrintable(link->objectName()));
    }

    void typing_data()
    {
        // The box is the one the first step clicks; "set:TEXT" writes into it as the program does.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("left");    // in the box afterwards
        QTest::addColumn<QString>("message"); // shown on the way
        const QString noSpace = u"Tunewell (Critical, Ok): Email Address Cannot Contain Space"_s;
        const QString flood(100000, QLatin1Char('x'));
        QTest::newRow("name: a click empties the placeholder")
            << QStringList{"click:txtName"} << QString() << QString();
        QTest::newRow("email: spaces alone bring the placeholder back")
            << QStringList{"click:txtEmail", "set:   ", "key:Tab"} << u"Your Email Address"_s
            << QString();
        QTest::newRow("friend's name: the placeholder amid spaces is emptied")
            << QStringList{"click:txtFriendName", "set:  Friend's Name ", "key:Tab",
                           "key:Shift+Tab"}
            << QString() << QString();
        QTest::newRow("friend's email: what was typed stays")
            << QStringList{"click:txtFriendEmail", "type:r@b.in", "key:Tab", "key:Shift+Tab"}
            << u"r@b.in"_s << QString();
        QTest::newRow("message: its line break keeps it from being emptied")
            << QStringList{"click:txtMessage"} << u"Your Message\n"_s << QString();
        QTest::newRow("message: blank, its bare placeholder is back")
            << QStringList{"click:txtMessage", "set: ", "key:Tab"} << u"Your Message"_s
            << QString();
        QTest::newRow("name: a space is welcome")
            << QStringList{"click:txtName", "type:Asha K"} << u"Asha K"_s << QString();
        QTest::newRow("email: a typed space refused and explained")
            << QStringList{"click:txtEmail", "type:asha k"} << u"ashak"_s << noSpace;
        QTest::newRow("friend's email: the same")
            << QStringList{"click:txtFriendEmail", "type:r@b. in"} << u"r@b.in"_s << noSpace;
        QTest::newRow("friend's email: a pasted line break refused")
            << QStringList{"click:txtFriendEmail", "paste:r@b.in\n"} << QString() << QString();
        QTest::newRow("email: a pasted control character refused")
            << QStringList{"click:txtEmail", "paste:a\u0001@b.in"} << QString() << QString();
        QTest::newRow("email: a line break a screen reader writes refused")
            << QStringList{"click:txtEmail", "type:a@b.in", "write:a@b.in\n"} << u"a@b.in"_s
            << QString();
        QTest::newRow("friend's email: an address a screen reader writes is welcome")
            << QStringList{"click:txtFriendEmail", "write:r@b.in"} << u"r@b.in"_s << QString();
        QTest::newRow("name: a pasted flood is cut to 100")
            << QStringList{"click:txtName", "paste:" + flood} << QString(100, QLatin1Char('x'))
            << QString();
        QTest::newRow("email: cut to 254, the longest address")
            << QStringList{"click:txtEmail", "paste:a@b." + flood}
            << "a@b." + QString(250, QLatin1Char('x')) << QString();
        QTest::newRow("message: 500 characters, the most it takes, stay")
            << QStringList{"click:txtMessage", "set:", "paste:" + QString(500, 'x')}
            << QString(500, 'x') << QString();
        QTest::newRow("message: cut to 500, never inside a pair")
            << QStringList{"click:txtMessage", "set:", "paste:" + u"x🎵"_s.repeated(300)}
            << u"x🎵"_s.repeated(166) + 'x' << QString();
    }
    void typing()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, left);
        QFETCH(QString, message);
        QWidget *window = reach("farewell");
        QWidget *box = control(window, steps.constFirst().section(':', 1).toLatin1());
        const char *text = box->inherits("QLineEdit") ? "text" : "plainText";
        const auto seen = inNextModal("key:Return");
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1String("set:")))
                box->setProperty(text, step.mid(4));
            else
                perform(window, step);
        }
        QCOMPARE(box->property(text).toString(), left);
        QCOMPARE(seen->said, message);
    }

    void referral_data()
    {
        // What is typed into txtName, txtEmail, txtFriendName, txtFriendEmail and txtMessage
        // ("-": left untouched; "write:": a screen reader's write), and what follows: the
        // message shown, or the address sent.
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("outcome");
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        const auto request = [](const char *values) {
            return "https://" + QLatin1String(MainSiteHost) + "/twls-refer-a-friend.php?" + values
                   + "&taf6=http%3A%2F%2F" + ProductSiteHost + "%2F";
        };
        QTest::newRow("untouched form: no @ in the placeholders")
            << QStringList{"-", "-", "-", "-", "-"} << proper;
        QTest::newRow("one address twice, without @: distinct comes first")
            << QStringList{"Asha", "ab.in", "Ravi", "ab.in", "-"}
            << u"Please Enter Distinct Email Addresses"_s;
        QTest::newRow("@ without a dot")
            << QStringList{"Asha", "a@bin", "Ravi", "r@b.in", "-"} << proper;
        QTest::newRow("dot without @")
            << QStringList{"Asha", "a@b.in", "Ravi", "r.b.in", "-"} << proper;
        QTest::newRow("addresses right, name untouched")
            << QStringList{"-", "a@b.in", "Ravi", "r@b.in", "-"} << u"Please Enter Your Name"_s;
        QTest::newRow("an address with a space, as a screen reader writes it: nothing sent")
            << QStringList{"Asha", "write:a b@c.d", "Ravi", "r@b.in", "-"} << proper;
        QTest::newRow("sent over TLS: the untouched message with its line break, A@B distinct")
            << QStringList{"Asha", "a@b.in", "Ravi", "A@B.in", "-"}
            << request("taf1=Asha&taf2=a%40b.in&taf3=Your%20Message%0D%0A&taf4=Ravi"
                       "&taf5=A%40B.in");
        QTest::newRow("sent: a dot before the @ will do, spaces trimmed off the name")
            << QStringList{"  Asha K ", "asha.k@mail", "Ravi", "r@b.in", "-"}
            << request("taf1=Asha%20K&taf2=asha.k%40mail&taf3=Your%20Message%0D%0A"
                       "&taf4=Ravi&taf5=r%40b.in");
        QTest::newRow("sent: &, =, + and # cannot add or change a key")
            << QStringList{"Tom & Jerry=1", "a@b.in", "Ravi+#x", "r@b.in", "hi&taf6=x"}
            << request("taf1=Tom%20%26%20Jerry%3D1&taf2=a%40b.in&taf3=hi%26taf6%3Dx"
                       "&taf4=Ravi%2B%23x&taf5=r%40b.in");
        QTest::newRow("sent: Devanagari as UTF-8")
            << QStringList{"आशा", "a@b.in", "Ravi", "r@b.in", "-"}
            << request("taf1=%E0%A4%86%E0%A4%B6%E0%A4%BE&taf2=a%40b.in"
                       "&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=r%40b.in");
    }
    void referral()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, outcome);
        BrowserStub browser;
        QWidget *window = reach("farewell");
        const char *boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                               "txtMessage"};
        for (int box = 0; box < 5; ++box) {
            const QString text = typed.at(box);
            if (text == QLatin1String("-"))
                continue;
            for (const QString &gesture :
                 {"click:" + QLatin1String(boxes[box]), QStringLiteral("key:Ctrl+A"),
                  text.startsWith(QLatin1String("write:")) ? text : "paste:" + text})
                perform(window, gesture);
        }
        const QStringList form = textsOf(window);
        const bool sent = outcome.startsWith(QLatin1String("https:"));
        for (int submit = 0; submit < 2; ++submit) { // nothing stops a second request
            const auto seen = inNextModal("key:Return");
            perform(window, "click:cmdSubmit");
            QCOMPARE(seen->said, sent ? QString() : "Tunewell (Critical, Ok): " + outcome);
        }
        QCOMPARE(browser.opened, sent ? QStringList(2, outcome) : QStringList());
        QCOMPARE(windows(), QStringList{"frmFarewell"});
        QCOMPARE(textsOf(window), form); // the form keeps what was typed
    }

    void requestNamesTheFirstMissingValue()
    {
        // Unreachable from the form, whose address checks come first: the request checks on its
        // own, in this order, with every value after the first missing one missing too.
        const QStringList messages{"Please Enter Your Name", "Please Enter Your Email",
                                   "Please Enter Your Message", "Please Enter Your Friend's Name",
                                   "Please Enter Your Friend's Email"};
        const QStringList filled{"Asha", "a@b.in", "Hello", "Ravi", "r@b.in"};
        QStringList values{" Your Name ", " Your Email Address", "Your Message ", "Friend's Name",
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
