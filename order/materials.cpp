#include "order/materials.h"

#include <array>

namespace corvane {
namespace {

constexpr const char* kSpecify = "Specify";

// By Tint.
constexpr std::array<TintShown, 7> kTints = {{
    {"Blue", 0x8080FF},
    {"Green", 0x00C000},
    {"Brown", 0xC04000},
    {"Grey", 0xC0C0C0},
    {"Ice blue", 0xC0C0FF},
    {"Violet", 0xFF80FF},
    {kSpecify, std::nullopt},
}};

constexpr std::array kBostonEsColors = {Tint::Blue, Tint::Green, Tint::Brown, Tint::Grey, Tint::IceBlue};
constexpr std::array kBostonXoColors = {Tint::Blue, Tint::IceBlue, Tint::Violet};

constexpr std::array<Material, 9> kMaterials = {{
    {"Comfort 02", true, {}},
    {"Boston XO", true, kBostonXoColors},
    {"Boston ES", true, kBostonEsColors},
    {"Paragon HDS", false, {}},
    {"Comfort 02", false, {}},
    {"Comfort 02", true, {}},
    {"Comfort 02", true, {}},
    {"Comfort 02", true, {}},
    {kSpecify, false, {}},
}};

// The cycle goes with the material's name: the entry may hold any row of it.
std::span<const Tint> CycleOf(std::string_view material)
{
    for (const Material& m : kMaterials)
        if (material == m.text)
            return m.colors;
    return {};
}

} // namespace

std::span<const Material> Materials() { return kMaterials; }

TintShown Shown(Tint tint) { return kTints[static_cast<std::size_t>(tint)]; }

int NextMaterial(int position) { return position + 1 < static_cast<int>(kMaterials.size()) ? position + 1 : 0; }

Tint FirstColor(std::string_view material) { return material == kSpecify ? Tint::Specify : Tint::Blue; }

ColorStep NextColor(std::string_view material, int position)
{
    const std::span<const Tint> cycle = CycleOf(material);
    if (cycle.empty())
        return {0, Tint::Specify};
    const int next = position + 1 < static_cast<int>(cycle.size()) ? position + 1 : 0;
    return {next, cycle[static_cast<std::size_t>(next)]};
}

EntryRule RuleFor(std::string_view text)
{
    const bool specify = text == kSpecify;
    return {.locked = !specify, .focusAndSelect = specify};
}

} // namespace corvane
