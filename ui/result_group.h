#pragma once

#include "lens/engine.h"
#include "ui/base/controls.h"

#include <array>
#include <string>
#include <string_view>

namespace corvane {

// The four values of a lens as a result group shows them: base curve,
// power, diameter, series.
using LensTexts = lens::LensTexts;

// One result group of the main window ("From K Reading", "From Current
// lens", "Suggested lens"): five row captions ("B. C. :", "Power :",
// "Diam :", "Series :", "RT"), the "LT" header and four value labels per eye.
struct ResultGroup {
    std::array<Control*, 5> rows{};
    Control* os = nullptr;
    EyeArray bc{}, pow{}, diam{}, serie{};

    // The value labels of eye e: base curve, power, diameter, series.
    std::array<Control*, 4> Values(int e) const { return {bc[e], pow[e], diam[e], serie[e]}; }
    // Shows the row captions, and the "LT" header for the left eye.
    void ShowFrame(int e) const;
    void ShowValues(int e, bool visible) const;
    // Hides every label of the group; captions stay.
    void HideAll() const;
    LensTexts Captions(int e) const;
    void SetCaptions(int e, const LensTexts& lens) const;
    // True when any value of eye e reads exactly `text`.
    bool Shows(int e, std::string_view text) const;
};

} // namespace corvane
