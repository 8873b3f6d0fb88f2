#include "shell/MDIMain.h"

#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void captionIsTheProgramName()
    {
        MDIMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvamis Kestravo"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
