// The axis dialog over the running program with three axes: titles into the
// axes, the window captions and the outline; delete with and without the
// question; open and close; the keys.
#include "design/frmAxisDesign.h"
#include "foundation/basIniFileControl.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "platform/qt/MdiChildWindow.h"
#include "platform/qt/OutlineTree.h"
#include "profile/frmProfile.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "shell/frmAxisControl.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/EditorPaste.h"
#include "tests/ui/support/ProgramRun.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace dialog_tests;

namespace {

QListWidget* Axes(QWidget* dialog)
{
    return dialog->findChild<QListWidget*>("lstAxes");
}

QLineEdit* TitleField(QWidget* dialog)
{
    return dialog->findChild<QLineEdit*>("txtTitle");
}

QPushButton* Command(QWidget* dialog, int index)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("vseCommand_%1").arg(index));
}

QStringList Entries(QWidget* dialog)
{
    QStringList entries;
    for (int k = 0; k < Axes(dialog)->count(); ++k)
        entries << Axes(dialog)->item(k)->text();
    return entries;
}

// Clicks the list entry of that row as the user would.
void ClickEntry(QWidget* dialog, int row)
{
    QListWidget* list = Axes(dialog);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Picks the entry and presses Modify, then types the title.
void EditTitle(QWidget* dialog, int row, const QString& title)
{
    ClickEntry(dialog, row);
    QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
    QLineEdit* field = TitleField(dialog);
    QVERIFY(field->isEnabled());
    field->selectAll();
    QTest::keyClicks(field, title);
}

// Shows the dialog in the mode through its entry point and lets act work
// in it; true when the dialog was shown and has closed.
bool WithAxisDialog(QWidget* mainWindow, int16_t mode, std::function<void(QWidget*)> act)
{
    bool shown = false;
    WhenModalShows([&](QWidget* dialog) {
        shown = dialog->objectName() == "frmAxisControl";
        act(dialog);
    });
    ShowAxisDialog(mainWindow, mode);
    return shown;
}

// A menu entry's text as the menu shows it: "&&" shows as "&", a single "&"
// shows nothing and underlines the character after it, the entry's key.
struct ShownEntry {
    QString text;
    QString keys;  // the underlined characters
};

ShownEntry AsShown(const QString& entry)
{
    ShownEntry shown;
    for (qsizetype k = 0; k < entry.size(); ++k) {
        if (entry[k] == '&' && k + 1 < entry.size()) {
            ++k;
            if (entry[k] != '&')
                shown.keys += entry[k];
        }
        shown.text += entry[k];
    }
    return shown;
}

int LiveStatusEntries(int16_t axis)
{
    int count = 0;
    for (size_t e = 0; e + 1 < gWindowStatus.size(); ++e)
        count += gWindowStatus[e].AxisNumber == axis;
    return count;
}

} // namespace

Q_DECLARE_METATYPE(testing_support::PasteRoute)

class TestAxisDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ProgramRun> run;

