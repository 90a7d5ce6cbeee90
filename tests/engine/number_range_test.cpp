#include "lens/errors.h"
#include "lens/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace corvane {
namespace {

// Texts whose value lies beyond a double, either way. Each must be decided
// by its value alone, with the same answer on every platform: a long double
// is wider than a double on Linux but not in every Windows runtime.
struct RangeCase {
    const char* name;
    const char* head;
    int zeros;
    const char* tail;
    bool numeric; // when numeric, the value is zero or the smallest double
    bool smallest;
};

const RangeCase kRangeCases[] = {
    {"tiny_fraction", "0.", 400, "1", true, false},
    {"tiny_negative_fraction", "-0.", 400, "1", true, false},
    {"tiny_fraction_positive_exponent", "0.", 400, "1e5", true, false},
    {"tiny_beyond_long_double", "0.", 5000, "1", true, false},
    {"half_of_smallest_rounds_to_zero", "0.", 323, "247032822920623272088", true, false},
    {"smallest_double", "0.", 323, "5", true, true},
    {"tiny_exponent_beyond_any_type", "1e-", 0, "99999999999999999999", true, false},
    {"zeros_with_huge_exponent", "0.", 400, "e99999999999999999999", true, false},
    {"huge_integer", "1", 400, "", false, false},
    {"huge_integer_negative_exponent", "1", 400, "e-5", false, false},
    {"huge_beyond_long_double", "1", 5000, "", false, false},
    {"tiny_fraction_huge_exponent", "0.", 400, "1e800", false, false},
    {"huge_exponent_beyond_any_type", "-1e", 0, "99999999999999999999", false, false},
};

std::string TextOf(const RangeCase& c, char decimal)
{
    std::string text = std::string(c.head) + std::string(static_cast<std::size_t>(c.zeros), '0') + c.tail;
    for (char& ch : text)
        if (ch == '.')
            ch = decimal;
    return text;
}

class NumberRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(NumberRangeTest, DecidedByValueInBothLocales)
{
    const RangeCase& c = GetParam();
    for (const char decimal : {'.', ','}) {
        const NumberFormat fmt{decimal};
        const std::string text = TextOf(c, decimal);
        EXPECT_EQ(IsNumeric(text, fmt), c.numeric) << decimal;
        if (!c.numeric) {
            try {
                ToNumber(text, fmt);
                ADD_FAILURE() << "no error for " << decimal;
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.Number, kErrOverflow) << decimal;
            }
            continue;
        }
        const double value = ToNumber(text, fmt);
        if (c.smallest) {
            EXPECT_EQ(value, std::nextafter(0.0, 1.0)) << decimal;
        } else {
            EXPECT_EQ(value, 0.0) << decimal;
            EXPECT_EQ(std::signbit(value), text[0] == '-') << decimal;
        }
        EXPECT_EQ(Format(text, Decimals::Two, fmt), std::string("0") + decimal + "00") << decimal;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberRangeTest, testing::ValuesIn(kRangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace corvane
