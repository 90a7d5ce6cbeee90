#pragma once

#include <array>
#include <span>
#include <string>

namespace corvane {

// The eyes an order speaks of.
enum class Eye { Right, Left };
inline constexpr std::array<Eye, 2> kEyes = {Eye::Right, Eye::Left};

// A value for each eye.
template <class T>
struct PerEye {
    T right{};
    T left{};
    constexpr T& operator[](Eye eye) { return eye == Eye::Right ? right : left; }
    constexpr const T& operator[](Eye eye) const { return eye == Eye::Right ? right : left; }
    bool operator==(const PerEye&) const = default;
};

// The lens types, in the order of the order window's option buttons; each
// has its row in LensTypes().
enum class LensType { Corvane, Velto };

// The thickness lists of one eye.
enum class EdgeThickness { Thin, Standard, MinusCarrier };
enum class CenterThickness { Standard, Thick };

// A choice of a list and its text, in the order the list offers them.
template <class Value>
struct Choice {
    Value value;
    const char* text;
};
std::span<const Choice<EdgeThickness>> EdgeThicknesses();
std::span<const Choice<CenterThickness>> CenterThicknesses();

// The text of a choice, as its list and the page show it.
std::string Text(EdgeThickness edge);
std::string Text(CenterThickness center);

} // namespace corvane
