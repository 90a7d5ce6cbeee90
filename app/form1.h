#pragma once

#include "calc/calculation.h"
#include "calc/refinement.h"
#include "order/order_record.h"
#include "ui/base/form.h"
#include "ui/form1_controls.h"
#include "ui/form1_view.h"
#include "ui/sections.h"

#include <functional>

namespace corvane {

// The main window: its controls and their view, the calculation, the
// refinement of the suggested lens, the entry sections and the housekeeping
// commands.
class Form1 {
public:
    Form1(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Form& GetForm() { return form_; }
    const Form1Controls& Controls() const { return k_; }
    Calculation& Calc() { return calc_; }

    void Form_Load();
    void cmdClear_Click();
    void cmdQuit_Click();
    void cmdPrint_Click();

    // Opens the order window on the order record; set by the program.
    std::function<void()> onOrder;

private:
    Toolkit& toolkit_;
    OrderRecord& order_;
    NumberFormat fmt_;
    Form form_;
    Form1Controls k_;
    Form1View view_;
    Calculation calc_;
    Refinement refine_;
    Sections sections_;
};

} // namespace corvane
