#pragma once
// What the suites of the running program under a window manager share: they
// refuse to run without one (or off the xcb platform), and each test starts
// the program afresh in run.
#include "tests/ui/support/ProgramRun.h"

#include <QObject>

#include <memory>

namespace testing_support {

// How long a suite under a window manager waits for what it asserts: the
// window manager answers in its own time, which on a loaded machine (a
// whole test run in parallel, a sanitiser build) is far past a second.
constexpr int kWindowManagerPatience = 20000;

class WindowManagerSuite : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<ProgramRun> run;
    // Before each test, once the program has started.
    virtual void AfterStart() {}

private slots:
    void initTestCase();
    void init();
    void cleanup();
};

} // namespace testing_support
