// Calls the lens engine directly and checks properties of its answers
// instead of re-typing its rules:
//   - arbitrary texts in every entry: the first failed check has a number of
//     its own; a lens is well formed; normalised entries pass the checks;
//   - the same lens for keratometry given in mm or in dioptres, and for
//     entries typed with or without the decimal point;
//   - the left eye designed like the right one from the same entries, with
//     another eye designed in between;
//   - a merge of two equal designs has no open value;
//   - every settled value comes from one of the two designs or from the
//     over-refraction.
//
// Input: byte 0 picks the locale (bit 0: comma) and the answers to the
// settling questions (bits 1..4); byte 1 picks the forms of the generated
// entries; the rest, split at line feeds, is the seven prescription entries,
// the four current-lens entries, the over-refraction, then the numbers of
// the generated entries.

#include "lens/engine.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace corvane;
using namespace corvane::lens;

void Require(bool ok, const char* problem)
{
    if (ok)
        return;
    std::fprintf(stderr, "property broken: %s\n", problem);
    std::abort();
}

void CheckDesign(const Design& d)
{
    Require(std::isfinite(d.bc) && std::isfinite(d.power), "a lens value is not finite");
    Require(d.diam == 9.0 || d.diam == 9.2 || d.diam == 9.5, "a diameter outside 9.0, 9.2, 9.5");
    Require(d.series >= 1 && d.series <= 3, "a series outside 1..3");
}

void CheckFault(const Fault& f)
{
    const int n = f.error.Number;
    Require((n >= 601 && n <= 625) || n == kErrOverflow || n == kErrDivisionByZero, "an unknown error number");
    Require((n >= 601) == (f.entry != Entry::None), "a check without its entry");
}

struct Designed {
    std::optional<Design> lens;
    PrescriptionEntries entries;
};

Designed Prescription(const PrescriptionEntries& in, const NumberFormat& fmt)
{
    if (const std::optional<Fault> fault = ValidatePrescription(in, fmt)) {
        CheckFault(*fault);
        return {std::nullopt, in};
    }
    const PrescriptionDesign d = DesignFromPrescription(in, fmt);
    if (d.fault)
        CheckFault(*d.fault);
    else
        Require(!ValidatePrescription(d.entries, fmt), "normalised entries fail a check");
    if (d.lens)
        CheckDesign(*d.lens);
    Require(!d.lens || (d.warnings.empty() && !d.fault), "a lens shown despite a warning");
    return {d.lens, d.entries};
}

std::optional<CurrentLensDesign> Current(const CurrentLensEntries& in, const std::string& presAdd,
                                         const NumberFormat& fmt)
{
    const CurrentLensCheck check = ValidateCurrentLens(in, !presAdd.empty(), presAdd, fmt);
    if (check.fault) {
        CheckFault(*check.fault);
        return std::nullopt;
    }
    CurrentLensDesign d = DesignFromCurrentLens(check.entries, fmt);
    if (d.fault)
        CheckFault(*d.fault);
    if (d.lens)
        CheckDesign(*d.lens);
    return d;
}

// A number of hundredths from a field, within the given size.
long Hundredths(const std::string& field, long from, long to)
{
    unsigned long h = 0;
    for (unsigned char c : field)
        h = h * 31 + c;
    return from + static_cast<long>(h % static_cast<unsigned long>(to - from + 1));
}

// A value typed as the practitioner may: with its decimal point, or as
// hundredths where those are read so (100 or more in size).
std::string Typed(long hundredths, bool withoutPoint, const NumberFormat& fmt)
{
    if (withoutPoint && (hundredths >= 100 || hundredths <= -100))
        return std::to_string(hundredths);
    return NumberToText(static_cast<double>(hundredths) / 100, fmt);
}

