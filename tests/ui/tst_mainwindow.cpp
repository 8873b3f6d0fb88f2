#include "foundation/ClsMessageSystem.h"
#include "foundation/PlatformServices.h"
#include "foundation/basTextResources.h"
#include "platform/core/ResourceStrings.h"
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

    void captionInGerman()
    {
        gnLanguageOffset = 1000;
        MDIMain window;
        gnLanguageOffset = 0;
        QCOMPARE(window.windowTitle(), QString::fromStdString(platform::FindResourceString(1031)));
    }

    // While the main window exists, the libraries reach windows through it.
    void installsTheWindowServicesForItsLifetime()
    {
        {
            MDIMain window;
            QVERIFY(platform::InstalledPlatformServices());
            QVERIFY(platform::InstalledMessageDisplay());
        }
        QVERIFY(!platform::InstalledPlatformServices());
        QVERIFY(!platform::InstalledMessageDisplay());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
