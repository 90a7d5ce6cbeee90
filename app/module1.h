#pragma once

#include "calc/dialog_results.h"
#include "order/order_record.h"

namespace corvane {

// State shared by the windows for the whole run: the results of the two
// refinement dialogs and the order record.
struct Module1 : DialogResults {
    OrderRecord order;
};

} // namespace corvane
