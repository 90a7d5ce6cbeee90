#pragma once

#include "lens/numbers.h"
#include "order/order_record.h"

#include <string>

namespace corvane {

// The ordered lens of one eye as the order window and the printed page show
// it.
struct EyeTexts {
    std::string bc;
    std::string power;
    std::string diam;
    std::string series;
};

// The texts of `eye` (0 right, 1 left); "-" for a left eye not ordered.
EyeTexts ShownEye(const OrderRecord& order, int eye, const NumberFormat& fmt);

} // namespace corvane
