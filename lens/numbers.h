#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The system's number format, built once by the toolkit layer and handed to
// every service that reads or writes numbers as text.
struct NumberFormat {
    char decimal = '.';
};

// True when the text converts to a finite double: surrounding blanks, an
// optional sign, digits with at most one decimal separator (at least one
// digit), an optional exponent.
bool IsNumeric(std::string_view text, const NumberFormat& fmt);

// Text to number; raises Type mismatch for a text that is not a number and
// Overflow for one whose value is beyond a double.
double ToNumber(std::string_view text, const NumberFormat& fmt);

// Number to text: general form, at most 15 significant digits, no trailing
// zeros or separator ("-2.9", "-3", "43.2692307692308", "1E+20").
std::string NumberToText(double value, const NumberFormat& fmt);

// How many decimals a fixed-decimal text has.
enum class Decimals { One = 1, Two = 2 };

// Fixed-decimal text ("9.0", "-3.13"): at least one digit before the
// separator, rounded half away from zero on the value's 15-digit decimal
// form.
std::string Format(double value, Decimals decimals, const NumberFormat& fmt);
// A text argument is converted to a number first.
std::string Format(std::string_view text, Decimals decimals, const NumberFormat& fmt);

// The greatest integer not above x.
double Int(double x);

// Conversion to a 16-bit whole number: nearest integer, a half going to the
// even neighbour; Overflow outside -32768..32767 or for a non-finite value.
int ToWholeNumber(double x);

// Whole number to text ("1", "-12").
std::string IntToText(int value);

// Checked arithmetic: every result that is not finite is an Overflow, a
// division of a non-zero value by zero is a Division by zero.
double Checked(double x);
double Add(double a, double b);
double Sub(double a, double b);
double Mul(double a, double b);
double Div(double a, double b);

} // namespace corvane
