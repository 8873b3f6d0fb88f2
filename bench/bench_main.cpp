// Benchmarks of what a user waits for, on the rich application: the
// calculation of one axis, saving and opening the three-axis file, and the
// start-up to the main window. The program runs on the offscreen platform
// inside its own private application folder.
#include "appfile/basApplicationFile.h"
#include "bench/RichApplication.h"
#include "foundation/basParameterControl.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisRequirements.h"
#include "design/frmAxisDesign.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/LineGraph.h"
#include "platform/qt/ReportPages.h"
#include "profile/frmProfile.h"
#include "report/frmReport.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/PdfReport.h"
#include "tests/ui/support/ProgramRun.h"

#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The running program the benchmarks work in; started at its first use.
std::unique_ptr<testing_support::ProgramRun> gProgram;

testing_support::ProgramRun& Program()
{
    if (!gProgram) {
        gProgram = std::make_unique<testing_support::ProgramRun>();
        gProgram->Start();
    }
    return *gProgram;
}

// Selects the unit system and rebuilds the rich application in it.
void UseRichApplicationIn(int16_t unitSystem)
{
    Program();
    gnUnitSystem = unitSystem;
    bFctCreateParameterControlTable();
    bench::BuildRichApplication();
}

// Static and dynamic pass, the requirements without and with the motor's
// inertia and the check of the motor against them.
void CalculateAxis(benchmark::State& state)
{
    UseRichApplicationIn(static_cast<int16_t>(state.range(0)));
    MotorRec motor;
    nFctGetMotorRecord(bench::kRichAxis, motor);
    for (auto _ : state) {
        SubCalcAxisResults(bench::kRichAxis);
        nFctGetMotorRequirements(bench::kRichAxis, model::kFalse);
        nFctGetMotorRequirements(bench::kRichAxis, model::kTrue);
        benchmark::DoNotOptimize(
            nFctCheckMotor(bench::kRichAxis, motor, calc::MotorCheckCategory::All, model::kTrue));
    }
}
BENCHMARK(CalculateAxis)->ArgName("metric")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void SaveApplication(benchmark::State& state)
{
    UseRichApplicationIn(static_cast<int16_t>(state.range(0)));
    const std::string file = Program().Folder().file("bench.dat");
    for (auto _ : state)
        benchmark::DoNotOptimize(nFctWriteApplicationFile(file));
}
BENCHMARK(SaveApplication)->ArgName("metric")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void OpenApplication(benchmark::State& state)
{
    UseRichApplicationIn(static_cast<int16_t>(state.range(0)));
    const std::string file = Program().Folder().file("bench.dat");
    nFctWriteApplicationFile(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(nFctReadApplicationFile(file));
}
BENCHMARK(OpenApplication)->ArgName("metric")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Opens the rich application, saved in that unit system, through the main
// window, so that every axis has its three windows.
void OpenRichApplicationIn(int16_t unitSystem)
{
    UseRichApplicationIn(unitSystem);
    const std::string file = Program().Folder().file("rich.dat");
    nFctWriteApplicationFile(file);
    Program().Main()->mSubOpenApplicationFile(file);
    QApplication::processEvents();
}

template <class Window>
Window* ActivatedWindow(Window* window)
{
    window->BringToFront();
    QApplication::processEvents();
    return window;
}

// A final velocity typed into the first segment of the seven-mechanism axis:
// the segment solved, the next one handed its initial velocity, and both
// graphs redrawn and painted.
void EditSegment(benchmark::State& state)
{
    OpenRichApplicationIn(static_cast<int16_t>(state.range(0)));
    frmProfile* profile = ActivatedWindow(ProfileWindow(bench::kRichAxis));
    auto* table = profile->findChild<platform::FlexGrid*>("vsfVelProfile");
    auto* velocity = profile->findChild<QWidget*>("grpVelocity");
    auto* torque = profile->findChild<QWidget*>("grpTorque");
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        testing_support::TypeIntoCell(table, 2, 2, odd ? "12" : "10");  // segment 1, final velocity
        velocity->repaint();
        torque->repaint();
    }
}
BENCHMARK(EditSegment)->ArgName("metric")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A value typed into the mechanism grid of the seven-mechanism axis (the
// leadscrew's lead, selected in the picture row), stored in the axis and the
// grid refilled and painted.
void EditMechanismValue(benchmark::State& state)
{
    OpenRichApplicationIn(static_cast<int16_t>(state.range(0)));
    frmAxisDesign* design = ActivatedWindow(AxisDesignWindow(bench::kRichAxis));
    const auto pictures = design->findChildren<QWidget*>(QRegularExpression("^imgMechanism_"));
    QWidget* leadscrew = nullptr;
    for (QWidget* picture : pictures)
        if (picture->accessibleName().startsWith("Leadscrew"))
            leadscrew = picture;
    if (leadscrew)
        QTest::mouseClick(leadscrew, Qt::LeftButton);
    auto* grid = design->findChild<platform::FlexGrid*>("vsfMechanism");
    if (!leadscrew || !grid->TextMatrix(4, 1).contains("Pitch")) {
        state.SkipWithError(qPrintable("row 4 of the mechanism grid is not the leadscrew's lead: " +
                                       grid->TextMatrix(4, 1)));
        return;
    }
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        testing_support::TypeIntoCell(grid, 4, 2, odd ? "12" : "10");  // lead
        grid->repaint();
    }
}
BENCHMARK(EditMechanismValue)->ArgName("metric")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The Units menu's switch of all three axes, every open window refreshed.
void SwitchUnitSystem(benchmark::State& state)
{
    OpenRichApplicationIn(0);
    bool metric = false;
    for (auto _ : state) {
        metric = !metric;
        Program().Trigger(metric ? "mnuUnitsFunction_1" : "mnuUnitsFunction_0");
        QApplication::processEvents();
    }
}
BENCHMARK(SwitchUnitSystem)->Unit(benchmark::kMillisecond);

