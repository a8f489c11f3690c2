// The main, result and About windows driven as a user would: clicks, keys and menus.
#include "TestSupport.h"

#include "Controls.h"
#include "Lookup.h"
#include "RandomDraw.h"
#include "RemedyCatalogue.h"
#include "ShowLookupResult.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

QString caption(const QWidget *window, const char *label)
{
    return control<QLabel>(window, label)->text();
}

QString shown(std::string_view catalogueText)
{
    return displayText(toQString(catalogueText));
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void mainWindowStartsAtTheModeStage();
    void listsKeepTheirOrders();
    void proceedSwitchesToTheNameStage_data();
    void proceedSwitchesToTheNameStage();

    void lookupShowsBothPanels_data();
    void lookupShowsBothPanels();
    void neitherOptionMeansByAilment();
    void halfNotFoundKeepsTheBuiltCaptions();
    void backKeepsModeAndSelections_data();
    void backKeepsModeAndSelections();
    void everyLookupGetsAFreshResultWindow();

    void hiddenExitStillWorks_data();
    void hiddenExitStillWorks();
    void closingTheResultWindowLeavesTheFarewell_data();
    void closingTheResultWindowLeavesTheFarewell();
    void makeMoneyCannotBeChosen();
    void everyLinkOpensItsPage_data();
    void everyLinkOpensItsPage();

    void aboutClosesAndReturns_data();
    void aboutClosesAndReturns();
    void aboutLinksKeepItOpen();

    void coBrandRandomize_data();
    void coBrandRandomize();

    void wholeLookupWithTheKeyboardAlone();
    void everyControlHasANameForScreenReaders();
};

void WindowsTest::cleanup()
{
    RandomDraw::replaceSource({});
    endProgram();
}

void WindowsTest::mainWindowStartsAtTheModeStage()
{
    frmMain &main = mainWindow();
    QCOMPARE(control<QComboBox>(&main, "cmbRaga")->currentText(), QStringLiteral("Ahir Bhairav"));
    QCOMPARE(control<QComboBox>(&main, "cmbAilment")->currentText(),
             QStringLiteral("All types of General illness"));
    QVERIFY(control<QRadioButton>(&main, "optSearchByRaga")->isChecked());
    QVERIFY(inFront(control(&main, "fraSearch")));
    QCOMPARE(caption(&main, "lblRagaCaption"), QStringLiteral("Choose one of the following ragas"));
    QCOMPARE(main.centralWidget()->size(), QSize(450, 321));
    QVERIFY(control<QAbstractButton>(&main, "cmdExit")->y() >= main.centralWidget()->height());
    QCOMPARE(main.windowTitle(), QStringLiteral("Tunewell v1.0"));
    // In the middle of the screen, give or take the window frame the platform adds.
    const QPoint offCentre = main.frameGeometry().center() - main.screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 4, "the window opens in the middle of the screen");
}

void WindowsTest::listsKeepTheirOrders()
{
    frmMain &main = mainWindow();
    QStringList ragas;
    for (std::string_view name : RagaNames())
        ragas.append(toQString(name));
    QCOMPARE(entries(control<QComboBox>(&main, "cmbRaga")), ragas);

    const QStringList sorted{
        "All types of General illness", "Anaemia", "Anorexia", "Anxiety", "Asthma", "Backache",
        "Blood Pressure", "Builds Confidence", "Colitis", "Common Cold", "Constipation", "Cough",
        "Depression", "Diarrhoea", "Encourages Detachment", "Gall Stones (Cholecystitis)",
        "Headache", "Hyperacidity", "Hypertension", "Indigestion", "Insomnia", "Intestinal Gas",
        "Piles or Hemorrhoids", "Pregnancy", "Rheumatic Arthritis", "Sedative", "Sinusitis",
        "Sleep disorders", "Spondilitis"};
    QCOMPARE(entries(control<QComboBox>(&main, "cmbAilment")), sorted);

    // The list sorts itself, ignoring case, whatever order the names come in.
    QComboBox list;
    for (auto name = sorted.crbegin(); name != sorted.crend(); ++name)
        addSortedItem(&list, *name);
    addSortedItem(&list, QStringLiteral("anaemia"));
    QStringList expected = sorted;
    expected.insert(2, QStringLiteral("anaemia"));
    QCOMPARE(entries(&list), expected);
}

