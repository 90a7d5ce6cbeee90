#pragma once

#include "lens/engine.h"
#include "ui/base/controls.h"
#include "ui/base/form.h"
#include "ui/result_group.h"

#include <array>
#include <span>
#include <vector>

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

    // The controls of each entry of the engine's.
    static EyeArray Form1Controls::*EntryMember(lens::Entry entry);
    Control* EntryControl(lens::Entry entry, int e) const;
    // The controls of the given entries of eye e, in their order.
    std::vector<Control*> Entries(std::span<const lens::Entry> entries, int e) const;
    std::vector<Control*> PresEntries(int e) const { return Entries(lens::kPrescriptionEntries, e); }
    std::vector<Control*> CurEntries(int e) const { return Entries(lens::kCurrentLensEntries, e); }
};

// Creates every control of the main window in its design state.
Form1Controls BuildForm1(Form& form);

inline constexpr const char* kForm1Caption = "BRENWICK CONTACT LENSES LTD. CORVANE RGP MULTIFOCAL LENS CALCULATOR";

} // namespace corvane
