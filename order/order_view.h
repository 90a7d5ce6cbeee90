#pragma once

#include "lens/words.h"
#include "order/eye_texts.h"
#include "order/materials.h"
#include "order/order_choices.h"

#include <optional>
#include <string>

namespace corvane {

// The thickness lists of one eye.
struct Thicknesses {
    EdgeThickness edge = EdgeThickness::Standard;
    CenterThickness center = CenterThickness::Standard;
    bool operator==(const Thicknesses&) const = default;
};

// The material or the colour entry.
struct EntryShown {
    std::string text;
    bool locked;
};
struct ColorShown {
    std::string text;
    // Without one, the system's colour of an entry.
    std::optional<RgbColor> background;
    bool locked;
};

// What the practitioner chose and typed in the order window.
struct OrderTyped {
    std::string accName;
    std::string accNum;
    std::string accFax;
    std::string patName;
    std::string patNum;
    LensType lensType = LensType::Corvane;
    std::string material;
    std::string color;
    PerEye<Thicknesses> thick;
    bool dot = true;
    std::string special;
    bool operator==(const OrderTyped&) const = default;
};

// The order window as its presenter sees it.
class OrderView {
public:
    virtual ~OrderView() = default;

    virtual void ShowLensType(LensType type) = 0;
    virtual void ShowEye(Eye eye, const EyeTexts& texts) = 0;
    // Shows the eye's thickness lists with these chosen.
    virtual void ShowThicknesses(Eye eye, const Thicknesses& chosen) = 0;
    virtual void ShowMaterial(const EntryShown& material) = 0;
    virtual void ShowColor(const ColorShown& color) = 0;
    virtual void EnableOtherColor(bool enabled) = 0;
    // Focuses the entry with its whole text selected, to be typed over.
    virtual void FocusMaterial() = 0;
    virtual void FocusColor() = 0;
    virtual void FocusSpecialOrder() = 0;
    // True for OK, false for Cancel.
    virtual bool AskOkCancel(const Words& text, const Words& title) = 0;
    virtual void ShowMessage(const Words& text, const Words& title) = 0;
    virtual OrderTyped Typed() const = 0;
    virtual void Close() = 0;
};

} // namespace corvane
