#pragma once

#include "lens/engine.h"
#include "order/order_record.h"

namespace corvane {

// Copies the suggested lens of each eye into the order record; the left eye
// is ordered when it has one.
void CopySuggestedLens(const lens::LensOrder& lenses, OrderRecord& order, const NumberFormat& fmt);

} // namespace corvane