void WindowsTest::proceedSwitchesToTheNameStage_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("listShown");
    QTest::addColumn<QByteArray>("listHidden");
    QTest::addColumn<QString>("listCaption");
    QTest::newRow("by raga") << QByteArray("optSearchByRaga") << QByteArray("cmbRaga")
                             << QByteArray("cmbAilment") << "Choose one of the following ragas";
    QTest::newRow("by ailment") << QByteArray("optSearchByAilment") << QByteArray("cmbAilment")
                                << QByteArray("cmbRaga") << "Choose one of the following ailments";
}

void WindowsTest::proceedSwitchesToTheNameStage()
{
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, listShown);
    QFETCH(QByteArray, listHidden);
    QFETCH(QString, listCaption);

    frmMain &main = mainWindow();
    click(&main, option);
    click(&main, "cmdProceed");
    QVERIFY(inFront(control(&main, "fraChoose")));
    QVERIFY(control(&main, "fraSearch")->isVisible()); // covered, never hidden
    QVERIFY(control(&main, listShown)->isVisible());
    QVERIFY(!control(&main, listHidden)->isVisible());
    QCOMPARE(caption(&main, "lblRagaCaption"), listCaption);
}

void WindowsTest::lookupShowsBothPanels_data()
{
    QTest::addColumn<bool>("byRaga");
    QTest::addColumn<QString>("raga");
    QTest::addColumn<QString>("ailment");
    QTest::newRow("by raga: Asavari's time keeps its space") << true << "Asavari" << "Cough";
    QTest::newRow("by raga: Kedar's three lines") << true << "Kedar" << "Sleep disorders";
    QTest::newRow("by ailment: Cough's four lines, Yaman behind") << false << "Yaman" << "Cough";
    QTest::newRow("by ailment: six lines") << false << "Ahir Bhairav" << "Rheumatic Arthritis";
}

void WindowsTest::lookupShowsBothPanels()
{
    QFETCH(bool, byRaga);
    QFETCH(QString, raga);
    QFETCH(QString, ailment);

    // The hidden list keeps its choice and is looked up too.
    frmMain &main = mainWindow();
    choose(&main, byRaga ? "cmbAilment" : "cmbRaga", byRaga ? ailment : raga);
    if (byRaga)
        lookUp("optSearchByRaga", "cmbRaga", raga);
    else
        lookUp("optSearchByAilment", "cmbAilment", ailment);

    QVERIFY(Form::isLoaded<frmDisplay>());
    frmDisplay &display = Form::get<frmDisplay>();
    QVERIFY(display.isVisible());
    QVERIFY(!main.isVisible());
    QVERIFY(Form::isLoaded<frmFarewell>());
    QVERIFY(!Form::get<frmFarewell>().isVisible());
    QVERIFY(inFront(byRaga ? display.fraRagaResult : display.fraAilmentResult));

    const RagaEntry *row = FindRaga(raga.toStdString());
    QCOMPARE(display.lblChoosenRaga->text(), raga);
    QCOMPARE(display.lblTimeOfPerformanceRaga->text(), shown(row->timeOfPerformance));
    QCOMPARE(display.lblDiseaseItHelpCure->text(), shown(row->diseaseItHelpCure));
    QCOMPARE(display.lblChoosenAilment->text(), ailment);
    QCOMPARE(display.lblRagaItHelpCure->text(),
             shown(FindAilment(ailment.toStdString())->ragaItHelpCure));
    QCOMPARE(display.lblTimeOfPerformanceAilment->text(), QStringLiteral("lblTimeOfPerformanceAilment"));
    // The text boxes keep their size, which six lines fill.
    QCOMPARE(display.lblRagaItHelpCure->size(), QSize(328, 96));
    QCOMPARE(display.lblDiseaseItHelpCure->size(), QSize(328, 96));
    // The whole time caption fits: a trailing space widens it rather than being cut.
    QVERIFY(display.lblTimeOfPerformanceRaga->width()
            >= display.lblTimeOfPerformanceRaga->sizeHint().width());
}

