// The main window placed by the settings opens whole on the screen that is
// there, under a window manager: one saved on a larger or a second screen
// (to the right and below this one, or far to the left and above) is moved
// onto it at its own size, one larger than the screen is cut to it as well.
// The placements are chosen from the screen's available area.
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/WindowManagerState.h"
#include "tests/ui/support/WindowManagerSuite.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using testing_support::ProgramRun;

namespace {

constexpr int kTwipsPerPixel = 15;

QString Describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// A size every scale shows in whole device pixels (a multiple of 4), well
// within the screen.
QSize WithinScreen()
{
    return QSize(Available().width() / 2 / 4 * 4, Available().height() / 2 / 4 * 4);
}

} // namespace

class TestMainPlacement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(*testing_support::WithoutWindowManager() == 0, testing_support::WithoutWindowManager());
    }

    // Placements in pixels, as the settings hold them in twips.
    void opensWholeOnTheScreen_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<bool>("larger");
        const QRect a = Available();
        const QSize within = WithinScreen();
        const QSize beyond = a.size() * 2;
        QTest::newRow("80x42 px in sight at the bottom right")
            << QRect(a.right() + 1 - 80, a.bottom() + 1 - 42, within.width(), within.height()) << false;
        QTest::newRow("on a second screen right and below")
            << QRect(a.x() + 3 * a.width(), a.y() + 2 * a.height(), within.width(), within.height()) << false;
        QTest::newRow("far to the left and above")
            << QRect(-99999999 / kTwipsPerPixel, -99999999 / kTwipsPerPixel, within.width(), within.height()) << false;
        QTest::newRow("larger than the screen")
            << QRect(a.topLeft(), beyond) << true;
        QTest::newRow("larger, on a second screen")
            << QRect(a.x() + 3 * a.width(), a.y() + 2 * a.height(), beyond.width(), beyond.height()) << true;
    }

    void opensWholeOnTheScreen()
    {
        QFETCH(QRect, saved);
        QFETCH(bool, larger);
        ProgramRun run;
        run.WriteSettings(QStringLiteral("[Window Size]\nStatus=0\nLeft=%1\nTop=%2\nWidth=%3\nHeight=%4\n")
                              .arg(saved.x() * kTwipsPerPixel).arg(saved.y() * kTwipsPerPixel)
                              .arg(saved.width() * kTwipsPerPixel).arg(saved.height() * kTwipsPerPixel)
                              .toStdString());
        QVERIFY(run.Start());
        MDIMain* main = run.Main();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(testing_support::LetWindowGeometrySettle(main, testing_support::kWindowManagerPatience));
        const QRect frame = main->frameGeometry();
        const QRect available = Available();
        const QString seen = Describe(frame) + " in " + Describe(available);
        QVERIFY2(frame != main->geometry(), qPrintable("no frame from the window manager: " + seen));
        QVERIFY2(available.contains(frame), qPrintable(seen));
        if (larger) {
            // Cut to the screen, not below it: the window manager sizes in
            // whole device pixels, which at a fractional scale may take one
            // logical pixel off each direction.
            const int step = qCeil(main->devicePixelRatioF()) - 1;
            QVERIFY2(frame.width() >= available.width() - step && frame.height() >= available.height() - step,
                     qPrintable(seen));
        } else {
            QCOMPARE(main->size(), saved.size());
        }
    }

    // A saved size smaller than the window can be (none at all, as in the
    // settings file of a first run with Status set to 0 by hand, negative,
    // or a pixel) opens the window at the size it starts with where the
    // settings place nothing, at the saved place.
    void aSizeTheWindowCannotHaveKeepsItsStartingSize_data()
    {
        QTest::addColumn<QString>("size");
        QTest::newRow("no size") << "";
        QTest::newRow("0 x 0") << "Width=0\nHeight=0\n";
        QTest::newRow("negative") << "Width=-5\nHeight=-9000\n";
        QTest::newRow("one pixel wide") << "Width=15\nHeight=9000\n";
    }
    void aSizeTheWindowCannotHaveKeepsItsStartingSize()
    {
        QFETCH(QString, size);
        QSize starting;
        {
            ProgramRun run;  // a minimised state applies no placement
            run.WriteSettings("[Window Size]\nStatus=1\n");
            QVERIFY(run.Start());
            QVERIFY(QTest::qWaitForWindowExposed(run.Main()));
            QVERIFY(testing_support::LetWindowGeometrySettle(run.Main(), testing_support::kWindowManagerPatience));
            starting = run.Main()->size();
        }
        const QPoint place = Available().topLeft() + QPoint(100, 60);
        ProgramRun run;
        run.WriteSettings(QStringLiteral("[Window Size]\nStatus=0\nLeft=%1\nTop=%2\n%3")
                              .arg(place.x() * kTwipsPerPixel).arg(place.y() * kTwipsPerPixel).arg(size)
                              .toStdString());
        QVERIFY(run.Start());
        MDIMain* main = run.Main();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(testing_support::LetWindowGeometrySettle(main, testing_support::kWindowManagerPatience));
        QCOMPARE(main->size(), starting);
        QCOMPARE(main->geometry().topLeft(), place);
    }
};

QTEST_MAIN(TestMainPlacement)
#include "tst_mainplacement.moc"
