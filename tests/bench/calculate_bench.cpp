// The Calculate command of the core for both eyes and both methods.
#include "../core/scripted_toolkit.h"
#include "app/form1.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvane;

void BM_CalculateBothEyesBothMethods(benchmark::State& state)
{
    test::ScriptedToolkit tk;
    OrderRecord order;
    Form1 form1(tk, order, NumberFormat{'.'});
    form1.GetForm().onLoad();
    const Form1Controls& k = form1.Controls();
    for (Control* box : {k.chkPres, k.chkPresOS, k.chkCur, k.chkCurOS})
        box->SetValue(1);
    const char* pres[] = {"4325", "4400", "-350", "-0.75", "180", "12", "2.00"};
    const char* cur[] = {"7.85", "-3.00", "9.3", "2.50"};
    const EyeArray* presEntries[] = {&k.txtPresKera1, &k.txtPresKera2,  &k.txtPresPow, &k.txtPresCyl,
                                     &k.txtPresAxe,   &k.cboPresVertex, &k.cboPresAdd};
    const EyeArray* curEntries[] = {&k.txtCurBC, &k.txtCurPow, &k.txtCurDiam, &k.txtCurAdd};
    for (int e = 0; e < 2; ++e) {
        for (int i = 0; i < 7; ++i)
            (*presEntries[i])[e]->SetText(pres[i]);
        for (int i = 0; i < 4; ++i)
            (*curEntries[i])[e]->SetText(cur[i]);
    }
    for (auto _ : state) {
        form1.Calc().Calculate();
        benchmark::DoNotOptimize(k.lblResFinalPow[1]->Caption().data());
    }
    if (tk.boxes.size() != 0)
        state.SkipWithError("the calculation showed a message");
}
BENCHMARK(BM_CalculateBothEyesBothMethods);

} // namespace

BENCHMARK_MAIN();
