#include "order/lens_types.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<LensType, 2> kLensTypes = {{
    {
        .caption = "Corvane",
        .option = {240, 300, 1575, 285},
        .noteName = nullptr,
        .note = nullptr,
        .noteGeom = {},
        .material = "Comfort 02",
        .color = Tint::Blue,
        .materialIndex = 0,
        .colorIndex = 0,
        .otherMaterialStart = 0,
        .picture = Picture::CorvaneLens,
        .imageName = "imgCOR",
        .image = {2760, 1320, 4605, 1005},
    },
    {
        .caption = "Corvane Velto",
        .option = {240, 600, 1695, 285},
        .noteName = "Label18",
        .note = "2 weeks Delivery",
        .noteGeom = {2040, 630, 1935, 255},
        .material = "Boston XO",
        .color = Tint::IceBlue,
        .materialIndex = 2,
        .colorIndex = 1,
        .otherMaterialStart = 2,
        .picture = Picture::VeltoLens,
        .imageName = "imgVelto",
        .image = {2760, 960, 4455, 1620},
    },
}};

} // namespace

std::span<const LensType> LensTypes() { return kLensTypes; }

} // namespace corvane
