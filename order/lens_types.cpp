#include "order/lens_types.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<LensType, 2> kLensTypes = {{
    {
        .material = "Comfort 02",
        .color = Tint::Blue,
        .materialIndex = 0,
        .colorIndex = 0,
        .otherMaterialStart = 0,
        .picture = PagePicture::CorvaneLens,
        .imageName = "imgCOR",
        .image = {2760, 1320, 4605, 1005},
    },
    {
        .material = "Boston XO",
        .color = Tint::IceBlue,
        .materialIndex = 2,
        .colorIndex = 1,
        .otherMaterialStart = 2,
        .picture = PagePicture::VeltoLens,
        .imageName = "imgVelto",
        .image = {2760, 960, 4455, 1620},
    },
}};

} // namespace

std::span<const LensType> LensTypes() { return kLensTypes; }

} // namespace corvane
