#include "order/lens_types.h"

#include <array>
#include <cstddef>

namespace corvane {
namespace {

constexpr std::array<LensTypeRow, 2> kLensTypes = {{
    {
        .type = LensType::Corvane,
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
        .type = LensType::Velto,
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

// Each type stands at its own position.
static_assert([] {
    for (std::size_t i = 0; i < kLensTypes.size(); ++i)
        if (static_cast<std::size_t>(kLensTypes[i].type) != i)
            return false;
    return true;
}());

} // namespace

std::span<const LensTypeRow> LensTypes() { return kLensTypes; }

const LensTypeRow& RowOf(LensType type) { return kLensTypes.at(static_cast<std::size_t>(type)); }

} // namespace corvane
