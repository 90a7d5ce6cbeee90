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
    bool operator==(const EyeTexts&) const = default;
};

// What a left eye not ordered shows in each of its places.
inline constexpr const char* kNotOrdered = "-";

// The texts of `eye`; kNotOrdered for a left eye not ordered.
EyeTexts ShownEye(const OrderRecord& order, Eye eye, const NumberFormat& fmt);

} // namespace corvane
