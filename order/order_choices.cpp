#include "order/order_choices.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr Choice<EdgeThickness> kEdge[] = {
    {EdgeThickness::Thin, "Thin"},
    {EdgeThickness::Standard, "Standard"},
    {EdgeThickness::MinusCarrier, "Minus Carrier"},
};
constexpr Choice<CenterThickness> kCenter[] = {
    {CenterThickness::Standard, "Standard"},
    {CenterThickness::Thick, "Thick"},
};

// Every value of the enums has its row.
template <class Value>
std::string TextIn(std::span<const Choice<Value>> choices, Value value)
{
    return std::ranges::find(choices, value, &Choice<Value>::value)->text;
}

} // namespace

std::span<const Choice<EdgeThickness>> EdgeThicknesses() { return kEdge; }
std::span<const Choice<CenterThickness>> CenterThicknesses() { return kCenter; }

std::string Text(EdgeThickness edge) { return TextIn(EdgeThicknesses(), edge); }
std::string Text(CenterThickness center) { return TextIn(CenterThicknesses(), center); }

} // namespace corvane
