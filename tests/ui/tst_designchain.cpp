// The axis design window driven as a user drives it: the palette and the
// chain commands, the picture row, the buffer, the load type and help.
#include "design/frmAxisDesign.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/ImageControl.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/support/ProgramRun.h"

#include <QAction>
#include <QtTest>

using testing_support::ProgramRun;

class TestDesignChain : public QObject {
    Q_OBJECT
private slots:
    void layoutShowsToolbarsPicturesAndPanels()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        frmAxisDesign* design = AxisDesignWindow(1);
        QVERIFY(design);
        for (const char* name : {"vsfMechInfo", "vsfMechanism", "vsfMotorInfo", "vsfMotor", "vsfLoad"})
            QVERIFY2(design->findChild<platform::FlexGrid*>(name), name);
        design->SetWindowState(0);
        QApplication::processEvents();
        design->grab().save(QDir::temp().filePath("design_layout.png"));
    }
};

QTEST_MAIN(TestDesignChain)
#include "tst_designchain.moc"
