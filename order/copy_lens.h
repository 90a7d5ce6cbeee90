#pragma once

#include "lens/engine.h"
#include "order/order_record.h"

namespace corvane {

// The order with the suggested lens of each eye copied in; the left eye is
// ordered when it has one.
OrderRecord WithSuggestedLens(OrderRecord order, const lens::LensOrder& lenses);

} // namespace corvane
