// The main window driven as a user drives it: start-up, menus, the outline
// of the axes, the axis windows, the language and the unit system.
#include "design/frmAxisDesign.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/PlatformServices.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "platform/core/ResourceStrings.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/OutlineTree.h"
#include "profile/frmProfile.h"
#include "report/frmReport.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/ProgramRun.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using testing_support::ProgramRun;

namespace {

QString Resource(int id)
{
    return QString::fromStdString(platform::FindResourceString(id));
}

QStringList OneAxisTree(const QString& root, const QString& axisLine)
{
    return {"0:" + root, "1:" + axisLine, "2:Axis Design", "2:Velocity Profile", "2:Report Generator"};
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithoutSettings()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        MDIMain* main = run.Main();
        // The frame shows its maximised child's caption after its own.
        QVERIFY(main->windowTitle().startsWith(QStringLiteral("Orvamis Kestravo")));
        QCOMPARE(run.TreeLines(), OneAxisTree("Orvamis Kestravo", "Axis # 1"));
        QCOMPARE(run.ChildCaptions(), (QStringList{"Report Generator -  1", "Velocity Profile -  1", "Axis Design -  1"}));
        // The design window in front, maximised, its line marked.
        frmAxisDesign* design = AxisDesignWindow(1);
        QVERIFY(design);
        QCOMPARE(main->MdiArea()->currentSubWindow(), design);
        QVERIFY(design->isMaximized());
        QCOMPARE(main->OutTree()->PictureType(2), platform::OutlineTree::kPictureMarked);
        QCOMPARE(gnTreeMarkedLine, int16_t(2));
        // A settings file with the defaults, four sections.
        QFile ini(QString::fromStdString(run.Folder().file(kIniFileName)));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ini.readAll());
        for (const char* section : {"[System Settings]", "[Unit Settings]", "[Window Size]", "[Options]"})
            QVERIFY2(text.contains(section), section);
        // Commands that need an axis are on, the toolbar with them.
        for (const char* name : {"mnuFileFunction_2", "mnuFileFunction_3", "mnuAxisSub_1", "mnuAxisSub_2",
                                 "mnuAxisSub_3", "mnuAxisSub_5", "mnuWindowsFunction_0", "mnuWindowsFunction_3"})
            QVERIFY2(run.Action(name)->isEnabled(), name);
        QVERIFY(main->findChild<QToolButton*>("vseTopToolbar_2")->isEnabled());
        QVERIFY(run.Action("mnuLanguage_0")->isChecked());
        QVERIFY(!run.Action("mnuLanguage_1")->isEnabled());
        QVERIFY(main->lblMessage()->text().isEmpty());
        QVERIFY(run.Messages().messages.empty());
    }

    void startWithoutDefaultAxis()
    {
        ProgramRun run;
        run.WriteSettings("[Options]\nLoad Default Axis=False\n");
        QVERIFY(run.Start());
        QCOMPARE(run.TreeLines(), QStringList{"0:Orvamis Kestravo"});
        QVERIFY(run.ChildCaptions().isEmpty());
        for (const char* name : {"mnuFileFunction_2", "mnuFileFunction_3", "mnuAxisSub_1", "mnuAxisSub_5",
                                 "mnuWindowsFunction_0"})
            QVERIFY2(!run.Action(name)->isEnabled(), name);
        // Save on the toolbar follows the menu entry.
        QVERIFY(!run.Main()->findChild<QToolButton*>("vseTopToolbar_2")->isEnabled());
        QVERIFY(run.Main()->findChild<QToolButton*>("vseTopToolbar_0")->isEnabled());
        // The toolbar's New opens the first axis.
        run.Main()->findChild<QToolButton*>("vseTopToolbar_0")->click();
        QCOMPARE(run.ChildCaptions().size(), 3);
        QVERIFY(run.Main()->findChild<QToolButton*>("vseTopToolbar_2")->isEnabled());
    }

    void atMostThreeAxes()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        run.Trigger("mnuAxisSub_0");
        QCOMPARE(run.TreeLines().size(), 13);
        QCOMPARE(run.TreeLines().at(9), QStringLiteral("1:Axis # 3"));
        QCOMPARE(gfrmAxisDesign.size(), size_t(4));
        QVERIFY(run.Messages().messages.empty());

        run.Trigger("mnuAxisSub_0");
        QCOMPARE(testing_support::MessageNumbers(run.Messages()), std::vector<int>{2001});
        const MessageComposition& message = run.Messages().messages.front();
        QCOMPARE(message.icon, int(kIconWarning));
        QCOMPARE(QString::fromStdString(message.text), QStringLiteral("Max. number of axes has been reached."));
        QCOMPARE(run.ChildCaptions().size(), 9);
        QCOMPARE(nFctGetUsedAxisCount(), int16_t(3));
        QVERIFY(run.Action("mnuAxisSub_0")->isEnabled());
        QVERIFY(run.Main()->findChild<QAction*>("mnuFile")->isEnabled());
    }

    // New Axis leaves the last design window maximised; minimising another
    // axis's windows still minimises them, and restoring gives them back.
    void windowStatesOfOtherAxesWhileOneIsMaximised()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        QTRY_COMPARE(AxisDesignWindow(2)->WindowState(), int16_t(2));
        for (int16_t kind : {0, 1, 2}) {
            SubSetAxisWindowState(1, kind, 1);
            QCOMPARE(AxisWindow(1, kind)->WindowState(), int16_t(1));
        }
        for (int16_t kind : {0, 1, 2}) {
            SubSetAxisWindowState(1, kind, 0);
            QCOMPARE(AxisWindow(1, kind)->WindowState(), int16_t(0));
        }
    }

    // The slot of a deleted axis is taken again, with the same axis ID, and
    // the mark follows the window that is active.
    void deletedAxisSlotIsReused()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        run.Trigger("mnuAxisSub_0");
        // What the axis dialog's Delete does with axis 2.
        SubInvalidateAxis(2);
        for (int16_t kind : {2, 1, 0})
            SubUnloadAxisWindow(2, kind);
        QVERIFY(!AxisDesignWindow(2) && !ProfileWindow(2) && !ReportWindow(2));
        QCOMPARE(gbDesignUnloaded[2], int16_t(-1));
        SubRefreshAxisTree();
        QCOMPARE(run.TreeLines().size(), 9);
        QCOMPARE(run.TreeLines().at(5), QStringLiteral("1:Axis # 3"));
        // Axis 3's design window is active: its line is now 6, and only it is marked.
        SubActivateFirstDesignWindow(0);
        AxisDesignWindow(3)->BringToFront();
        QTRY_COMPARE(gnTreeActiveLine, int16_t(6));
        for (int line = 0; line < 9; ++line)
            QCOMPARE(run.Main()->OutTree()->PictureType(line) == 2, line == 6);

        QCOMPARE(nFctGetWindowSlot(0), int16_t(2));
        run.Trigger("mnuAxisSub_0");
        QVERIFY(AxisDesignWindow(2));
        QCOMPARE(AxisDesignWindow(2)->AxisId(), int16_t(2));
        QCOMPARE(gfrmAxisDesign.size(), size_t(4));
        QCOMPARE(run.TreeLines().at(9), QStringLiteral("1:Axis # 2"));
    }

    void outlineClicksAndCollapse()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        platform::OutlineTree* tree = run.Main()->OutTree();
        frmProfile* profile = ProfileWindow(1);
        // The close box of the active, maximised window only minimises it.
        frmAxisDesign* design = AxisDesignWindow(1);
        design->close();
        QTRY_VERIFY(design->isMinimized());
        QCOMPARE(AxisDesignWindow(1), design);
        profile->BringToFront();
        profile->close();
        QTRY_VERIFY(profile->isMinimized());
        QCOMPARE(ProfileWindow(1), profile);

        for (int line : {0, 1}) {
            tree->setCurrentItem(tree->LineItem(line));
            emit tree->itemClicked(tree->LineItem(line), 0);
            QVERIFY(profile->isMinimized());
        }
        emit tree->itemClicked(tree->LineItem(3), 0);
        QVERIFY(!profile->isMinimized());
        QCOMPARE(run.Main()->MdiArea()->currentSubWindow(), profile);
        QTRY_COMPARE(tree->PictureType(3), 2);
        QCOMPARE(tree->PictureType(2), 0);

        tree->collapseItem(tree->LineItem(0));
        tree->collapseItem(tree->LineItem(1));
        QVERIFY(tree->LineItem(0)->isExpanded());
        QVERIFY(tree->LineItem(1)->isExpanded());
    }

    void languageSwitch()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuLanguage_2");
        QCOMPARE(gnLanguageOffset, int16_t(1000));
        QVERIFY(run.Messages().messages.empty());  // nothing had changed
        QVERIFY(run.Action("mnuLanguage_2")->isChecked());
        QVERIFY(!run.Action("mnuLanguage_0")->isChecked());
        const std::pair<const char*, int> entries[] = {
            {"mnuFileFunction_0", 1401}, {"mnuFileFunction_21", 1405}, {"mnuFileFunction_6", 1430},
            {"mnuAxisSub_0", 1419},      {"mnuUnitsFunction_3", 1409}, {"mnuWindowsFunction_2", 1416},
            {"mnuHelpFunction_1", 1412}, {"mnuFile", 1400},            {"mnuWindowList", 1413}};
        for (const auto& [name, id] : entries)
            QCOMPARE(run.Action(name)->text(), Resource(id));
        QCOMPARE(run.Main()->findChild<QToolButton*>("vseTopToolbar_1")->text(), Resource(1328));
        QVERIFY(run.Main()->windowTitle().startsWith(Resource(1031)));
        // The application was closed and a new first axis opened.
        const QStringList germanTree{"0:" + Resource(1203), "1:" + Resource(1204) + " 1", "2:" + Resource(1035),
                                     "2:" + Resource(1036), "2:" + Resource(1037)};
        QCOMPARE(run.TreeLines(), germanTree);

        run.Trigger("mnuLanguage_0");
        QCOMPARE(gnLanguageOffset, int16_t(0));
        QCOMPARE(run.Action("mnuFileFunction_0")->text(), QStringLiteral("&New"));
        QCOMPARE(run.TreeLines(), OneAxisTree("Orvamis Kestravo", "Axis # 1"));
    }

    void languageSwitchCancelledKeepsTheApplication()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        SubSetAxisTitle(1, "Feed");
        run.Messages().answers = {kResultCancel};
        run.Trigger("mnuLanguage_2");
        QCOMPARE(testing_support::MessageNumbers(run.Messages()), std::vector<int>{4001});
        QCOMPARE(gnLanguageOffset, int16_t(0));
        QVERIFY(run.Action("mnuLanguage_0")->isChecked());
        QVERIFY(!run.Action("mnuLanguage_2")->isChecked());
        QCOMPARE(sFctGetAxisTitle(1), std::string("Feed"));
        QCOMPARE(run.ChildCaptions().size(), 3);
        // Choosing the language in force asks nothing.
        run.Trigger("mnuLanguage_0");
        QCOMPARE(run.Messages().messages.size(), size_t(1));
        QVERIFY(run.Action("mnuLanguage_0")->isChecked());
    }

    // With a folder in the place of the settings file, or a read-only
    // settings file, the settings changed in the session are lost at the
    // end: the user is told so once, in the session's language, with the
    // file and the reason, whichever way the program ends, and what is in
    // the settings file's place stays as it was.
    void settingsThatCannotBeKeptAreToldAtTheEnd_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("main");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("readOnlyFile");  // else a folder in its place
        QTest::newRow("English, options, Exit")
            << "mnuFileFunction_8" << "mnuFileFunction_21"
            << "The settings of this session (units, options and recent files) could not be kept"
            << "A folder has the name of the settings file." << false;
        QTest::newRow("German, language, close box")
            << "mnuLanguage_2" << ""
            << "Die Einstellungen dieser Sitzung (Einheiten, Optionen und zuletzt geöffnete Dateien) konnten nicht gespeichert werden"
            << "Ein Ordner trägt den Namen der Einstellungsdatei." << false;
        QTest::newRow("English, options, read-only file, Exit")
            << "mnuFileFunction_8" << "mnuFileFunction_21"
            << "The settings of this session (units, options and recent files) could not be kept"
            << "The settings file or its folder is read-only, or this user may not write there." << true;
    }
    void settingsThatCannotBeKeptAreToldAtTheEnd()
    {
        QFETCH(QString, change);
        QFETCH(QString, ending);
        QFETCH(QString, main);
        QFETCH(QString, reason);
        QFETCH(bool, readOnlyFile);
        ProgramRun run;
        const std::string ini = run.Folder().file(kIniFileName);
        const QString kept = "[Options]\nCreate Backup File=True\n";
        if (readOnlyFile) {
            run.WriteSettings(kept.toStdString());
            QVERIFY(QFile::setPermissions(QString::fromStdString(ini),
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else {
            QVERIFY(QDir().mkdir(QString::fromStdString(ini)));
        }
        QVERIFY(run.Start());
        if (change == "mnuFileFunction_8") {
            dialog_tests::WhenModalShows([](QWidget* options) {  // backups off
                QTest::mouseClick(options->findChild<QCheckBox*>("chkOptions_2"), Qt::LeftButton);
                QTest::mouseClick(options->findChild<QPushButton*>("vseCommand_0"), Qt::LeftButton);
            });
        }
        run.Trigger(change);
        QVERIFY(change == "mnuFileFunction_8" ? gbCreateBackup == 0 : gnLanguageOffset == 1000);
        QVERIFY(run.Messages().messages.empty());
        if (ending.isEmpty())
            QVERIFY(run.CloseByUser());
        else
            run.Trigger(ending);
        QVERIFY(!run.Main()->isVisible());

        QCOMPARE(testing_support::MessageNumbers(run.Messages()), std::vector<int>{2020});
        const MessageComposition& told = run.Messages().messages.front();
        QCOMPARE(told.icon, int(kIconWarning));
        const QString text = QString::fromStdString(told.text);
        QVERIFY2(text.startsWith(main), qPrintable(text));
        QVERIFY2(text.contains(QString::fromStdString(ini)), qPrintable(text));
        QVERIFY2(text.endsWith(reason), qPrintable(text));
        if (readOnlyFile) {
            QFile file(QString::fromStdString(ini));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), kept);
        } else {
            QVERIFY(QFileInfo(QString::fromStdString(ini)).isDir());
        }
    }

    void unitsMenuOffersTheOtherSystemAndRefreshesWindows()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        QMenu* units = run.Main()->findChild<QMenu*>("mnuUnits");
        emit units->aboutToShow();
        QVERIFY(!run.Action("mnuUnitsFunction_0")->isEnabled());
        QVERIFY(run.Action("mnuUnitsFunction_1")->isEnabled());

        QSignalSpy tables1(AxisDesignWindow(1), &frmAxisDesign::TableRefreshed);
        QSignalSpy tables2(AxisDesignWindow(2), &frmAxisDesign::TableRefreshed);
        QSignalSpy profile1(ProfileWindow(1), &frmProfile::ScreenUpdatedToUnitClass);
        run.Trigger("mnuUnitsFunction_1");
        QCOMPARE(gnUnitSystem, int16_t(1));
        // Load, mechanism, motor grid, in this order.
        QCOMPARE(tables1.size(), 3);
        QCOMPARE(tables1.at(0).at(0).toInt(), 0);
        QCOMPARE(tables1.at(2).at(0).toInt(), 2);
        QCOMPARE(tables2.size(), 3);
        QCOMPARE(profile1.size(), 1);

        emit units->aboutToShow();
        QVERIFY(run.Action("mnuUnitsFunction_0")->isEnabled());
        QVERIFY(!run.Action("mnuUnitsFunction_1")->isEnabled());
    }

    void windowArrangementsAndList()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        QMdiArea* area = run.Main()->MdiArea();
        // How tiles and cascades lay the windows out: tst_windowarrange.
        run.Trigger("mnuWindowsFunction_1");
        const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 3);
        windows[0]->showMinimized();
        windows[1]->showMinimized();
        run.Trigger("mnuWindowsFunction_3");
        QCOMPARE(windows[0]->y() + windows[0]->height(), area->viewport()->height());
        QCOMPARE(windows[0]->x(), 0);
        // Side by side where the area is wide enough for both, else one row up.
        if (windows[0]->width() + windows[1]->width() <= area->viewport()->width()) {
            QCOMPARE(windows[1]->x(), windows[0]->width());
        } else {
            QCOMPARE(windows[1]->x(), 0);
            QCOMPARE(windows[1]->y() + windows[1]->height(), windows[0]->y());
        }

        QMenu* list = run.Main()->findChild<QMenu*>("mnuWindowList");
        emit list->aboutToShow();
        QAction* first = run.Main()->findChild<QAction*>("mnuWindowListChild_1");
        QVERIFY(first);
        QCOMPARE(first->text(), QStringLiteral("&1 Report Generator -  1"));
        first->trigger();
        QVERIFY(!windows[0]->isMinimized());
        QCOMPARE(area->currentSubWindow(), windows[0]);
    }

    void helpContentsShowsTheWelcomePage()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuHelpFunction_0");
        auto* viewer = run.Main()->findChild<platform::HelpViewer*>();
        QVERIFY(viewer);
        QVERIFY(viewer->CurrentPage().endsWith("help/Welcome.htm"));
    }

    // With the help pages gone from the program's folder, every way to help
    // (the menu, F1 in the axis windows and in a dialog, the report's Help
    // tool) opens the help window on a page that names the missing page, in
    // the language of the moment.
    void helpWithoutItsPagesSaysWhichPageIsMissing()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        QVERIFY(QDir(QString::fromStdString(run.Folder().file("help"))).removeRecursively());
        const auto told = [&run](const QString& page, const QString& words) {
            auto* viewer = run.Main()->findChild<platform::HelpViewer*>();
            QVERIFY2(viewer && viewer->isVisible(), qPrintable(page));
            QVERIFY2(viewer->CurrentPage().endsWith("help/" + page), qPrintable(viewer->CurrentPage()));
            const QString text = viewer->findChild<QTextBrowser*>("helpBrowser")->toPlainText();
            QVERIFY2(text.contains(page) && text.contains(words), qPrintable(text));
            viewer->close();
        };
        const QString english = QStringLiteral("is missing");

        run.Trigger("mnuHelpFunction_0");
        told("Welcome.htm", english);
        QTest::keyClick(AxisDesignWindow(1)->findChild<QWidget*>("vsfLoad"), Qt::Key_F1);
        told("AxisDesign.htm", english);
        QTest::keyClick(ProfileWindow(1)->findChild<QWidget*>("vsfVelProfile"), Qt::Key_F1);
        told("VelocityProfile.htm", english);
        ReportWindow(1)->findChild<QAction*>("vseToolHelp")->trigger();
        told("ReportGenerator.htm", english);
        bool asked = false;
        dialog_tests::WhenModalShows([&](QWidget* dialog) {
            QTest::keyClick(dialog, Qt::Key_F1);
            told("UnitsSetup.htm", english);
            asked = true;
        });
        run.Trigger("mnuUnitsFunction_3");
        QVERIFY(asked);

        run.Trigger("mnuLanguage_2");
        QCOMPARE(gnLanguageOffset, int16_t(1000));
        run.Trigger("mnuHelpFunction_0");
        told("Welcome.htm", QStringLiteral("fehlt"));
    }

    // While the main window exists, the libraries reach windows through it.
    void installsTheWindowServicesForItsLifetime()
    {
        {
            MDIMain window;
            QVERIFY(platform::InstalledPlatformServices());
            QVERIFY(platform::InstalledMessageDisplay());
            QCOMPARE(MainWindow(), &window);
        }
        QVERIFY(!platform::InstalledPlatformServices());
        QVERIFY(!platform::InstalledMessageDisplay());
        QVERIFY(!MainWindow());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
