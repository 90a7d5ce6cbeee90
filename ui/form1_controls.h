#pragma once

#include "ui/base/controls.h"
#include "ui/base/form.h"
#include "ui/result_group.h"

#include <array>

namespace corvane {

// The controls of the main window, by role. Per-eye arrays are indexed by
// the eye: 0 right, 1 left.
struct Form1Controls {
    Form* form = nullptr;

    EyeArray txtPresKera1{}, txtPresKera2{}, txtPresPow{}, txtPresCyl{}, txtPresAxe{};
    EyeArray cboPresVertex{}, cboPresAdd{};
    EyeArray txtCurBC{}, txtCurPow{}, txtCurDiam{}, txtCurAdd{};

    Control* chkPres = nullptr;
    Control* chkPresOS = nullptr;
    Control* chkCur = nullptr;
    Control* chkCurOS = nullptr;
    Control* btnGo = nullptr;
    Control* cmdClear = nullptr;
    Control* cmdPrint = nullptr;
    Control* cmdQuit = nullptr;

    std::array<Control*, 8> lblpres{};
    Control* lblPresOS = nullptr;
    std::array<Control*, 5> lblCur{};
    Control* lblsugg = nullptr;
    Control* Label1 = nullptr;
    Control* Label21 = nullptr;
    Control* Label40 = nullptr;
    Control* lblhelp = nullptr;
    Control* lblCall = nullptr;
    Control* Line1 = nullptr;

    // Result groups: row captions 0..4 ("B. C. :", "Power :", "Diam :",
    // "Series :", "RT"), the "LT" header and the per-eye value labels.
    std::array<Control*, 5> lblResPres{}, lblResCur{}, lblResFinal{};
    Control* lblResPresOS = nullptr;
    Control* lblResCurOS = nullptr;
    Control* lblResFinalOS = nullptr;
    EyeArray lblResPresBC{}, lblResPresDiam{}, lblResPresPow{}, lblResPresSerie{};
    EyeArray lblResCurBC{}, lblResCurDiam{}, lblResCurPow{}, lblResCurSerie{};
    EyeArray lblResFinalBC{}, lblResFinalDiam{}, lblResFinalPow{}, lblResFinalSerie{};

    ResultGroup PresGroup() const;
    ResultGroup CurGroup() const;
    ResultGroup FinalGroup() const;
    // Hides every label of the three result groups.
    void HideResults() const;

    // The entries in the order of their checks: keratometry 1 and 2, sphere,
    // cylinder, axis, vertex, add; then base curve, power, diameter, add.
    std::array<const EyeArray*, 7> PresEntries() const;
    std::array<const EyeArray*, 4> CurEntries() const;
    std::array<Control*, 7> PresEntries(int e) const;
    std::array<Control*, 4> CurEntries(int e) const;
};

// Creates every control of the main window in its design state.
Form1Controls BuildForm1(Form& form);

inline constexpr const char* kForm1Caption = "BRENWICK CONTACT LENSES LTD. CORVANE RGP MULTIFOCAL LENS CALCULATOR";

} // namespace corvane
