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
#include "Texts.h"
#include "UpdateReminder.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"
#include "modTellAFriend.h"

#include <QTest>
#include <QtWidgets>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// What a user does, as a table row names it: "close" (the close box), "click:NAME" (a button,
// check box, link caption or menu item), "press:NAME" (the mouse pressed on it and let go off
// it), "reader:NAME" (a screen reader's action on it), "pick:LIST=ENTRY" (an entry chosen in a
// list), or to the focused control "key:SEQUENCE", "type:TEXT" (key by key), "paste:TEXT",
// "write:TEXT" (a screen reader putting TEXT in place of what the box holds) and "set:TEXT" (the
// program doing so).
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
    } else if (verb == QLatin1String("set")) {
        focus->setProperty(focus->inherits("QLineEdit") ? "text" : "plainText", name);
    } else if (verb == QLatin1String("write")) {
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(focus);
        box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), name);
    } else if (verb == QLatin1String("pick")) {
        auto *list = window->findChild<QComboBox *>(name.section(QLatin1Char('='), 0, 0));
        list->setCurrentText(name.section(QLatin1Char('='), 1));
    } else if (QAction *item = window->findChild<QAction *>(name)) {
        item->trigger();
    } else if (!target) {
        QFAIL(qPrintable("nothing to " + gesture));
    } else if (verb == QLatin1String("press")) {
        QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(-4, -4));
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

// A pixel's relative luminance, as WCAG defines it.
double luminance(QRgb pixel)
{
    const auto linear = [](int value) {
        const double share = value / 255.0;
        return share <= 0.04045 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel))
           + 0.0722 * linear(qBlue(pixel));
}

// The texts of the window that do not stand out from their own background by WCAG's contrast of
// 4.5 to 1 (3 to 1 if bold of 14 points or more), each " (unreadable: window control "text":
// ratio to 1)"; empty if none.
// Each control is drawn twice, as it is and with every letter a space; its contrast is the best
// between two pixels that differ, so 1 for a text that is not drawn at all. Controls switched off
// or out of sight are passed by, and so are menus, drawn in the desktop's own colours.
QString unreadable(QWidget *window)
{
    QString found;
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    window->setFocus(); // no cursor or focus frame that moves with the text
    for (QWidget *control : window->findChildren<QWidget *>()) {
        auto *list = qobject_cast<QComboBox *>(control);
        const char *property = control->inherits("QGroupBox") ? "title" : "text";
        const QString text = list ? list->currentText() : control->property(property).toString();
        if (text.isEmpty() || !control->isEnabled() || !control->isVisibleTo(window))
            continue;
        const QSignalBlocker quiet(control); // the program takes back what it would not take
        const auto drawWith = [&](const QString &shown) {
            list ? list->setItemText(list->currentIndex(), shown)
                 : (void)control->setProperty(property, shown);
            return control->grab().toImage();
        };
        const QImage blank = drawWith(QString(text).replace(QRegularExpression("\\S"), " "));
        const QImage drawn = drawWith(text);
        double best = 1;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const auto [dark, light] =
                    std::minmax({luminance(drawn.pixel(x, y)), luminance(blank.pixel(x, y))});
                best = std::max(best, (light + 0.05) / (dark + 0.05));
            }
        if (best < (control->font().bold() && control->font().pointSizeF() >= 14 ? 3 : 4.5))
            found += QStringLiteral(" (unreadable: %1 %2 \"%3\": %4 to 1)")
                         .arg(window->objectName(), control->objectName(), text)
                         .arg(best, 0, 'f', 2);
    }
    focus->setFocus();
    return found;
}

// Which modal window came: its name, and for a message box what it said, "title (icon, buttons):
// text"; "(left open)" after it if the answer did not close it.
struct ModalSeen {
    QString said;
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
        if (!modal)
            return;
        seen->watch.stop(); // the one to answer has come
        seen->said = modal->objectName();
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
        seen->said += unreadable(modal);
        modal->activateWindow();
        (void)QTest::qWaitForWindowActive(modal);
        perform(modal, gesture);
        // An access key presses its button the way a click animates it, a moment later; an
        // unloaded window is deleted meanwhile.
        const QPointer<QWidget> answered(modal);
        if (!QTest::qWaitFor([&] { return !answered || !answered->isVisible(); }, 500)) {
            seen->said += QStringLiteral(" (left open)");
            modal->close();
        }
    });
    seen->watch.start(0);
    return seen;
}

