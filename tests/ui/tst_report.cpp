// The report window over the running program (metric units): its toolbar,
// Show with an incomplete and a complete axis, zoom and page navigation with
// their enabling rules, the page indicator, the toolbar locked while a
// report is built, Print into a PDF file read back as text, the printer
// checks 2015 and 2016, the options and the help.
#include "foundation/basAppPaths.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basMechanismChain.h"
#include "model/basAxisRequirements.h"
#include "model/basWindowStatus.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatformServices.h"
#include "platform/qt/ReportPages.h"
#include "report/frmReport.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/FontChecks.h"
#include "tests/ui/support/PdfReport.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/ReportTestAxis.h"
#include "tests/ui/support/TestHome.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QDir>
#include <QGraphicsView>
#include <QPageRanges>
#include <QPageSize>
#include <QColorDialog>
#include <QCompleter>
#include <QAbstractItemView>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QDialogButtonBox>
#include <QProcess>
#include <QLineEdit>
#include <QPushButton>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cmath>
#include <memory>

using namespace dialog_tests;

namespace {

constexpr double kPi = 3.14159265358979323846;

const QStringList kPreviewTools = {"vseToolZoomIn",   "vseToolZoomOut",  "vseToolZoomDefault", "FirstPage",
                                   "vseToolPrevPage", "vseToolNextPage", "LastPage"};

// The printer side as a test sets it: a device name ("" for none), and a
// print dialog that picks a PDF file (or is cancelled), and when told
// another paper and a page range; it notes the paper it was offered.
class FakePrinting : public platform::ReportPrinting {
public:
    FakePrinting() { platform::InstallReportPrinting(this); }
    ~FakePrinting() override { platform::InstallReportPrinting(nullptr); }
    QString PrinterDeviceName() const override
    {
        ++deviceQueries;
        return deviceName;
    }
    bool ConfirmPrint(QPrinter& printer, QWidget*, const platform::PrintChecks&) override
    {
        ++dialogs;
        offeredPaper = printer.pageLayout().pageSize();
        if (pdfFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        if (paper.isValid())
            printer.setPageSize(paper);
        if (!pages.isEmpty()) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setPageRanges(QPageRanges::fromString(pages));
        }
        return true;
    }
    QString deviceName = "PDF";
    QString pdfFile;
    QPageSize paper;  // invalid: the paper offered
    QString pages;    // empty: all
    QPageSize offeredPaper;
    mutable int deviceQueries = 0;
    int dialogs = 0;
};

// The body lines of all sheets in order, blanks simplified, empty lines
// left out: what the report says, whatever its pages.
QStringList BodyLines(const QStringList& sheets)
{
    QStringList lines;
    for (const QString& sheet : sheets)
        lines += testing_support::SheetBody(sheet);
    lines.removeAll(QString());
    return lines;
}

// The disk axis on a motor whose peak torque (0.3 N.m) is below the 0.62
// N.m the move asks for: the motor check warns of it.
void BuildDiskAxisOnAWeakMotor()
{
    testing_support::BuildDiskAxis(1);
    MotorRec motor;
    nFctGetMotorRecord(1, motor);
    motor.MotorData[2].Data = 0.3;
    nFctSetAxisMotor(1, motor, model::kFalse);
}

// A gearbox 5:1 before a centre-driven winder: a paper roll 400 mm on a
// 76 mm core, 500 mm wide, density 0.9, web tension 200 N; the roll turns
// at 60 rpm at its full diameter (0.5 s up, 1 s steady, 0.5 s down),
// driven by a servo motor rated 10 N.m.
void BuildCentreWinderAxis()
{
    testing_support::PrepareAxisProfile(1);
    SubAppendMechanism(1, MechanismType::Gearbox);
    SubSetMechanismParameterValue(1, 0, 0, 100);  // efficiency, %
    SubSetMechanismParameterValue(1, 0, 2, 5);    // ratio
    SubAppendMechanism(1, MechanismType::WinderCenter);
    const std::pair<int16_t, double> roll[] = {{0, 400}, {1, 76}, {2, 500}, {3, 0.9}, {9, 200}};
    for (const auto& [entry, value] : roll)
        SubSetMechanismParameterValue(1, 1, entry, value);
    const double segments[3][3] = {{0, 60, 0.5}, {60, 60, 1}, {60, 0, 0.5}};
    for (int16_t k = 0; k < 3; ++k)
        for (int16_t p = 0; p < 3; ++p)
            nFctSetProfileSegmentValue(1, k, p, segments[k][p]);
    MotorRec motor;
    SubInitMotorRecord(motor, MotorType::AcServo);
    const double values[] = {3000, 10, 20, 5, 0.5};
    for (int k = 0; k < 5; ++k)
        motor.MotorData[static_cast<size_t>(k)].Data = values[k];
    nFctSetAxisMotor(1, motor, model::kFalse);
}

// Runs a program; false, with what it said, when it failed.
bool RunCommand(const QString& program, const QStringList& arguments, QString& output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ran = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    output = QString::fromLocal8Bit(process.readAll()).trimmed();
    if (output.isEmpty())
        output = process.errorString();
    return ran;
}

bool IsFifo(const QString& path)
{
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Types the text into a field in place of what it holds, as a user does;
// the completion list that the typing may open is closed again.
void TypeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::qWait(20);
    if (QCompleter* completer = field->completer(); completer && completer->popup()->isVisible())
        completer->popup()->hide();
}

// Answers each message box that comes up while it lives (Qt's question
// whether to overwrite a file, its warnings) with the answer where the box
// has it, else closes the box, and counts the boxes.
class MessageBoxAnswers {
public:
    explicit MessageBoxAnswers(QMessageBox::StandardButton answer)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box == answered_)
                return;
            answered_ = box;
            ++count;
            if (QAbstractButton* button = box->button(answer))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                box->reject();
        });
        poll_.start(10);
    }
    int count = 0;

private:
    QTimer poll_;
    QPointer<QMessageBox> answered_;
};

// Types the file into the file field of Qt's print dialog once the dialog
// has settled its printer; false when the field is not there or not in use.
bool TypeIntoFileField(QWidget* dialog, const QString& file)
{
    auto* field = dialog->findChild<QLineEdit*>("filename");
    QTest::qWait(20);  // the dialog settles its printer first
    if (!field || !field->isEnabled())
        return false;
    TypeInto(field, file);
    return true;
}

// Clicks Print in Qt's print dialog; gives the message boxes that came up
// on the way, each answered Yes (-1: no Print button).
int ClickPrint(QWidget* dialog)
{
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    if (!buttons)
        return -1;
    MessageBoxAnswers yes(QMessageBox::Yes);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QTest::qWait(20);
    return yes.count;
}

// Chooses the Pages field of Qt's print dialog; false when the dialog has
// it closed.
bool ChoosePagesField(QWidget* dialog)
{
    auto* choice = dialog->findChild<QRadioButton*>("pagesRadioButton");
    if (!choice || !choice->isEnabled())
        return false;
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(4, choice->height() / 2));
    return choice->isChecked();
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ProgramRun> run;
    std::unique_ptr<FakePrinting> printing;

    frmReport* Window() const { return ReportWindow(1); }
    QAction* Tool(const QString& name) const { return Window()->findChild<QAction*>(name); }
    platform::ReportPreview* Preview() const { return Window()->findChild<platform::ReportPreview*>("vsPrinter"); }
    QTextEdit* TextBox() const { return Window()->findChild<QTextEdit*>("txtReport"); }
    // A mouse click on the tool's button, as the user gives it.
    void Click(const QString& tool) const
    {
        QAction* action = Tool(tool);
        auto* band = qobject_cast<QToolBar*>(action->parent());
        QWidget* button = band->widgetForAction(action);
        QVERIFY(button);
        // A window too narrow for all its tools (a large scale) keeps the
        // last ones behind the band's extension, whose list triggers them.
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
        else
            action->trigger();
    }
    // The page indicator and the enabled preview tools as they stand, and
    // as they stand for page of pages.
    QString PageTools() const { return Tool("vsePage")->text() + "|" + EnabledPreviewTools().join(","); }
    static QString PageToolsFor(int page, int pages)
    {
        QStringList tools = {"vseToolZoomIn", "vseToolZoomOut", "vseToolZoomDefault"};
        if (page > 1)
            tools << "FirstPage" << "vseToolPrevPage";
        if (page < pages)
            tools << "vseToolNextPage" << "LastPage";
        return QStringLiteral("Page %1 Of %2  |").arg(page).arg(pages) + tools.join(",");
    }
    QStringList EnabledPreviewTools() const
    {
        QStringList enabled;
        for (const QString& name : kPreviewTools)
            if (Tool(name)->isEnabled())
                enabled << name;
        return enabled;
    }
    // Paper of that height (inches, 8.5 wide) for the preview.
    void UsePaperHeight(double inches) const
    {
        Preview()->PreviewPrinter().setPageSize(QPageSize(QSizeF(8.5, inches), QPageSize::Inch, "test"));
    }
    // Shows the report on paper of a height that gives `pages` pages or,
    // where no height gives that many (blocks kept together make the count
    // jump), a count near it; returns the count shown. The page count falls
    // as the paper grows.
    int ShowOnAbout(int pages) const
    {
        double low = 2.5, high = 60;
        for (int step = 0; step < 40; ++step) {
            const double height = (low + high) / 2;
            UsePaperHeight(height);
            Click("vseToolShow");
            if (Preview()->PageCount() == pages)
                break;
            (Preview()->PageCount() > pages ? low : high) = height;
        }
        return Preview()->PageCount();
    }
    bool ShowOnPages(int pages) const { return ShowOnAbout(pages) == pages; }
    // Print under a file size limit of the process of 4 KiB: writing a file
    // past it fails as on a full disk.
    void PrintOnAFullDisk() const
    {
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limited = previous;
        limited.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        Click("vseToolPrint");
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
    }

