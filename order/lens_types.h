#pragma once

#include "order/materials.h"
#include "ui/base/controls.h"

#include <cstddef>
#include <span>

namespace corvane {

// What tells one lens type from another. In the order window: its option
// button ("optType_<row>") in the "Lens Type" frame and the note beside it,
// the material and colour that choosing it selects, and where "Other
// Material" goes on from. On the printed page: its picture. A further lens
// type is one more row and its picture.
struct LensType {
    const char* caption;
    Geometry option;
    // The label beside the option button; no label when noteName is null.
    const char* noteName;
    const char* note;
    Geometry noteGeom;
    const char* material;
    Tint color;
    // The positions in the material list and the colour cycle once chosen.
    int materialIndex;
    int colorIndex;
    // The position "Other Material" starts from on its first use.
    int otherMaterialStart;
    Picture picture;
    const char* imageName;
    Geometry image;
};

// The lens types in the order of their option buttons.
std::span<const LensType> LensTypes();

// The rows that the order record names.
inline constexpr std::size_t kCorvaneType = 0;
inline constexpr std::size_t kVeltoType = 1;

} // namespace corvane
