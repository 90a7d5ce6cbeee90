#include "lens/errors.h"
#include "lens/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace corvane {
namespace {

constexpr NumberFormat kPoint{'.'};
constexpr NumberFormat kComma{','};

// Swaps the decimal point of a point-locale text for the comma.
std::string Commas(std::string s)
{
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}

struct NumericCase {
    const char* name;
    const char* text;
    bool numeric;
    double value;
};

const NumericCase kNumericCases[] = {
    {"integer", "43", true, 43},
    {"decimal", "43.25", true, 43.25},
    {"leading_point", ".5", true, 0.5},
    {"trailing_point", "5.", true, 5},
    {"negative", "-3.50", true, -3.5},
    {"plus_sign", "+1.25", true, 1.25},
    {"minus_zero", "-0", true, 0},
    {"surrounding_blanks", "  7.8 ", true, 7.8},
    {"exponent", "1e3", true, 1000},
    {"exponent_signed", "2.5E-1", true, 0.25},
    {"huge_but_finite", "1e308", true, 1e308},
    {"underflow_is_zero", "1e-400", true, 0},
    {"empty", "", false, 0},
    {"blank", " ", false, 0},
    {"point_alone", ".", false, 0},
    {"minus_alone", "-", false, 0},
    {"plus_alone", "+", false, 0},
    {"letters", "abc", false, 0},
    {"inf", "inf", false, 0},
    {"nan", "nan", false, 0},
    {"hex", "0x1A", false, 0},
    {"beyond_double", "1e999", false, 0},
    {"exponent_without_digits", "1e", false, 0},
    {"two_points", "1.2.3", false, 0},
    {"inner_blank", "4 3", false, 0},
    {"double_sign", "--1", false, 0},
    {"trailing_letter", "7.8mm", false, 0},
};

class NumericTest : public testing::TestWithParam<NumericCase> {};

TEST_P(NumericTest, PointLocale)
{
    const NumericCase& c = GetParam();
    EXPECT_EQ(IsNumeric(c.text, kPoint), c.numeric);
    if (c.numeric) {
        EXPECT_EQ(ToNumber(c.text, kPoint), c.value);
    } else {
        EXPECT_THROW(ToNumber(c.text, kPoint), RuntimeError);
    }
}

TEST_P(NumericTest, CommaLocale)
{
    const NumericCase& c = GetParam();
    const std::string text = Commas(c.text);
    EXPECT_EQ(IsNumeric(text, kComma), c.numeric);
    if (c.numeric) {
        EXPECT_EQ(ToNumber(text, kComma), c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericTest, testing::ValuesIn(kNumericCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumericSeparator, OtherLocalesSeparatorIsNotNumeric)
{
    EXPECT_FALSE(IsNumeric("1,5", kPoint));
    EXPECT_FALSE(IsNumeric("1.5", kComma));
}

TEST(ToNumberErrors, NumbersOfTheRunTimeErrors)
{
    try {
        ToNumber("abc", kPoint);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number, 13);
        EXPECT_EQ(English(e.Description), "Type mismatch");
    }
    try {
        ToNumber("1e999", kPoint);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number, 6);
        EXPECT_EQ(English(e.Description), "Overflow");
    }
}

// Long texts: the value, not the exponent's sign, decides the range.
struct RangeCase {
    const char* name;
    std::string text;
    bool numeric;
    double value;
};

TEST(NumericRange, DecidedByTheValue)
{
    const std::string zeros(5000, '0');
    const RangeCase cases[] = {
        {"huge_mantissa", "1" + zeros, false, 0},
        {"huge_mantissa_negative_exponent", "1" + zeros + "e-1", false, 0},
        {"huge_mantissa_brought_into_range", "1" + zeros + "e-4990", true, 1e10},
        {"tiny_fraction", "0." + std::string(9997, '0') + "1", true, 0},
        {"tiny_fraction_negative", "-0." + std::string(9997, '0') + "1", true, -0.0},
        {"fraction_brought_into_range", "0." + zeros + "25e5001", true, 2.5},
        {"subnormal", "4.9e-324", true, 4.9e-324},
        {"long_exponent_large", "1e99999999999999999999", false, 0},
        {"long_exponent_small", "1e-99999999999999999999", true, 0},
        {"zero_with_huge_exponent", "0e99999", true, 0},
        {"largest_double", "1.7976931348623157e308", true, 1.7976931348623157e308},
        {"just_beyond_largest", "1.8e308", false, 0},
        {"leading_zeros", "000043.25", true, 43.25},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsNumeric(c.text, kPoint), c.numeric);
        if (c.numeric) {
            EXPECT_EQ(ToNumber(c.text, kPoint), c.value);
        } else {
            try {
                ToNumber(c.text, kPoint);
                ADD_FAILURE() << "no error";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.Number, 6);
            }
        }
    }
}

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

