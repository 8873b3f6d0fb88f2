#include "tests/ui/support/WindowManagerSuite.h"

#include "tests/ui/support/WindowManagerState.h"

#include <QtTest>

namespace testing_support {

void WindowManagerSuite::initTestCase()
{
    QVERIFY2(*WithoutWindowManager() == 0, WithoutWindowManager());
}

void WindowManagerSuite::init()
{
    run = std::make_unique<ProgramRun>();
    QVERIFY(run->Start());
    AfterStart();
}

void WindowManagerSuite::cleanup()
{
    run.reset();
}

} // namespace testing_support