void WindowsTest::neitherOptionMeansByAilment()
{
    frmMain &main = mainWindow();
    click(&main, "cmdProceed");
    auto *byRaga = control<QRadioButton>(&main, "optSearchByRaga");
    byRaga->setAutoExclusive(false);
    byRaga->setChecked(false);
    QVERIFY(!control<QRadioButton>(&main, "optSearchByAilment")->isChecked());
    click(&main, "cmbGetResult");
    QVERIFY(inFront(Form::get<frmDisplay>().fraAilmentResult));
}

void WindowsTest::halfNotFoundKeepsTheBuiltCaptions()
{
    ShowLookupResult(Lookup(SearchMode::ByRaga, "yaman", "Cough"));
    frmDisplay &display = Form::get<frmDisplay>();
    QCOMPARE(display.lblChoosenRaga->text(), QStringLiteral("Label2"));
    QCOMPARE(display.lblDiseaseItHelpCure->text(), QStringLiteral("Label2"));
    QCOMPARE(display.lblTimeOfPerformanceRaga->text(), QStringLiteral("lblTimeOfPerformanceRaga"));
    QCOMPARE(display.lblChoosenAilment->text(), QStringLiteral("Cough"));
    QVERIFY(inFront(display.fraRagaResult));
}

void WindowsTest::backKeepsModeAndSelections_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifier");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Alt+B") << int(Qt::Key_B) << int(Qt::AltModifier);
    QTest::newRow("File > Back") << 0 << 0;
}

void WindowsTest::backKeepsModeAndSelections()
{
    QFETCH(int, key);
    QFETCH(int, modifier);

    frmMain &main = mainWindow();
    choose(&main, "cmbRaga", QStringLiteral("Malhar"));
    lookUp("optSearchByAilment", "cmbAilment", QStringLiteral("Cough"));
    frmDisplay &display = Form::get<frmDisplay>();
    QVERIFY(activate(&display));
    QCOMPARE(QApplication::focusWidget(), control(&display, "cmdBack"));
    if (key)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifier));
    else
        menuItem(&display, "mnuBack")->trigger();

    // An access key presses its button the way a click animates it, a moment later.
    QTRY_VERIFY(!Form::isLoaded<frmDisplay>());
    QVERIFY(main.isVisible());
    QVERIFY(inFront(control(&main, "fraSearch")));
    QVERIFY(control<QRadioButton>(&main, "optSearchByAilment")->isChecked());
    QCOMPARE(control<QComboBox>(&main, "cmbAilment")->currentText(), QStringLiteral("Cough"));
    QCOMPARE(control<QComboBox>(&main, "cmbRaga")->currentText(), QStringLiteral("Malhar"));
    QVERIFY(Form::isLoaded<frmFarewell>());
    QVERIFY(!Form::get<frmFarewell>().isVisible());
}

void WindowsTest::everyLookupGetsAFreshResultWindow()
{
    lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Kedar"));
    frmDisplay *first = &Form::get<frmDisplay>();
    setCaption(first->lblTimeOfPerformanceAilment, QStringLiteral("left over"));
    click(first, "cmdBack");

    lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Yaman"));
    frmDisplay &second = Form::get<frmDisplay>();
    QCOMPARE(second.lblTimeOfPerformanceAilment->text(), QStringLiteral("lblTimeOfPerformanceAilment"));
    QCOMPARE(second.lblDiseaseItHelpCure->text(), QStringLiteral("Rheumatic Arthritis"));
    QCOMPARE(second.lblChoosenRaga->text(), QStringLiteral("Yaman"));
}

void WindowsTest::hiddenExitStillWorks_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Alt+X") << "alt+x";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("close box") << "close";
}

void WindowsTest::hiddenExitStillWorks()
{
    QFETCH(QString, how);
    frmMain &main = mainWindow();
    if (how == QLatin1String("alt+x"))
        QTest::keyClick(&main, Qt::Key_X, Qt::AltModifier);
    else if (how == QLatin1String("menu"))
        menuItem(&main, "mnuExit")->trigger();
    else
        main.close();

    QTRY_VERIFY(!Form::isLoaded<frmMain>());
    QVERIFY(Form::isLoaded<frmFarewell>());
    QVERIFY(Form::get<frmFarewell>().isVisible());
}

void WindowsTest::closingTheResultWindowLeavesTheFarewell_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
}