private slots:
    // The program with axes 1 (opened at start-up), 2 and 3.
    void init()
    {
        run = std::make_unique<testing_support::ProgramRun>();
        QVERIFY(run->Start());
        run->Trigger("mnuAxisSub_0");
        run->Trigger("mnuAxisSub_0");
        std::vector<int16_t> ids;
        QCOMPARE(nFctGetAxisIdList(ids), int16_t(3));
        QCOMPARE(run->ChildCaptions().size(), 9);
    }

    void cleanup() { run.reset(); }

    void titlesGoIntoTheAxesTheCaptionsAndTheTreeWithDone()
    {
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogSetModifyTitle, [](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Set / Modify Title"));
            QCOMPARE(Command(dialog, 0)->text(), QStringLiteral("&Modify"));
            QVERIFY(Command(dialog, 2)->isVisible());
            QVERIFY(!Command(dialog, 2)->isEnabled());
            QCOMPARE(Entries(dialog), QStringList({" 1 - ", " 2 - ", " 3 - "}));

            EditTitle(dialog, 1, "Feeder");
            QTest::keyClick(TitleField(dialog), Qt::Key_Return);
            // The list shows it at once; the axis keeps its title until Done.
            QCOMPARE(Entries(dialog), QStringList({" 1 - ", " 2 - Feeder", " 3 - "}));
            QCOMPARE(TitleField(dialog)->text(), QString());
            QVERIFY(!TitleField(dialog)->isEnabled());
            QCOMPARE(sFctGetAxisTitle(2), std::string());

            // Still being edited when Done is pressed: stored too.
            EditTitle(dialog, 2, "Winder");
            QTest::mouseClick(Command(dialog, 2), Qt::LeftButton);
        }));
        QCOMPARE(sFctGetAxisTitle(1), std::string());
        QCOMPARE(sFctGetAxisTitle(2), std::string("Feeder"));
        QCOMPARE(sFctGetAxisTitle(3), std::string("Winder"));
        const QStringList captions = run->ChildCaptions();
        for (const char* caption : {"Axis Design - Feeder", "Velocity Profile - Feeder", "Report Generator - Feeder",
                                    "Axis Design - Winder", "Velocity Profile - Winder", "Report Generator - Winder"})
            QVERIFY2(captions.contains(caption), caption);
        const QStringList tree = run->TreeLines();
        QVERIFY2(tree.contains("1:Feeder") && tree.contains("1:Winder") && tree.contains("1:Axis # 1"),
                 qPrintable(tree.join(", ")));

        // The next opening lists the stored titles and edits start from them.
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogSetModifyTitle, [](QWidget* dialog) {
            QCOMPARE(Entries(dialog), QStringList({" 1 - ", " 2 - Feeder", " 3 - Winder"}));
            ClickEntry(dialog, 1);
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
            QCOMPARE(TitleField(dialog)->text(), QStringLiteral("Feeder"));
            QTRY_COMPARE(TitleField(dialog)->selectedText(), QStringLiteral("Feeder"));
            QTest::mouseClick(Command(dialog, 1), Qt::LeftButton);
        }));
    }

    // A title and a file name with ampersands read as typed in the Window
    // menu's entries and the recent-file entry, as in the dialog, the
    // captions and the outline; only the entries' numbers are their keys.
    void ampersandsShowAsTypedInTheMenus()
    {
        const QString title = QStringLiteral("R&D Mill & Drill");
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogSetModifyTitle, [&](QWidget* dialog) {
            EditTitle(dialog, 0, title);
            QTest::keyClick(TitleField(dialog), Qt::Key_Return);
            QCOMPARE(Entries(dialog).first(), " 1 - " + title);
            QTest::mouseClick(Command(dialog, 2), Qt::LeftButton);
        }));
        QCOMPARE(sFctGetAxisTitle(1), title.toStdString());
        QVERIFY(run->TreeLines().contains("1:" + title));
        const QStringList captions = run->ChildCaptions();

        QMenu* menu = run->Main()->findChild<QMenu*>("mnuWindowList");
        emit menu->aboutToShow();
        for (int k = 0; k < captions.size(); ++k) {
            const QAction* entry = run->Main()->findChild<QAction*>(QStringLiteral("mnuWindowListChild_%1").arg(k + 1));
            QVERIFY(entry);
            const ShownEntry shown = AsShown(entry->text());
            QCOMPARE(shown.text, QStringLiteral("%1 %2").arg(k + 1).arg(captions[k]));
            QCOMPARE(shown.keys, QString::number(k + 1));
        }
        QVERIFY(captions.contains("Axis Design - " + title));

        const std::string file = run->Folder().file("R&D Mill & Drill.dat");
        run->fileAnswers = {file};
        run->Trigger("mnuFileFunction_3");
        QCOMPARE(gsCurrentFile, file);
        const ShownEntry recent = AsShown(run->Action("mnuFileFunction_10")->text());
        QVERIFY2(recent.text.endsWith("/R&D Mill & Drill.dat"), qPrintable(recent.text));
        QCOMPARE(recent.keys, QString());
    }

    // A title is one line: a line end or tab pasted, dropped or committed
    // into the field is a blank there at once, and the axis, its captions
    // and its one outline row show the title so; an emoji and a soft hyphen
    // stay.
    void titleTakesNoLineEndOrTab_data()
    {
        using testing_support::PasteRoute;
        QTest::addColumn<PasteRoute>("route");
        for (PasteRoute route : {PasteRoute::Keys, PasteRoute::Menu, PasteRoute::Drop, PasteRoute::InputMethod})
            QTest::newRow(testing_support::RouteName(route)) << route;
    }
    void titleTakesNoLineEndOrTab()
    {
        QFETCH(testing_support::PasteRoute, route);
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QString pasted = "Mill\r\nDrill\tLine\u00AD" + emoji;
        const QString title = "Mill Drill Line\u00AD" + emoji;
        const qsizetype treeLines = run->TreeLines().size();
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogSetModifyTitle, [&](QWidget* dialog) {
            EditTitle(dialog, 1, "");
            QVERIFY(testing_support::PutIntoEditor(TitleField(dialog), pasted, route));
            QCOMPARE(TitleField(dialog)->text(), title);
            QTest::keyClick(TitleField(dialog), Qt::Key_Return);
            QCOMPARE(Entries(dialog).at(1), " 2 - " + title);
            QTest::mouseClick(Command(dialog, 2), Qt::LeftButton);
        }));
        QCOMPARE(QString::fromStdString(sFctGetAxisTitle(2)), title);
        QVERIFY(run->ChildCaptions().contains("Axis Design - " + title));
        const QStringList tree = run->TreeLines();
        QVERIFY2(tree.contains("1:" + title), qPrintable(tree.join(", ")));
        QCOMPARE(tree.size(), treeLines);
    }

    void cancelDropsTheTitlesAndEscapeOnlyEndsTheEdit()
    {
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogSetModifyTitle, [](QWidget* dialog) {
            EditTitle(dialog, 0, "Lift");
            QTest::keyClick(TitleField(dialog), Qt::Key_Escape);
            QVERIFY(dialog->isVisible());
            QCOMPARE(TitleField(dialog)->text(), QString());
            QVERIFY(!TitleField(dialog)->isEnabled());
            QCOMPARE(Entries(dialog).first(), QStringLiteral(" 1 - "));
            // Enter with nothing being edited changes nothing.
            QTest::keyClick(TitleField(dialog), Qt::Key_Return);
            QCOMPARE(Entries(dialog).first(), QStringLiteral(" 1 - "));

            EditTitle(dialog, 0, "Lift");
            QTest::keyClick(TitleField(dialog), Qt::Key_Return);
            QCOMPARE(Entries(dialog).first(), QStringLiteral(" 1 - Lift"));
            QTest::mouseClick(Command(dialog, 1), Qt::LeftButton);
        }));
        QCOMPARE(sFctGetAxisTitle(1), std::string());
        QVERIFY(run->TreeLines().contains("1:Axis # 1"));
    }

    // Escape closes the dialog as Cancel does; during a title edit it ends
    // the edit first.
    void escapeClosesTheDialog()
    {
        for (int16_t mode : {kAxisDialogOpen, kAxisDialogClose, kAxisDialogDelete, kAxisDialogSetModifyTitle}) {
            QVERIFY(WithAxisDialog(run->Main(), mode, [](QWidget* dialog) {
                ClickEntry(dialog, 1);
                QTest::keyClick(Axes(dialog), Qt::Key_Escape);
                QVERIFY(!dialog->isVisible());
            }));
        }
        QCOMPARE(nFctGetUsedAxisCount(), int16_t(3));
        QVERIFY(!AxisWindow(2, 0)->isMinimized());

        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogSetModifyTitle, [](QWidget* dialog) {
            EditTitle(dialog, 0, "Lift");
            QTest::keyClick(TitleField(dialog), Qt::Key_Escape);
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        }));
        QCOMPARE(sFctGetAxisTitle(1), std::string());
    }

    void deleteAnsweredNoKeepsEverything()
    {
        gbPromptDeleteAxis = -1;
        SubSetAxisTitle(2, "Feeder");
        run->Messages().answers = {kResultNo};
        bool stillOpen = false;
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogDelete, [&stillOpen](QWidget* dialog) {
            QCOMPARE(Command(dialog, 0)->text(), QStringLiteral("&Delete"));
            QVERIFY(!Command(dialog, 2)->isVisible());
            QVERIFY(!TitleField(dialog)->isVisible());
            ClickEntry(dialog, 1);
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
            stillOpen = dialog->isVisible();
            QTest::mouseClick(Command(dialog, 1), Qt::LeftButton);
        }));
        QVERIFY(stillOpen);
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{4002});
        const MessageComposition& question = run->Messages().messages[0];
        QVERIFY2(QString::fromStdString(question.text).contains("Are you sure you want to delete the axis ?"),
                 question.text.c_str());
        QVERIFY2(QString::fromStdString(question.text).contains(" 2 - Feeder"), question.text.c_str());
        QCOMPARE(nFctFindAxisIndex(2), int16_t(1));
        QCOMPARE(run->ChildCaptions().size(), 9);
    }

    void deleteRemovesTheAxisItsWindowsAndTheirStatus_data()
    {
        QTest::addColumn<bool>("prompt");
        QTest::newRow("answered Yes") << true;
        QTest::newRow("without the question") << false;
    }

    void deleteRemovesTheAxisItsWindowsAndTheirStatus()
    {
        QFETCH(bool, prompt);
        gbPromptDeleteAxis = prompt ? -1 : 0;
        SubSetAxisTitle(3, "Winder");
        run->Messages().answers = {kResultYes};
        QVERIFY(LiveStatusEntries(2) == 3);
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogDelete, [](QWidget* dialog) {
            ClickEntry(dialog, 1);
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
        }));
        QCOMPARE(run->Messages().messages.size(), size_t(prompt ? 1 : 0));
        QCOMPARE(nFctFindAxisIndex(2), int16_t(-1));
        QCOMPARE(nFctFindAxisIndex(3), int16_t(2));
        QTRY_COMPARE(run->ChildCaptions().size(), 6);
        QCOMPARE(gbDesignUnloaded[2], int16_t(-1));
        QCOMPARE(gbProfileUnloaded[2], int16_t(-1));
        QCOMPARE(gbReportUnloaded[2], int16_t(-1));
        QVERIFY(!AxisDesignWindow(2) && !ProfileWindow(2) && !ReportWindow(2));
        QCOMPARE(LiveStatusEntries(2), 0);
        QCOMPARE(run->TreeLines().mid(1), QStringList({"1:Axis # 1", "2:Axis Design", "2:Velocity Profile",
                                                       "2:Report Generator", "1:Winder", "2:Axis Design",
                                                       "2:Velocity Profile", "2:Report Generator"}));
        // The next New Axis fills the free slot. Its windows record their
        // states under its own ID 2, though it is now the third axis in the
        // list; axis 3 keeps its own entries.
        run->Trigger("mnuAxisSub_0");
        QCOMPARE(nFctFindAxisIndex(2), int16_t(3));
        QTRY_COMPARE(LiveStatusEntries(2), 3);
        QCOMPARE(LiveStatusEntries(3), 3);
    }

    // Right after a delete, without another activation, the outline marks
    // the line of the active window, which moved up with its axis, and no
    // other; and the windows of the first axis take their recorded states
    // again.
    void deleteMarksTheActiveWindowAndReappliesTheStates()
    {
        gbPromptDeleteAxis = 0;
        auto deleteRow = [this](int row) {
            QVERIFY(WithAxisDialog(run->Main(), kAxisDialogDelete, [row](QWidget* dialog) {
                ClickEntry(dialog, row);
                QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
            }));
        };
        auto markedLines = [this] {
            const platform::OutlineTree* tree = run->Main()->OutTree();
            QList<int> marked;
            for (int line = 0; line < tree->LineCount(); ++line)
                if (tree->PictureType(line) == platform::OutlineTree::kPictureMarked)
                    marked << line;
            return marked;
        };
        AxisDesignWindow(3)->BringToFront();
        // axis 3 at position 2: its design window's line 4 x 2 + 2 = 10
        QTRY_COMPARE(gnTreeMarkedLine, int16_t(10));
        deleteRow(1);
        // axis 3 now at position 1: line 4 x 1 + 2 = 6
        QCOMPARE(gnTreeMarkedLine, int16_t(6));
        QCOMPARE(markedLines(), QList<int>{6});

        // A state recorded for axis 1's profile window, which the window does
        // not show yet, is applied by the next delete.
        SubSetWindowStatus(1, WindowKind::Profile, WindowState::Minimised, 0);
        QVERIFY(!ProfileWindow(1)->isMinimized());
        deleteRow(1);
        QVERIFY(ProfileWindow(1)->isMinimized());
        QCOMPARE(markedLines(), QList<int>{gnTreeMarkedLine});
        QCOMPARE(gnTreeMarkedLine, gnTreeActiveLine);
    }

    void axisMenuEntriesOpenTheDialogInTheirMode_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("open") << "mnuAxisSub_1" << "Open Axis";
        QTest::newRow("close") << "mnuAxisSub_2" << "Close Axis";
        QTest::newRow("delete") << "mnuAxisSub_3" << "Delete Axis";
        QTest::newRow("title") << "mnuAxisSub_5" << "Set / Modify Title";
    }

    void axisMenuEntriesOpenTheDialogInTheirMode()
    {
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        QString shown;
        WhenModalShows([&shown](QWidget* dialog) { shown = dialog->windowTitle(); });
        run->Trigger(entry);
        QCOMPARE(shown, caption);
    }

    void openAndCloseChangeOnlyThePickedAxisWindows()
    {
        // New Axis left the last design window maximised: closing another
        // axis still minimises that axis's windows.
        QCOMPARE(AxisWindow(3, WindowKind::AxisDesign)->WindowState(), WindowState::Maximised);
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogClose, [](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Close Axis"));
            QCOMPARE(Command(dialog, 0)->text(), QStringLiteral("&Close"));
            ClickEntry(dialog, 1);
            QTest::mouseClick(Command(dialog, 0), Qt::LeftButton);
        }));
        for (int16_t kind : {WindowKind::AxisDesign, WindowKind::Profile, WindowKind::Report}) {
            QCOMPARE(AxisWindow(2, kind)->WindowState(), WindowState::Minimised);
            QVERIFY(AxisWindow(1, kind)->WindowState() != WindowState::Minimised);
            QVERIFY(AxisWindow(3, kind)->WindowState() != WindowState::Minimised);
        }

        // A double click on the entry acts as the button.
        QVERIFY(WithAxisDialog(run->Main(), kAxisDialogOpen, [](QWidget* dialog) {
            QCOMPARE(Command(dialog, 0)->text(), QStringLiteral("&Open"));
            QListWidget* list = Axes(dialog);
            const QPoint entry = list->visualItemRect(list->item(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entry);
        }));
        for (int16_t kind : {WindowKind::AxisDesign, WindowKind::Profile, WindowKind::Report})
            QCOMPARE(AxisWindow(2, kind)->WindowState(), WindowState::Normal);
    }

    // In every mode the first entry starts current and picked, Down and Up
    // move the pick, and Return runs the action on the entry picked.
    void keysPickAndActInEveryMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("open") << int(kAxisDialogOpen);
        QTest::newRow("close") << int(kAxisDialogClose);
        QTest::newRow("delete") << int(kAxisDialogDelete);
        QTest::newRow("title") << int(kAxisDialogSetModifyTitle);
    }

    void keysPickAndActInEveryMode()
    {
        QFETCH(int, mode);
        gbPromptDeleteAxis = 0;
        SubSetAxisTitle(2, "Feeder");
        AxisWindow(2, WindowKind::Report)->SetWindowState(WindowState::Minimised);
        QString fieldText;
        QVERIFY(WithAxisDialog(run->Main(), static_cast<int16_t>(mode), [&](QWidget* dialog) {
            QListWidget* list = Axes(dialog);
            QCOMPARE(QApplication::focusWidget(), list);
            QCOMPARE(list->currentRow(), 0);
            QVERIFY(list->item(0)->isSelected());
            QVERIFY(Command(dialog, 0)->isEnabled());
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), 2);
            QTest::keyClick(list, Qt::Key_Up);
            QCOMPARE(list->currentRow(), 1);
            QVERIFY(list->item(1)->isSelected());
            QTest::keyClick(list, Qt::Key_Return);
            if (mode == kAxisDialogSetModifyTitle) {
                // Modify: the title of the entry picked, to be edited.
                QVERIFY(dialog->isVisible());
                QVERIFY(TitleField(dialog)->isEnabled());
                fieldText = TitleField(dialog)->text();
            } else {
                QVERIFY(!dialog->isVisible());
            }
        }));
        switch (mode) {
        case kAxisDialogOpen:
            QCOMPARE(AxisWindow(2, WindowKind::Report)->WindowState(), WindowState::Normal);
            break;
        case kAxisDialogClose:
            QCOMPARE(AxisWindow(2, WindowKind::AxisDesign)->WindowState(), WindowState::Minimised);
            QVERIFY(AxisWindow(1, WindowKind::AxisDesign)->WindowState() != WindowState::Minimised);
            break;
        case kAxisDialogDelete:
            QCOMPARE(nFctUsedAxisPosition(2), int16_t(-1));
            QCOMPARE(nFctGetUsedAxisCount(), int16_t(2));
            break;
        default:
            QCOMPARE(fieldText, QStringLiteral("Feeder"));
            break;
        }
    }

    void f1OpensTheTopicOfTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("topic");
        QTest::newRow("open") << int(kAxisDialogOpen) << "OpenAxis.htm";
        QTest::newRow("close") << int(kAxisDialogClose) << "CloseAxis.htm";
        QTest::newRow("delete") << int(kAxisDialogDelete) << "DeleteAxis.htm";
        QTest::newRow("title") << int(kAxisDialogSetModifyTitle) << "SetModifyTitle.htm";
    }

    void f1OpensTheTopicOfTheMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, topic);
        RecordingServices services;
        frmAxisControl dialog(run->Main(), static_cast<int16_t>(mode));
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(services.helpPages.size(), size_t(1));
        QVERIFY(QString::fromStdString(services.helpPages[0]).endsWith("help/" + topic));
    }
};

QTEST_MAIN(TestAxisDialog)
#include "tst_axisdialog.moc"
