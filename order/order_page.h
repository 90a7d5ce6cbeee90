#pragma once

#include "lens/numbers.h"
#include "order/order_controls.h"
#include "order/order_record.h"
#include "ui/base/form.h"
#include "ui/base/toolkit.h"

namespace corvane {

// "Order Form": the page that goes to the laboratory, filled from the order
// record and printed as soon as it is shown.
class OrderPageForm {
public:
    OrderPageForm(Toolkit& toolkit, const OrderRecord& order, NumberFormat fmt);
    Form& GetForm() { return form_; }
    const PrinFormControls& Controls() const { return k_; }
    void Form_Load();
    void Form_Activate();
    // What became of the last print.
    const PrintOutcome& PrintResult() const { return printed_; }

private:
    Toolkit& toolkit_;
    const OrderRecord& order_;
    NumberFormat fmt_;
    Form form_;
    PrinFormControls k_;
    PrintOutcome printed_;
};

} // namespace corvane
