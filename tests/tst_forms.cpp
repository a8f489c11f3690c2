// The window services every window stands on: load on reference, unload, modality, stacking,
// message boxes.
#include "TestSupport.h"

#include "Form.h"
#include "MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

// A window that counts its load and unload handlers.
class frmProbe : public Form
{
    Q_OBJECT

public:
    frmProbe() { createClientArea(1500, 1500); }
    static inline int loads = 0;
    static inline int unloads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

class frmOther : public Form
{
    Q_OBJECT
};

} // namespace

class FormsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void referenceLoadsOnce();
    void unloadRunsItsHandlerAndNextReferenceIsFresh();
    void closeBoxUnloads();
    void hiddenWindowsStayLoaded();
    void showModalReturnsWhenUnloaded();
    void raisingChangesOnlyTheStacking();
    void messageBoxes_data();
    void messageBoxes();
};

void FormsTest::init()
{
    frmProbe::loads = frmProbe::unloads = 0;
}

void FormsTest::cleanup()
{
    for (Form *form : Form::loadedForms())
        form->unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(Form::loadedForms().isEmpty());
}

void FormsTest::referenceLoadsOnce()
{
    QVERIFY(!Form::isLoaded<frmProbe>());
    frmProbe &first = Form::get<frmProbe>();
    QVERIFY(Form::isLoaded<frmProbe>());
    QCOMPARE(&Form::get<frmProbe>(), &first);
    QCOMPARE(frmProbe::loads, 1);
    QVERIFY(!first.isVisible()); // loading is not showing
    QCOMPARE(first.windowTitle(), QStringLiteral("Tunewell v1.0"));
}

void FormsTest::unloadRunsItsHandlerAndNextReferenceIsFresh()
{
    frmProbe &first = Form::get<frmProbe>();
    first.showModeless();
    first.setObjectName(QStringLiteral("marked"));
    first.unload();
    QCOMPARE(frmProbe::unloads, 1);
    QVERIFY(!first.isVisible());
    QVERIFY(!Form::isLoaded<frmProbe>());

    first.unload(); // a second unload of the same window does nothing
    QCOMPARE(frmProbe::unloads, 1);

    frmProbe &second = Form::get<frmProbe>();
    QVERIFY(second.objectName() != QStringLiteral("marked"));
    QCOMPARE(frmProbe::loads, 2);
}

void FormsTest::closeBoxUnloads()
{
    frmProbe &probe = Form::get<frmProbe>();
    probe.showModeless();
    QVERIFY(probe.close());
    QCOMPARE(frmProbe::unloads, 1);
    QVERIFY(Form::loadedForms().isEmpty());
}

void FormsTest::hiddenWindowsStayLoaded()
{
    Form::get<frmProbe>().hide();
    Form::get<frmOther>().showModeless();
    const QList<Form *> loaded = Form::loadedForms();
    QCOMPARE(loaded.size(), 2);
    QVERIFY(Form::isLoaded<frmProbe>() && Form::isLoaded<frmOther>());
    QCOMPARE(frmProbe::loads, 1);
}

void FormsTest::showModalReturnsWhenUnloaded()
{
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = QApplication::activeModalWidget() == Form::loadedForms().value(0);
        Form::get<frmProbe>().unload();
    });
    Form::get<frmProbe>().showModal();
    QVERIFY(wasModal);
    QCOMPARE(frmProbe::unloads, 1);
    QVERIFY(!Form::isLoaded<frmProbe>());
}

void FormsTest::raisingChangesOnlyTheStacking()
{
    QWidget parent;
    parent.resize(200, 100);
    auto *back = new QLabel(QStringLiteral("back"), &parent);
    auto *front = new QLabel(QStringLiteral("front"), &parent);
    back->setGeometry(10, 10, 100, 50);
    front->setGeometry(12, 10, 100, 50);
    front->hide();
    front->show();
    QVERIFY(inFront(front));

    back->raise();
    QVERIFY(inFront(back));
    QCOMPARE(back->geometry(), QRect(10, 10, 100, 50));
    QCOMPARE(front->geometry(), QRect(12, 10, 100, 50));
    QVERIFY(!front->isHidden() && !back->isHidden());
    QCOMPARE(back->text(), QStringLiteral("back"));
}

void FormsTest::messageBoxes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");

    QTest::newRow("information, OK") << "Saved" << MessageIcon::Information
        << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok << "Saved"
        << QMessageBox::Information;
    QTest::newRow("critical, OK") << "Wrong" << MessageIcon::Critical
        << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok << "Wrong"
        << QMessageBox::Critical;
    QTest::newRow("yes and no, no pressed; a lone CR breaks the line") << "One\rTwo"
        << MessageIcon::Information << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::No
        << "One\nTwo" << QMessageBox::Information;
    QTest::newRow("yes pressed; CR LF breaks the line") << "One\r\nTwo"
        << MessageIcon::Information << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::Yes
        << "One\nTwo" << QMessageBox::Information;
}

void FormsTest::messageBoxes()
{
    QFETCH(QString, text);
    QFETCH(MessageIcon, icon);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(QString, shown);
    QFETCH(QMessageBox::Icon, shownIcon);

    const auto seen = clickInNextModal(press);
    QCOMPARE(MsgBox(text, icon, buttons), press);
    QVERIFY(seen->shown);
    QCOMPARE(seen->title, QStringLiteral("Tunewell"));
    QCOMPARE(seen->text, shown);
    QCOMPARE(seen->icon, shownIcon);
    QCOMPARE(seen->buttons, buttons);
}

TUNEWELL_TEST_MAIN(FormsTest)
#include "tst_forms.moc"
