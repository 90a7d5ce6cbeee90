// The Calculate command for both eyes and both methods: the presenter and
// the engine, on a view that only keeps what it is shown.
#include "../core/fake_main_view.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvane;

void BM_CalculateBothEyesBothMethods(benchmark::State& state)
{
    test::FakeMainView view;
    view.ticked = {{{true, true}, {true, true}}};
    const lens::EyeEntries eye{.pres = {"4325", "4400", "-350", "-0.75", "180", "12", "2.00"},
                               .cur = {"7.85", "-3.00", "9.3", "2.50"}};
    Calculation calc(view, NumberFormat{'.'});
    for (auto _ : state) {
        view.entries = {eye, eye};
        calc.Calculate();
        benchmark::DoNotOptimize(view.lenses[2][1]);
    }
    if (!view.boxes.empty())
        state.SkipWithError("the calculation showed a message");
}
BENCHMARK(BM_CalculateBothEyesBothMethods);

} // namespace

BENCHMARK_MAIN();
