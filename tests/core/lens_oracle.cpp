#include "lens_oracle.h"

#include <cctype>
#include <cmath>

namespace corvane::test {
namespace {

bool Digits(std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; }

std::string Diameter(double d, const NumberFormat& fmt) { return Format(d, Decimals::One, fmt); }

// The laboratory's rule for differing diameters, written out on its own.
double ExpectedDiameter(double d, double pres, double cur)
{
    if (d >= 0.4)
        return pres == 9.0 ? 9.2 : 9.5;
    if (d > 0)
        return pres;
    if (d > -0.3)
        return cur;
    if (d > -0.6)
        return pres == 9.2 ? 9.0 : 9.2;
    return 9.0;
}

} // namespace

std::ostream& operator<<(std::ostream& os, const Lens& l)
{
    return os << "{" << l.bc << ", " << l.pow << ", " << l.diam << ", " << l.serie << "}";
}

bool TwoDecimals(std::string_view s, char sep)
{
    const std::size_t start = !s.empty() && s[0] == '-' ? 1 : 0;
    const std::size_t point = s.find(sep);
    return point != std::string_view::npos && point > start && Digits(s.substr(start, point - start)) &&
           s.size() == point + 3 && Digits(s.substr(point + 1));
}

bool IsNumberedError(std::string_view s)
{
    const std::size_t crlf = s.find("\r\n");
    return s.rfind("Error ", 0) == 0 && crlf != std::string_view::npos && crlf > 6 && Digits(s.substr(6, crlf - 6)) &&
           s.size() > crlf + 2;
}

bool IsToleranceMessage(std::string_view s)
{
    return s.find("outside of the recommended tolerances. Please consult") != std::string_view::npos;
}

bool HasNonFinite(std::string_view s)
{
    for (const char* w : {"inf", "nan", "INF", "NAN", "Inf", "NaN"})
        if (s.find(w) != std::string_view::npos)
            return true;
    return false;
}

std::string CheckBox(const ShownBox& box, bool questions)
{
    const bool trapped = IsNumberedError(box.text) &&
                         (box.title == "Error for OD" || box.title == "Error for OS" || box.title == "Corvane");
    const bool tolerance = IsToleranceMessage(box.text) && box.title == "Error";
    const bool question = questions && box.buttons == Buttons::YesNo;
    return trapped || tolerance || question ? "" : "message " + box.title + ": " + box.text;
}

std::string CheckLensShape(const Lens& l, const NumberFormat& fmt, bool markers, bool refined)
{
    if (l == kNoLens)
        return "";
    auto open = [&](const std::string& s) { return markers && s == "???"; };
    // A settled power is written as general number text.
    auto power = [&](const std::string& s) { return TwoDecimals(s, fmt.decimal) || (refined && IsNumeric(s, fmt)); };
    if (!TwoDecimals(l.bc, fmt.decimal) && !open(l.bc))
        return "base curve " + l.bc;
    if (!power(l.pow) && !open(l.pow))
        return "power " + l.pow;
    if (l.diam != Diameter(9.0, fmt) && l.diam != Diameter(9.2, fmt) && l.diam != Diameter(9.5, fmt))
        return "diameter " + l.diam;
    if (l.serie != "1" && l.serie != "2" && l.serie != "3" && !open(l.serie))
        return "series " + l.serie;
    return "";
}

std::string CheckSources(const Lens& pres, const Lens& cur, const Lens& fin, bool presDone, bool curDone)
{
    if ((pres != kNoLens) != presDone || (cur != kNoLens) != curDone)
        return "a design is shown that did not come out of this calculation";
    if (!presDone && !curDone && fin != kNoLens)
        return "a suggestion without a design";
    if (presDone && !curDone && fin != pres)
        return "the suggestion is not the keratometry design";
    if (!presDone && curDone && fin != cur)
        return "the suggestion is not the current-lens design";
    return "";
}

std::string CheckMerged(const Lens& pres, const Lens& cur, const Lens& fin, std::string_view worn,
                        const NumberFormat& fmt)
{
    // Differing texts are differing values; equal texts may still hide
    // values that differ beyond what is shown, which leave the marker.
    auto merged = [](const std::string& a, const std::string& b, const std::string& shown) {
        return a == b ? shown == a || shown == "???" : shown == "???";
    };
    if (!merged(pres.bc, cur.bc, fin.bc))
        return "merged base curve " + fin.bc + " from " + pres.bc + " and " + cur.bc;
    if (!merged(pres.pow, cur.pow, fin.pow))
        return "merged power " + fin.pow + " from " + pres.pow + " and " + cur.pow;
    if (fin.serie != (pres.serie == cur.serie ? pres.serie : "???"))
        return "merged series " + fin.serie + " from " + pres.serie + " and " + cur.serie;
    std::string diameter = pres.diam;
    if (pres.diam != cur.diam) {
        const double p = ToNumber(pres.diam, fmt);
        const double d = ToNumber(worn, fmt) - p;
        diameter = Diameter(ExpectedDiameter(d, p, ToNumber(cur.diam, fmt)), fmt);
    }
    if (fin.diam != diameter)
        return "merged diameter " + fin.diam + ", expected " + diameter;
    return "";
}

} // namespace corvane::test
