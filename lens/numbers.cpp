#include "lens/numbers.h"

#include "lens/errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

namespace corvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

enum class Parse { Ok, Syntax, Overflow };

struct Parsed {
    Parse status = Parse::Syntax;
    double value = 0.0;
};

// Reads the exponent's digits, saturating far beyond any double's range.
long long ExponentOf(std::string_view digits, bool negative)
{
    constexpr long long kCap = 1'000'000'000LL;
    long long value = 0;
    for (char c : digits)
        value = std::min(kCap, value * 10 + (c - '0'));
    return negative ? -value : value;
}

// Converts significant digits (no leading zero) times ten to the power of
// `exponent`, the power of the first digit. The range is decided by the
// value: one beyond a double is an overflow, one below its smallest is zero.
Parsed Convert(bool negative, std::string_view digits, long long exponent)
{
    const double zero = negative ? -0.0 : 0.0;
    if (digits.empty())
        return {Parse::Ok, zero};
    constexpr long long kBeyond = 400; // past a double's largest power of ten
    if (exponent > kBeyond)
        return {Parse::Overflow, 0.0};
    if (exponent < -kBeyond)
        return {Parse::Ok, zero};
    std::string canon;
    canon.reserve(digits.size() + 8);
    if (negative)
        canon.push_back('-');
    canon.push_back(digits.front());
    canon.push_back('.');
    canon.append(digits.substr(1));
    canon.push_back('e');
    canon += std::to_string(exponent);
    double value = 0.0;
    const char* last = canon.data() + canon.size();
    auto [ptr, ec] = std::from_chars(canon.data(), last, value);
    if (ec == std::errc() && ptr == last && std::isfinite(value))
        return {Parse::Ok, value};
    if (ec == std::errc::result_out_of_range || (ec == std::errc() && !std::isfinite(value)))
        return exponent > 0 ? Parsed{Parse::Overflow, 0.0} : Parsed{Parse::Ok, zero};
    return {};
}

// Validates the syntax and converts with the C++ conversion routines, which
// ignore the C library's locale: the separator comes from fmt alone.
Parsed ParseNumber(std::string_view text, const NumberFormat& fmt)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    std::string_view s = text.substr(b, e - b);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string digits;    // the mantissa's digits from its first non-zero one
    long long firstAt = 0; // position of that digit among all mantissa digits
    long long count = 0;
    auto take = [&] {
        while (i < s.size() && IsDigit(s[i])) {
            if (digits.empty() && s[i] != '0')
                firstAt = count;
            if (!digits.empty() || s[i] != '0')
                digits.push_back(s[i]);
            ++count;
            ++i;
        }
    };
    take();
    const long long intDigits = count;
    if (i < s.size() && s[i] == fmt.decimal) {
        ++i;
        take();
    }
    if (count == 0)
        return {};
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negativeExponent = s[i++] == '-';
        const std::size_t from = i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        if (i == from)
            return {};
        exponent = ExponentOf(s.substr(from, i - from), negativeExponent);
    }
    if (i != s.size())
        return {};
    return Convert(negative, digits, intDigits - firstAt - 1 + exponent);
}

} // namespace

bool IsNumeric(std::string_view text, const NumberFormat& fmt) { return ParseNumber(text, fmt).status == Parse::Ok; }

double ToNumber(std::string_view text, const NumberFormat& fmt)
{
    Parsed p = ParseNumber(text, fmt);
    if (p.status == Parse::Overflow)
        RaiseOverflow();
    if (p.status != Parse::Ok)
        RaiseTypeMismatch();
    return p.value;
}

std::string NumberToText(double value, const NumberFormat& fmt)
{
    if (!std::isfinite(value))
        RaiseOverflow();
    if (value == 0.0)
        return "0";
    std::array<char, 64> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    if (ec != std::errc())
        RaiseOverflow();
    std::string out(buf.data(), ptr);
    for (char& c : out) {
        if (c == '.')
            c = fmt.decimal;
        else if (c == 'e')
            c = 'E';
    }
    return out;
}

std::string Format(double value, Decimals places, const NumberFormat& fmt)
{
    const int decimals = static_cast<int>(places);
    if (!std::isfinite(value))
        RaiseOverflow();
    // The 15-significant-digit decimal form: d.dddddddddddddde[+-]XX.
    std::array<char, 64> buf{};
    auto [ptr, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value), std::chars_format::scientific, 14);
    if (ec != std::errc())
        RaiseOverflow();
    std::string sci(buf.data(), ptr);
    const std::size_t epos = sci.find('e');
    std::string digits;
    for (std::size_t i = 0; i < epos; ++i)
        if (IsDigit(sci[i]))
            digits.push_back(sci[i]);
    int exponent = std::stoi(sci.substr(epos + 1));

    int point = exponent + 1; // digits before the decimal point
    if (point <= 0) {
        digits.insert(0, static_cast<std::size_t>(-point), '0');
        point = 0;
    }
    const std::size_t keep = static_cast<std::size_t>(point) + static_cast<std::size_t>(decimals);
    if (digits.size() < keep + 1)
        digits.append(keep + 1 - digits.size(), '0');
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        bool carry = true;
        while (carry && i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                carry = false;
            }
        }
        if (carry) {
            digits.insert(0, 1, '1');
            ++point;
        }
    }
    std::string whole = digits.substr(0, static_cast<std::size_t>(point));
    const std::size_t nz = whole.find_first_not_of('0');
    whole = nz == std::string::npos ? "0" : whole.substr(nz);
    const std::string frac = digits.substr(static_cast<std::size_t>(point));
    const bool nonZero = digits.find_first_not_of('0') != std::string::npos;
    std::string out = (value < 0 && nonZero) ? "-" : "";
    out += whole;
    out.push_back(fmt.decimal);
    out += frac;
    return out;
}

std::string Format(std::string_view text, Decimals decimals, const NumberFormat& fmt)
{
    return Format(ToNumber(text, fmt), decimals, fmt);
}

double Int(double x)
{
    if (!std::isfinite(x))
        RaiseOverflow();
    return std::floor(x);
}

int ToWholeNumber(double x)
{
    if (!std::isfinite(x))
        RaiseOverflow();
    double whole = std::floor(x);
    const double rest = x - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < -32768.0 || whole > 32767.0)
        RaiseOverflow();
    return static_cast<int>(whole);
}

std::string IntToText(int value) { return std::to_string(value); }

double Checked(double x)
{
    if (!std::isfinite(x))
        RaiseOverflow();
    return x;
}

double Add(double a, double b) { return Checked(a + b); }
double Sub(double a, double b) { return Checked(a - b); }
double Mul(double a, double b) { return Checked(a * b); }

double Div(double a, double b)
{
    if (b == 0.0) {
        if (a == 0.0)
            RaiseOverflow();
        RaiseDivisionByZero();
    }
    return Checked(a / b);
}

} // namespace corvane
