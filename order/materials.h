#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

// The colours a lens is made in; Specify is one the practitioner types.
enum class Tint { Blue, Green, Brown, Grey, IceBlue, Violet, Specify };

// A colour as 0xRRGGBB.
using RgbColor = std::uint32_t;

struct TintShown {
    const char* text;
    // Without one, the system's colour of an entry.
    std::optional<RgbColor> background;
};

// A material "Other Material" offers, in the order the button walks them.
struct Material {
    const char* text;
    // Whether "Other Color" is offered with it.
    bool otherColor;
    // What "Other Color" walks through; without a cycle it asks for the colour.
    std::span<const Tint> colors;
};

std::span<const Material> Materials();
TintShown Shown(Tint tint);

// The position after `position` in Materials(), the first after the last.
int NextMaterial(int position);

// The colour a material shows once chosen.
Tint FirstColor(std::string_view material);

// Where "Other Color" goes from `position` in the cycle of the material
// named `material`: the next colour, round to the first; Specify for a
// material without a cycle.
struct ColorStep {
    int position;
    Tint tint;
};
ColorStep NextColor(std::string_view material, int position);

// How the material or the colour entry holds a text of the catalogue:
// "Specify" is to be typed over, so its entry is open, focused and selected;
// any other is locked.
struct EntryRule {
    bool locked;
    bool focusAndSelect;
};
EntryRule RuleFor(std::string_view text);

} // namespace corvane
