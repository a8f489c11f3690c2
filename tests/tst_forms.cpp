// The window services every window stands on: load on reference, unload, modality.
#include "TestSupport.h"

#include "Form.h"

#include <QApplication>
#include <QTimer>

namespace {

// A window that counts its load and unload handlers.
class frmProbe : public Form
{
    Q_OBJECT

public:
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

    void referenceLoadsOnceAndUnloadDiscards();
    void hiddenWindowsStayLoaded();
    void showModalReturnsWhenUnloaded();
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

void FormsTest::referenceLoadsOnceAndUnloadDiscards()
{
    frmProbe &first = Form::get<frmProbe>();
    QCOMPARE(&Form::get<frmProbe>(), &first);
    QCOMPARE(frmProbe::loads, 1);
    QVERIFY(!first.isVisible()); // loading is not showing

    first.showModeless();
    first.setObjectName(QStringLiteral("marked"));
    first.unload();
    first.unload(); // once unloaded, a second unload does nothing
    QCOMPARE(frmProbe::unloads, 1);
    QVERIFY(!first.isVisible());
    QVERIFY(!Form::isLoaded<frmProbe>());

    frmProbe &second = Form::get<frmProbe>();
    QVERIFY(second.objectName() != QStringLiteral("marked"));
    QCOMPARE(frmProbe::loads, 2);
}

void FormsTest::hiddenWindowsStayLoaded()
{
    Form::get<frmProbe>().hide();
    Form::get<frmOther>().showModeless();
    QCOMPARE(Form::loadedForms().size(), 2);
    QVERIFY(Form::isLoaded<frmProbe>() && Form::isLoaded<frmOther>());
    QCOMPARE(frmProbe::loads, 1);
}

void FormsTest::showModalReturnsWhenUnloaded()
{
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = QApplication::activeModalWidget() == &Form::get<frmProbe>();
        Form::get<frmProbe>().close(); // the close box
    });
    Form::get<frmProbe>().showModal();
    QVERIFY(wasModal);
    QCOMPARE(frmProbe::unloads, 1);
    QVERIFY(!Form::isLoaded<frmProbe>());
}

TUNEWELL_TEST_MAIN(FormsTest)
#include "tst_forms.moc"