const TextCase kTextCases[] = {
    {"sum_without_noise", -3.1 + 0.2, "-2.9"},
    {"whole", -3.0, "-3"},
    {"radius_to_dioptres", 337.5 / 7.8, "43.2692307692308"},
    {"hundredths", -350 / 100.0, "-3.5"},
    {"zero", 0.0, "0"},
    {"negative_zero", -0.0, "0"},
    {"fifteen_digits", 123456789012345.0, "123456789012345"},
    {"large_is_exponent", 1e20, "1E+20"},
    {"small", 0.0001, "0.0001"},
    {"smaller_is_exponent", 0.00001, "1E-05"},
    {"tenth", 0.1, "0.1"},
};

class NumberToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToTextTest, BothLocales)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(NumberToText(c.value, kPoint), c.text);
    EXPECT_EQ(NumberToText(c.value, kComma), Commas(c.text));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberToTextTest, testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    double value;
    Decimals decimals;
    const char* text;
};

const FormatCase kFormatCases[] = {
    {"half_away_negative", -3.125, Decimals::Two, "-3.13"},
    {"half_away_positive", 3.375, Decimals::Two, "3.38"},
    {"decimal_form_half", 2.675, Decimals::Two, "2.68"},
    {"one_decimal", 9.0, Decimals::One, "9.0"},
    {"one_decimal_half", 9.25, Decimals::One, "9.3"},
    {"leading_zero", 0.5, Decimals::Two, "0.50"},
    {"negative_power", -5.25, Decimals::Two, "-5.25"},
    {"noise_below", 8.5 - 0.1 - 0.1, Decimals::Two, "8.30"},
    {"noise_above", 7.7 - 0.1, Decimals::Two, "7.60"},
    {"carry_into_units", 0.995, Decimals::Two, "1.00"},
    {"carry_into_tens", 9.96, Decimals::One, "10.0"},
    {"rounds_to_zero_no_sign", -0.004, Decimals::Two, "0.00"},
    {"zero", 0.0, Decimals::Two, "0.00"},
    {"large", 12345.678, Decimals::Two, "12345.68"},
    {"huge", 1e20, Decimals::One, "100000000000000000000.0"},
    {"tiny", 1e-20, Decimals::Two, "0.00"},
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, BothLocales)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(Format(c.value, c.decimals, kPoint), c.text);
    EXPECT_EQ(Format(c.value, c.decimals, kComma), Commas(c.text));
}

INSTANTIATE_TEST_SUITE_P(Values, FormatTest, testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatText, TextIsConvertedFirst)
{
    EXPECT_EQ(Format("7.845", Decimals::Two, kPoint), "7.85");
    EXPECT_EQ(Format("7,845", Decimals::Two, kComma), "7,85");
    EXPECT_THROW(Format("x", Decimals::Two, kPoint), RuntimeError);
}

TEST(WholeNumbers, IntAndHalfToEven)
{
    EXPECT_EQ(Int(79.6), 79);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(ToWholeNumber(0.5), 0);
    EXPECT_EQ(ToWholeNumber(1.5), 2);
    EXPECT_EQ(ToWholeNumber(2.5), 2);
    EXPECT_EQ(ToWholeNumber(-2.5), -2);
    EXPECT_EQ(ToWholeNumber(179.6), 180);
    EXPECT_EQ(ToWholeNumber(32767.4), 32767);
    EXPECT_THROW(ToWholeNumber(32767.5), RuntimeError);
    EXPECT_THROW(ToWholeNumber(-1e300), RuntimeError);
}

TEST(CheckedArithmetic, NeverLetsANonFiniteValueThrough)
{
    const double inf = std::numeric_limits<double>::infinity();
    auto number = [](auto f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.Number;
        }
        return 0;
    };
    EXPECT_EQ(number([] { Div(1, 0); }), 11);
    EXPECT_EQ(number([] { Div(0, 0); }), 6);
    EXPECT_EQ(number([] { Mul(1e308, 10); }), 6);
    EXPECT_EQ(number([] { Add(1e308, 1e308); }), 6);
    EXPECT_EQ(number([inf] { Int(inf); }), 6);
    EXPECT_EQ(number([inf] { NumberToText(inf, kPoint); }), 6);
    EXPECT_EQ(number([inf] { Format(-inf, Decimals::Two, kPoint); }), 6);
    EXPECT_EQ(Div(337.5, 43), 337.5 / 43);
}

} // namespace
} // namespace corvane
