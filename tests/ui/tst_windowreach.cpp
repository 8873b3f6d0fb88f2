// The axis windows stay reachable: after every close, open, delete, cascade
// and tile each open window's title bar lies inside the area of the axis
// windows, and the window that is active is the one the outline marks.
#include "foundation/basIniFileControl.h"
#include "model/basWindowStatus.h"
#include "platform/qt/MdiChildWindow.h"
#include "platform/qt/OutlineTree.h"
#include "shell/basWindowSlots.h"
#include "shell/frmAxisControl.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/OffscreenScreen.h"
#include "tests/ui/support/ProgramRun.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyleOptionTitleBar>
#include <QtTest>

using namespace dialog_tests;

namespace {

// The title bar of a window in the coordinates of the area's viewport; a
// maximised window shows its title in the main window's menu bar.
QRect TitleBar(QMdiSubWindow* window)
{
    if (window->isMaximized())
        return QRect();
    QStyleOptionTitleBar option;
    option.initFrom(window);
    const int height = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window);
    return QRect(window->pos(), QSize(window->width(), height));
}

// The outline line of a window: 4p + 2 + its kind, p the position of its
// axis; -1 for a window of no axis.
int LineOf(QMdiSubWindow* window)
{
    for (int16_t axis = 1; axis <= 3; ++axis)
        for (int16_t kind : {WindowKind::AxisDesign, WindowKind::Profile, WindowKind::Report})
            if (static_cast<QMdiSubWindow*>(AxisWindow(axis, kind)) == window)
                return 4 * nFctUsedAxisPosition(axis) + 2 + kind;
    return -1;
}

} // namespace

class TestWindowReach : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ProgramRun> run;

    QMdiArea* Area() const { return run->Main()->MdiArea(); }

    // Every open window's title bar inside the area, the active window not
    // minimised while another is not, and marked alone in the outline.
    void CheckReachable(const char* after)
    {
        QApplication::processEvents();
        const QRect space = Area()->viewport()->rect();
        bool anyShown = false;
        for (QMdiSubWindow* window : Area()->subWindowList()) {
            if (!window->isVisible())
                continue;
            anyShown = anyShown || !window->isMinimized();
            const QRect bar = TitleBar(window);
            QVERIFY2(bar.isNull() || space.contains(bar),
                     qPrintable(QStringLiteral("%1: %2 at %3,%4 %5x%6 in %7x%8")
                                    .arg(after, window->windowTitle())
                                    .arg(bar.x())
                                    .arg(bar.y())
                                    .arg(bar.width())
                                    .arg(bar.height())
                                    .arg(space.width())
                                    .arg(space.height())));
        }
        QMdiSubWindow* active = Area()->activeSubWindow();
        QVERIFY2(active, after);
        QVERIFY2(!anyShown || !active->isMinimized(), after);
        platform::OutlineTree* tree = run->Main()->OutTree();
        for (int line = 0; line < tree->LineCount(); ++line)
            QVERIFY2((tree->PictureType(line) == platform::OutlineTree::kPictureMarked) == (line == LineOf(active)),
                     qPrintable(QStringLiteral("%1: line %2").arg(after).arg(line)));
        // One highlight: no other line stays selected beside the mark.
        for (QTreeWidgetItem* selected : tree->selectedItems())
            QVERIFY2(selected == tree->LineItem(LineOf(active)), qPrintable(QStringLiteral("%1: %2 selected").arg(after, selected->text(0))));
    }

    // The axis dialog in its mode, acting on the list entry of that row.
    void AxisCommand(int16_t mode, int row)
    {
        bool shown = false;
        WhenModalShows([&](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>("lstAxes");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QTest::mouseClick(dialog->findChild<QPushButton*>("vseCommand_0"), Qt::LeftButton);
            shown = true;
        });
        ShowAxisDialog(run->Main(), mode);
        QVERIFY(shown);
    }

private slots:
    // Three axes, the windows maximised (as New Axis leaves them).
    void init()
    {
        run = std::make_unique<testing_support::ProgramRun>();
        QVERIFY(run->Start());
        run->Trigger("mnuAxisSub_0");
        run->Trigger("mnuAxisSub_0");
        QCOMPARE(run->ChildCaptions().size(), 9);
        QVERIFY(Area()->activeSubWindow()->isMaximized());
        gbPromptDeleteAxis = 0;
    }

    void cleanup() { run.reset(); }

    void closingAndOpeningAxes()
    {
        // Maximised windows stay maximised: the next one takes the place of
        // the one minimised.
        AxisCommand(kAxisDialogClose, 1);
        CheckReachable("Close Axis 2");
        QVERIFY(Area()->activeSubWindow()->isMaximized());
        // The close box of the active window minimises it.
        Area()->activeSubWindow()->close();
        CheckReachable("close box");
        QVERIFY(Area()->activeSubWindow()->isMaximized());
        // A window line clicked in the outline, then another axis opened.
        platform::OutlineTree* tree = run->Main()->OutTree();
        QTreeWidgetItem* reportLine = tree->LineItem(4);  // axis 1's report window
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(reportLine).center());
        CheckReachable("outline click");
        AxisCommand(kAxisDialogOpen, 1);
        CheckReachable("Open Axis 2");
        AxisCommand(kAxisDialogClose, 0);
        AxisCommand(kAxisDialogClose, 2);
        CheckReachable("Close Axes 1 and 3");
        AxisCommand(kAxisDialogDelete, 1);
        CheckReachable("Delete Axis 2");
    }

    void arrangingWindows()
    {
        AxisCommand(kAxisDialogClose, 0);
        Area()->activeSubWindow()->showNormal();
        for (const char* entry : {"mnuWindowsFunction_0", "mnuWindowsFunction_1", "mnuWindowsFunction_2"}) {
            run->Trigger(entry);
            CheckReachable(entry);
        }
        AxisCommand(kAxisDialogOpen, 0);
        CheckReachable("Open Axis 1");
        AxisCommand(kAxisDialogDelete, 2);
        CheckReachable("Delete Axis 3");
    }
};

// A screen of 3200 x 2400 pixels: also at twice the scale the area of the
// axis windows holds two axes' windows tiled at their smallest sizes, so
// that no arrangement needs to scroll.
int main(int argc, char** argv)
{
    return testing_support::RunOnOffscreenScreen<TestWindowReach>(3200, 2400, argc, argv);
}
#include "tst_windowreach.moc"
