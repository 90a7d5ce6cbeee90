#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace corvane {

// The lens order as it goes from the main window through the order details
// window to the printed form.
struct OrderRecord {
    bool orderLeftEye = false;
    std::array<std::string, 2> orderBC{};
    std::array<std::string, 2> orderPower{};
    std::array<double, 2> orderDiam{};
    std::array<int, 2> orderSeries{};
    std::string orderAccName;
    std::string orderAccNum;
    std::string orderAccFax;
    std::string orderPatName;
    std::string orderPatNum;
    std::string orderMaterial;
    std::string orderColor;
    // The lens type, a row of LensTypes().
    std::size_t orderLensType = 0;
    std::array<std::string, 2> orderEdgeThick{};
    std::array<std::string, 2> orderCenterThick{};
    bool orderDot = false;
    std::string orderSpecial;
};

} // namespace corvane
