// The options dialog driven as a user would: ticking switches, typing
// factors, keys between the fields, the colour dialog, Okay and Cancel.
#include "foundation/basDatabaseAccess.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "shell/frmOptions.h"
#include "shell/MDIMain.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/ProgramRun.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>


using namespace dialog_tests;

namespace {

QLineEdit* Field(QWidget* dialog, int index)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("txtData_%1").arg(index));
}

QPushButton* Command(QWidget* dialog, int index)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("vseCommand_%1").arg(index));
}

QPushButton* ReportButton(QWidget* dialog, int index)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("vseReport_%1").arg(index));
}

QTabWidget* Tabs(QWidget* dialog)
{
    return dialog->findChild<QTabWidget*>("tabMain");
}

void TypeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

QStringList TabCaptions(QWidget* dialog)
{
    QStringList captions;
    for (int k = 0; k < Tabs(dialog)->count(); ++k)
        captions << Tabs(dialog)->tabText(k);
    return captions;
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

    // The dialog open now; one opened over a main window goes with that
    // window when a failed check ends the test early.
    QPointer<frmOptions> dialog;

    void CloseDialog() { delete dialog.data(); }

    // The dialog over the main window, when given, shown and active.
    frmOptions* Open(QWidget* mainWindow = nullptr)
    {
        CloseDialog();
        dialog = new frmOptions(mainWindow);
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog))
            qFatal("the options dialog did not become active");
        return dialog;
    }