// The same prescription in two forms designs the same lens.
void SameLensInEveryForm(const std::vector<std::string>& f, std::uint8_t forms, const NumberFormat& fmt)
{
    auto field = [&](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
    const long r1 = Hundredths(field(12), 650, 900);
    const long r2 = Hundredths(field(13), 650, 900);
    const long sphere = Hundredths(field(14), -2000, 2000);
    const long cyl = Hundredths(field(15), -600, 600);
    const long axis = Hundredths(field(16), 1, 180);
    const long add = Hundredths(field(17), 75, 300);
    auto entries = [&](bool radii, bool withoutPoint) {
        auto kera = [&](long r) {
            return radii ? Typed(r, withoutPoint, fmt) : NumberToText(Div(337.5, static_cast<double>(r) / 100), fmt);
        };
        return PrescriptionEntries{kera(r1),
                                   kera(r2),
                                   Typed(sphere, withoutPoint, fmt),
                                   cyl == 0 ? std::string() : Typed(cyl, withoutPoint, fmt),
                                   cyl == 0 ? std::string() : std::to_string(axis),
                                   "12",
                                   Typed(add, withoutPoint, fmt)};
    };
    const bool radii = (forms & 1) != 0;
    const bool withoutPoint = (forms & 2) != 0;
    const Designed a = Prescription(entries(radii, withoutPoint), fmt);
    const Designed b = Prescription(entries(!radii, !withoutPoint), fmt);
    Require(a.lens == b.lens, "mm and dioptres, or a typed decimal point, design different lenses");
}

void Settle(const Design& pres, const Design& cur, double worn, std::uint8_t answers, double over,
            const NumberFormat& fmt)
{
    const Suggestion same = SuggestFinalLens(pres, pres, worn);
    Require(same.lens && !HasOpenValue(*same.lens), "a merge of equal designs is open");
    const Suggestion merged = SuggestFinalLens(pres, cur, worn);
    if (merged.fault) {
        CheckFault(*merged.fault);
        return;
    }
    EyeResult eye{pres, cur, merged.lens};
    eye = SettleBaseCurve(eye, (answers & 1) != 0);
    if ((answers & 2) != 0) {
        eye = SettlePowerFromCurrentLens(eye);
    } else {
        const PowerCorrection r = SettlePowerByOverRefraction(eye, NumberToText(cur.power + 0.5, fmt), over, fmt);
        if (r.fault)
            CheckFault(*r.fault);
        eye = r.eye;
    }
    const AddChoice choice = (answers & 4) != 0 ? AddChoice::Prescription : AddChoice::CurrentLens;
    eye = SettleSeries(eye, {"2", "1.5"}, choice).eye;
    const SuggestedLens& s = *eye.suggested;
    // Whatever the engine settles, the windows can write and order.
    Texts(s, "???", fmt);
    Require(Settled(s).has_value() != HasOpenValue(s), "a lens both open and settled");
    Require(!s.bc || *s.bc == pres.bc || *s.bc == cur.bc, "a base curve from neither design");
    Require(!s.series || *s.series == pres.series || *s.series == cur.series, "a series from neither design");
    Require(!s.diam || *s.diam == 9.0 || *s.diam == 9.2 || *s.diam == 9.5, "a diameter outside the three");
    if (s.power && *s.power != pres.power && *s.power != cur.power) {
        const double shown = ToNumber(Format(cur.power, Decimals::Two, fmt), fmt);
        Require(*s.power == ToNumber(NumberToText(shown + over, fmt), fmt), "a power from nowhere");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const NumberFormat fmt{(data[0] & 1) != 0 ? ',' : '.'};
    std::vector<std::string> f(1);
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] == '\n')
            f.emplace_back();
        else
            f.back().push_back(static_cast<char>(data[i]));
    }
    auto field = [&](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
    const PrescriptionEntries pres{field(0), field(1), field(2), field(3), field(4), field(5), field(6)};
    const CurrentLensEntries cur{field(7), field(8), field(9), field(10)};

    const Designed right = Prescription(pres, fmt);
    const std::optional<CurrentLensDesign> worn = Current(cur, right.entries.add, fmt);
    // Another eye in between: nothing of it may reach the next design.
    Prescription({"40", "41", "-9.75", "-1", "90", "12", "3"}, fmt);
    const Designed left = Prescription(pres, fmt);
    Require(left.lens == right.lens && left.entries == right.entries, "the left eye designed unlike the right");

    SameLensInEveryForm(f, data[1], fmt);

    if (right.lens && worn && worn->lens) {
        double over = 0;
        if (IsNumeric(field(11), fmt))
            over = ToNumber(field(11), fmt);
        Settle(*right.lens, *worn->lens, worn->wornDiameter, static_cast<std::uint8_t>(data[0] >> 1), over, fmt);
    }
    return 0;
}
