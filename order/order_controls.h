#pragma once

#include "ui/base/controls.h"
#include "ui/base/form.h"

#include <array>
#include <vector>

namespace corvane {

// The controls of "Additionnal information", by role. Per-eye arrays are
// indexed by the eye: 0 right ("...od"), 1 left ("...os").
struct Form4Controls {
    Form* form = nullptr;

    // "optType_<row>", in the order of LensTypes().
    std::vector<Control*> optType;
    Control* txtMat = nullptr;
    Control* cmdChgMat = nullptr;
    Control* txtCol = nullptr;
    Control* cmdChgCol = nullptr;

    Control* txtAccName = nullptr;
    Control* txtAccNum = nullptr;
    Control* txtAccFax = nullptr;
    Control* txtPatName = nullptr;
    Control* txtPatNum = nullptr;

    // The "LEFT" column header.
    Control* lblOS = nullptr;
    EyeArray lblBC{}, lblPow{}, lblDiam{}, lblSeries{};
    EyeArray cboEdgeTh{}, cboCenterTh{};
    // "Yes" and "No".
    std::array<Control*, 2> optDot{};
    Control* txtSpecial = nullptr;

    Control* cmdPrint = nullptr;
    Control* cmdCancel = nullptr;
    Control* cmdSavePdf = nullptr;
};

// The special-order box of the printed form: six lines of its font. The
// order window's box wraps its lines at the same width.
inline constexpr Geometry kSpecialOrderBox{5880, 6480, 4335, 1455};

// Creates every control of the order window in its design state; the
// handlers are the window's to connect.
Form4Controls BuildForm4(Form& form);

// The controls of the printed "Order Form" that the order fills. Per-eye
// arrays are indexed by the eye ("..._0" right, "..._1" left).
struct PrinFormControls {
    Form* form = nullptr;

    Control* lblDate = nullptr;
    Control* Image1 = nullptr;
    // The picture of each lens type ("imgCOR", ...), in the order of LensTypes().
    std::vector<Control*> images;

    Control* lblAccName = nullptr;
    Control* lblAccNum = nullptr;
    Control* lblAccfax = nullptr;
    Control* lblPatName = nullptr;
    Control* lblPatNum = nullptr;

    EyeArray lblBC{}, lblPow{}, lblDiam{}, lblSeries{}, lblEdgeth{}, lblCenterth{};
    Control* lblMat = nullptr;
    Control* lblCol = nullptr;
    Control* lblDot = nullptr;
    Control* lblSpecial = nullptr;
};

} // namespace corvane
