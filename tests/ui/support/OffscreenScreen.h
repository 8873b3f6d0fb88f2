#pragma once
// A suite that needs a screen of a given size runs on an offscreen screen of
// that many pixels, whatever the machine's: the offscreen platform reads the
// screen from a file given in QT_QPA_PLATFORM. A scale set in the
// environment (QT_SCALE_FACTOR, QT_FONT_DPI) still applies, so the windows
// lay out in fewer, larger pixels; the tests measure what they get. A suite
// run on a real X server keeps that server's screen.
#include <QApplication>
#include <QTemporaryFile>
#include <QtTest>

namespace testing_support {

// Runs the test object's slots on a screen of width x height pixels.
template <typename TestObject>
int RunOnOffscreenScreen(int width, int height, int argc, char** argv)
{
    QTemporaryFile screens;
    if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) {
        if (!screens.open())
            return 1;
        screens.write(QStringLiteral(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": %1, "height": %2,
                                         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                          .arg(width)
                          .arg(height)
                          .toUtf8());
        screens.flush();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestObject test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace testing_support
