#include "order/copy_lens.h"

namespace corvane {

OrderRecord WithSuggestedLens(OrderRecord order, const lens::LensOrder& lenses)
{
    auto copy = [&order](Eye eye, const lens::Design& lens) {
        order.orderBC[eye] = lens.bc;
        order.orderPower[eye] = {.dioptres = lens.power, .form = lens.powerForm};
        order.orderDiam[eye] = lens.diam;
        order.orderSeries[eye] = lens.series;
    };
    copy(Eye::Right, lenses.right.lens);
    order.orderLeftEye = lenses.left.has_value();
    if (lenses.left)
        copy(Eye::Left, lenses.left->lens);
    return order;
}

} // namespace corvane
