// The window services on Qt: colour count from the screen depth, centring,
// and the start-up wait on the event loop.
#include "foundation/basGlobalFunctions.h"
#include "foundation/basWinAPICalls.h"
#include "platform/qt/QtPlatformServices.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QtTest>

class TestPlatformServices : public QObject {
    Q_OBJECT
private:
    platform::QtPlatformServices services_{nullptr};

private slots:
    void initTestCase() { platform::InstallPlatformServices(&services_); }
    void cleanupTestCase() { platform::InstallPlatformServices(nullptr); }

    void colourCountOfADeepScreenIs24Bits()
    {
        QWidget window;
        window.show();
        QCOMPARE(window.screen()->depth(), 32);  // the offscreen screen
        QCOMPARE(lFctGetColorCount(platform::ToWindow(&window)), 16777216);
    }

    void centringRestoresAMaximisedWindowFirst()
    {
        QWidget window;
        window.resize(300, 200);
        window.showMaximized();
        QVERIFY(window.isMaximized());
        SubCenterForm(platform::ToWindow(&window));
        QVERIFY(!window.isMaximized());
        const QRect screen = window.screen()->geometry();
        QTRY_VERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void waitEndsWithTheTimer()
    {
        QElapsedTimer clock;
        clock.start();
        SubWaitForTimer(100);
        QVERIFY(clock.elapsed() >= 90);  // the timer's tick, not at once
        QCOMPARE(gbWaitDone, int16_t(-1));
    }

    void waitEndsEarlyWhenAHandlerSetsTheFlag()
    {
        QTimer::singleShot(30, [] { gbWaitDone = -1; });  // as the start-up screen's OK button
        QElapsedTimer clock;
        clock.start();
        SubWaitForTimer(5000);
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(gbWaitDone, int16_t(-1));
    }
};

QTEST_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
