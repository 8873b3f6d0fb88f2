// The help window opened from a dialog stays in front of the main window
// under a window manager: after the dialog (the report's Options, the
// Close Axis dialog) closes, the stacking order the window manager reports
// has the help window above the maximised main window, also once the main
// window is active again; F1 again brings it above the dialog asking.
#include "platform/qt/HelpViewer.h"
#include "shell/frmAxisControl.h"
#include "shell/frmOptions.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/WindowManagerSuite.h"
#include "tests/ui/support/WindowManagerState.h"
#include "tests/ui/support/WindowSystemInput.h"

#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <functional>

using dialog_tests::WhenModalShows;
using testing_support::ProgramRun;
using testing_support::kWindowManagerPatience;
using testing_support::StackingPlace;

class TestHelpFront : public testing_support::WindowManagerSuite {
    Q_OBJECT

    platform::HelpViewer* Viewer() const { return run->Main()->findChild<platform::HelpViewer*>(); }

    // Opens the dialog, presses F1 on it and checks the help window above
    // it; then closes it with its button of that name.
    void HelpFromDialog(const std::function<void()>& open, const char* closeButton, const QString& page)
    {
        bool asked = false;
        WhenModalShows([&](QWidget* dialog) {
            QTest::keyClick(dialog, Qt::Key_F1);
            testing_support::LetWindowManagerSettle();
            platform::HelpViewer* viewer = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT((viewer = Viewer()) && viewer->isVisible(), kWindowManagerPatience);
            QVERIFY(viewer->CurrentPage().endsWith(page));
            QTRY_VERIFY2_WITH_TIMEOUT(StackingPlace(viewer) > StackingPlace(dialog), "help above the dialog",
                                      kWindowManagerPatience);
            asked = true;
            QTest::mouseClick(dialog->findChild<QPushButton*>(closeButton), Qt::LeftButton);
        });
        open();
        QVERIFY(asked);
    }

    // The help window open and above the main window, once the window
    // manager has settled.
    void CheckHelpAboveMain(const char* after)
    {
        MDIMain* main = run->Main();
        QTRY_VERIFY2_WITH_TIMEOUT(main->isActiveWindow(), after, kWindowManagerPatience);
        testing_support::LetWindowManagerSettle();
        platform::HelpViewer* viewer = Viewer();
        QVERIFY2(viewer && viewer->isVisible(), after);
        const auto above = [&] {
            const int help = StackingPlace(viewer);
            const int frame = StackingPlace(main);
            return help >= 0 && frame >= 0 && help > frame;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(above(), qPrintable(QStringLiteral("%1: help at %2, main window at %3")
                                                          .arg(after)
                                                          .arg(StackingPlace(viewer))
                                                          .arg(StackingPlace(main))),
                                  kWindowManagerPatience);
    }

    // The main window maximised.
    void AfterStart() override
    {
        run->Main()->showMaximized();
        QTRY_VERIFY_WITH_TIMEOUT(run->Main()->isMaximized(), kWindowManagerPatience);
        testing_support::LetWindowManagerSettle();
    }

private slots:
    void helpFromTheReportOptionsStaysAboveTheMainWindow()
    {
        HelpFromDialog([this] { ShowOptionsDialog(run->Main(), OptionsPage::Report); }, "vseCommand_1",
                       "help/ReportOptions.htm");
        CheckHelpAboveMain("Options closed");
        // A click into the main window's area of axis windows activates it.
        QMdiArea* area = run->Main()->MdiArea();
        QVERIFY(testing_support::ClickThroughXServer(area, area->rect().center()));
        CheckHelpAboveMain("main window clicked");
    }

    void helpFromTheCloseAxisDialogStaysAboveTheMainWindow()
    {
        HelpFromDialog([this] { ShowAxisDialog(run->Main(), kAxisDialogClose); }, "vseCommand_1", "help/CloseAxis.htm");
        CheckHelpAboveMain("Close Axis closed");
        // F1 in the dialog again: the open help window comes above it.
        HelpFromDialog([this] { ShowAxisDialog(run->Main(), kAxisDialogOpen); }, "vseCommand_1", "help/OpenAxis.htm");
        CheckHelpAboveMain("Open Axis closed");
    }
};

QTEST_MAIN(TestHelpFront)
#include "tst_helpfront.moc"
