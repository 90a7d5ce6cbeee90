#pragma once

#include "order/order_record.h"

namespace corvane {

// State shared by the windows for the whole run: the order record.
struct Module1 {
    OrderRecord order;
};

} // namespace corvane
