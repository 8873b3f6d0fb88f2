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
#include "tests/ui/support/ProgramRun.h"

#include <QApplication>
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

// From the program's start to its main window shown with the reference data
// loaded; the start-up screen's wait is ended at once by its OK button.
void StartUp(benchmark::State& state)
{
    gProgram.reset();  // one program at a time
    for (auto _ : state) {
        state.PauseTiming();
        auto run = std::make_unique<testing_support::ProgramRun>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(run->Start());
        state.PauseTiming();
        run.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->Iterations(20);

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
