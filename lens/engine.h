#pragma once

#include "lens/errors.h"
#include "lens/numbers.h"

#include <array>
#include <optional>
#include <string>
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

// The prescription entries in the order of their checks: keratometry 1 and
// 2, sphere, cylinder, axis, vertex, add.
using PrescriptionEntries = std::array<std::string, 7>;
// The current lens: base curve, power, diameter, add.
using CurrentLensEntries = std::array<std::string, 4>;

// A numbered check that failed, or a failure of the arithmetic of a design
// (then no entry is named).
struct Fault {
    RuntimeError error;
    Entry entry = Entry::None;
};

// A tolerance warning of the keratometry design: shown, then the focus goes
// to the entry; the lens is withheld.
struct Warning {
    std::string message;
    Entry entry;
    bool operator==(const Warning&) const = default;
};

// A designed lens. After an over-refraction its power is written in
// general form ("-3", "-2.9") instead of with two decimals.
struct Design {
    double bc = 0;
    double power = 0;
    double diam = 0;
    int series = 0;
    bool powerCorrected = false;
    bool operator==(const Design&) const = default;
};

// The four values of a lens as the windows write them: base curve, power,
// diameter, series.
struct LensTexts {
    std::string bc, pow, diam, serie;
    bool operator==(const LensTexts&) const = default;
};
LensTexts Texts(const Design& lens, const NumberFormat& fmt);

// ---- The design from keratometry and refraction ----

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
    bool powerCorrected = false;
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
// The help line that names the open value to click, if the merge left one
// that has a line (the base curve's before the power's).
std::optional<std::string> HelpLine(const SuggestedLens& lens);

// One eye as the Calculate command left it: the designs that it shows and
// the suggested lens.
struct EyeResult {
    std::optional<Design> pres;
    std::optional<Design> cur;
    std::optional<SuggestedLens> suggested;
};

// ---- Settling the open values ----

bool BaseCurveOpen(const EyeResult& eye);
bool PowerOpen(const EyeResult& eye);
bool SeriesOpen(const EyeResult& eye);

// "Does the current spherical base curve provide an alignment fitting ?"
EyeResult SettleBaseCurve(EyeResult eye, bool currentFits);
// "Does the current lens' power Provide best distance vision accuity ?" Yes.
EyeResult SettlePowerFromCurrentLens(EyeResult eye);

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

// The lens values of the order record.
struct OrderedLens {
    std::string bc;
    std::string power;
    double diam = 0;
    int series = 0;
};
// For a suggested lens without an open value.
OrderedLens OrderLens(const SuggestedLens& lens, const NumberFormat& fmt);

} // namespace corvane::lens
