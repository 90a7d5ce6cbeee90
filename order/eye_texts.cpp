#include "order/eye_texts.h"

namespace corvane {

EyeTexts ShownEye(const OrderRecord& order, Eye eye, const NumberFormat& fmt)
{
    if (!IsOrdered(order, eye))
        return {.bc = kNotOrdered, .power = kNotOrdered, .diam = kNotOrdered, .series = kNotOrdered};
    const OrderPower& power = order.orderPower[eye];
    return {.bc = Format(order.orderBC[eye], Decimals::Two, fmt),
            .power = lens::PowerText(power.dioptres, power.form, fmt),
            .diam = Format(order.orderDiam[eye], Decimals::One, fmt),
            .series = IntToText(order.orderSeries[eye])};
}

} // namespace corvane