void WindowsTest::closingTheResultWindowLeavesTheFarewell()
{
    QFETCH(bool, byMenu);
    lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Yaman"));
    frmDisplay &display = Form::get<frmDisplay>();
    if (byMenu)
        menuItem(&display, "mnuExit")->trigger();
    else
        display.close();

    QVERIFY(!Form::isLoaded<frmDisplay>());
    QVERIFY(Form::get<frmFarewell>().isVisible());
    QVERIFY(Form::isLoaded<frmMain>());
    QVERIFY(!Form::get<frmMain>().isVisible());
}

void WindowsTest::makeMoneyCannotBeChosen()
{
    BrowserStub browser;
    QMainWindow *main = &mainWindow();
    lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Yaman"));
    for (QMainWindow *window : {main, static_cast<QMainWindow *>(&Form::get<frmDisplay>())}) {
        QAction *item = menuItem(window, "mnumakemoney");
        QVERIFY(!item->isEnabled());
        QTest::mouseClick(window->menuBar(), Qt::LeftButton, {},
                          window->menuBar()->actionGeometry(item).center());
    }
    QVERIFY(browser.opened.isEmpty());
}

void WindowsTest::everyLinkOpensItsPage_data()
{
    QTest::addColumn<bool>("onResult");
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<LinkId>("link");

    for (bool onResult : {false, true}) {
        const QByteArray window = onResult ? "result window: " : "main window: ";
        const auto row = [&](const char *item, LinkId link) {
            QTest::newRow(window + item) << onResult << QByteArray(item) << link;
        };
        row("mnuOnline", LinkOnlineHelp);
        row("mnuVisit", LinkHomePage);
        row("mnuUpdate", LinkDownload);
        row("mnuDonate", LinkDonate);
        row("Label61", LinkHomePage);
        row("lblCobrand", LinkCoBrand);
        row("lblFullBrand", LinkFullBrand);
    }
}

void WindowsTest::everyLinkOpensItsPage()
{
    QFETCH(bool, onResult);
    QFETCH(QByteArray, item);
    QFETCH(LinkId, link);

    QWidget *window = &mainWindow();
    if (onResult) {
        lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Yaman"));
        window = &Form::get<frmDisplay>();
    }
    BrowserStub browser;
    for (int press = 0; press < 2; ++press) {
        if (QAction *action = menuItem(window, item))
            action->trigger();
        else
            QTest::mouseClick(control(window, item), Qt::LeftButton);
    }
    QCOMPARE(browser.opened, QStringList(2, LinkAddress(link)));
    QVERIFY(window->isVisible());
}

void WindowsTest::aboutClosesAndReturns_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<int>("key"); // 0: the close box
    QTest::newRow("Enter, from the main window") << false << int(Qt::Key_Return);
    QTest::newRow("Esc, from the main window") << false << int(Qt::Key_Escape);
    QTest::newRow("close box, from the main window") << false << 0;
    QTest::newRow("Esc, from the result window") << true << int(Qt::Key_Escape);
}