void ClickReportTool(frmReport* report, const char* tool)
{
    auto* action = report->findChild<QAction*>(tool);
    QTest::mouseClick(qobject_cast<QToolBar*>(action->parent())->widgetForAction(action),
                      Qt::LeftButton);
}

// Show of the seven-mechanism axis's report (composition and the preview's
// first page painted) and its printing into a PDF file.
void ShowReport(benchmark::State& state)
{
    OpenRichApplicationIn(static_cast<int16_t>(state.range(0)));
    frmReport* report = ActivatedWindow(ReportWindow(bench::kRichAxis));
    auto* preview = report->findChild<QWidget*>("vsPrinter");
    for (auto _ : state) {
        ClickReportTool(report, "vseToolShow");
        preview->repaint();
    }
}
BENCHMARK(ShowReport)->ArgName("metric")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PrintReportToPdf(benchmark::State& state)
{
    OpenRichApplicationIn(static_cast<int16_t>(state.range(0)));
    testing_support::PdfPrinting printing(QString::fromStdString(Program().Folder().file("report.pdf")));
    frmReport* report = ActivatedWindow(ReportWindow(bench::kRichAxis));
    for (auto _ : state)
        ClickReportTool(report, "vseToolPrint");
}
BENCHMARK(PrintReportToPdf)->ArgName("metric")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From the program's start to its main window shown with the reference data
// loaded; the start-up screen's wait is ended at once by its OK button. With
// defaultAxis 1 the start-up also opens the default axis with its three
// windows, as the settings do by default.
void StartUp(benchmark::State& state)
{
    gProgram.reset();  // one program at a time
    const bool defaultAxis = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto run = std::make_unique<testing_support::ProgramRun>();
        run->WriteSettings(std::string("[Options]\nLoad Default Axis=") +
                           (defaultAxis ? "True" : "False") + "\n");
        state.ResumeTiming();
        benchmark::DoNotOptimize(run->Start());
        state.PauseTiming();
        run.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->ArgName("defaultAxis")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    gProgram.reset();
    benchmark::Shutdown();
    return 0;
}
