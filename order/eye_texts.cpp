#include "order/eye_texts.h"

namespace corvane {
namespace {

// A caption that is not a number (never written so by the calculator) is
// shown as it stands.
std::string Shown(const std::string& caption, const NumberFormat& fmt)
{
    return IsNumeric(caption, fmt) ? Format(caption, "0.00", fmt) : caption;
}

} // namespace

EyeTexts ShownEye(const OrderRecord& order, int eye, const NumberFormat& fmt)
{
    if (eye == 1 && !order.orderLeftEye)
        return {.bc = "-", .power = "-", .diam = "-", .series = "-"};
    // The power as the main window showed it: after an over-refraction
    // that is its general form ("-2.875"), which two decimals would change.
    return {.bc = Shown(order.orderBC[eye], fmt),
            .power = order.orderPower[eye],
            .diam = Format(order.orderDiam[eye], "0.0", fmt),
            .series = IntToText(order.orderSeries[eye])};
}

} // namespace corvane