// Brings the program where a user gets to: "main" (its window moved to the top left corner),
// "result" (Cough looked up by ailment, Yaman chosen in the raga list), "farewell" (the main
// window closed) or "farewell over hidden main" (the result window closed); the window there,
// active.
QWidget *reach(const QString &place)
{
    Form *window = &Form::get<frmMain>();
    window->showModeless();
    window->move(16, 24);
    if (place == QLatin1String("result") || place == QLatin1String("farewell over hidden main")) {
        for (const char *gesture :
             {"pick:cmbRaga=Yaman", "pick:cmbAilment=Cough", "click:optSearchByAilment",
              "click:cmdProceed", "click:cmbGetResult"})
            perform(window, QLatin1String(gesture));
        window = &Form::get<frmDisplay>();
    }
    if (place.startsWith(QLatin1String("farewell"))) {
        window->close();
        window = &Form::get<frmFarewell>();
    }
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
    return window;
}

// The one window of the program on screen, if any.
QWidget *onScreen()
{
    QWidget *shown = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        shown = window->isVisible() ? window : shown;
    return shown;
}

// The program's windows by name, sorted: those on screen, and those loaded but hidden, marked
// so. (A window unloaded but still on screen would show as on screen.)
QStringList windows()
{
    QStringList names;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            names.append(window->objectName());
        else if (Form::loadedForms().contains(window))
            names.append(window->objectName() + QStringLiteral(" (hidden)"));
    }
    names.sort();
    return names;
}

QString http(const char *host, const char *path = "")
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

