// Start-up: the start-up screen, the screen flags and a failing loader.
#include "foundation/basAppPaths.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "shell/Main.h"
#include "shell/frmStartup.h"
#include "tests/ui/support/ProgramRun.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cmath>
#include <filesystem>

using testing_support::ProgramRun;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void startupScreenTexts()
    {
        frmStartup screen;
        const QString version = screen.findChild<QLabel*>("lblVersion")->text();
        QVERIFY(version.startsWith(QStringLiteral("Orvamis Kestravo\r\nVersion ")));
        QVERIFY(version.endsWith(QStringLiteral(" 3.00.010")));
        QCOMPARE(screen.findChild<QLabel*>("lblDevelopedBy")->text(), QStringLiteral("This program was developed by:"));
        QCOMPARE(screen.findChild<QPushButton*>("cmdOkay")->text(), QStringLiteral("OK"));
        QCOMPARE(screen.findChild<QTimer*>("tmrSystem")->interval(), 200);
    }

    // The bar grows in 23 steps to its full width and stops at the 24th tick;
    // after OK it jumps to full width at the next tick.
    void progressBar()
    {
        frmStartup screen;
        const int full = screen.FullWidth();
        for (int step = 1; step <= 23; ++step) {
            screen.tmrSystem_Timer();
            QCOMPARE(screen.ProgressWidth(), int(std::nearbyint(double(full) / 23 * step)));
        }
        screen.tmrSystem_Timer();
        QCOMPARE(screen.ProgressWidth(), full);
        QVERIFY(!screen.findChild<QTimer*>("tmrSystem")->isActive());

        frmStartup early;
        gbWaitDone = 0;
        early.tmrSystem_Timer();
        QVERIFY(early.ProgressWidth() < full);
        early.findChild<QPushButton*>("cmdOkay")->click();
        QCOMPARE(gbWaitDone, int16_t(-1));
        early.tmrSystem_Timer();
        QCOMPARE(early.ProgressWidth(), full);
        QVERIFY(!early.findChild<QTimer*>("tmrSystem")->isActive());
    }

    // The screen keeps its size, in the middle of the screen, and its texts
    // their places while the bar grows.
    void screenKeepsItsSize()
    {
        frmStartup screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.tmrSystem_Timer();
        const QSize first = screen.size();
        const QRect notice = screen.findChild<QLabel*>("lblCopyright")->geometry();
        const QRect ok = screen.findChild<QPushButton*>("cmdOkay")->geometry();
        QVERIFY(screen.ProgressWidth() < screen.FullWidth());
        for (int tick = 2; tick <= 24; ++tick)
            screen.tmrSystem_Timer();
        QApplication::processEvents();
        QCOMPARE(screen.ProgressWidth(), screen.FullWidth());
        QCOMPARE(screen.size(), first);
        QCOMPARE(screen.findChild<QLabel*>("lblCopyright")->geometry(), notice);
        QCOMPARE(screen.findChild<QPushButton*>("cmdOkay")->geometry(), ok);
        // In the middle of the screen; on a screen smaller than it (a large
        // scale), from the screen's top left corner.
        const QRect area = screen.screen()->geometry();
        const QRect frame = screen.frameGeometry();
        if (frame.width() <= area.width())
            QVERIFY(qAbs(frame.center().x() - area.center().x()) <= 1);
        else
            QCOMPARE(frame.left(), area.left());
        if (frame.height() <= area.height())
            QVERIFY(qAbs(frame.center().y() - area.center().y()) <= 1);
        else
            QCOMPARE(frame.top(), area.top());
    }

    // The flags follow the screen's size, measured here, in the pixels
    // of the layout.
    void screenFlags()
    {
        const QSize size = QGuiApplication::primaryScreen()->size();
        const auto w = static_cast<int16_t>(size.width());
        const auto h = static_cast<int16_t>(size.height());
        QCOMPARE(bFctScreenAtLeast(w, h), int16_t(-1));
        QCOMPARE(bFctScreenAtLeast(w + 1, h + 1), int16_t(0));
        QCOMPARE(bFctScreenAtLeast(w + 1, h), int16_t(0));
        QCOMPARE(bFctScreenAtLeast(w, h + 1), int16_t(0));
        ProgramRun run;
        QVERIFY(run.Start());
        const bool above800x600 = w > 800 && h > 600;
        const bool upTo640x480 = w <= 640 || h <= 480;
        QCOMPARE(gbScreenAbove800x600, int16_t(above800x600 ? -1 : 0));
        QCOMPARE(gbScreen640x480, int16_t(upTo640x480 ? -1 : 0));
        QCOMPARE(run.Main()->findChild<QWidget*>("picControlBar")->isVisible(), !upTo640x480);
        QCOMPARE(gsAppPath, run.Folder().path());
    }

    // A missing reference database: its box, the program ends with a
    // non-zero status before any axis exists, and nothing is written back.
    void failingLoaderEndsTheProgram()
    {
        ProgramRun run;
        run.WriteSettings("[Options]\nLoad Default Axis=True\n");
        std::filesystem::remove(run.Folder().file("Orvamis.Mdb"));
        QVERIFY(run.Start());
        QCOMPARE(run.EndStatus(), kExitLoaderFailed);
        QCOMPARE(run.Messages().criticalBoxes.size(), size_t(1));
        QVERIFY(QString::fromStdString(run.Messages().criticalBoxes[0].title).endsWith("1001"));
        QVERIFY(run.ChildCaptions().isEmpty());
        QVERIFY(!run.Main()->isVisible());
        QFile ini(QString::fromStdString(run.Folder().file(kIniFileName)));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), QByteArray("[Options]\nLoad Default Axis=True\n"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
