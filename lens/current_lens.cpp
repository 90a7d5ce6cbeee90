#include "lens/engine.h"
#include "lens/rules.h"

namespace corvane::lens {
namespace {

using Field = std::string CurrentLensEntries::*;
// Each entry with the one that takes the focus when it is at fault.
struct EntryOf {
    Field field;
    Entry entry;
};
constexpr EntryOf kBC{&CurrentLensEntries::bc, Entry::CurBC};
constexpr EntryOf kPower{&CurrentLensEntries::power, Entry::CurPower};
constexpr EntryOf kDiam{&CurrentLensEntries::diam, Entry::CurDiam};
constexpr EntryOf kAdd{&CurrentLensEntries::add, Entry::CurAdd};

std::optional<Fault> Failed(EntryOf entry, int number, Say message)
{
    return Fault{RuntimeError(number, {message}), entry.entry};
}

} // namespace

CurrentLensCheck ValidateCurrentLens(CurrentLensEntries entries, bool prescriptionTicked,
                                     const std::string& prescriptionAdd, const NumberFormat& fmt)
{
    CurrentLensCheck out{std::move(entries), std::nullopt};
    std::string& add = out.entries.add;
    auto missing = [&](EntryOf i) { return (out.entries.*i.field).empty(); };
    auto numeric = [&](EntryOf i) { return IsNumeric(out.entries.*i.field, fmt); };
    if (missing(kBC))
        out.fault = Failed(kBC, 618, Say::CurBCNeeded);
    else if (!numeric(kBC))
        out.fault = Failed(kBC, 619, Say::CurBCNotNumeric);
    else if (missing(kPower))
        out.fault = Failed(kPower, 620, Say::CurPowerNeeded);
    else if (!numeric(kPower))
        out.fault = Failed(kPower, 621, Say::CurPowerNotNumeric);
    else if (missing(kDiam))
        out.fault = Failed(kDiam, 622, Say::CurDiamNeeded);
    else if (!numeric(kDiam))
        out.fault = Failed(kDiam, 623, Say::CurDiamNotNumeric);
    else if (missing(kAdd) && !prescriptionTicked)
        out.fault = Failed(kAdd, 624, Say::CurAddNeeded);
    else if (missing(kAdd)) {
        add = prescriptionAdd;
        // The prescription add may itself be missing or wrong; a design
        // from it would fail without saying which entry is at fault.
        if (missing(kAdd))
            out.fault = Failed(kAdd, 624, Say::CurAddNeeded);
        else if (!numeric(kAdd))
            out.fault = Failed(kAdd, 625, Say::CurAddNotNumeric);
    } else if (!numeric(kAdd)) {
        out.fault = Failed(kAdd, 625, Say::CurAddNotNumeric);
    }
    return out;
}

CurrentLensDesign DesignFromCurrentLens(CurrentLensEntries entries, const NumberFormat& fmt)
{
    CurrentLensDesign out{std::move(entries), std::nullopt, std::nullopt, 0};
    auto value = [&](EntryOf i) { return ToNumber(out.entries.*i.field, fmt); };
    auto write = [&](EntryOf i, double v) { out.entries.*i.field = NumberToText(v, fmt); };
    auto hundredths = [&](EntryOf i, bool negativeToo) {
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
            out.entries.bc = Format(out.entries.bc, Decimals::Two, fmt);
        }
        out.wornDiameter = value(kDiam);
        Design lens;
        lens.power = rules::DesignPower(value(kPower));
        lens.bc = rules::CurrentBaseCurve(value(kBC));
        lens.diam = rules::CurrentDiameter(out.wornDiameter);
        lens.series = rules::SeriesOf(value(kAdd));
        if (!ShownWhole(lens, fmt))
            RaiseOverflow();
        out.lens = lens;
    } catch (const RuntimeError& err) {
        // A design that failed half-way produced no lens.
        out.fault = Fault{err, Entry::None};
    }
    return out;
}

} // namespace corvane::lens