// Every text a window has, in the order its controls were made (those brought to front last):
// captions, button texts and menus with their access keys ("-" a separator), frame titles, list
// entries, and in brackets the names and labels (but a frame's title) screen readers say, and
// which are links. Texts of controls nobody can see there, covered or out of sight, and so hidden
// from the keyboard and screen readers too, are marked "unseen". Each on one line, as
// tests/texts/ writes it: line breaks as \r and \n, a trailing space closed by a '|'. The main
// site's host as the defaults have it.
QStringList textsOf(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QObject *object : window->findChildren<QObject *>()) {
        QStringList own;
        if (auto *item = qobject_cast<const QAction *>(object); item && item->isSeparator())
            own.append(QStringLiteral("-"));
        else if (auto *list = qobject_cast<const QComboBox *>(object))
            for (int entry = 0; entry < list->count(); ++entry)
                own.append(list->itemText(entry));
        else
            own.append(
                object->property(object->inherits("QGroupBox") ? "title" : "text").toString());
        own.removeAll(QString());
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
            if (!widget->accessibleName().isEmpty())
                own.append("(" + widget->accessibleName() + ')');
            for (const auto &[label, relation] : reader->relations(QAccessible::Label))
                if (label->object() != widget->parent())
                    own.append("(labelled by " + label->text(QAccessible::Name) + ')');
            if (reader->role() == QAccessible::Link)
                own.append(QStringLiteral("(a link)"));
            if (!widget->isVisibleTo(window))
                own.replaceInStrings(QRegularExpression(QStringLiteral("^")), "unseen: ");
        }
        texts += own;
    }
    texts.replaceInStrings(MainSiteHost, "forum.lantern.example").replaceInStrings("\r", "\\r");
    return texts.replaceInStrings("\n", "\\n").replaceInStrings(QRegularExpression(" $"), " |");
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
        QCOMPARE(windows(), QStringList());
    }

    void gestures_data()
    {
        QTest::addColumn<QString>("at"); // where the user is: see reach()
        // See perform(); "GESTURE>ANSWER": the answer given in the modal window that comes.
        QTest::addColumn<QString>("does");
        QTest::addColumn<QStringList>("windows"); // then: see windows()
        QTest::addColumn<QStringList>("opened");  // the addresses opened
        QTest::addColumn<QString>("modal");       // the modal window that came: see ModalSeen
        // Each row is named for where the user is and what they do.
        const auto row = [](const char *at, const char *does, const QStringList &windows,
                            const QStringList &opened = {}, const char *modal = "") {
            QTest::addRow("%s: %s", at, does) << at << does << windows << opened << modal;
        };
        const QStringList farewell{"frmFarewell"}, main{"frmMain"};
        const QStringList result{"frmDisplay", "frmFarewell (hidden)", "frmMain (hidden)"};
        // The ways out; Alt+X on the main window presses the Exit below its edge.
        for (const char *gesture : {"close", "key:Alt+X", "click:mnuExit"})
            row("main", gesture, farewell);
        for (const char *gesture : {"close", "click:mnuExit"})
            row("result", gesture, {"frmFarewell", "frmMain (hidden)"});
        // Back, by a click, Enter on the focused button, or the menu.
        for (const char *gesture : {"click:cmdBack", "key:Return", "click:mnuBack"})
            row("result", gesture, {"frmFarewell (hidden)", "frmMain"});
        row("farewell", "click:cmdClose", {});
        row("farewell over hidden main", "close", {});
        // About is modal: a way out closes it, a link leaves it up.
        row("main", "click:mnuAbout>key:Return", main, {}, "frmAbout");  // OK, the default button
        row("result", "click:mnuAbout>key:Esc", result, {}, "frmAbout"); // OK, the cancel one too
        // The links: the page opens, the window stays as it was. The offer in sight is the
        // co-brand one on the main window as built, the other one on the result window.
        row("main", "click:mnuOnline", main, {http(ProductSiteHost, "/tunewell-help.html")});
        row("main", "click:mnuVisit", main, {http(MainSiteHost)});
        row("main", "click:mnuUpdate", main, {http(ProductSiteHost, "/download-tunewell.html")});
        row("main", "click:mnuDonate", main, {http(HelpSiteHost, "/donate.html")});
        row("main", "click:Label61", main, {http(MainSiteHost)});
        row("main", "reader:Label61", main, {http(MainSiteHost)});
        row("main", "click:lblCobrand", main, {http(HelpSiteHost, "/co-brand.html")});
        row("main", "click:mnumakemoney", main); // switched off for good
        row("main", "press:Label61", main);      // let go off the link, it opens nothing
        row("result", "click:lblFullBrand", result, {http(HelpSiteHost, "/fully-branded.html")});
        row("farewell", "click:lblGoToHome", farewell, {http(MainSiteHost, "/lanternsoftwares")});
        row("main", "click:mnuAbout>click:lblHomePage", main, {http(MainSiteHost)},
            "frmAbout (left open)");
        row("result", "click:mnuAbout>click:lblCobrand", result,
            {http(HelpSiteHost, "/fully-branded.html")}, "frmAbout (left open)");
        // The check box opens the forum, by a click or a screen reader's Toggle, and is cleared.
        row("farewell", "click:Check1", farewell, {http(MainSiteHost)});
        row("farewell", "reader:Check1", farewell, {http(MainSiteHost)});
    }
    void gestures()
    {
        QFETCH(QString, at);
        QFETCH(QString, does);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, opened);
        QFETCH(QString, modal);
        BrowserStub browser;
        // No modal window may come but one answered; one that does is closed.
        const auto seen = inNextModal(does.contains('>') ? does.section('>', 1) : "close");
        perform(reach(at), does.section('>', 0, 0));
        if (does.startsWith(QLatin1String("key:Alt+")))
            QTRY_COMPARE(::windows(), windows); // an access key clicks a moment later
        else
            QCOMPARE(::windows(), windows); // at once, not when a window is deleted later
        QCOMPARE(seen->said, modal);
        QCOMPARE(browser.opened, opened);
        // Shown again, the main window is where the user moved it, not back in the middle.
        if (const QWidget *shown = onScreen(); shown && shown->objectName() == "frmMain")
            QCOMPARE(shown->pos(), QPoint(16, 24));
        for (const Form *window : Form::loadedForms())
            for (const QCheckBox *box : window->findChildren<QCheckBox *>())
                QVERIFY2(!box->isChecked(), "a check box that opens a page never stays checked");
    }
    void everyTextAsWritten_data()
    {
        // Every text as described (see textsOf()): access keys, odd capitals, the About text's
        // double space, the catalogue's texts on a result, the appeal drawn. None cut off.
        QTest::addColumn<QString>("at");        // see reach(), or "about"
        QTest::addColumn<QStringList>("steps"); // taken there, written "STEP|STEP": see perform()
        QTest::addColumn<double>("draw");       // every draw of the random generator
        QTest::addColumn<QString>("texts"); // of the window then on screen: a file in tests/texts/
        const auto row = [](const char *name, const char *at, const char *steps, double draw,
                            const char *texts) {
            QTest::newRow(name) << QString(at) << QString(steps).split('|', Qt::SkipEmptyParts)
                                << draw << QString(texts);
        };
        row("main", "main", "", 0, "main.txt");
        row("main: the raga list", "main", "click:cmdProceed", 0, "main-ragas.txt");
        row("main: the ailment list, labelled by the caption above", "main",
            "click:optSearchByAilment|click:cmdProceed", 0, "main-ailments.txt");
        row("result by raga: Asavari's time and Mohana keep their trailing spaces", "main",
            "pick:cmbRaga=Asavari|click:cmdProceed|click:cmbGetResult", 0, "result-asavari.txt");
        row("result by ailment: six lines fill the box; a name that begins another's", "main",
            "pick:cmbRaga=Puriya Dhanashri|pick:cmbAilment=Rheumatic Arthritis|"
            "click:optSearchByAilment|click:cmdProceed|click:cmbGetResult",
            0, "result-six-lines.txt");
        row("About", "about", "", 0, "about.txt");
        row("farewell: 0 draws the first appeal", "farewell", "", 0, "farewell-1.txt");
        row("farewell: 0.74 the third (4 x 0.74 floored, not rounded)", "farewell", "", 0.74,
            "farewell-3.txt");
        row("farewell: 0.99 the fourth", "farewell", "", 0.99, "farewell-4.txt");
    }
    void everyTextAsWritten()
    {
        QFETCH(QString, at);
        QFETCH(QStringList, steps);
        QFETCH(double, draw);
        QFETCH(QString, texts);
        RandomDraw::replaceSource([draw] { return draw; });
        QWidget *window = at == "about" ? &Form::get<frmAbout>() : reach(at);
        for (const QString &step : steps)
            perform(window, step);
        window = onScreen() ? onScreen() : window;
        const QString difference = firstDifference(textsOf(window), texts);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(unreadable(window), QString());
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            const bool whole = label->wordWrap()
                                   ? label->heightForWidth(label->width()) <= label->height()
                                   : label->sizeHint().width() <= label->width();
            QVERIFY2(whole || !label->isVisibleTo(window), qPrintable(label->objectName()));
        }
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("before"); // the date stored; empty for none
        QTest::addColumn<QDateTime>("today");
        QTest::addColumn<QString>("answer");     // to the question; empty: none may come
        QTest::addColumn<QString>("after");      // the date stored then
        QTest::addColumn<QStringList>("opened"); // each page, and the date stored by then
        const auto row = [](const char *name, const char *before, const QDateTime &today,
                            const char *answer, const char *after, const QStringList &opened = {}) {
            QTest::newRow(name) << QString(before) << today << QString(answer) << QString(after)
                                << opened;
        };
        const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        const char *today = "2026-12-06T10:00:00";
        row("14 days on: quiet, unchanged", "2026-11-22T10:00:00", now, "", "2026-11-22T10:00:00");
        row("15 days on, Yes: the download page, after recording", "2026-11-21T10:00:00", now,
            "Yes", today, {http(ProductSiteHost, "/download-tunewell.html"), today});
        row("23:59 to 00:01 fifteen calendar days later: asked", "2026-11-01T23:59:00",
            QDateTime(QDate(2026, 11, 16), QTime(0, 1)), "No", "2026-11-16T00:01:00");
        row("clock set back 15 days: asked, today kept", "2026-12-21T10:00:00", now, "No", today);
        row("damaged value: a first start", "12/31/2099 ??", now, "", today);
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
        // The date stored by then, after each page opened.
        browser.onOpen = [&] { browser.opened.append(QSettings().value(reminderKey).toString()); };
        // Alt+Y or Alt+N; a question where none may come is shut with Esc, and shown below.
        const auto seen = inNextModal(answer.isEmpty() ? "key:Esc" : "key:Alt+" + answer.left(1));
        UpdateReminder(today);
        QCOMPARE(seen->said, answer.isEmpty()
                                 ? QString()
                                 : QStringLiteral("Tunewell (Information, Yes|No): There maybe an "
                                                  "update to this software available\nDo you "
                                                  "want to check for an update?"));
        QCOMPARE(QSettings().value(reminderKey).toString(), after);
        QCOMPARE(browser.opened, opened);
    }
    void aSecondInstanceSaysSoAndEnds()
    {
        // Before any start of this test program has taken the lock: here another holds it, in
        // the user's runtime folder, or on Windows in the local application data folder.
        const QString folder = QStandardPaths::writableLocation(
            QSysInfo::productType() == u"windows" ? QStandardPaths::AppLocalDataLocation
                                                  : QStandardPaths::RuntimeLocation);
        QVERIFY(QDir().mkpath(folder));
        QLockFile first(folder + '/' + QCoreApplication::applicationName() + ".lock");
        QVERIFY(first.tryLock(0));
        const auto seen = inNextModal("key:Return");
        StartApplication();
        QCOMPARE(seen->said,
                 QStringLiteral("Tunewell (Information, Ok): Application is already running"));
    }

    void startUpAsksFirstThenPicksAnOffer_data()
    {
        QTest::addColumn<QList<double>>("draws"); // at start-up, then for each later pick
        QTest::addColumn<QString>("offer");       // the one in front
        const auto row = [](const char *name, const QList<double> &draws, const char *offer) {
            QTest::newRow(name) << draws << QString(offer);
        };
        row("0 gives 1: co-brand", {0.0}, "lblCobrand");
        row("0.25 gives 2.5, halves to even 2", {0.25}, "lblFullBrand");
        row("0.5 gives 4: full brand", {0.5}, "lblFullBrand");
        row("0.75 gives 5.5, halves to even 6", {0.75}, "lblFullBrand");
        row("0.95 gives 7: as built", {0.95}, "lblCobrand");
        row("7 changes nothing", {0.25, 0.95}, "lblFullBrand");
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
        QStringList windowsAsPagesOpen; // Yes to the question: the page first, then the window
        browser.onOpen = [&] { windowsAsPagesOpen.append(windows().join(' ')); };
        const auto seen = inNextModal("key:Alt+Y");
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        StartApplication();
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        QCOMPARE(windowsAsPagesOpen << windows().join(' '), (QStringList{"", "frmMain"}));
        QCOMPARE(drawn, 1);
        // The main window in the middle of the screen.
        frmMain &main = Form::get<frmMain>();
        const QPoint centre = main.screen()->availableGeometry().center();
        QVERIFY((main.frameGeometry().center() - centre).manhattanLength() <= 4);
        for (qsizetype pick = 1; pick < draws.size(); ++pick)
            main.CoBrand_Randomize();
        QVERIFY(main.findChild<QWidget *>(offer)->isVisible()); // the other one is hidden
        // Qt's generator, seeded at start-up from the clock's milliseconds, so that each start
        // draws anew, gives next what it gives first after such a seed.
        QList<double> seeded;
        for (qint64 seed = before; seed <= after; ++seed)
            seeded.append(QRandomGenerator(quint32(seed)).generateDouble());
        RandomDraw::replaceSource({});
        QVERIFY2(seeded.contains(RandomDraw::next()), "not seeded from the clock at start-up");
    }

    void keyboard_data()
    {
        // Tab reaches only what can be seen, the links last; the page a link opens is traced too.
        QTest::addColumn<QString>("at");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("focus"); // before each key and after the last; pages opened
        const auto row = [](const char *name, const char *at, const QString &keys,
                            const QString &focus) {
            QTest::newRow(name) << QString(at) << keys.split(' ') << focus.split(' ');
        };
        row("main: the search, not the lists behind nor the hidden Exit, then a list", "main",
            "Tab Tab Tab Tab Tab Return Tab Tab Tab Tab Tab",
            "optSearchByRaga cmdProceed Label61 lblCobrand optSearchByRaga cmdProceed cmbRaga "
            "cmbGetResult Label61 lblCobrand cmbRaga cmbGetResult");
        row("main: a whole lookup by keys alone, the other list passed by", "main",
            "Down Tab Return Tab Tab Tab Tab Down Down Tab Return",
            "optSearchByRaga optSearchByAilment cmdProceed cmbAilment cmbGetResult Label61 "
            "lblCobrand cmbAilment cmbAilment cmbAilment cmbGetResult cmdBack");
        row("result: Back and the links, not the offer behind; Enter or Space opens", "result",
            "Tab Tab Tab Tab Return Tab Space",
            "cmdBack Label61 lblFullBrand cmdBack Label61 " + http(MainSiteHost)
                + " Label61 lblFullBrand " + http(HelpSiteHost, "/fully-branded.html")
                + " lblFullBrand");
        row("result: Back finds the search as it was left", "result", "Return",
            "cmdBack optSearchByAilment");
        row("farewell: Exit first, then the check box, the form and the link", "farewell",
            "Tab Tab Tab Tab Tab Tab Tab Tab Tab",
            "cmdClose Check1 txtName cmdSubmit txtEmail txtFriendEmail txtFriendName txtMessage "
            "lblGoToHome cmdClose");
        row("main: F10 to the menu bar and back, or Esc, as a lone Alt", "main", "F10 F10 F10 Esc",
            "optSearchByRaga menuBar optSearchByRaga menuBar optSearchByRaga");
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
            QWidget *window = onScreen(), *focused = window->focusWidget();
            seen.append(focused->objectName());
            if (key.isEmpty())
                break;
            // Shown just now, the window is active a moment later.
            QTRY_VERIFY(window->isActiveWindow());
            const QImage looked = focused->grab().toImage();
            perform(window, "key:" + key);
            // A link shows that it has the focus: it looks different once the focus has left.
            if (focused->inherits("LinkCaption") && !focused->hasFocus())
                QVERIFY2(focused->grab().toImage() != looked, qPrintable(focused->objectName()));
        }
        QCOMPARE(seen, focus);
        QCOMPARE(unreadable(onScreen()), QString()); // as the keys left it
    }

    void typing_data()
    {
        // The box is the one the first step clicks.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("left");    // in the box afterwards
        QTest::addColumn<QString>("message"); // shown on the way
        const auto row = [](const char *name, const QStringList &steps, const QString &left = {},
                            const QString &message = {}) {
            QTest::newRow(name) << steps << left << message;
        };
        const QString noSpace = u"Tunewell (Critical, Ok): Email Address Cannot Contain Space"_s;
        const QString flood(100000, QLatin1Char('x'));
        row("email: spaces alone bring the placeholder back",
            {"click:txtEmail", "set:   ", "key:Tab"}, "Your Email Address");
        row("friend's name: the placeholder amid spaces is emptied",
            {"click:txtFriendName", "set:  Friend's Name ", "key:Tab", "key:Shift+Tab"});
        row("friend's email: what was typed stays",
            {"click:txtFriendEmail", "type:r@b.in", "key:Tab", "key:Shift+Tab"}, "r@b.in");
        row("message: a line break keeps it from emptying", {"click:txtMessage"}, "Your Message\n");
        row("message: blank, its bare placeholder is back",
            {"click:txtMessage", "set: ", "key:Tab"}, "Your Message");
        row("name: a space is welcome", {"click:txtName", "type:Asha K"}, "Asha K");
        row("email: a typed space refused and explained", {"click:txtEmail", "type:asha k"},
            "ashak", noSpace);
        row("friend's email: the same", {"click:txtFriendEmail", "type:r@b. in"}, "r@b.in",
            noSpace);
        row("friend's email: pasted line break refused",
            {"click:txtFriendEmail", "paste:r@b.in\n"});
        row("email: a pasted control character refused", {"click:txtEmail", "paste:a\u0001@b.in"});
        row("friend's email: an address a screen reader writes is welcome",
            {"click:txtFriendEmail", "write:r@b.in"}, "r@b.in");
        row("name: a pasted flood cut to 100", {"click:txtName", "paste:" + flood},
            flood.left(100));
        row("email: cut to 254, the longest address", {"click:txtEmail", "paste:a@b." + flood},
            "a@b." + flood.left(250));
        row("message: 500 characters, the most it takes, stay",
            {"click:txtMessage", "set:", "paste:" + flood.left(500)}, flood.left(500));
        row("message: cut to 500, never inside a pair",
            {"click:txtMessage", "set:", "paste:" + u"x🎵"_s.repeated(300)},
            u"x🎵"_s.repeated(166) + 'x');
    }
    void typing()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, left);
        QFETCH(QString, message);
        QWidget *window = reach("farewell");
        QWidget *box = window->findChild<QWidget *>(steps.constFirst().section(':', 1));
        const char *text = box->inherits("QLineEdit") ? "text" : "plainText";
        const auto seen = inNextModal("key:Return");
        for (const QString &step : steps)
            perform(window, step);
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
        const auto row = [](const char *name, const QStringList &typed, const QString &outcome) {
            QTest::newRow(name) << typed << outcome;
        };
        row("untouched form: no @ in the placeholders", {"-", "-", "-", "-", "-"}, proper);
        row("one address twice, without @: distinct comes first",
            {"Asha", "ab.in", "Ravi", "ab.in", "-"}, "Please Enter Distinct Email Addresses");
        row("@ without a dot", {"Asha", "a@bin", "Ravi", "r@b.in", "-"}, proper);
        row("dot without @", {"Asha", "a@b.in", "Ravi", "r.b.in", "-"}, proper);
        row("an address with a space, as a screen reader writes it: nothing sent",
            {"Asha", "write:a b@c.d", "Ravi", "r@b.in", "-"}, proper);
        row("sent over TLS: the untouched message with its line break, A@B distinct",
            {"Asha", "a@b.in", "Ravi", "A@B.in", "-"},
            request("taf1=Asha&taf2=a%40b.in&taf3=Your%20Message%0D%0A&taf4=Ravi&taf5=A%40B.in"));
        row("sent: a dot before the @ will do, spaces trimmed off the name",
            {"  Asha K ", "asha.k@mail", "Ravi", "r@b.in", "-"},
            request("taf1=Asha%20K&taf2=asha.k%40mail&taf3=Your%20Message%0D%0A&taf4=Ravi"
                    "&taf5=r%40b.in"));
        // What a value may hold, any character, is escaped so as to reach the server as it
        // was typed: tried on every run of the fuzzing target (fuzz/).
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
        QStringList values{" Your Name ", " Your Email Address", "Your Message ", "Friend's Name",
                           "  "};
        const QStringList filled{"Asha", "a@b.in", "Hello", "Ravi", "r@b.in"};
        QStringList said;
        BrowserStub browser;
        for (int missing = 0; missing < 5; ++missing) {
            said.append(TellAFriend({values[0], values[1], values[2], values[3], values[4]})
                            .value_or(QString()));
            values[missing] = filled.at(missing);
        }
        QCOMPARE(said, (QStringList{"Please Enter Your Name", "Please Enter Your Email",
                                    "Please Enter Your Message", "Please Enter Your Friend's Name",
                                    "Please Enter Your Friend's Email"}));
        QCOMPARE(browser.opened, QStringList());
    }
};

int main(int argc, char *argv[])
{
    // A home of its own (settings, lock) and Qt's offscreen platform: the user's files and
    // screen are never touched.
    static QTemporaryDir home; // outlives the lock, which is let go after main()
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME"}) {
        QDir().mkdir(home.filePath(variable),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, home.filePath(variable).toLocal8Bit());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    WindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windows.moc"