private slots:
    void init()
    {
        gsDecimalSeparator = ".";
        gbSafetyFactorsTab = gbReportOptionsTab = gbGraphOptionsTab = -1;
        gbShowTaskbar = gbShowMessageBar = gbCreateBackup = gbLoadDefaultAxis = gbPromptDeleteAxis = -1;
        gdMinTorqueFactor = 1;
        gdMaxTorqueFactor = 20;
        gdMinInertiaFactor = 1;
        gdMaxInertiaWarning = 6;
        gdMaxInertiaDiscard = 10;
        gdTravelRangeWarning = 95;
        gdTerminalVelocityWarning = 98;
        glReportBackColor = 16777215;
        glReportTextColor = 0;
        gnReportFontSize = 10;
    }

    void cleanup()
    {
        CloseDialog();
        gsDecimalSeparator = ".";
    }

    void tabsFollowTheFunctionalitySwitches()
    {
        frmOptions all;
        QCOMPARE(TabCaptions(&all), QStringList({"Misc.", "Safety Factors", "Report", "Graphs"}));

        gbSafetyFactorsTab = gbReportOptionsTab = gbGraphOptionsTab = 0;
        frmOptions none;
        QCOMPARE(TabCaptions(&none), QStringList({"Misc."}));

        // Safety factors left out: the report page is still the one that
        // opens for the report window, and F1 on it gives its topic.
        gbSafetyFactorsTab = 0;
        gbReportOptionsTab = -1;
        RecordingServices services;
        frmOptions some;
        some.SelectPage(OptionsPage::Report);
        QCOMPARE(Tabs(&some)->tabText(Tabs(&some)->currentIndex()), QStringLiteral("Report"));
        QTest::keyClick(&some, Qt::Key_F1);
        QCOMPARE(services.helpPages.size(), size_t(1));
        QVERIFY(QString::fromStdString(services.helpPages[0]).endsWith("help/ReportOptions.htm"));
    }

    void showsTheSettingsItWasOpenedWith()
    {
        gbCreateBackup = 0;
        gdMaxTorqueFactor = 12.5;
        gnReportFontSize = 8;
        glReportBackColor = 255;  // red
        frmOptions* d = Open();
        QVERIFY(d->findChild<QCheckBox*>("chkOptions_0")->isChecked());
        QVERIFY(!d->findChild<QCheckBox*>("chkOptions_2")->isChecked());
        QCOMPARE(Field(d, 1)->text(), QStringLiteral("12.5"));
        QCOMPARE(Field(d, 5)->text(), QStringLiteral("95"));
        QCOMPARE(d->findChild<QComboBox*>("cboFontSize")->currentIndex(), 0);
        auto* sample = d->findChild<QPlainTextEdit*>("txtSample");
        QCOMPARE(sample->font().pointSize(), 8);
        QCOMPARE(sample->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(sample->toPlainText().split('\n').size(), 10);
    }

    void anInvalidFactorIsRefusedOnItsPage_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Min. Torque Factor 0") << 0 << "0" << false;
        QTest::newRow("Min. Torque Factor 0.99") << 0 << "0.99" << false;
        QTest::newRow("Min. Torque Factor 1") << 0 << "1" << true;
        QTest::newRow("Max. Torque Factor not a number") << 1 << "abc" << false;
        QTest::newRow("inertia ratio 0.5") << 2 << "0.5" << true;
        QTest::newRow("inertia ratio 0") << 2 << "0" << false;
        QTest::newRow("inertia ratio -1") << 2 << "-1" << false;
        QTest::newRow("discard limit 0") << 4 << "0" << false;
        QTest::newRow("travel range 0, no rule") << 5 << "0" << true;
        QTest::newRow("terminal velocity -3, no rule") << 6 << "-3" << true;
        // A text that is no number is refused in every field.
        QTest::newRow("Max. Torque Factor 1,5,2") << 1 << "1,5,2" << false;
        QTest::newRow("travel range 1,5,2, no rule") << 5 << "1,5,2" << false;
    }

    void anInvalidFactorIsRefusedOnItsPage()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        RecordingMessages messages;
        frmOptions* d = Open();
        TypeInto(Field(d, field), typed);
        Tabs(d)->setCurrentIndex(0);
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        if (accepted) {
            QVERIFY(!d->isVisible());
            QCOMPARE(messages.beeps, 0);
            return;
        }
        QVERIFY(d->isVisible());
        QCOMPARE(messages.beeps, 1);
        QCOMPARE(Tabs(d)->currentIndex(), 1);
        QTRY_VERIFY(Field(d, field)->hasFocus());
        // Nothing was stored.
        QCOMPARE(gdMinTorqueFactor, 1.0);
        QCOMPARE(gdMaxTorqueFactor, 20.0);
        QCOMPARE(gdMinInertiaFactor, 1.0);
        QCOMPARE(gdMaxInertiaDiscard, 10.0);
    }

    // Under a decimal comma "1,5,2" is no number: Enter leaves it as typed
    // (it is not read as 1,5), the focus comes back to it, the message bar
    // says why, and Okay stores nothing.
    void aFactorThatIsNoNumberIsToldWhy()
    {
        testing_support::ProgramRun run;
        QVERIFY(run.Start());
        const std::string separator = gsDecimalSeparator;
        gsDecimalSeparator.assign(1, ',');
        const double before = gdMinTorqueFactor;
        frmOptions* d = Open(run.Main());
        Tabs(d)->setCurrentIndex(1);
        TypeInto(Field(d, 0), "1,5,2");
        QTest::keyClick(Field(d, 0), Qt::Key_Return);
        QCOMPARE(Field(d, 0)->text(), QStringLiteral("1,5,2"));
        QTRY_VERIFY(Field(d, 0)->hasFocus());
        QCOMPARE(run.Main()->lblMessage()->text(), QStringLiteral("Not stored: the text is not a number"));
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(gdMinTorqueFactor, before);
        // Mended, it is taken and the word goes.
        TypeInto(Field(d, 0), "1,5");
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(gdMinTorqueFactor, 1.5);
        QCOMPARE(run.Main()->lblMessage()->text(), QString());
        gsDecimalSeparator = separator;
    }

    void severalInvalidFactorsBeepEachAndTheLastKeepsTheFocus()
    {
        RecordingMessages messages;
        frmOptions* d = Open();
        TypeInto(Field(d, 0), "0");
        TypeInto(Field(d, 3), "0");
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QCOMPARE(messages.beeps, 2);
        QTRY_VERIFY(Field(d, 3)->hasFocus());
    }

    void okayStoresEverySettingAndTheyAreWrittenAtExit()
    {
        testing_support::ProgramRun run;
        QVERIFY(run.Start());
        frmOptions* d = Open(run.Main());
        d->findChild<QCheckBox*>("chkOptions_2")->click();  // backups off
        d->findChild<QCheckBox*>("chkOptions_4")->click();  // no delete prompt
        const QStringList typed{"1.5", "25", "0.5", "4", "12", "0", "99.5"};
        for (int k = 0; k < 7; ++k)
            TypeInto(Field(d, k), typed[k]);
        d->findChild<QComboBox*>("cboFontSize")->setCurrentIndex(0);
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(gbCreateBackup, int16_t(0));
        QCOMPARE(gbPromptDeleteAxis, int16_t(0));
        QCOMPARE(gbShowTaskbar, int16_t(-1));
        QCOMPARE(gnReportFontSize, int16_t(8));
        CloseDialog();

        // The program writes the settings when it ends; read them back.
        QVERIFY(run.CloseByUser());
        gdMinTorqueFactor = gdMaxTorqueFactor = gdMinInertiaFactor = gdMaxInertiaWarning = 0;
        gdMaxInertiaDiscard = gdTravelRangeWarning = gdTerminalVelocityWarning = 0;
        gnReportFontSize = 10;
        gbCreateBackup = -1;
        QCOMPARE(nFctReadIniFile(run.Folder().file(kIniFileName)), int16_t(-1));
        QCOMPARE(gdMinTorqueFactor, 1.5);
        QCOMPARE(gdMaxTorqueFactor, 25.0);
        QCOMPARE(gdMinInertiaFactor, 0.5);
        QCOMPARE(gdMaxInertiaWarning, 4.0);
        QCOMPARE(gdMaxInertiaDiscard, 12.0);
        QCOMPARE(gdTravelRangeWarning, 0.0);
        QCOMPARE(gdTerminalVelocityWarning, 99.5);
        QCOMPARE(gnReportFontSize, int16_t(8));
        QCOMPARE(gbCreateBackup, int16_t(0));
    }

    // A settings file edited by hand with settings the dialog does not offer
    // (a font size of 9999, colours of -1, a torque factor below 1, factors
    // of more digits than the dialog shows, a flag in neither of its forms):
    // the program starts with their defaults, the dialog shows them whole on
    // the screen, Okay keeps them and the program writes them back at its end.
    void settingsOutsideWhatItOffersShowAndStayTheirDefaults()
    {
        testing_support::ProgramRun run;
        run.WriteSettings("[Options]\nMin. Torque Factor=0.5\nReport Back Color=-1\nReport Text Color=-1\n"
                          "Report Font Size=9999\nMax. Torque Factor=1e308\nMax. Inertia Factor Discard=99999999999\n"
                          "Create Backup File=maybe\n");
        QVERIFY(run.Start());
        frmOptions* d = Open(run.Main());
        QCOMPARE(Field(d, 1)->text(), QStringLiteral("20"));
        QCOMPARE(Field(d, 4)->text(), QStringLiteral("10"));
        QVERIFY(d->findChild<QCheckBox*>("chkOptions_2")->isChecked());
        const QRect screen = d->screen()->availableGeometry();
        for (int k = 0; k < 3; ++k) {
            const QRect button(Command(d, k)->mapToGlobal(QPoint(0, 0)), Command(d, k)->size());
            QVERIFY2(screen.contains(button), qPrintable(Command(d, k)->text()));
        }
        auto* sizes = d->findChild<QComboBox*>("cboFontSize");
        QCOMPARE(sizes->currentText(), QStringLiteral("10"));
        auto* sample = d->findChild<QPlainTextEdit*>("txtSample");
        QCOMPARE(sample->font().pointSize(), 10);
        QCOMPARE(sample->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(sample->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(Field(d, 0)->text(), QStringLiteral("1"));
        RecordingMessages messages;
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(messages.beeps, 0);
        QCOMPARE(gnReportFontSize, int16_t(10));
        QCOMPARE(glReportBackColor, 16777215);
        QCOMPARE(glReportTextColor, 0);
        QCOMPARE(gdMinTorqueFactor, 1.0);
        QCOMPARE(gdMaxTorqueFactor, 20.0);
        QCOMPARE(gdMaxInertiaDiscard, 10.0);
        QCOMPARE(gbCreateBackup, int16_t(-1));
        CloseDialog();

        QVERIFY(run.CloseByUser());
        QFile settings(QString::fromStdString(run.Folder().file(kIniFileName)));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(settings.readAll());
        for (const char* line : {"Min. Torque Factor=1\n", "Report Back Color=16777215\n", "Report Text Color=0\n",
                                 "Report Font Size=10\n", "Max. Torque Factor=20\n",
                                 "Max. Inertia Factor Discard=10\n", "Create Backup File=True\n"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
    }

    // A factor with more decimals than its display shows is stored as shown.
    void okayStoresTheFactorAsShown()
    {
        gdMaxInertiaWarning = 6.123456789;  // below 10: four decimals
        frmOptions* d = Open();
        QCOMPARE(Field(d, 3)->text(), QStringLiteral("6.1235"));
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QCOMPARE(gdMaxInertiaWarning, 6.1235);
    }

    void okayShowsAndHidesTheMainWindowsBarsAtOnce()
    {
        testing_support::ProgramRun run;
        QVERIFY(run.Start());
        MDIMain* main = run.Main();
        QVERIFY(main->picTopToolbar()->isVisible());
        // The area of the axis windows beside the side panel (which a screen
        // of 640 x 480 or less does not show).
        const int middleHeight = main->MdiArea()->height();
        frmOptions* d = Open(main);
        d->findChild<QCheckBox*>("chkOptions_0")->click();
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QCOMPARE(gbShowTaskbar, int16_t(0));
        QVERIFY(!main->picTopToolbar()->isVisible());
        QVERIFY(main->picStatusBar()->isVisible());
        // The side panel and the axis windows take the room of the hidden bar.
        QTRY_VERIFY(main->MdiArea()->height() > middleHeight);

        d = Open(main);
        QVERIFY(!d->findChild<QCheckBox*>("chkOptions_0")->isChecked());
        d->findChild<QCheckBox*>("chkOptions_0")->click();
        d->findChild<QCheckBox*>("chkOptions_1")->click();
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QVERIFY(main->picTopToolbar()->isVisible());
        QVERIFY(!main->picStatusBar()->isVisible());
        QCOMPARE(gbShowMessageBar, int16_t(0));
        CloseDialog();
    }

    void cancelAndEscapeChangeNothing()
    {
        for (bool escape : {false, true}) {
            frmOptions* d = Open();
            d->findChild<QCheckBox*>("chkOptions_0")->click();
            QTest::mouseClick(Command(d, 2), Qt::LeftButton);  // factor defaults
            TypeInto(Field(d, 0), "3");
            QTest::mouseClick(ReportButton(d, 2), Qt::LeftButton);
            if (escape)
                QTest::keyClick(Field(d, 0), Qt::Key_Escape);
            else
                QTest::mouseClick(Command(d, 1), Qt::LeftButton);
            QVERIFY(!d->isVisible());
            QCOMPARE(gbShowTaskbar, int16_t(-1));
            QCOMPARE(gdMinTorqueFactor, 1.0);
        }
    }

    void setDefaultsShowsTheDefaultFactors()
    {
        gdMinTorqueFactor = 2;
        gdMaxTorqueFactor = 30;
        gdTerminalVelocityWarning = 50;
        frmOptions* d = Open();
        QTest::mouseClick(Command(d, 2), Qt::LeftButton);
        const QStringList expected{"1", "20", "1", "6", "10", "95", "98"};
        for (int k = 0; k < 7; ++k)
            QCOMPARE(Field(d, k)->text(), expected[k]);
        QCOMPARE(gdMinTorqueFactor, 2.0);  // only shown until Okay
    }

    void enterNormalisesAndMovesOn()
    {
        gsDecimalSeparator = ",";
        RecordingMessages messages;
        frmOptions* d = Open();
        TypeInto(Field(d, 0), "1,50");
        QTest::keyClick(Field(d, 0), Qt::Key_Return);
        QCOMPARE(Field(d, 0)->text(), QStringLiteral("1,5"));
        QTRY_VERIFY(Field(d, 1)->hasFocus());
        QVERIFY(d->isVisible());
        QCOMPARE(messages.beeps, 0);
        // A power of ten typed is the number it names.
        TypeInto(Field(d, 1), "2,5E1");
        QTest::keyClick(Field(d, 1), Qt::Key_Return);
        QCOMPARE(Field(d, 1)->text(), QStringLiteral("25"));

        Field(d, 6)->setFocus();
        QTest::keyClick(Field(d, 6), Qt::Key_Return);
        QTRY_VERIFY(Field(d, 0)->hasFocus());
        // The field that gets the focus has its whole text selected.
        QTRY_COMPARE(Field(d, 0)->selectedText(), Field(d, 0)->text());
    }

    void upAndDownWrapAround()
    {
        frmOptions* d = Open();
        Field(d, 0)->setFocus();
        QTest::keyClick(Field(d, 0), Qt::Key_Up);
        QTRY_VERIFY(Field(d, 6)->hasFocus());
        QTest::keyClick(Field(d, 6), Qt::Key_Down);
        QTRY_VERIFY(Field(d, 0)->hasFocus());
        QTest::keyClick(Field(d, 0), Qt::Key_Down);
        QTRY_VERIFY(Field(d, 1)->hasFocus());
    }

    // Moving on runs the check: an invalid field elsewhere takes the focus.
    void movingOnReportsAnInvalidField()
    {
        RecordingMessages messages;
        frmOptions* d = Open();
        TypeInto(Field(d, 4), "0");
        Field(d, 1)->setFocus();
        QTest::keyClick(Field(d, 1), Qt::Key_Down);
        QCOMPARE(messages.beeps, 1);
        QTRY_VERIFY(Field(d, 4)->hasFocus());
    }

    void reportColoursFromTheColourDialog()
    {
        frmOptions* d = Open();
        WhenModalShows([](QWidget* colours) {
            QCOMPARE(colours->objectName(), QStringLiteral("CMDialog"));
            auto* chooser = qobject_cast<QColorDialog*>(colours);
            QCOMPARE(chooser->currentColor(), QColor(255, 255, 255));  // starts at the sample's colour
            chooser->setCurrentColor(QColor(0, 0, 128));
            chooser->accept();
        });
        QTest::mouseClick(ReportButton(d, 0), Qt::LeftButton);
        WhenModalShows([](QWidget* colours) { qobject_cast<QColorDialog*>(colours)->reject(); });
        QTest::mouseClick(ReportButton(d, 1), Qt::LeftButton);
        auto* sample = d->findChild<QPlainTextEdit*>("txtSample");
        QCOMPARE(sample->palette().color(QPalette::Base), QColor(0, 0, 128));
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QCOMPARE(glReportBackColor, 128 * 65536);  // blue 128
        QCOMPARE(glReportTextColor, 0);            // cancelled: unchanged

        glReportTextColor = 255;
        gnReportFontSize = 8;
        d = Open();
        QTest::mouseClick(ReportButton(d, 2), Qt::LeftButton);  // report defaults
        QCOMPARE(d->findChild<QComboBox*>("cboFontSize")->currentIndex(), 1);
        QCOMPARE(d->findChild<QPlainTextEdit*>("txtSample")->font().pointSize(), 10);
        QTest::mouseClick(Command(d, 0), Qt::LeftButton);
        QCOMPARE(glReportBackColor, 16777215);
        QCOMPARE(glReportTextColor, 0);
        QCOMPARE(gnReportFontSize, int16_t(10));
    }

    void f1OpensTheTopicOfThePage()
    {
        RecordingServices services;
        frmOptions* d = Open();
        const QStringList topics{"MiscellaneousOptions.htm", "SafetyFactors.htm", "ReportOptions.htm", "FileOptions.htm"};
        for (int k = 0; k < 4; ++k) {
            Tabs(d)->setCurrentIndex(k);
            QTest::keyClick(d, Qt::Key_F1);
            QVERIFY(QString::fromStdString(services.helpPages.back()).endsWith("help/" + topics[k]));
        }
    }

    void opensModallyOnTheGivenPage()
    {
        QString shown;
        WhenModalShows([&shown](QWidget* modal) {
            auto* tabs = modal->findChild<QTabWidget*>("tabMain");
            shown = tabs->tabText(tabs->currentIndex());
            QTest::mouseClick(modal->findChild<QPushButton*>("vseCommand_1"), Qt::LeftButton);
        });
        ShowOptionsDialog(nullptr, OptionsPage::Report);
        QCOMPARE(shown, QStringLiteral("Report"));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
