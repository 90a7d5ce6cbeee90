#include "order/copy_lens.h"

namespace corvane {

void CopySuggestedLens(const lens::LensOrder& lenses, OrderRecord& order, const NumberFormat& fmt)
{
    auto copy = [&](int e, const lens::SettledLens& settled) {
        const lens::OrderedLens lens = lens::OrderLens(settled, fmt);
        order.orderBC[e] = lens.bc;
        order.orderPower[e] = lens.power;
        order.orderDiam[e] = lens.diam;
        order.orderSeries[e] = lens.series;
    };
    copy(0, lenses.right);
    order.orderLeftEye = lenses.left.has_value();
    if (lenses.left)
        copy(1, *lenses.left);
}

} // namespace corvane
