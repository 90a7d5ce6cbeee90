#pragma once

#include "lens/errors.h"
#include "lens/numbers.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The lens engine: the checks of the entries, the two designs, the suggested
// lens and its settling, as functions of values. Entries go in as the
// practitioner left them (texts); what comes out is what the windows show:
// the entries as normalised, the messages in the order they are shown, and
// the lenses as numbers. Nothing here knows a window.
namespace corvane::lens {

// Every entry of one eye, so that a fault or a warning can name the one
// that takes the focus.
enum class Entry { None, Kera1, Kera2, Sphere, Cylinder, Axis, Vertex, PresAdd, CurBC, CurPower, CurDiam, CurAdd };

// The prescription entries, in the order of their checks.
struct PrescriptionEntries {
    std::string kera1, kera2, sphere, cylinder, axis, vertex, add;
    bool operator==(const PrescriptionEntries&) const = default;
};
// The entries of the current spherical lens.
struct CurrentLensEntries {
    std::string bc, power, diam, add;
    bool operator==(const CurrentLensEntries&) const = default;
};
// Everything typed for one eye.
struct EyeEntries {
    PrescriptionEntries pres;
    CurrentLensEntries cur;
    bool operator==(const EyeEntries&) const = default;
};
// The entries of each method, in the order the window shows them.
inline constexpr std::array<Entry, 7> kPrescriptionEntries = {
    Entry::Kera1, Entry::Kera2, Entry::Sphere, Entry::Cylinder, Entry::Axis, Entry::Vertex, Entry::PresAdd};
inline constexpr std::array<Entry, 4> kCurrentLensEntries = {Entry::CurBC, Entry::CurPower, Entry::CurDiam,
                                                             Entry::CurAdd};
// What a new or cleared eye shows: every entry empty but the vertex
// distance, 12 mm as usual.
EyeEntries ClearedEntries();
// The text of one entry; Entry::None has none.
const std::string& Text(const EyeEntries& entries, Entry entry);
// An eye's entries from the text of each.
EyeEntries EntriesFrom(const std::function<std::string(Entry)>& textOf);

// A numbered check that failed, or a failure of the arithmetic of a design
// (then no entry is named).
struct Fault {
    RuntimeError error;
    Entry entry = Entry::None;
};

// A tolerance warning of the keratometry design: shown, then the focus goes
// to the entry; the lens is withheld.
struct Warning {
    Words message;
    Entry entry;
    bool operator==(const Warning&) const = default;
};

// How a power is written, the one rule for every window and the page: a
// designed power with two decimals ("-3.00"); a power settled by an
// over-refraction in the general form of number to text ("-2.875", "-3"),
// the form the correction was written back in, which two decimals would
// change.
enum class PowerForm { TwoDecimals, General };
std::string PowerText(double power, PowerForm form, const NumberFormat& fmt);

// A designed lens.
struct Design {
    double bc = 0;
    double power = 0;
    double diam = 0;
    int series = 0;
    PowerForm powerForm = PowerForm::TwoDecimals;
    bool operator==(const Design&) const = default;
};

// The four values of a lens as the windows write them: base curve, power,
// diameter, series.
struct LensTexts {
    std::string bc, pow, diam, serie;
    bool operator==(const LensTexts&) const = default;
};
LensTexts Texts(const Design& lens, const NumberFormat& fmt);
// What a lens value's text can hold: every window's and the page's box for
// it shows four digits, a sign and the separator whole ("-12.50", "-2.875").
inline constexpr std::size_t kValueDigits = 4;
inline constexpr std::size_t kValueRoom = 6;
// A lens whose values cannot all be shown whole is no lens: a design that
// gives one fails as its arithmetic would, with an overflow.
bool ShownWhole(const Design& lens, const NumberFormat& fmt);

// ---- The design from keratometry and refraction ----

// Whether the first keratometry reading is the flatter one. The design
// orders the two readings by their texts as written back into the entries,
// character by character, not by their values: the laboratory's lenses are
// designed so. For plain readings with two digits before the separator the
// two orders agree; "4.5E1" sorts before "44", and of two equal texts the
// second is the flatter.
bool FirstReadingIsFlatter(const std::string& kera1, const std::string& kera2);

std::optional<Fault> ValidatePrescription(const PrescriptionEntries& entries, const NumberFormat& fmt);

struct PrescriptionDesign {
    // The entries as the design normalised them, also after a fault.
    PrescriptionEntries entries;
    std::vector<Warning> warnings;
    // None when withheld (a warning, a reading outside the tables) or failed.
    std::optional<Design> lens;
    std::optional<Fault> fault;
};
// For entries that passed ValidatePrescription.
PrescriptionDesign DesignFromPrescription(PrescriptionEntries entries, const NumberFormat& fmt);

// ---- The design from the current spherical lens ----

struct CurrentLensCheck {
    // The add is taken from the prescription when it is missing.
    CurrentLensEntries entries;
    std::optional<Fault> fault;
};
CurrentLensCheck ValidateCurrentLens(CurrentLensEntries entries, bool prescriptionTicked,
                                     const std::string& prescriptionAdd, const NumberFormat& fmt);

struct CurrentLensDesign {
    CurrentLensEntries entries;
    std::optional<Design> lens;
    std::optional<Fault> fault;
    // The diameter of the lens worn, as normalised; the merge compares it.
    double wornDiameter = 0;
};
// For entries that passed ValidateCurrentLens.
CurrentLensDesign DesignFromCurrentLens(CurrentLensEntries entries, const NumberFormat& fmt);

// ---- The suggested lens ----

// Each value is settled, or open (nullopt) while the two designs disagree.
struct SuggestedLens {
    std::optional<double> bc;
    std::optional<double> power;
    std::optional<double> diam;
    std::optional<int> series;
    PowerForm powerForm = PowerForm::TwoDecimals;
    bool operator==(const SuggestedLens&) const = default;
};
bool HasOpenValue(const SuggestedLens& lens);
// Open values are written as `open`.
LensTexts Texts(const SuggestedLens& lens, const std::string& open, const NumberFormat& fmt);

// From both designs; the worn diameter decides differing diameters. A
// base curve too large to be cut to hundredths is a fault of the
// arithmetic, reported like a design's: the eye then has no suggestion.
struct Suggestion {
    std::optional<SuggestedLens> lens;
    std::optional<Fault> fault;
};
Suggestion SuggestFinalLens(const Design& pres, const Design& cur, double wornDiameter);
// From the one design that produced a lens.
SuggestedLens ShowSingleMethodResult(const Design& lens);

// The values that the two designs can leave open. The diameter never is:
// the worn diameter decides it.
enum class LensValue { BaseCurve, Power, Series };
// The open value the practitioner is first asked to click, if any: the base
// curve before the power; the series is left to its marker.
std::optional<LensValue> ValueToClick(const SuggestedLens& lens);

// One eye as the Calculate command left it: the designs that it shows, the
// suggested lens and the diameter of the lens worn (the merge compared it).
struct EyeResult {
    std::optional<Design> pres;
    std::optional<Design> cur;
    std::optional<SuggestedLens> suggested;
    double wornDiameter = 0;
};

// ---- The Calculate command for one eye ----

struct EyeInput {
    bool presTicked = false;
    bool curTicked = false;
    EyeEntries entries;
    bool operator==(const EyeInput&) const = default;
};
// The input as Calculate reads it: the entries of a method that is not
// ticked are never read, and stand as a cleared eye has them. Two inputs
// that read alike give the same calculation.
EyeInput AsRead(EyeInput input);
// A message of the Calculate command, in the order shown: a failed check or
// design (an error box), or a tolerance warning; each focuses its entry.
using EyeMessage = std::variant<Fault, Warning>;
struct EyeCalculation {
    // The entries as the checks and designs normalised them.
    EyeEntries entries;
    std::vector<EyeMessage> messages;
    EyeResult result;
};
// Runs the methods that are ticked, merges their designs or takes the one
// that produced a lens.
EyeCalculation CalculateEye(EyeInput input, const NumberFormat& fmt);

// ---- Settling the open values ----

// Open only where both designs gave a lens and disagree.
bool IsOpen(const EyeResult& eye, LensValue value);

// "Does the current spherical base curve provide an alignment fitting ?"
EyeResult SettleBaseCurve(EyeResult eye, bool currentFits);
// "Does the current lens' power Provide best distance vision accuity ?" Yes.
EyeResult SettlePowerFromCurrentLens(EyeResult eye);

// The power an over-refraction is added to: the design's power read back
// from the text the main window shows ("-2.88" for -2.875), not the number
// behind it. The practitioner corrects the power seen, and what is seen is
// what is ordered.
double PowerAsShown(const Design& lens, const NumberFormat& fmt);

// What was typed as the over-refraction: a number, or why it is none.
std::variant<double, RuntimeError> ReadOverRefraction(const std::string& typed, const NumberFormat& fmt);

// No: the over-refraction is added to the power entry, as it stands at the
// click, and to the current-lens design's power as it is shown.
struct PowerCorrection {
    EyeResult eye;
    std::string powerEntry;
    std::optional<Fault> fault;
};
// An over-refraction of 0 corrects nothing.
PowerCorrection SettlePowerByOverRefraction(EyeResult eye, std::string powerEntry, double overRefraction,
                                            const NumberFormat& fmt);

// The two adds offered by "Add Correction", read from the entries as they
// stand at the click.
struct AddTexts {
    std::string pres, cur;
};
struct AddOptions {
    double pres = 0;
    double cur = 0;
    std::optional<Fault> fault;
};
AddOptions AddChoices(const AddTexts& adds, const NumberFormat& fmt);

enum class AddChoice { Prescription, CurrentLens };
// The chosen add is copied into the other side's entry; both designs and
// the suggested lens take its series.
struct SeriesChoice {
    EyeResult eye;
    AddTexts adds;
};
SeriesChoice SettleSeries(EyeResult eye, AddTexts adds, AddChoice choice);

// ---- The order ----

// A suggested lens with every value settled: the only lens that can be
// ordered.
struct SettledLens {
    Design lens;
    bool operator==(const SettledLens&) const = default;
};
// None while a value is open.
std::optional<SettledLens> Settled(const SuggestedLens& lens);

// What the order form takes: the right eye's lens, and the left eye's when
// that eye has one.
struct LensOrder {
    SettledLens right;
    std::optional<SettledLens> left;
};
// None until the right eye has a lens and neither eye has an open value.
std::optional<LensOrder> Orderable(const EyeResult& right, const EyeResult& left);

} // namespace corvane::lens
