#pragma once

#include "order/materials.h"
#include "order/order_choices.h"
#include "order/order_page.h"

#include <span>

namespace corvane {

// What tells one lens type from another: the material and colour that
// choosing it in the order window selects, where "Other Material" goes on
// from, and its picture on the printed page. In the window each row has its
// option button, "optType_<row>". A further lens type is one more value of
// LensType, its row, its button and its picture.
struct LensTypeRow {
    LensType type;
    const char* material;
    Tint color;
    // The positions in the material list and the colour cycle once chosen.
    int materialIndex;
    int colorIndex;
    // The position "Other Material" starts from on its first use.
    int otherMaterialStart;
    PagePicture picture;
    const char* imageName;
    Box image;
};

// The lens types in the order of their option buttons.
std::span<const LensTypeRow> LensTypes();
const LensTypeRow& RowOf(LensType type);

} // namespace corvane
