#pragma once

#include "lens/engine.h"
#include "ui/base/controls.h"

#include <array>
#include <optional>

namespace corvane {

// One result group of the main window ("From K Reading", "From Current
// lens", "Suggested lens"): five row captions ("B. C. :", "Power :",
// "Diam :", "Series :", "RT"), the "LT" header and four value labels per eye.
struct ResultGroup {
    std::array<Control*, 5> rows{};
    Control* os = nullptr;
    EyeArray bc{}, pow{}, diam{}, serie{};

    // Eye e's column shows the lens, or is hidden; the row captions stand
    // beside any eye's values, "LT" over the left eye's.
    void Show(int e, const std::optional<lens::LensTexts>& lens) const;
};

} // namespace corvane