private slots:
    void init()
    {
        run = std::make_unique<testing_support::ProgramRun>();
        run->WriteSettings("[Unit Settings]\nUnits=1\n");
        QVERIFY(run->Start());
        QVERIFY(Window());
        printing = std::make_unique<FakePrinting>();
        gnReportFontSize = 10;
        glReportTextColor = 0;
        gbScreenAbove800x600 = 0;
        testing_support::PrepareAxisProfile(1);
    }
    void cleanup()
    {
        printing.reset();
        run.reset();
    }

    void toolbarBandsAndCaptions()
    {
        QCOMPARE(Window()->windowTitle(), QStringLiteral("Report Generator -  1"));
        auto* top = Window()->findChild<QToolBar*>("vseTopReportTools");
        auto* bottom = Window()->findChild<QToolBar*>("vseBottonReportTools");
        QVERIFY(top && bottom && Window()->findChild<QWidget*>("ActiveBar1"));
        QStringList topTexts, bottomTexts;
        for (QAction* action : top->actions())
            if (!action->objectName().isEmpty())
                topTexts << action->objectName() + "=" + action->text();
        for (QAction* action : bottom->actions())
            bottomTexts << action->objectName() + "=" + action->text();
        QCOMPARE(topTexts, QStringList({"vseToolShow=Show Report", "vseToolPrint=Print Report",
                                        "vseToolWordDoc=Create Word Doc.", "vseToolOptions=Options",
                                        "vseToolHelp=Help", "vsePage="}));
        QCOMPARE(bottomTexts, QStringList({"vseToolZoomIn=Zoom In", "vseToolZoomOut=Zoom Out",
                                           "vseToolZoomDefault=Zoom Default", "FirstPage=First Page",
                                           "vseToolPrevPage=Previous Page", "vseToolNextPage=Next Page",
                                           "LastPage=Last Page"}));
        QVERIFY(!Tool("vsePage")->isVisible());
        QVERIFY(EnabledPreviewTools().isEmpty());
        QVERIFY(Window()->findChild<QWidget*>("imgReportHeader"));
        QVERIFY(testing_support::AdvancesAreEqual(TextBox()->font()));

        // The Word document tool does nothing at all.
        Click("vseToolWordDoc");
        QVERIFY(run->Messages().messages.empty());
        QVERIFY(Preview()->Document().lines.empty());
    }

    void showWithAnIncompleteAxisExplainsInTheTextBox()
    {
        Click("vseToolShow");
        QVERIFY(TextBox()->isVisible());
        QVERIFY(!Preview()->isVisible());
        QVERIFY(TextBox()->toPlainText().startsWith("Unable to accomplish calculations."));
        QVERIFY(!Tool("vsePage")->isVisible());
        QVERIFY(EnabledPreviewTools().isEmpty());
        QVERIFY(Tool("vseToolShow")->isEnabled() && Tool("vseToolPrint")->isEnabled());
        QVERIFY(Preview()->Document().lines.empty());

        // The axis completed: the next Show brings the preview back.
        testing_support::BuildDiskAxis(1);
        Click("vseToolShow");
        QVERIFY(Preview()->isVisible());
        QVERIFY(!TextBox()->isVisible());
        QVERIFY(!Preview()->Document().lines.empty());
        QCOMPARE(run->Main()->lblMessage()->text(), QString());
    }

    void zoomLimitsAndDefault()
    {
        testing_support::BuildDiskAxis(1);
        Click("vseToolShow");
        QCOMPARE(Preview()->ZoomPercent(), 70);  // 800 x 600 screen
        for (int k = 0; k < 30; ++k)
            Click("vseToolZoomIn");
        QCOMPARE(Preview()->ZoomPercent(), 195);
        Preview()->SetZoomPercent(190);
        Click("vseToolZoomIn");
        QCOMPARE(Preview()->ZoomPercent(), 195);
        Preview()->SetZoomPercent(10);
        Click("vseToolZoomOut");
        QCOMPARE(Preview()->ZoomPercent(), 5);
        Click("vseToolZoomOut");
        QCOMPARE(Preview()->ZoomPercent(), 5);
        gbScreenAbove800x600 = -1;
        Click("vseToolZoomDefault");
        QCOMPARE(Preview()->ZoomPercent(), 95);
    }

    // Show opens the preview at the top of page 1, its running header in
    // view, at every zoom; so does the next Show after scrolling.
    void thePreviewOpensAtTheTopOfPageOne()
    {
        testing_support::BuildDiskAxis(1, 7);
        Window()->BringToFront();
        Click("vseToolShow");
        auto* view = Preview()->findChild<QGraphicsView*>();
        QVERIFY(view && view->isVisible());
        QScrollBar* bar = view->verticalScrollBar();
        QVERIFY(bar->maximum() > bar->minimum());
        QCOMPARE(bar->value(), bar->minimum());
        bar->setValue(bar->maximum() / 2);
        Click("vseToolZoomIn");
        Click("vseToolShow");
        QCOMPARE(bar->value(), bar->minimum());
        QCOMPARE(Preview()->Page(), 1);
    }

    void pageActionsOnOneAndThreePages()
    {
        testing_support::BuildDiskAxis(1);
        QVERIFY(ShowOnPages(1));
        QCOMPARE(EnabledPreviewTools(), QStringList({"vseToolZoomIn", "vseToolZoomOut", "vseToolZoomDefault"}));
        QCOMPARE(Tool("vsePage")->text(), QStringLiteral("Page 1 Of 1  "));

        QVERIFY(ShowOnPages(3));
        QCOMPARE(Preview()->Page(), 1);
        QCOMPARE(EnabledPreviewTools(), QStringList({"vseToolZoomIn", "vseToolZoomOut", "vseToolZoomDefault",
                                                     "vseToolNextPage", "LastPage"}));
        Click("vseToolNextPage");
        QCOMPARE(Preview()->Page(), 2);
        QCOMPARE(EnabledPreviewTools(), kPreviewTools);
        Click("vseToolNextPage");
        QCOMPARE(Preview()->Page(), 3);
        QCOMPARE(EnabledPreviewTools(), QStringList({"vseToolZoomIn", "vseToolZoomOut", "vseToolZoomDefault",
                                                     "FirstPage", "vseToolPrevPage"}));
        QCOMPARE(Tool("vsePage")->text(), QStringLiteral("Page 3 Of 3  "));
        Click("vseToolPrevPage");
        Click("vseToolPrevPage");
        QCOMPARE(Preview()->Page(), 1);
        QVERIFY(!Tool("FirstPage")->isEnabled() && Tool("LastPage")->isEnabled());
        Click("LastPage");
        QCOMPARE(Preview()->Page(), 3);
        Click("FirstPage");
        QCOMPARE(Preview()->Page(), 1);
        QCOMPARE(EnabledPreviewTools(), QStringList({"vseToolZoomIn", "vseToolZoomOut", "vseToolZoomDefault",
                                                     "vseToolNextPage", "LastPage"}));
    }

    void pageIndicatorTexts()
    {
        // "Page   Of ": the number from the second blank on, then the count
        // and two blanks; two digits overwrite the blank before "Of".
        testing_support::BuildDiskAxis(1, 7);
        QVERIFY(ShowOnPages(5));
        Click("vseToolNextPage");
        Click("vseToolNextPage");
        QCOMPARE(Tool("vsePage")->text(), QStringLiteral("Page 3 Of 5  "));
        QVERIFY(Tool("vsePage")->isVisible());
        const int pages = ShowOnAbout(12);
        QVERIFY(pages >= 10 && pages <= 99);
        Click("LastPage");
        QCOMPARE(Tool("vsePage")->text(), QStringLiteral("Page %1Of %1  ").arg(pages));
    }

    // However the page shown changes (wheel, scroll bar, zoom), the
    // indicator and the page tools follow it.
    void pageToolsFollowTheScrolledPreview()
    {
        testing_support::BuildDiskAxis(1, 7);
        QVERIFY(ShowOnPages(4));
        auto* view = Preview()->findChild<QGraphicsView*>();
        QVERIFY(view && view->isVisible());
        QCOMPARE(PageTools(), PageToolsFor(1, 4));
        for (int turn = 0; turn < 400 && Preview()->Page() < 4; ++turn) {
            QWheelEvent wheel(QPointF(20, 20), view->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view->viewport(), &wheel);
        }
        QCOMPARE(Preview()->Page(), 4);
        QCOMPARE(PageTools(), PageToolsFor(4, 4));

        QScrollBar* bar = view->verticalScrollBar();
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(Preview()->Page(), 1);
        QCOMPARE(PageTools(), PageToolsFor(1, 4));
        for (int step = 0; step < 400 && Preview()->Page() < 2; ++step)
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Preview()->Page(), 2);
        QCOMPARE(PageTools(), PageToolsFor(2, 4));

        // Down to 5 %: several pages in view; the tools follow the page the
        // preview takes for shown.
        for (int k = 0; k < 15; ++k)
            Click("vseToolZoomOut");
        QCOMPARE(PageTools(), PageToolsFor(Preview()->Page(), 4));
        Click("LastPage");
        QCOMPARE(PageTools(), PageToolsFor(Preview()->Page(), 4));
        // The preview is at its end; which page counts as shown with
        // several in view depends on the window's size (the scale).
        QCOMPARE(bar->value(), bar->maximum());
    }

    void toolbarIsLockedWhileAReportIsBuilt()
    {
        // Show, then Print into a file: while each builds (it lets events
        // run), every tool is disabled and neither can start a second build.
        testing_support::BuildDiskAxis(1);
        printing->pdfFile = QString::fromStdString(run->Folder().file("locked.pdf"));
        for (const QString& command : {QStringLiteral("vseToolShow"), QStringLiteral("vseToolPrint")}) {
            QStringList enabledDuringBuild;
            bool ran = false;
            const int queries = printing->deviceQueries, dialogs = printing->dialogs;
            QTimer::singleShot(0, Window(), [&] {
                ran = true;
                for (QAction* tool : Window()->findChildren<QAction*>())
                    if (tool->isEnabled() && !tool->objectName().isEmpty() && qobject_cast<QToolBar*>(tool->parent()))
                        enabledDuringBuild << tool->objectName();
                Click("vseToolShow");
                Click("vseToolPrint");
            });
            Click(command);
            QVERIFY(ran);
            QVERIFY2(enabledDuringBuild.isEmpty(), qPrintable(command + ": " + enabledDuringBuild.join(",")));
            QCOMPARE(printing->deviceQueries, queries + 1);  // no second build inside
            QCOMPARE(printing->dialogs, dialogs + (command == "vseToolPrint" ? 1 : 0));
            QVERIFY(Tool("vseToolShow")->isEnabled() && Tool("vseToolPrint")->isEnabled());
            QVERIFY(Tool("vseToolZoomIn")->isEnabled());
        }
    }

    void printIntoAPdfFile()
    {
        testing_support::BuildDiskAxis(1);
        SubSetAxisTitle(1, "Flywheel");
        const QString pdf = QString::fromStdString(run->Folder().file("report.pdf"));
        printing->pdfFile = pdf;
        Click("vseToolPrint");
        QCOMPARE(printing->dialogs, 1);
        QVERIFY(QFile::exists(pdf));
        // The preview holds the document printed, with its tools and
        // indicator.
        const int pages = Preview()->PageCount();
        QVERIFY(pages >= 2);
        QVERIFY(Tool("vsePage")->isVisible());
        QCOMPARE(Tool("vsePage")->text(), QStringLiteral("Page 1 Of %1  ").arg(pages));
        QVERIFY(Tool("vseToolNextPage")->isEnabled());

        const QString text = testing_support::PdfText(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext gave nothing");
        // The same pages as the preview: one form feed between pages.
        QCOMPARE(text.count('\f'), pages);
        QVERIFY(!text.contains("(core)") && !text.contains("(full roll)"));
        const QStringList headings = {"Orvamis Kestravo Report Generator", "Page 1",
                                      "Copyright (c) 2004 Orvamis.", "Axis :", "1 - Flywheel",
                                      "Selected Motor :", "Motor Performance :", "Motor Load Data :",
                                      "System Data (incl. Motor Inertia) :", "Mechanism No. 1 : Disk",
                                      "Calculation Results :", "Load Parameters :", "Velocity Profile :",
                                      "Segment No. 1", "Segment No. 3", "to confirm the final selection.", "3.00.010"};
        qsizetype at = 0;
        for (const QString& heading : headings) {
            const qsizetype found = text.indexOf(heading, at);
            QVERIFY2(found >= 0, qPrintable(heading + " not found in order"));
            at = found + heading.size();
        }

        // Values worked out by hand: the disk weighs 7.85 x 9.81e-6 N/mm^3 x
        // pi 100^2 x 20 mm^3 = 48.3859 N, 4.93396 kg; J = m r^2 / 2 =
        // 0.0246698 kg.m^2 = 246.698 kg.cm^2. At 2 rev/s and 4 rev/s^2 it
        // turns at 120 rpm; peak torque 2 pi J 4 = 0.620020 N.m and RMS
        // 0.620020 / sqrt 2 = 0.438420 N.m (the axis alone); with the 0.5
        // kg.cm^2 rotor 0.621276 and 0.439309 N.m.
        const QStringList lines = text.split('\n');
        auto valueLine = [&](const QString& label, int from) {
            for (int k = from; k < lines.size(); ++k)
                if (lines[k].trimmed().startsWith(label))
                    return k;
            return -1;
        };
        int loadData = valueLine("Motor Load Data :", 0);
        QVERIFY(loadData > 0);
        const struct {
            QString label;
            double value;
            QString unit;
        } rows[] = {{"Max. Velocity", 120, "rpm"},
                    {"RMS Torque", 0.620020 / std::sqrt(2.0), "Nm"},
                    {"Peak Torque", 2 * kPi * 0.0246698 * 4, "Nm"},
                    {"Load Inertia", 246.698, "kgcm²"}};
        int valueColumn = -1, unitColumn = -1;
        for (const auto& row : rows) {
            const int k = valueLine(row.label, loadData);
            QVERIFY2(k > 0, qPrintable(row.label));
            const QStringList parts = lines[k].mid(lines[k].indexOf(row.label) + row.label.size())
                                          .split(' ', Qt::SkipEmptyParts);
            QCOMPARE(parts.size(), 2);
            QVERIFY2(std::fabs(parts[0].toDouble() - row.value) <= std::fabs(row.value) * 5e-4,
                     qPrintable(lines[k]));
            QCOMPARE(parts[1], row.unit);
            // Values and units aligned in their columns.
            const int value = static_cast<int>(lines[k].indexOf(parts[0], lines[k].indexOf(row.label) + row.label.size()));
            const int unit = static_cast<int>(lines[k].lastIndexOf(parts[1]));
            if (valueColumn < 0) {
                valueColumn = value;
                unitColumn = unit;
            }
            QCOMPARE(value, valueColumn);
            QCOMPARE(unit, unitColumn);
        }
        const int system = valueLine("System Data (incl. Motor Inertia) :", loadData);
        const int systemPeak = valueLine("Peak Torque", system);
        QVERIFY2(lines[systemPeak].contains("0.621276"), qPrintable(lines[systemPeak]));
        QVERIFY(lines[valueLine("RMS Torque", system)].contains("0.439309"));
    }

    // Two prints in a row from one report window: the second has the
    // colours of the first, black with the closing notice red, header and
    // footer included.
    void everyPrintHasThePreviewsColours()
    {
        testing_support::BuildDiskAxis(1);
        QList<QList<QImage>> prints;
        for (const QString name : {"first.pdf", "second.pdf"}) {
            printing->pdfFile = QString::fromStdString(run->Folder().file(name.toStdString()));
            Click("vseToolPrint");
            const int pages = Preview()->PageCount();
            QVERIFY(pages >= 2);
            QList<QImage> images;
            for (int page = 1; page <= pages; ++page)
                images << testing_support::PdfPageImage(printing->pdfFile, page);
            prints << images;
        }
        // The running header (in the paper's top inch) black; the motor
        // check's warnings on page 1 and the closing notice red.
        const QImage& page1 = prints[0].first();
        const int inch = static_cast<int>(page1.height() / Preview()->PreviewPrinter().pageLayout().fullRect(QPageLayout::Inch).height());
        const testing_support::InkCount header = testing_support::CountInk(page1.copy(0, 0, page1.width(), inch));
        QVERIFY(header.dark > 20 && header.red == 0);
        QVERIFY(testing_support::CountInk(page1).red > 100);
        QVERIFY(testing_support::CountInk(prints[0].last()).red > 100);  // the closing notice
        QCOMPARE(prints[1].size(), prints[0].size());
        for (int page = 0; page < prints[0].size(); ++page) {
            QVERIFY(!prints[0][page].isNull());
            QVERIFY2(prints[1][page] == prints[0][page], qPrintable(QStringLiteral("page %1").arg(page + 1)));
        }
    }

    // On A5 the report's 80 columns fit as they do on A4: every line reads
    // word for word as on A4 (the German report, with its long labels and
    // its motor warning).
    void aNarrowerPaperKeepsEveryLineWhole()
    {
        BuildDiskAxisOnAWeakMotor();
        gnLanguageOffset = 1000;
        const auto english = qScopeGuard([] { gnLanguageOffset = 0; });
        Click("vseToolShow");
        QStringList a4, a5;
        testing_support::PaintIntoPdf(Preview()->Document(), a4, QPageSize(QPageSize::A4));
        testing_support::PaintIntoPdf(Preview()->Document(), a5, QPageSize(QPageSize::A5));
        const QStringList a4Lines = BodyLines(a4);
        QVERIFY(a4Lines.size() > 60);
        QCOMPARE(BodyLines(a5), a4Lines);
    }

    // The German peak-torque check is 88 characters with its indent: it
    // goes on at its indent, its last words under its first.
    void aLongLineWrapsAtItsIndent()
    {
        BuildDiskAxisOnAWeakMotor();
        gnLanguageOffset = 1000;
        const auto english = qScopeGuard([] { gnLanguageOffset = 0; });
        Click("vseToolShow");
        QStringList sheets;
        testing_support::PaintIntoPdf(Preview()->Document(), sheets, QPageSize(QPageSize::A4));
        const QStringList lines = sheets.join('\n').split('\n');
        const int first = testing_support::PrintedLineOf(lines, QString::fromUtf8("Der gewählte Motor erfüllt die Anforderungen an das max."));
        QVERIFY(first > 0);
        QCOMPARE(lines[first].trimmed(), QString::fromUtf8("Der gewählte Motor erfüllt die Anforderungen an das max."));
        QCOMPARE(lines[first + 1].trimmed(), QStringLiteral("(Spitzen-)Drehmoment nicht."));
        const auto indent = [](const QString& line) { return line.size() - QString(line).remove(QRegularExpression("^ +")).size(); };
        QCOMPARE(indent(lines[first + 1]), indent(lines[first]));
        const int date = testing_support::PrintedLineOf(lines, "Date :");
        QVERIFY(date >= 0);
        QVERIFY(indent(lines[first]) > indent(lines[date]));
    }

    // A print into an existing PDF file on a disk that fills up during the
    // print (the file size limit of the process stands in for it): message
    // 2009, and the file stays byte for byte as it was; no file is left
    // beside it. Without the limit the next print puts the new report in
    // its place.
    void aFailedPrintLeavesTheExistingFileAsItWas()
    {
        testing_support::BuildDiskAxis(1);
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        const QString pdf = folder.filePath("report.pdf");
        QByteArray old(8 * 1024, 'x');
        old.prepend("%PDF-1.4 an earlier report\n");
        {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(old), old.size());
        }
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        printing->pdfFile = pdf;
        PrintOnAFullDisk();
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
        QVERIFY(QString::fromStdString(run->Messages().messages[0].text).startsWith("75 - Path/File access error: " + pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        file.close();
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);

        Click("vseToolPrint");
        QCOMPARE(run->Messages().messages.size(), std::size_t(1));
        QVERIFY(testing_support::PdfText(pdf).contains("Mechanism No. 1 : Disk"));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }

    // A print killed half-way leaves its file beside the PDF file; the next
    // print into that folder removes it, and keeps another container's print
    // in progress and a user's file named like the program's own.
    void aKilledPrintsLeftoverGoesAtTheNextPrint()
    {
        testing_support::BuildDiskAxis(1);
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        QVERIFY(folder.mkdir("prints"));
        const QString pdf = folder.filePath("prints/report.pdf");
        const std::string leftover = testing_support::LeaveAKilledWrite(QFile::encodeName(pdf).toStdString());
        QVERIFY(!leftover.empty());
        QStringList kept = {QString::fromStdString(testing_support::AnotherContainersName(leftover)),
                            QStringLiteral(".orvamis-saving-report.pdf")};
        for (const QString& name : kept) {
            QFile file(folder.filePath("prints/" + name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a leftover of this machine") > 0);
        }
        printing->pdfFile = pdf;
        Click("vseToolPrint");
        QVERIFY(run->Messages().messages.empty());
        QVERIFY(testing_support::PdfText(pdf).contains("Mechanism No. 1 : Disk"));
        kept << "report.pdf";
        kept.sort();
        QCOMPARE(QDir(folder.filePath("prints")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 kept);
    }

    // A PDF file printed to a new name has the mode the umask gives.
    void aNewPdfFileTakesTheUmasksMode_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("mode");
        QTest::newRow("umask 077") << 077 << 0600;
        QTest::newRow("umask 002") << 002 << 0664;
    }
    void aNewPdfFileTakesTheUmasksMode()
    {
        QFETCH(int, mask);
        QFETCH(int, mode);
        testing_support::BuildDiskAxis(1);
        const QString pdf = QString::fromStdString(run->Folder().file("report.pdf"));
        printing->pdfFile = pdf;
        const mode_t previous = umask(static_cast<mode_t>(mask));
        Click("vseToolPrint");
        umask(previous);
        QVERIFY(run->Messages().messages.empty());
        struct stat status {};
        QCOMPARE(stat(QFile::encodeName(pdf).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 07777), mode);
    }

    // A PDF file its owner made read-only is not printed onto, by root nor
    // by another user: message 2009 says so, and the file keeps its bytes.
    void aReadOnlyPdfFileIsNotPrintedOnto_data()
    {
        QTest::addColumn<bool>("asAnotherUser");
        QTest::newRow("this user") << false;
        QTest::newRow("another user") << true;
    }
    void aReadOnlyPdfFileIsNotPrintedOnto()
    {
        QFETCH(bool, asAnotherUser);
        testing_support::BuildDiskAxis(1);
        // The folder is one other users reach, as a shared one is.
        const QString folder = QString::fromStdString(run->Folder().file(""));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                  QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
        const QString pdf = folder + "kept.pdf";
        const QByteArray old = "%PDF-1.4 a report kept as it is\n";
        {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        QCOMPARE(chmod(QFile::encodeName(pdf).constData(), 0444), 0);
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        printing->pdfFile = pdf;
        if (!asAnotherUser)
            Click("vseToolPrint");
        else if (!testing_support::RunAsAnotherUser([&] { Click("vseToolPrint"); }))
            QSKIP("acting as another user needs root");
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
        const QString text = QString::fromStdString(run->Messages().messages[0].text);
        QVERIFY2(text.startsWith("75 - Path/File access error: " + pdf + ": it is read-only"), qPrintable(text));
        QCOMPARE(FileBytes(pdf), old);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }

    // The print dialog is offered the preview's paper; the user picks
    // another (A5) and pages "2-3": the report is laid out on A5 in the
    // preview, and the two sheets printed are its pages 2 and 3.
    void printsTheChosenPagesOnThePaperChosen()
    {
        testing_support::BuildDiskAxis(1, 7);
        const QPageSize previewPaper(QSizeF(8.5, 6), QPageSize::Inch, "test");
        Preview()->PreviewPrinter().setPageSize(previewPaper);
        Click("vseToolShow");
        const int pagesOnPreviewPaper = Preview()->PageCount();
        const QString pdf = QString::fromStdString(run->Folder().file("chosen.pdf"));
        printing->pdfFile = pdf;
        printing->paper = QPageSize(QPageSize::A5);
        printing->pages = "2-3";
        Click("vseToolPrint");
        QVERIFY(printing->offeredPaper.isEquivalentTo(previewPaper));

        // The whole document as the preview now lays it out.
        QVERIFY(Preview()->PreviewPrinter().pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::A5)));
        QStringList wholeSheets;
        const int pages = testing_support::PaintIntoPdf(Preview()->Document(), wholeSheets, QPageSize(QPageSize::A5));
        QCOMPARE(Preview()->PageCount(), pages);
        QVERIFY(pages >= 4 && pages != pagesOnPreviewPaper);
        QCOMPARE(PageTools(), PageToolsFor(1, pages));

        const QStringList printed = testing_support::PdfText(pdf).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), 2);
        for (int k = 0; k < 2; ++k) {
            QVERIFY(printed[k].contains(QStringLiteral("Page %1").arg(k + 2)));
            QStringList body = testing_support::SheetBody(printed[k]);
            QStringList expected = testing_support::SheetBody(wholeSheets[k + 1]);
            body.removeAll(QString());
            expected.removeAll(QString());
            QVERIFY(!expected.isEmpty());
            QCOMPARE(body, expected);
        }
    }

    // Printing into a PDF file that cannot be written tells so with the
    // printing failure message and leaves no file behind; the preview keeps
    // the report composed.
    void printingIntoAnUnwritablePlace_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("missing folder") << "missing/report.pdf";
        QTest::newRow("under a file") << "plain.txt/report.pdf";
        QTest::newRow("read-only folder") << "locked/report.pdf";
    }
    void printingIntoAnUnwritablePlace()
    {
        QFETCH(QString, place);
        testing_support::BuildDiskAxis(1);
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        QFile plain(folder.filePath("plain.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(folder.mkdir("locked"));
        const QString locked = folder.filePath("locked");
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        const auto unlock = qScopeGuard([&] { QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (place.startsWith("locked")) {
            QFile probe(folder.filePath("locked/probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("a read-only folder is writable for this user (root)");
            }
        }
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QString pdf = folder.filePath(place);
        printing->pdfFile = pdf;
        Click("vseToolPrint");

        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
        const QString text = QString::fromStdString(run->Messages().messages[0].text);
        QVERIFY2(text.startsWith("75 - Path/File access error: " + pdf) && text.endsWith("Printer Error"),
                 qPrintable(text));
        QVERIFY(!QFileInfo::exists(pdf));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QCOMPARE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(!Preview()->Document().lines.empty());
        QCOMPARE(PageTools(), PageToolsFor(1, Preview()->PageCount()));
    }

    // The report of ten segments on papers of many heights, from the
    // least that holds its longest run kept together (lines a inch from
    // the face's metrics) up: no page ends with a heading, and no section or segment that fits
    // on a page is parted.
    void pageBreaksKeepHeadingsAndBlocksWhole()
    {
        testing_support::BuildDiskAxis(1, 7);
        Click("vseToolShow");
        const platform::ReportDocument document = Preview()->Document();
        std::size_t longestRun = 0;
        for (const platform::ReportKeepTogether& run : document.keepTogether)
            longestRun = std::max(longestRun, run.last - run.first + 1);
        const double linesPerInch = testing_support::LetterPageCapacity().lines / 9.0;  // 11 in less 2 in
        QVERIFY(linesPerInch > 1);
        const double leastHeight = 2 + (longestRun + 2) / linesPerInch;

        const QStringList headings = {"Selected Motor :", "Motor Performance :", "Motor Load Data :",
                                      "System Data (incl. Motor Inertia) :", "Mechanism No. 1 : Disk",
                                      "Calculation Results :", "Load Parameters :", "Velocity Profile :",
                                      "Segment No."};
        const std::pair<QString, QString> blocks[] = {{"Selected Motor :", "Weight"},
                                                      {"Motor Load Data :", "Load Inertia"},
                                                      {"System Data (incl. Motor Inertia) :", "Max. Power"},
                                                      {"Mechanism No. 1 : Disk", "Peak Torque"},
                                                      {"Calculation Results :", "Peak Torque"},
                                                      {"Velocity Profile :", "System Power"},
                                                      {"Segment No.", "System Power"}};
        int breaks = 0;
        for (double height = leastHeight; height < leastHeight + 6; height += 0.2) {
            QStringList sheets;
            testing_support::PaintIntoPdf(document, sheets, QPageSize(QSizeF(8.5, height), QPageSize::Inch, "test"));
            QVERIFY(sheets.size() >= 2);
            QList<std::pair<int, QString>> lines;  // sheet, text
            for (int k = 0; k < sheets.size(); ++k) {
                const QStringList body = testing_support::SheetBody(sheets[k]);
                QVERIFY(!body.isEmpty());
                for (const QString& line : body)
                    lines.push_back({k, line});
                const QString& last = body.last();
                const bool heading = std::any_of(headings.begin(), headings.end(),
                                                 [&](const QString& h) { return last.startsWith(h); });
                QVERIFY2(k + 1 == sheets.size() || !heading,
                         qPrintable(QStringLiteral("%1 in: sheet %2 ends with %3").arg(height).arg(k + 1).arg(last)));
                ++breaks;
            }
            for (const auto& [first, last] : blocks)
                for (qsizetype at = 0; at < lines.size(); ++at) {
                    if (!lines[at].second.startsWith(first))
                        continue;
                    qsizetype end = at + 1;
                    while (end < lines.size() && !lines[end].second.startsWith(last))
                        ++end;
                    QVERIFY2(end < lines.size() && lines[end].first == lines[at].first,
                             qPrintable(QStringLiteral("%1 in: %2 parted").arg(height).arg(lines[at].second)));
                }
        }
        QVERIFY(breaks > 60);
    }

    // A print onto something that is not a file (a pipe, also named by a
    // symbolic link) is refused with 2009 and why, and leaves it as it was;
    // a link to a file is followed, the file takes the report and the link
    // stays a link.
    void aPrintOntoWhatIsNoFileIsRefused()
    {
        testing_support::BuildDiskAxis(1);
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        const QString fifo = folder.filePath("pipe.pdf");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link("pipe.pdf", folder.filePath("to-pipe.pdf")));
        QVERIFY(folder.mkdir("real"));
        QFile real(folder.filePath("real/report.pdf"));
        QVERIFY(real.open(QIODevice::WriteOnly) && real.write("an earlier report") > 0);
        real.close();
        QVERIFY(QFile::link("real/report.pdf", folder.filePath("to-file.pdf")));
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);

        for (const QString& name : {QStringLiteral("pipe.pdf"), QStringLiteral("to-pipe.pdf")}) {
            run->Messages().messages.clear();
            printing->pdfFile = folder.filePath(name);
            Click("vseToolPrint");
            QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
            const QString text = QString::fromStdString(run->Messages().messages[0].text);
            QVERIFY2(text.startsWith("75 - Path/File access error: " + printing->pdfFile + ": it is not a regular file"),
                     qPrintable(text));
            QVERIFY(IsFifo(fifo));
            QCOMPARE(QFileInfo(folder.filePath("to-pipe.pdf")).symLinkTarget(), fifo);
            QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System), before);
        }

        run->Messages().messages.clear();
        printing->pdfFile = folder.filePath("to-file.pdf");
        Click("vseToolPrint");
        QVERIFY(run->Messages().messages.empty());
        QVERIFY(QFileInfo(printing->pdfFile).isSymLink());
        QVERIFY(testing_support::PdfText(real.fileName()).contains("Mechanism No. 1 : Disk"));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System), before);
        QCOMPARE(QDir(folder.filePath("real")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"report.pdf"});

        // The pipe typed into Qt's print dialog: Print neither waits on it
        // nor takes its place.
        printing.reset();
        run->Messages().messages.clear();
        WhenModalShows([&](QWidget* dialog) {
            auto* file = dialog->findChild<QLineEdit*>("filename");
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            QTest::qWait(20);  // the dialog settles its printer first
            if (!file || !buttons || !file->isEnabled())
                return;
            file->setText(fifo);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        Click("vseToolPrint");
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
        QVERIFY(IsFifo(fifo));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System), before);
    }

    // A PDF file in a folder that takes no new file (made immutable) is
    // printed into itself; a print that then fails (the file size limit of
    // the process stands in for a full disk) is told with 2009.
    void aFileInAFolderThatTakesNoNewFileIsPrintedIntoItself()
    {
        if (geteuid() != 0)
            QSKIP("making a folder immutable (chattr +i) needs root");
        testing_support::BuildDiskAxis(1);
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        QVERIFY(folder.mkdir("fixed"));
        const QString locked = folder.filePath("fixed");
        const QString pdf = folder.filePath("fixed/report.pdf");
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an earlier report") > 0);
        old.close();
        QString output;
        if (!RunCommand("chattr", {"+i", locked}, output))
            QSKIP(qPrintable("chattr +i does not work here: " + output));
        const auto unlock = qScopeGuard([&] { RunCommand("chattr", {"-i", locked}, output); });
        QFile probe(folder.filePath("fixed/probe"));
        QVERIFY2(!probe.open(QIODevice::WriteOnly), "the immutable folder took a new file");

        printing->pdfFile = pdf;
        Click("vseToolPrint");
        QVERIFY2(run->Messages().messages.empty(),
                 run->Messages().messages.empty() ? "" : run->Messages().messages[0].text.c_str());
        QVERIFY(testing_support::PdfText(pdf).contains("Mechanism No. 1 : Disk"));
        QCOMPARE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"report.pdf"});

        PrintOnAFullDisk();
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
        const QString text = QString::fromStdString(run->Messages().messages[0].text);
        QVERIFY2(text.startsWith("75 - Path/File access error: " + pdf + ": "), qPrintable(text));
        QCOMPARE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"report.pdf"});
    }

    // Pages that name no page typed into the print dialog's Pages field for
    // a PDF file: Print tells the range is not valid (2017) and the dialog
    // stays open with the text as typed; nothing is printed.
    void anInvalidPageRangeIsTold()
    {
        testing_support::BuildDiskAxis(1, 7);
        printing.reset();
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        QVERIFY(folder.mkdir("chosen"));
        gsLastUsedPath = folder.filePath("chosen").toStdString();
        QStringList seen;
        QString told;
        WhenModalShows([&](QWidget* dialog) {
            auto* choice = dialog->findChild<QRadioButton*>("pagesRadioButton");
            auto* text = dialog->findChild<QLineEdit*>("pagesLineEdit");
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            QTest::qWait(20);  // the dialog settles its printer first
            if (!choice || !text || !buttons || !choice->isEnabled())
                return;
            QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(4, choice->height() / 2));
            for (const QString typed : {"3-2", "x"}) {
                run->Messages().messages.clear();
                text->clear();
                QTest::keyClicks(text, typed);
                QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
                QTest::qWait(20);
                const std::vector<int> numbers = testing_support::MessageNumbers(run->Messages());
                seen << QStringLiteral("%1:%2:%3:%4")
                            .arg(typed)
                            .arg(numbers.size() == 1 ? numbers[0] : -1)
                            .arg(dialog->isVisible() && choice->isChecked())
                            .arg(text->text());
                if (!run->Messages().messages.empty())
                    told = QString::fromStdString(run->Messages().messages[0].text);
            }
            static_cast<QDialog*>(dialog)->reject();
        });
        Click("vseToolPrint");
        QCOMPARE(seen, QStringList({"3-2:2017:1:3-2", "x:2017:1:x"}));
        QVERIFY2(told.startsWith("The page range is not valid."), qPrintable(told));
        QVERIFY(Preview()->Document().lines.empty());
        QCOMPARE(QDir(folder.filePath("chosen")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // Pages past the end of the report chosen in Qt's print dialog with a
    // good report at the PDF file, typed into its Pages field or set in its
    // "from" and "to" boxes: 99 alone is told (2017) once Qt's question
    // whether to overwrite the file is answered Yes, the dialog stays open
    // with the pages as chosen and the good report stays byte for byte;
    // 2 to 99 then prints the report's pages from 2 to its last.
    void aPageRangePastTheReportIsTold_data()
    {
        QTest::addColumn<bool>("fromTo");
        QTest::newRow("Pages field") << false;
        QTest::newRow("from and to boxes") << true;
    }
    void aPageRangePastTheReportIsTold()
    {
        QFETCH(bool, fromTo);
        testing_support::BuildDiskAxis(1, 7);
        printing.reset();
        const QString pdf = QString::fromStdString(run->Folder().file("good.pdf"));
        const QByteArray good = "%PDF-1.4 a good report\n";
        {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(good) == good.size());
        }
        QStringList seen;
        QByteArray afterTold;
        WhenModalShows([&](QWidget* dialog) {
            auto* text = dialog->findChild<QLineEdit*>("pagesLineEdit");
            auto* range = dialog->findChild<QRadioButton*>("printRange");
            auto* from = dialog->findChild<QSpinBox*>("from");
            auto* to = dialog->findChild<QSpinBox*>("to");
            if (!text || !range || !from || !to || !TypeIntoFileField(dialog, pdf))
                return;
            if (fromTo)
                QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(4, range->height() / 2));
            else if (!ChoosePagesField(dialog))
                return;
            // The pages as the dialog shows them.
            const auto chosen = [&] { return fromTo ? QStringLiteral("%1-%2").arg(from->value()).arg(to->value()) : text->text(); };
            for (const auto& [first, last] : {std::pair{99, 99}, std::pair{2, 99}}) {
                run->Messages().messages.clear();
                if (fromTo) {
                    TypeInto(to->findChild<QLineEdit*>(), QString::number(last));
                    TypeInto(from->findChild<QLineEdit*>(), QString::number(first));
                } else {
                    TypeInto(text, first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last));
                }
                const QString before = chosen();
                const int boxes = ClickPrint(dialog);
                const std::vector<int> numbers = testing_support::MessageNumbers(run->Messages());
                seen << QStringLiteral("%1:%2:%3:%4:%5")
                            .arg(before)
                            .arg(numbers.size() == 1 ? numbers[0] : -1)
                            .arg(boxes)
                            .arg(dialog->isVisible() && (fromTo ? static_cast<QWidget*>(range) : text)->isEnabled())
                            .arg(chosen());
                if (afterTold.isNull())
                    afterTold = FileBytes(pdf);
            }
        });
        Click("vseToolPrint");
        const QString told = fromTo ? "99-99:2017:1:1:99-99" : "99:2017:1:1:99";
        QCOMPARE(seen, QStringList({told, "2-99:-1:1:0:2-99"}));
        QCOMPARE(afterTold, good);
        const int pages = Preview()->PageCount();
        QVERIFY(pages >= 3 && pages < 99);
        const QStringList pagesPrinted = testing_support::PdfText(pdf).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pagesPrinted.size(), pages - 1);
        for (int k = 0; k < pagesPrinted.size(); ++k)
            QVERIFY(pagesPrinted[k].contains(QRegularExpression(QStringLiteral("\\bPage %1\\b").arg(k + 2))));
    }

    // A symbolic link to a file not there yet typed into Qt's print
    // dialog's file field: the link stays, and the report goes into the
    // file it names; where that file's folder is not there either, the
    // print is refused with 2009 and why. Qt's dialog asks nothing, and no
    // file is left anywhere else.
    void aDanglingLinkTypedIntoTheDialogIsFollowed_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("printed");
        QTest::newRow("file not there yet") << "real/report.pdf" << true;
        QTest::newRow("folder not there") << "missing/report.pdf" << false;
    }
    void aDanglingLinkTypedIntoTheDialogIsFollowed()
    {
        QFETCH(QString, target);
        QFETCH(bool, printed);
        testing_support::BuildDiskAxis(1);
        printing.reset();
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        QVERIFY(folder.mkdir("real"));
        const QString link = folder.filePath("link.pdf");
        QVERIFY(QFile::link(target, link));
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
        int boxes = -1;
        WhenModalShows([&](QWidget* dialog) {
            if (TypeIntoFileField(dialog, link))
                boxes = ClickPrint(dialog);
        });
        Click("vseToolPrint");
        QCOMPARE(boxes, 0);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), folder.filePath(target));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System), before);
        if (printed) {
            QVERIFY(run->Messages().messages.empty());
            QVERIFY(testing_support::PdfText(folder.filePath(target)).contains("Mechanism No. 1 : Disk"));
            QCOMPARE(QDir(folder.filePath("real")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{"report.pdf"});
        } else {
            QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
            const QString text = QString::fromStdString(run->Messages().messages[0].text);
            QVERIFY2(text.startsWith("75 - Path/File access error: " + link + ": "), qPrintable(text));
            QCOMPARE(QDir(folder.filePath("real")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        }
    }

    // A PDF file named with the 255 bytes a folder takes, typed into Qt's
    // print dialog, takes the report; printed again (Yes to Qt's question),
    // it is replaced, and nothing else is left in the folder.
    void aNameOf255BytesTypedIntoTheDialogPrints()
    {
        testing_support::BuildDiskAxis(1);
        printing.reset();
        const QDir folder(QString::fromStdString(run->Folder().file("")));
        QVERIFY(folder.mkdir("long"));
        const QString pdf = folder.filePath("long/" + QString(251, QLatin1Char('r')) + ".pdf");
        for (int print = 0; print < 2; ++print) {
            int boxes = -1;
            WhenModalShows([&](QWidget* dialog) {
                if (TypeIntoFileField(dialog, pdf))
                    boxes = ClickPrint(dialog);
            });
            Click("vseToolPrint");
            QCOMPARE(boxes, print);  // Qt's dialog asks before replacing the first print
            QVERIFY2(run->Messages().messages.empty(),
                     run->Messages().messages.empty() ? "" : run->Messages().messages[0].text.c_str());
            QVERIFY(testing_support::PdfText(pdf).contains("Mechanism No. 1 : Disk"));
            QCOMPARE(QDir(folder.filePath("long")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QFileInfo(pdf).fileName()});
        }
    }

    // The program's databases and its settings file as the PDF file: typed
    // into Qt's print dialog, Print is refused with 2009 naming the file
    // before Qt asks whether to overwrite it, and the dialog stays open;
    // named another way, the print is refused the same and nothing is
    // built. The file stays byte for byte.
    void aPrintOntoTheProgramsOwnFilesIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("reference database") << "Orvamis.Mdb";
        QTest::newRow("template") << "DATATEMP.MDB";
        QTest::newRow("materials database") << "APPDATA.MDB";
        QTest::newRow("settings file") << "Orvamis.Ini";
    }
    void aPrintOntoTheProgramsOwnFilesIsRefused()
    {
        QFETCH(QString, name);
        testing_support::BuildDiskAxis(1);
        const QString own = QDir(QString::fromStdString(gsAppPath)).filePath(name);
        const QByteArray bytes = FileBytes(own);
        QVERIFY(!bytes.isEmpty());
        const QString refusal = "75 - Path/File access error: " + own + ": it is a file of the program";

        printing->pdfFile = own;
        Click("vseToolPrint");
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
        QVERIFY2(QString::fromStdString(run->Messages().messages[0].text).startsWith(refusal),
                 run->Messages().messages[0].text.c_str());
        QVERIFY(Preview()->Document().lines.empty());
        QCOMPARE(FileBytes(own), bytes);

        printing.reset();
        run->Messages().messages.clear();
        const QTemporaryDir reports;
        const QString mended = reports.filePath("report.pdf");
        QString seen;
        WhenModalShows([&](QWidget* dialog) {
            if (!TypeIntoFileField(dialog, own))
                return;
            const int boxes = ClickPrint(dialog);
            const std::vector<int> numbers = testing_support::MessageNumbers(run->Messages());
            seen = QStringLiteral("%1:%2:%3:%4")
                       .arg(numbers.size() == 1 ? numbers[0] : -1)
                       .arg(boxes)
                       .arg(dialog->isVisible())
                       .arg(dialog->findChild<QLineEdit*>("filename")->text());
            // The name mended in the dialog that stayed open, Print again
            // prints there.
            if (!dialog->isVisible() || !TypeIntoFileField(dialog, mended))
                return;
            ClickPrint(dialog);
        });
        Click("vseToolPrint");
        QCOMPARE(seen, QStringLiteral("2009:0:1:") + own);
        QVERIFY2(QString::fromStdString(run->Messages().messages[0].text).startsWith(refusal),
                 run->Messages().messages[0].text.c_str());
        QCOMPARE(FileBytes(own), bytes);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), std::vector<int>{2009});
        QVERIFY(testing_support::PdfText(mended).contains("Page 1"));
    }

    // The PDF file of an application not saved yet is offered in the last
    // folder chosen for application files; where none was (the program's
    // folder stands there then), in the user's documents folder, or in the
    // home folder where there is none. Never in the program's folder.
    void theUntitledPdfIsOfferedOutsideTheProgramsFolder()
    {
        testing_support::BuildDiskAxis(1);
        printing.reset();
        const testing_support::TestHome home;
        const QDir program(QString::fromStdString(gsAppPath));
        QVERIFY(program.mkdir("chosen"));
        struct Case {
            QString lastUsed;
            bool documents;
            QString offeredFolder;
        } cases[] = {
            {program.path() + "/", false, home.path()},
            {program.path(), true, home.filePath("Documents")},
            {program.filePath("chosen"), true, program.filePath("chosen")},
        };
        for (const Case& c : cases) {
            gsLastUsedPath = c.lastUsed.toStdString();
            if (c.documents)
                QVERIFY(QDir(home.path()).mkpath("Documents"));
            QString offered;
            WhenModalShows([&](QWidget* dialog) {
                auto* file = dialog->findChild<QLineEdit*>("filename");
                offered = file ? file->text() : QString();
                static_cast<QDialog*>(dialog)->reject();
            });
            Click("vseToolPrint");
            QCOMPARE(offered, QDir(c.offeredFolder).filePath("Untitled - Axis 1.pdf"));
        }
    }

    // A centre-driven winder's report names the roll diameter of every
    // speed after its label, in the preview and in print, in English and
    // German: the motor's speed is the core's, the mechanisms' and the
    // segments' the full roll's. By hand: 60 rpm of the roll at its full
    // diameter is 5 x 60 = 300 rpm at the motor; at the 76 mm core of the
    // 400 mm roll the motor turns 400 / 76 times faster, 1578.95 rpm.
    void aCentreWindersSpeedsNameTheirRollDiameter()
    {
        BuildCentreWinderAxis();
        const double fullRoll = 5 * 60.0, core = fullRoll * 400 / 76;
        struct Language {
            int16_t offset;
            QString motorSpeed, inputSpeed, segmentSpeed, mechanism, segment;
        } languages[] = {
            {0, "Max. Velocity (core)", "Max. Input Velocity (full roll)", "Max. Velocity at Motor Shaft (full roll)",
             "Mechanism No.", "Segment No."},
            {1000, "Max. Geschwindigkeit (Kern)", "Max. Eingangsgeschwindigkeit (volle Rolle)",
             "Max. Drehzahl der Motorwelle (volle Rolle)", "Mechanik Nr.", "Segment Nr."},
        };
        const auto english = qScopeGuard([] { gnLanguageOffset = 0; });
        for (const Language& language : languages) {
            gnLanguageOffset = language.offset;
            printing->pdfFile = QString::fromStdString(run->Folder().file("winder" + std::to_string(language.offset) + ".pdf"));
            Click("vseToolPrint");
            QVERIFY(run->Messages().messages.empty());
            const QStringList lines = testing_support::PdfText(printing->pdfFile).split('\n');
            QVERIFY(lines.size() > 60);
            // A label that reaches the value's column has its value and unit
            // in the next line, in their columns.
            const auto expectSpeed = [&lines](const QString& label, int from, double hand) {
                const int k = testing_support::PrintedLineOf(lines, label, from);
                QVERIFY2(k >= 0, qPrintable(label));
                QStringList row = lines[k].trimmed().mid(label.size()).split(' ', Qt::SkipEmptyParts);
                if (row.isEmpty() && k + 1 < lines.size())
                    row = lines[k + 1].split(' ', Qt::SkipEmptyParts);
                QVERIFY2(row.size() == 2 && row[1] == "rpm", qPrintable(lines[k]));
                QVERIFY2(std::fabs(row[0].toDouble() - hand) <= testing_support::PrintedHalfStep(hand) * 1.001,
                         qPrintable(label + " " + row[0]));
            };
            expectSpeed(language.motorSpeed, 0, core);
            const int first = testing_support::PrintedLineOf(lines, language.mechanism + " 1");
            const int second = testing_support::PrintedLineOf(lines, language.mechanism + " 2");
            QVERIFY(first > 0 && second > first);
            expectSpeed(language.inputSpeed, first, fullRoll);
            expectSpeed(language.inputSpeed, second, 60);
            for (int k = 1; k <= 3; ++k) {
                const int segment = testing_support::PrintedLineOf(lines, language.segment + " " + QString::number(k));
                QVERIFY(segment > second);
                expectSpeed(language.segmentSpeed, segment, fullRoll);
            }
            // Every speed row qualified; the preview holds the same rows.
            const QString shown = QString::fromStdString(Preview()->Document().Text());
            const QString labels[] = {language.motorSpeed, language.inputSpeed, language.segmentSpeed};
            const int counts[] = {1, 2, 3};
            for (int k = 0; k < 3; ++k) {
                const QString bare = labels[k].left(labels[k].indexOf(" ("));
                QCOMPARE(lines.filter(QRegularExpression("^\\s*" + QRegularExpression::escape(bare) + "\\s+[-0-9]")).size(), 0);
                QCOMPARE(lines.filter(labels[k]).size(), counts[k]);
                QCOMPARE(shown.count(labels[k]), counts[k]);
            }
        }

        // Without a core diameter every speed is the full roll's.
        gnLanguageOffset = 0;
        SubSetMechanismParameterValue(1, 1, 1, 0);
        Click("vseToolShow");
        const QString shown = QString::fromStdString(Preview()->Document().Text());
        QVERIFY(!shown.contains("(core)"));
        QVERIFY(QRegularExpression("Max\\. Velocity \\(full roll\\) +300 ").match(shown).hasMatch());
    }

    void cancelledPrintDialogBuildsNothing()
    {
        testing_support::BuildDiskAxis(1);
        Click("vseToolPrint");
        QCOMPARE(printing->dialogs, 1);
        QVERIFY(Preview()->Document().lines.empty());
        QVERIFY(!Tool("vsePage")->isVisible());
    }

    // The Qt print dialog: the PDF file offered is named after the
    // application file and the axis, in the file's folder ("Untitled" before
    // a first save, in the last folder chosen); pages typed into its Pages
    // field are the pages printed; each Print starts with all pages chosen,
    // on the paper chosen before.
    void thePrintDialogOffersTheFileAndAllPages()
    {
        testing_support::BuildDiskAxis(1, 7);
        printing.reset();
        const QDir program(QString::fromStdString(run->Folder().file("")));
        QVERIFY(program.mkdir("chosen"));
        const QDir folder(program.filePath("chosen"));
        gsLastUsedPath = folder.path().toStdString();
        Preview()->PreviewPrinter().setPageSize(QPageSize(QPageSize::A5));
        QString offered;
        bool allPages = false;
        QPageSize paper;
        auto readDialog = [&](QWidget* dialog) {
            auto* file = dialog->findChild<QLineEdit*>("filename");
            offered = file ? file->text() : QString();
            auto* all = dialog->findChild<QRadioButton*>("printAll");
            allPages = all && all->isChecked();
            paper = Preview()->PreviewPrinter().pageLayout().pageSize();
        };
        WhenModalShows([&](QWidget* dialog) {
            readDialog(dialog);
            static_cast<QDialog*>(dialog)->reject();
        });
        Click("vseToolPrint");
        QCOMPARE(offered, folder.filePath("Untitled - Axis 1.pdf"));
        {  // the name in the language of the moment
            gnLanguageOffset = 1000;
            const auto english = qScopeGuard([] { gnLanguageOffset = 0; });
            WhenModalShows([&](QWidget* dialog) {
                readDialog(dialog);
                static_cast<QDialog*>(dialog)->reject();
            });
            Click("vseToolPrint");
            QCOMPARE(offered, folder.filePath("Unbenannt - Achse 1.pdf"));
        }

        gsCurrentFile = folder.filePath("machine.mdb").toStdString();
        const auto unsaved = qScopeGuard([] { gsCurrentFile.clear(); });
        // "2-3" typed into the Pages field: those two pages printed.
        bool pagesOpen = false;
        WhenModalShows([&](QWidget* dialog) {
            readDialog(dialog);
            auto* choice = dialog->findChild<QRadioButton*>("pagesRadioButton");
            auto* text = dialog->findChild<QLineEdit*>("pagesLineEdit");
            QTest::qWait(20);  // the dialog settles its printer first
            pagesOpen = choice && text && choice->isEnabled();
            if (!pagesOpen)
                return;
            QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(4, choice->height() / 2));
            text->clear();
            QTest::keyClicks(text, "2-3");
            static_cast<QDialog*>(dialog)->accept();
        });
        Click("vseToolPrint");
        QVERIFY(pagesOpen);
        const QString pdf = folder.filePath("machine - Axis 1.pdf");
        QCOMPARE(offered, pdf);
        QVERIFY(allPages);
        const int pages = Preview()->PageCount();
        QVERIFY(pages >= 4);
        const QStringList printed = testing_support::PdfText(pdf).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), 2);
        QVERIFY(printed[0].contains("Page 2") && printed[1].contains("Page 3"));

        // The next Print: all pages chosen again, on the paper kept.
        WhenModalShows([&](QWidget* dialog) {
            readDialog(dialog);
            static_cast<QDialog*>(dialog)->accept();
        });
        Click("vseToolPrint");
        QCOMPARE(offered, pdf);
        QVERIFY(allPages);
        QVERIFY(paper.isEquivalentTo(QPageSize(QPageSize::A5)));
        QCOMPARE(testing_support::PdfText(pdf).count('\f'), pages);
    }

    void theQtPrintDialogComesUp()
    {
        testing_support::BuildDiskAxis(1);
        printing.reset();
        QVERIFY(!platform::CurrentReportPrinting().PrinterDeviceName().isEmpty());
        bool shown = false;
        WhenModalShows([&](QWidget* dialog) {
            shown = qobject_cast<QDialog*>(dialog) != nullptr;
            static_cast<QDialog*>(dialog)->reject();
        });
        Click("vseToolPrint");
        QVERIFY(shown);
        QVERIFY(Preview()->Document().lines.empty());
    }

    void noPrinterRefusesShowAndPrint()
    {
        testing_support::BuildDiskAxis(1);
        printing->deviceName.clear();
        printing->pdfFile = QString::fromStdString(run->Folder().file("never.pdf"));
        Click("vseToolShow");
        Click("vseToolPrint");
        QCOMPARE(testing_support::MessageNumbers(run->Messages()), (std::vector<int>{2015, 2016}));
        QVERIFY(QString::fromStdString(run->Messages().messages[0].text).startsWith("Printer Device is not installed!"));
        QCOMPARE(printing->dialogs, 0);
        QVERIFY(Preview()->Document().lines.empty());
        QVERIFY(!TextBox()->isVisible());
    }

    void closeBoxMinimisesAndTheStateIsRecorded()
    {
        Window()->close();
        QVERIFY(Window());
        QTRY_COMPARE(Window()->WindowState(), int16_t(1));
        bool recorded = false;
        for (const WindowStatusRow& row : gWindowStatus)
            recorded |= row.AxisNumber == 1 && row.FormNumber == WindowKind::Report && row.Status == 1;
        QVERIFY(recorded);
    }

    void reportInTheLanguageOfTheShowToolbarInThatOfTheLoad()
    {
        testing_support::BuildDiskAxis(1);
        gnLanguageOffset = 1000;
        Click("vseToolShow");
        QCOMPARE(Tool("vseToolShow")->text(), QStringLiteral("Show Report"));
        QVERIFY(QString::fromStdString(Preview()->Document().Text()).contains("    Gewählter Motor :\n"));
        gnLanguageOffset = 0;
    }

    // The Report Back Color chosen in the options colours the preview
    // around the pages at once; the pages stay white.
    void theBackColorChosenSurroundsThePages()
    {
        testing_support::BuildDiskAxis(1);
        Window()->BringToFront();
        Click("vseToolShow");
        const QColor chosen(0, 128, 64);
        WhenModalShows([&](QWidget* options) {
            WhenModalShows([&](QWidget* colours) {
                auto* chooser = qobject_cast<QColorDialog*>(colours);
                chooser->setCurrentColor(chosen);
                chooser->accept();
            });
            QTest::mouseClick(options->findChild<QPushButton*>("vseReport_0"), Qt::LeftButton);
            QTest::mouseClick(options->findChild<QPushButton*>("vseCommand_0"), Qt::LeftButton);
        });
        Click("vseToolOptions");
        QCOMPARE(glReportBackColor, 64 * 65536 + 128 * 256);
        auto* view = Preview()->findChild<QGraphicsView*>();
        const QImage shown = view->viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(2, 2), chosen);
        // The middle of page 1 (zoom 70 % of a page wider than the view's
        // half) is paper.
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() - 3), QColor(Qt::white));
        glReportBackColor = 16777215;
    }

    void optionsOpenOnTheReportPageAndF1GivesTheHelp()
    {
        QString page;
        WhenModalShows([&](QWidget* dialog) {
            auto* tabs = dialog->findChild<QTabWidget*>("tabMain");
            page = dialog->objectName() + ":" + tabs->tabText(tabs->currentIndex());
        });
        Click("vseToolOptions");
        QCOMPARE(page, QStringLiteral("frmOptions:Report"));

        Window()->BringToFront();
        QTest::keyClick(Preview(), Qt::Key_F1);
        auto* services = static_cast<platform::QtPlatformServices*>(platform::InstalledPlatformServices());
        QVERIFY(services->Viewer());
        QVERIFY(services->Viewer()->CurrentPage().endsWith("help/ReportGenerator.htm"));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
