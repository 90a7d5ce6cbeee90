#pragma once

#include "lens/engine.h"
#include "order/order_choices.h"

#include <string>

namespace corvane {

// The ordered power: the number and the form the main window showed it in
// (lens::PowerText).
struct OrderPower {
    double dioptres = 0;
    lens::PowerForm form = lens::PowerForm::TwoDecimals;
    bool operator==(const OrderPower&) const = default;
};

// The lens order as it goes from the main window through the order details
// window to the printed form: the settled lens and the choices as values,
// made into texts where the window or the page shows them.
struct OrderRecord {
    bool orderLeftEye = false;
    PerEye<double> orderBC;
    PerEye<OrderPower> orderPower;
    PerEye<double> orderDiam;
    PerEye<int> orderSeries;
    std::string orderAccName;
    std::string orderAccNum;
    std::string orderAccFax;
    std::string orderPatName;
    std::string orderPatNum;
    std::string orderMaterial;
    std::string orderColor;
    LensType orderLensType = LensType::Corvane;
    PerEye<EdgeThickness> orderEdgeThick{EdgeThickness::Standard, EdgeThickness::Standard};
    PerEye<CenterThickness> orderCenterThick{CenterThickness::Standard, CenterThickness::Standard};
    bool orderDot = false;
    std::string orderSpecial;
};

// The right eye is always ordered, the left one when the order includes it.
inline bool IsOrdered(const OrderRecord& order, Eye eye) { return eye == Eye::Right || order.orderLeftEye; }

} // namespace corvane
