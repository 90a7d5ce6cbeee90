#pragma once

#include "lens/numbers.h"
#include "order/order_controls.h"
#include "order/order_presenter.h"
#include "order/order_record.h"
#include "ui/base/form.h"
#include "ui/base/toolkit.h"

#include <memory>

namespace corvane {

// "Additionnal information": account, patient, lens type, material, colour,
// thicknesses, dot and special order; its controls, and its presenter on
// them.
class OrderDetailsForm {
public:
    OrderDetailsForm(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt);
    Form& GetForm() { return form_; }
    const Form4Controls& Controls() const { return k_; }

private:
    Form form_;
    Form4Controls k_;
    std::unique_ptr<OrderView> view_;
    OrderPresenter presenter_;
};

} // namespace corvane
