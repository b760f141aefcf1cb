// Cost of building the whole support field list with the real Linux probe (offscreen screen).
// The print system is asked once per probe object: the first benchmark includes that first
// query, the others use a probe whose printer list and drive letters are already kept.
#include "app/FieldList.h"
#include "platform/Application.h"
#include "platform/LinuxSystemProbe.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

hovlo::TRunState State() {
    hovlo::TRunState state;
    state.FProductName = "Produkt";
    state.FVersion = "1.0";
    state.FDialogId = "42";
    return state;
}

// A new probe each time: includes the first (uncached) query of the print system.
void BM_FieldListFirstBuild(benchmark::State& s) {
    const hovlo::TRunState state = State();
    for (auto _ : s) {
        hovlo::platform::TLinuxSystemProbe probe;
        hovlo::TFieldList list;
        hovlo::CollectCustomerData(list, state);
        hovlo::CollectSystemData(list, probe);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_FieldListFirstBuild)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FieldList(benchmark::State& s) {
    hovlo::platform::TLinuxSystemProbe probe;
    const hovlo::TRunState state = State();
    for (auto _ : s) {
        hovlo::TFieldList list;
        hovlo::CollectCustomerData(list, state);
        hovlo::CollectSystemData(list, probe);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_FieldList)->Unit(benchmark::kMillisecond);

void BM_DiskLines(benchmark::State& s) {
    hovlo::platform::TLinuxSystemProbe probe;
    for (auto _ : s)
        for (int drive = 3; drive <= 26; ++drive)
            benchmark::DoNotOptimize(probe.DiskFree(drive) + probe.DiskSize(drive));
}
BENCHMARK(BM_DiskLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    hovlo::platform::InstallProfileFolderResolver();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
