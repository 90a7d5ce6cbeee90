#include "lens/engine.h"
#include "lens/rules.h"

namespace corvane::lens {
namespace {

enum : std::size_t { kBC, kPower, kDiam, kAdd };

constexpr Entry kEntries[] = {Entry::CurBC, Entry::CurPower, Entry::CurDiam, Entry::CurAdd};

std::optional<Fault> Failed(std::size_t entry, int number, const char* message)
{
    return Fault{RuntimeError(number, message), kEntries[entry]};
}

} // namespace

CurrentLensCheck ValidateCurrentLens(CurrentLensEntries entries, bool prescriptionTicked,
                                     const std::string& prescriptionAdd, const NumberFormat& fmt)
{
    CurrentLensCheck out{std::move(entries), std::nullopt};
    std::string& add = out.entries[kAdd];
    auto missing = [&](std::size_t i) { return out.entries[i].empty(); };
    auto numeric = [&](std::size_t i) { return IsNumeric(out.entries[i], fmt); };
    if (missing(kBC))
        out.fault = Failed(kBC, 618, "The current lens base curve is needed");
    else if (!numeric(kBC))
        out.fault = Failed(kBC, 619, "The current lens base curve is not numeric");
    else if (missing(kPower))
        out.fault = Failed(kPower, 620, "The current lens power is needed");
    else if (!numeric(kPower))
        out.fault = Failed(kPower, 621, "The current lens power is not numeric");
    else if (missing(kDiam))
        out.fault = Failed(kDiam, 622, "The current lens diameter is needed");
    else if (!numeric(kDiam))
        out.fault = Failed(kDiam, 623, "The current lens diameter is not numeric");
    else if (missing(kAdd) && !prescriptionTicked)
        out.fault = Failed(kAdd, 624, "Please enter the current patient's add");
    else if (missing(kAdd)) {
        add = prescriptionAdd;
        // The prescription add may itself be missing or wrong; a design
        // from it would fail without saying which entry is at fault.
        if (missing(kAdd))
            out.fault = Failed(kAdd, 624, "Please enter the current patient's add");
        else if (!numeric(kAdd))
            out.fault = Failed(kAdd, 625, "The client's add is not numeric");
    } else if (!numeric(kAdd)) {
        out.fault = Failed(kAdd, 625, "The client's add is not numeric");
    }
    return out;
}

CurrentLensDesign DesignFromCurrentLens(CurrentLensEntries entries, const NumberFormat& fmt)
{
    CurrentLensDesign out{std::move(entries), std::nullopt, std::nullopt, 0};
    auto value = [&](std::size_t i) { return ToNumber(out.entries[i], fmt); };
    auto write = [&](std::size_t i, double v) { out.entries[i] = NumberToText(v, fmt); };
    auto hundredths = [&](std::size_t i, bool negativeToo) {
        const double v = value(i);
        if (rules::InHundredths(v, negativeToo))
            write(i, Div(v, 100));
    };
    try {
        hundredths(kBC, false);
        hundredths(kPower, true);
        hundredths(kDiam, false);
        hundredths(kAdd, false);
        if (const double v = value(kBC); rules::InDioptres(v)) {
            // A base curve in dioptres becomes a radius, kept to two decimals.
            write(kBC, rules::OtherCurvatureUnit(v));
            out.entries[kBC] = Format(out.entries[kBC], "0.00", fmt);
        }
        out.wornDiameter = value(kDiam);
        Design lens;
        lens.power = rules::DesignPower(value(kPower));
        lens.bc = rules::CurrentBaseCurve(value(kBC));
        lens.diam = rules::CurrentDiameter(out.wornDiameter);
        lens.series = rules::SeriesOf(value(kAdd));
        out.lens = lens;
    } catch (const RuntimeError& err) {
        // A design that failed half-way produced no lens.
        out.fault = Fault{err, Entry::None};
    }
    return out;
}

} // namespace corvane::lens
