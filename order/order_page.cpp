#include "order/order_page.h"

#include "order/eye_texts.h"
#include "order/laboratory.h"
#include "order/lens_types.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace corvane {
namespace {

constexpr Box kSpecialOrderBox{5880, 6480, 4335, 1455};

PageText Caption(const char* name, const char* text, Box box, double points = 9.75, bool bold = false)
{
    PageText caption{.name = name, .text = text, .box = box, .font = {}, .centred = false, .wrapped = false};
    caption.font.points = points;
    caption.font.bold = bold;
    return caption;
}

PageText Value(std::string name, std::string text, Box box)
{
    return {
        .name = std::move(name), .text = std::move(text), .box = box, .font = {}, .centred = false, .wrapped = false};
}

// The fixed words of the page and the laboratory's numbers.
std::vector<PageText> Captions()
{
    PageText title = Caption("lblTitre", "Order Form", {3158, 360, 4335, 615}, 26.25, true);
    title.font.face = "Arial Black";
    title.centred = true;
    return {
        title,
        Caption("Label1", "Fax to :", {240, 2520, 1155, 300}, 12, true),
        Caption("lblName", "Brenwick Contact Lenses Ltd.", {1440, 2520, 5655, 375}, 13.5, true),
        Caption("lblFax", kLabFax, {1440, 2880, 2535, 255}, 12),
        Caption("Label6", "Account info :", {240, 3360, 2000, 300}, 12, true),
        Caption("Label17", "Patient info :", {5160, 3360, 2000, 300}, 12, true),
        Caption("Label14", "Account name :", {720, 3840, 1755, 255}),
        Caption("Label12", "Patient name :", {5640, 3840, 1635, 255}),
        Caption("Label13", "Account No :", {720, 4200, 1755, 255}),
        Caption("Label18", "Patient No :", {5640, 4200, 1635, 255}),
        Caption("Label16", "Account fax No :", {720, 4560, 1755, 255}),
        Caption("Label3", "Order :", {240, 5040, 1155, 300}, 12, true),
        Caption("Label7", "RIGHT :", {1800, 5280, 855, 255}),
        Caption("lblOS", "LEFT :", {3000, 5280, 855, 255}),
        Caption("Label22", "Material :", {4320, 5520, 1035, 255}),
        Caption("Label23", "Colour :", {7200, 5520, 795, 255}),
        Caption("Label2", "Dot :", {4320, 6000, 1035, 255}),
        Caption("Label15", "Special order :", {4320, 6480, 1515, 255}),
        Caption("Label5", "Phone :", {4440, 8340, 735, 255}),
        Caption("lblPhone", kLabPhone, {5160, 8340, 1395, 255}),
        Caption("Label20", "Reference No :", {7200, 8340, 1335, 255}),
    };
}

// The lens rows: a caption, then the right eye's value and the left eye's.
struct LensRow {
    const char* label;
    const char* caption;
    const char* value;
    int left;
    int top;
    int width;
};
constexpr LensRow kLensRows[] = {
    {"Label8", "BC :", "lblBC", 720, 5640, 855},
    {"Label9", "Pwr :", "lblPow", 720, 6120, 855},
    {"Label10", "Diam :", "lblDiam", 720, 6600, 855},
    {"Label11", "Series :", "lblSeries", 720, 7080, 855},
    {"Label26", "Edge thick. :", "lblEdgeth", 480, 7560, 975},
    {"Label27", "Center thick. :", "lblCenterth", 480, 8040, 975},
};

// By eye, in the order of kLensRows; "-" for a left eye not ordered.
std::array<std::string, 6> LensValues(const OrderRecord& o, Eye eye, const NumberFormat& fmt)
{
    const EyeTexts lens = ShownEye(o, eye, fmt);
    const bool ordered = IsOrdered(o, eye);
    return {lens.bc,
            lens.power,
            lens.diam,
            lens.series,
            ordered ? Text(o.orderEdgeThick[eye]) : kNotOrdered,
            ordered ? Text(o.orderCenterThick[eye]) : kNotOrdered};
}

// The right eye's column, then the left one's: "lblBC_0", "lblBC_1".
void AddLensRows(std::vector<PageText>& texts, const OrderRecord& o, const NumberFormat& fmt)
{
    const PerEye<std::array<std::string, 6>> values = {LensValues(o, Eye::Right, fmt), LensValues(o, Eye::Left, fmt)};
    for (std::size_t i = 0; i < std::size(kLensRows); ++i) {
        const LensRow& row = kLensRows[i];
        texts.push_back(Caption(row.label, row.caption, {row.left, row.top, 1800 - row.left - 60, 255}));
        for (std::size_t e = 0; e < kEyes.size(); ++e)
            texts.push_back(Value(std::string(row.value) + "_" + std::to_string(e), values[kEyes[e]][i],
                                  {1800 + 1200 * static_cast<int>(e), row.top, row.width, 255}));
    }
}

} // namespace

PageText SpecialOrderText(const std::string& special)
{
    PageText text = Value("lblSpecial", special, kSpecialOrderBox);
    text.wrapped = true;
    return text;
}

OrderPage MakeOrderPage(const OrderRecord& o, const std::string& date, const NumberFormat& fmt)
{
    OrderPage page;
    page.texts = Captions();
    page.texts.push_back(Value("lblDate", date, {8640, 720, 1335, 255}));
    page.texts.push_back(Value("lblAccName", o.orderAccName, {2520, 3840, 2415, 255}));
    page.texts.push_back(Value("lblPatName", o.orderPatName, {7320, 3840, 2415, 255}));
    page.texts.push_back(Value("lblAccNum", o.orderAccNum, {2520, 4200, 2415, 255}));
    page.texts.push_back(Value("lblPatNum", o.orderPatNum, {7320, 4200, 2415, 255}));
    page.texts.push_back(Value("lblAccfax", o.orderAccFax, {2520, 4560, 2415, 255}));
    AddLensRows(page.texts, o, fmt);
    page.texts.push_back(Value("lblMat", o.orderMaterial, {5400, 5520, 1455, 255}));
    page.texts.push_back(Value("lblCol", o.orderColor, {8040, 5520, 1695, 255}));
    page.texts.push_back(Value("lblDot", o.orderDot ? "Yes" : "No", {5400, 6000, 1455, 255}));
    page.texts.push_back(SpecialOrderText(o.orderSpecial));
    page.frames = {{.name = "Frame2", .caption = "Contact us", .box = {4320, 8040, 2295, 615}},
                   {.name = "Frame1", .caption = "Reserved for lab", .box = {7080, 8040, 3255, 615}}};
    const LensTypeRow& type = RowOf(o.orderLensType);
    page.pictures = {{.name = "Image1", .picture = PagePicture::Logo, .box = {240, 600, 2610, 645}},
                     {.name = type.imageName, .picture = type.picture, .box = type.image}};
    return page;
}

const PageText& TextNamed(const OrderPage& page, std::string_view name)
{
    const auto it =
        std::find_if(page.texts.begin(), page.texts.end(), [name](const PageText& t) { return t.name == name; });
    if (it == page.texts.end())
        throw std::out_of_range("no text " + std::string(name) + " on the order page");
    return *it;
}

} // namespace corvane