void WindowsTest::aboutClosesAndReturns()
{
    QFETCH(bool, fromResult);
    QFETCH(int, key);

    QWidget *opener = &mainWindow();
    if (fromResult) {
        lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Kedar"));
        opener = &Form::get<frmDisplay>();
    }
    const auto seen = key ? pressInNextModal(key) : inNextModal([](QWidget *about) { about->close(); });
    menuItem(opener, "mnuAbout")->trigger();

    QVERIFY(seen->shown);
    QVERIFY(seen->closedByAnswer);
    QCOMPARE(seen->windowName, QStringLiteral("frmAbout"));
    QVERIFY(!Form::isLoaded<frmAbout>());
    QVERIFY(opener->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    if (fromResult)
        QCOMPARE(Form::get<frmDisplay>().lblChoosenRaga->text(), QStringLiteral("Kedar"));
}

void WindowsTest::aboutLinksKeepItOpen()
{
    frmMain &main = mainWindow();
    BrowserStub browser;
    bool stayedOpen = false;
    QString description;
    const auto seen = inNextModal([&](QWidget *about) {
        description = caption(about, "Label1");
        QTest::mouseClick(control(about, "lblCobrand"), Qt::LeftButton);
        QTest::mouseClick(control(about, "lblHomePage"), Qt::LeftButton);
        stayedOpen = about->isVisible() && Form::isLoaded<frmAbout>();
        about->close();
    });
    menuItem(&main, "mnuAbout")->trigger();
    QVERIFY(seen->shown);
    QVERIFY(stayedOpen);
    QCOMPARE(browser.opened, (QStringList{LinkAddress(LinkFullBrand), LinkAddress(LinkHomePage)}));
    QVERIFY(description.startsWith(QStringLiteral(
        "Tunewell displays the different arrangement of  musical notes or ragas that are said to "
        "heal many health ailments. Listening to these musical notes can give you instant relief "
        "and help you overcome your illness.")));
}

void WindowsTest::coBrandRandomize_data()
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

void WindowsTest::coBrandRandomize()
{
    QFETCH(QList<double>, draws);
    QFETCH(bool, fullBrandInFront);

    RandomDraw::replaceSource([draws, next = 0]() mutable { return draws.at(next++); });
    frmMain &main = mainWindow();
    QVERIFY(inFront(main.lblCobrand));
    for (int i = 0; i < draws.size(); ++i)
        main.CoBrand_Randomize();
    QVERIFY(inFront(fullBrandInFront ? static_cast<QWidget *>(main.lblFullBrand) : main.lblCobrand));
}

void WindowsTest::wholeLookupWithTheKeyboardAlone()
{
    BrowserStub browser;
    frmMain &main = mainWindow();
    const auto key = [](Qt::Key pressed) { QTest::keyClick(QApplication::focusWidget(), pressed); };

    QCOMPARE(QApplication::focusWidget(), control(&main, "optSearchByRaga"));
    key(Qt::Key_Down); // to "Search By Ailment"
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(&main, "cmdProceed"));
    key(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), control(&main, "cmbAilment"));
    for (int step = 0; step < 11; ++step)
        key(Qt::Key_Down);
    QCOMPARE(control<QComboBox>(&main, "cmbAilment")->currentText(), QStringLiteral("Cough"));
    key(Qt::Key_Tab);
    key(Qt::Key_Return);

    frmDisplay &display = Form::get<frmDisplay>();
    QVERIFY(display.isVisible());
    QCOMPARE(display.lblChoosenAilment->text(), QStringLiteral("Cough"));
    QVERIFY(activate(&display));
    key(Qt::Key_Return);
    QVERIFY(!Form::isLoaded<frmDisplay>());

    QVERIFY(activate(&main));
    QCOMPARE(QApplication::focusWidget(), control(&main, "optSearchByAilment"));
    QVERIFY(browser.opened.isEmpty());
}

// Walks a window's accessibility tree and names every control a user can act on.
void collectControls(QAccessibleInterface *node, QStringList &unnamed, int &count)
{
    static const QList<QAccessible::Role> acting{
        QAccessible::PushButton, QAccessible::RadioButton, QAccessible::CheckBox,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::Link,
        QAccessible::MenuItem};
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child)
            continue;
        if (acting.contains(child->role())) {
            ++count;
            if (child->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(child->object() ? child->object()->objectName() : QStringLiteral("?"));
        }
        collectControls(child, unnamed, count);
    }
}

void WindowsTest::everyControlHasANameForScreenReaders()
{
    lookUp("optSearchByRaga", "cmbRaga", QStringLiteral("Kedar"));
    for (QWidget *window : QList<QWidget *>{&Form::get<frmMain>(), &Form::get<frmDisplay>(),
                                            &Form::get<frmFarewell>(), &Form::get<frmAbout>()}) {
        QStringList unnamed;
        int count = 0;
        collectControls(QAccessible::queryAccessibleInterface(window), unnamed, count);
        QVERIFY2(count >= 3, qPrintable(window->objectName()));
        QVERIFY2(unnamed.isEmpty(), qPrintable(window->objectName() + ": " + unnamed.join(", ")));
    }

    // Every link caption, the first one made too, is a link a screen reader can press.
    for (const char *caption : {"Label61", "lblCobrand", "lblFullBrand"})
        QCOMPARE(QAccessible::queryAccessibleInterface(control(&Form::get<frmMain>(), caption))->role(),
                 QAccessible::Link);
    BrowserStub browser;
    QAccessibleInterface *banner =
        QAccessible::queryAccessibleInterface(control(&Form::get<frmDisplay>(), "Label61"));
    QCOMPARE(banner->role(), QAccessible::Link);
    banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(browser.opened, QStringList{LinkAddress(LinkHomePage)});
}

TUNEWELL_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
