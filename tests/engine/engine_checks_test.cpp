// The engine's checks and its two designs through their entries: every
// numbered check with its message and the entry it names, every tolerance
// warning, the designs with their write-backs, as the windows show them.

#include "lens/engine.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane::lens {
namespace {

using enum Entry;
constexpr NumberFormat kFmt{'.'};

// ---- The numbered checks ----

const char* const kK1Num = "The first keratometry is not numeric";
const char* const kK2Num = "The second keratometry is not numeric";
const char* const kZero = "The keratometry can't be 0";
const char* const kAxisRange = "The axis must range between 1 and 180";
const char* const kVertexRange = "The vertex must be between 0 and 99";

struct CheckCase {
    const char* name;
    PrescriptionEntries entries;
    int number;
    const char* message;
    Entry entry;
};
const CheckCase kChecks[] = {
    {"first K missing", {"", "44", "-2", "", "", "12", "2"}, 601, "The first keratometry is needed", Kera1},
    {"first K blank", {" ", "44", "-2", "", "", "12", "2"}, 602, kK1Num, Kera1},
    {"first K letters", {"abc", "44", "-2", "", "", "12", "2"}, 602, kK1Num, Kera1},
    {"first K zero", {"0", "44", "-2", "", "", "12", "2"}, 603, kZero, Kera1},
    {"first K zero with a point", {"0.0", "44", "-2", "", "", "12", "2"}, 603, kZero, Kera1},
    {"first K minus zero", {"-0", "44", "-2", "", "", "12", "2"}, 603, kZero, Kera1},
    {"second K missing", {"43", "", "-2", "", "", "12", "2"}, 604, "The second keratometry is needed", Kera2},
    {"second K blank", {"43", " ", "-2", "", "", "12", "2"}, 605, kK2Num, Kera2},
    {"second K letters", {"43", "x", "-2", "", "", "12", "2"}, 605, kK2Num, Kera2},
    {"second K zero", {"43", "0", "-2", "", "", "12", "2"}, 606, kZero, Kera2},
    {"sphere missing", {"43", "44", "", "", "", "12", "2"}, 607, "The power is needed", Sphere},
    {"sphere blank", {"43", "44", " ", "", "", "12", "2"}, 608, "The power is not numeric", Sphere},
    {"sphere letters", {"43", "44", "x", "", "", "12", "2"}, 608, "The power is not numeric", Sphere},
    {"cylinder letters", {"43", "44", "-2", "x", "90", "12", "2"}, 610, "The cylinder is not numeric", Cylinder},
    {"cylinder letters, no axis", {"43", "44", "-2", "x", "", "12", "2"}, 610, "The cylinder is not numeric", Cylinder},
    {"cylinder blank", {"43", "44", "-2", " ", "90", "12", "2"}, 610, "The cylinder is not numeric", Cylinder},
    {"cylinder missing", {"43", "44", "-2", "", "90", "12", "2"}, 609, "The cylinder is needed", Cylinder},
    {"blank axis, no cylinder", {"43", "44", "-2", "", " ", "12", "2"}, 609, "The cylinder is needed", Cylinder},
    {"axis letters", {"43", "44", "-2", "-1", "x", "12", "2"}, 612, "The axis is not numeric", Axis},
    {"axis above 180", {"43", "44", "-2", "-1", "181", "12", "2"}, 612, kAxisRange, Axis},
    {"axis 180.5", {"43", "44", "-2", "-1", "180.5", "12", "2"}, 612, kAxisRange, Axis},
    {"axis zero", {"43", "44", "-2", "-1", "0", "12", "2"}, 612, kAxisRange, Axis},
    {"axis missing", {"43", "44", "-2", "-1.25", "", "12", "2"}, 611, "The axis is needed", Axis},
    {"vertex missing", {"43", "44", "-2", "", "", "", "2"}, 613, "The vetex is needed", Vertex},
    {"vertex blank", {"43", "44", "-2", "", "", " ", "2"}, 614, "The vertex is not numeric", Vertex},
    {"vertex letters", {"43", "44", "-2", "", "", "x", "2"}, 614, "The vertex is not numeric", Vertex},
    {"vertex 100", {"43", "44", "-2", "", "", "100", "2"}, 615, kVertexRange, Vertex},
    {"vertex below 0", {"43", "44", "-2", "", "", "-1", "2"}, 615, kVertexRange, Vertex},
    {"add missing", {"43", "44", "-2", "", "", "12", ""}, 616, "The add is needed", PresAdd},
    {"add blank", {"43", "44", "-2", "", "", "12", " "}, 617, "The add is not numeric", PresAdd},
    {"add letters", {"43", "44", "-2", "", "", "12", "x"}, 617, "The add is not numeric", PresAdd},
    {"first failure wins", {"", "", "", "", "", "", ""}, 601, "The first keratometry is needed", Kera1},
    {"vertex 99.99 and axis 180 pass", {"43", "44", "-2", "-1", "180", "99.99", "2"}, 0, "", None},
    {"axis 0.5 and vertex 99.9 pass", {"43", "44", "-2", "-1", "0.5", "99.9", "2"}, 0, "", None},
    {"vertex 0 passes", {"43", "44", "-2", "", "", "0", "2"}, 0, "", None},
    {"K in mm passes", {"7.80", "44", "-2", "", "", "12", "2"}, 0, "", None},
    {"K without a point passes", {"4350", "44", "-2", "", "", "12", "2"}, 0, "", None},
    {"tiny K passes", {"0.01", "44", "-2", "", "", "12", "2"}, 0, "", None},
};

TEST(EngineChecks, Prescription)
{
    for (const CheckCase& c : kChecks) {
        const std::optional<Fault> fault = ValidatePrescription(c.entries, kFmt);
        EXPECT_EQ(fault ? fault->error.Number : 0, c.number) << c.name;
        EXPECT_EQ(fault ? English(fault->error.Description) : "", c.message) << c.name;
        EXPECT_EQ(fault ? fault->entry : None, c.entry) << c.name;
    }
}

const char* const kCurAddNum = "The client's add is not numeric";
const char* const kCurAddMissing = "Please enter the current patient's add";

struct CurrentCheckCase {
    const char* name;
    CurrentLensEntries entries;
    bool prescriptionTicked;
    const char* presAdd;
    int number;
    const char* message;
    Entry entry;
    const char* addAfter;
};
const CurrentCheckCase kCurrentChecks[] = {
    {"all missing", {"", "", "", ""}, false, "", 618, "The current lens base curve is needed", CurBC, ""},
    {"base curve missing", {"", "-3", "9.2", "2"}, false, "", 618, "The current lens base curve is needed", CurBC, "2"},
    {"base curve blank",
     {" ", "-2", "9.2", "2"},
     false,
     "",
     619,
     "The current lens base curve is not numeric",
     CurBC,
     "2"},
    {"base curve letters",
     {"x", "-3", "9.2", "2"},
     false,
     "",
     619,
     "The current lens base curve is not numeric",
     CurBC,
     "2"},
    {"power missing", {"8", "", "9.2", "2"}, false, "", 620, "The current lens power is needed", CurPower, "2"},
    {"power letters", {"8", "x", "9.2", "2"}, false, "", 621, "The current lens power is not numeric", CurPower, "2"},
    {"diameter missing", {"8", "-3", "", "2"}, false, "", 622, "The current lens diameter is needed", CurDiam, "2"},
    {"diameter letters",
     {"8", "-3", "nine", "2"},
     false,
     "",
     623,
     "The current lens diameter is not numeric",
     CurDiam,
     "2"},
    {"add missing, no prescription", {"8", "-3", "9.2", ""}, false, "2", 624, kCurAddMissing, CurAdd, ""},
    {"add missing, nor in the prescription", {"8", "-3", "9.2", ""}, true, "", 624, kCurAddMissing, CurAdd, ""},
    {"add from a prescription of letters", {"8", "-3", "9.2", ""}, true, "two", 625, kCurAddNum, CurAdd, "two"},
    {"blank add not replaced", {"7.8", "-2", "9.2", " "}, true, "2.00", 625, kCurAddNum, CurAdd, " "},
    {"add letters", {"8", "-3", "9.2", "x"}, true, "2", 625, kCurAddNum, CurAdd, "x"},
    {"add from the prescription", {"8", "-3", "9.2", ""}, true, "2.5", 0, "", None, "2.5"},
};

TEST(EngineChecks, CurrentLens)
{
    for (const CurrentCheckCase& c : kCurrentChecks) {
        const CurrentLensCheck r = ValidateCurrentLens(c.entries, c.prescriptionTicked, c.presAdd, kFmt);
        EXPECT_EQ(r.fault ? r.fault->error.Number : 0, c.number) << c.name;
        EXPECT_EQ(r.fault ? English(r.fault->error.Description) : "", c.message) << c.name;
        EXPECT_EQ(r.fault ? r.fault->entry : None, c.entry) << c.name;
        EXPECT_EQ(r.entries.add, c.addAfter) << c.name;
    }
}

// ---- The designs ----

const char* const kLower = "The Lower keratometry is outside of the recommended tolerances. Please consult";
const char* const kLowerAbove = "The lower keratometry is outside of the recommended tolerances. Please consult";
const char* const kKera = "The keratometry is outside of the recommended tolerances. Please consult";
const char* const kCyl = "The cylinder is outside of the recommended tolerances. Please consult";

// A warning as the window shows it, in English.
struct WarningShown {
    std::string message;
    Entry entry;
    bool operator==(const WarningShown&) const = default;
};
std::vector<WarningShown> Shown(const std::vector<Warning>& warnings)
{
    std::vector<WarningShown> shown;
    shown.reserve(warnings.size());
    for (const Warning& w : warnings)
        shown.push_back({English(w.message), w.entry});
    return shown;
}

struct PresCase {
    const char* name;
    PrescriptionEntries entries;
    LensTexts lens; // empty: withheld
    std::vector<WarningShown> warnings;
    PrescriptionEntries normalised; // empty: as entered
    int fault;
};
const PresCase kPrescriptions[] = {
    {"toric cornea flattens", {"43", "44", "-2", "", "", "12", "2"}, {"7.70", "-2.50", "9.2", "2"}, {}, {}, 0},
    {"radii and hundredths",
     {"7.8", "785", "-250", "", "", "12", "200"},
     {"7.80", "-3.00", "9.2", "2"},
     {},
     {"43.2692307692308", "42.9936305732484", "-2.5", "", "", "12", "2"},
     0},
    {"hundredths and vertex",
     {"4300", "4400", "-500", "", "", "12", "2.00"},
     {"7.70", "-5.25", "9.2", "2"},
     {},
     {"43", "44", "-5", "", "", "12", "2.00"},
     0},
    {"radii in mm and hundredths of mm",
     {"780", "7.9", "-2.00", "", "", "12", "2.00"},
     {"7.80", "-2.50", "9.2", "2"},
     {},
     {"43.2692307692308", "42.7215189873418", "-2.00", "", "", "12", "2.00"},
     0},
    {"plus cylinder transposed",
     {"43", "44", "-2", "1", "30", "12", "2"},
     {"7.70", "-1.50", "9.2", "2"},
     {},
     {"43", "44", "-1", "-1", "120", "12", "2"},
     0},
    {"plus cylinder at 90 transposed",
     {"43", "44", "-2.00", "+1.00", "90", "12", "2.00"},
     {"7.70", "-1.50", "9.2", "2"},
     {},
     {"43", "44", "-1", "-1", "180", "12", "2.00"},
     0},
    {"plus cylinder axis wraps",
     {"43", "44", "-2.00", "1", "100", "12", "2.00"},
     {"7.70", "-1.50", "9.2", "2"},
     {},
     {"43", "44", "-1", "-1", "10", "12", "2.00"},
     0},
    {"vertex step, series 3", {"43", "44", "-5", "", "", "12", "2.75"}, {"7.70", "-5.25", "9.2", "3"}, {}, {}, 0},
    {"plus power, series 1", {"43", "44", "2", "", "", "12", "1.5"}, {"7.70", "1.50", "9.5", "1"}, {}, {}, 0},
    {"plus sphere, no vertex step",
     {"43", "44", "+2.00", "", "", "12", "1.50"},
     {"7.70", "1.50", "9.5", "1"},
     {},
     {},
     0},
    {"steep cornea", {"47", "47.5", "-3", "", "", "12", "2.75"}, {"7.10", "-3.50", "9.0", "3"}, {}, {}, 0},
    {"lower reading 39 passes", {"39", "39.5", "-2", "", "", "12", "2"}, {"8.50", "-2.50", "9.2", "2"}, {}, {}, 0},
    {"lower reading 48 passes", {"48", "48.5", "-2", "", "", "12", "2"}, {"7.00", "-2.50", "9.0", "2"}, {}, {}, 0},
    {"toricity at axis 180", {"43", "44.6", "-2", "-0.5", "180", "12", "2"}, {"7.70", "-2.50", "9.2", "2"}, {}, {}, 0},
    {"cylinder at axis 130", {"43", "44", "-2", "-1.00", "130", "12", "2"}, {"7.70", "-2.50", "9.2", "2"}, {}, {}, 0},
    {"cylinder limit is strict", {"43", "44", "-2", "-2.5", "20", "12", "2"}, {"7.70", "-2.50", "9.2", "2"}, {}, {}, 0},
    {"toricity 0.75 flattens once",
     {"43.00", "43.75", "-2", "", "", "12", "2"},
     {"7.70", "-2.50", "9.2", "2"},
     {},
     {},
     0},
    {"toricity 2 flattens twice",
     {"43.00", "45.00", "-2", "", "", "12", "2"},
     {"7.60", "-2.50", "9.2", "2"},
     {},
     {},
     0},
    {"toricity 0.5 keeps the curve",
     {"43.00", "43.50", "-2", "", "", "12", "2"},
     {"7.80", "-2.50", "9.2", "2"},
     {},
     {},
     0},
    // The flatter reading is the one whose text sorts first: 45 written
    // "4.5E1" is taken as flatter than 44, and the toric step is not made.
    {"readings ordered as texts", {"4.5E1", "44", "-2", "", "", "12", "2"}, {"7.40", "-2.50", "9.2", "2"}, {}, {}, 0},
    {"the same readings as plain texts: the toric step",
     {"45", "44", "-2", "", "", "12", "2"},
     {"7.50", "-2.50", "9.2", "2"},
     {},
     {},
     0},
    {"add 1.75 series 2", {"43", "44", "-2", "", "", "12", "1.75"}, {"7.70", "-2.50", "9.2", "2"}, {}, {}, 0},
    {"add 2.50 series 3", {"43", "44", "-2", "", "", "12", "2.50"}, {"7.70", "-2.50", "9.2", "3"}, {}, {}, 0},
    {"add 1.74 series 1", {"43", "44", "-2", "", "", "12", "1.74"}, {"7.70", "-2.50", "9.2", "1"}, {}, {}, 0},
    {"snap up to whole", {"43", "44", "-3.97", "", "", "12", "2"}, {"7.70", "-4.50", "9.2", "2"}, {}, {}, 0},
    {"snap down to zero", {"43", "44", "-0.03", "", "", "12", "2"}, {"7.70", "-0.50", "9.2", "2"}, {}, {}, 0},
    {"eighth steps", {"43", "44", "-2.40", "", "", "12", "2"}, {"7.70", "-2.87", "9.2", "2"}, {}, {}, 0},
    {"plus vertex", {"43", "44", "+5.00", "", "", "12", "2"}, {"7.70", "4.87", "9.5", "2"}, {}, {}, 0},
    {"steep minus is 9.0", {"47", "47.5", "-2", "", "", "12", "2"}, {"7.10", "-2.50", "9.0", "2"}, {}, {}, 0},
    {"steep plus is 9.2", {"47", "47.5", "2", "", "", "12", "2"}, {"7.10", "1.50", "9.2", "2"}, {}, {}, 0},
    {"lower reading below, toric", {"38", "44", "-2", "", "", "12", "2"}, {}, {{kLower, Kera1}, {kKera, Kera1}}, {}, 0},
    {"lower reading below 39", {"38.9", "39.5", "-2", "", "", "12", "2"}, {}, {{kLower, Kera1}}, {}, 0},
    {"lower reading above", {"49", "48.5", "-2", "", "", "12", "2"}, {}, {{kLowerAbove, Kera2}}, {}, 0},
    {"lower reading above 48", {"48.5", "48.1", "-2", "", "", "12", "2"}, {}, {{kLowerAbove, Kera2}}, {}, 0},
    {"steep cornea, no diameter", {"50", "51", "-2", "", "", "12", "2"}, {}, {{kLowerAbove, Kera1}}, {}, 0},
    {"toricity of the band", {"42", "45.5", "-2", "", "", "12", "2"}, {}, {{kKera, Kera1}}, {}, 0},
    {"toricity at axis 90", {"43", "44.6", "-2", "-0.5", "90", "12", "2"}, {}, {{kKera, Kera1}}, {}, 0},
    {"cylinder of the band", {"43", "44", "-2", "-3", "90", "12", "2"}, {}, {{kCyl, Cylinder}}, {}, 0},
    {"cylinder at axis 90", {"43", "44", "-2", "-1.00", "90", "12", "2"}, {}, {{kCyl, Cylinder}}, {}, 0},
    {"cylinder at axis 20", {"43", "44", "-2", "-2.75", "20", "12", "2"}, {}, {{kCyl, Cylinder}}, {}, 0},
    {"three messages in order",
     {"38", "42", "-2", "-3", "20", "12", "2"},
     {},
     {{kLower, Kera1}, {kKera, Kera1}, {kCyl, Cylinder}},
     {},
     0},
    {"focus on the lower reading, then K1",
     {"39.5", "35", "-2", "-3", "20", "12", "2"},
     {},
     {{kLower, Kera2}, {kKera, Kera1}, {kCyl, Cylinder}},
     {},
     0},
    {"vertex divides by zero",
     {"43", "44", "12.5", "", "", "80", "200"},
     {},
     {},
     {"43", "44", "12.5", "", "", "80", "2"},
     kErrDivisionByZero},
};

TEST(EngineDesigns, FromPrescription)
{
    for (const PresCase& c : kPrescriptions) {
        const PrescriptionDesign d = DesignFromPrescription(c.entries, kFmt);
        EXPECT_EQ(d.entries, c.normalised.kera1.empty() ? c.entries : c.normalised) << c.name;
        EXPECT_EQ(Shown(d.warnings), c.warnings) << c.name;
        EXPECT_EQ(d.lens ? Texts(*d.lens, kFmt) : LensTexts{}, c.lens) << c.name;
        EXPECT_EQ(d.fault ? d.fault->error.Number : 0, c.fault) << c.name;
        EXPECT_TRUE(!d.fault || d.fault->entry == None) << c.name;
    }
}

struct CurCase {
    const char* name;
    CurrentLensEntries entries;
    LensTexts lens;
    CurrentLensEntries normalised; // empty: as entered
    int fault;
};
const CurCase kCurrentLenses[] = {
    {"one step steeper", {"8.00", "-3", "9.2", "2"}, {"7.90", "-3.50", "9.2", "2"}, {}, 0},
    {"dioptres and hundredths",
     {"4300", "-250", "920", "200"},
     {"7.70", "-3.00", "9.2", "2"},
     {"7.85", "-2.5", "9.2", "2"},
     0},
    {"worked in mm", {"7.85", "-3.00", "9.0", "2.00"}, {"7.70", "-3.50", "9.0", "2"}, {}, 0},
    {"worked without points",
     {"785", "-350", "960", "175"},
     {"7.70", "-4.00", "9.5", "2"},
     {"7.85", "-3.5", "9.6", "1.75"},
     0},
    {"worked in dioptres",
     {"43.00", "+1.25", "9.3", "1.50"},
     {"7.70", "0.75", "9.2", "1"},
     {"7.85", "+1.25", "9.3", "1.50"},
     0},
    {"worked in dioptres 2",
     {"42.50", "-2.00", "8.8", "2.50"},
     {"7.80", "-2.50", "9.0", "3"},
     {"7.94", "-2.00", "8.8", "2.50"},
     0},
    {"hundredths above .59999 move up", {"7.96", "-2", "9.1", "1"}, {"7.90", "-2.50", "9.0", "1"}, {}, 0},
    {"7.96 moves up", {"7.96", "-2", "9.2", "2"}, {"7.90", "-2.50", "9.2", "2"}, {}, 0},
    {"7.86 moves up", {"7.86", "-2", "9.2", "2"}, {"7.80", "-2.50", "9.2", "2"}, {}, 0},
    {"7.87", {"7.87", "-2", "9.2", "2"}, {"7.80", "-2.50", "9.2", "2"}, {}, 0},
    {"7.80", {"7.80", "-2", "9.2", "2"}, {"7.70", "-2.50", "9.2", "2"}, {}, 0},
    {"7.50", {"7.50", "-2", "9.2", "2"}, {"7.40", "-2.50", "9.2", "2"}, {}, 0},
    {"7.65", {"7.65", "-2", "9.2", "2"}, {"7.50", "-2.50", "9.2", "2"}, {}, 0},
    {"7.66", {"7.66", "-2", "9.2", "2"}, {"7.60", "-2.50", "9.2", "2"}, {}, 0},
    {"15 is mm", {"15", "-2", "9.2", "2"}, {"14.90", "-2.50", "9.2", "2"}, {}, 0},
    {"15.01 is dioptres", {"15.01", "-2", "9.2", "2"}, {"22.40", "-2.50", "9.2", "2"}, {"22.49", "-2", "9.2", "2"}, 0},
    {"base curve 100", {"100", "-2", "9.2", "2"}, {"0.90", "-2.50", "9.2", "2"}, {"1", "-2", "9.2", "2"}, 0},
    {"base curve 1500", {"1500", "-2", "9.2", "2"}, {"14.90", "-2.50", "9.2", "2"}, {"15", "-2", "9.2", "2"}, 0},
    {"base curve 4325", {"4325", "-2", "9.2", "2"}, {"7.70", "-2.50", "9.2", "2"}, {"7.80", "-2", "9.2", "2"}, 0},
    {"power 100", {"7.85", "100", "9.2", "2"}, {"7.70", "0.50", "9.2", "2"}, {"7.85", "1", "9.2", "2"}, 0},
    {"power -100", {"7.85", "-100", "9.2", "2"}, {"7.70", "-1.50", "9.2", "2"}, {"7.85", "-1", "9.2", "2"}, 0},
    {"power -99 stays", {"7.85", "-99", "9.2", "2"}, {"7.70", "-99.50", "9.2", "2"}, {}, 0},
    {"power 0.50", {"7.85", "0.50", "9.2", "2"}, {"7.70", "0.00", "9.2", "2"}, {}, 0},
    {"diameter 9.49", {"7.85", "-2", "9.49", "2"}, {"7.70", "-2.50", "9.2", "2"}, {}, 0},
    {"diameter 9.5", {"7.85", "-2", "9.5", "2"}, {"7.70", "-2.50", "9.5", "2"}, {}, 0},
    {"diameter 9.19", {"7.85", "-2", "9.19", "2"}, {"7.70", "-2.50", "9.0", "2"}, {}, 0},
    {"diameter 92 not scaled", {"7.85", "-2", "92", "2"}, {"7.70", "-2.50", "9.5", "2"}, {}, 0},
    {"large diameter", {"7.5", "1", "9.7", "3"}, {"7.40", "0.50", "9.5", "3"}, {}, 0},
    {"add 1.75", {"7.85", "-2", "9.2", "1.75"}, {"7.70", "-2.50", "9.2", "2"}, {}, 0},
    {"add 2.5", {"7.85", "-2", "9.2", "2.5"}, {"7.70", "-2.50", "9.2", "3"}, {}, 0},
    {"add 1.74", {"7.85", "-2", "9.2", "1.74"}, {"7.70", "-2.50", "9.2", "1"}, {}, 0},
    {"add 175 without a point",
     {"7.85", "-2", "9.2", "175"},
     {"7.70", "-2.50", "9.2", "2"},
     {"7.85", "-2", "9.2", "1.75"},
     0},
    {"add 20 not scaled", {"7.85", "-2", "9.2", "20"}, {"7.70", "-2.50", "9.2", "3"}, {}, 0},
    {"zero base curve and diameter pass", {"0", "0", "0", "0"}, {"-0.10", "-0.50", "9.0", "1"}, {}, 0},
    {"overflow", {"-1e308", "-2", "9.2", "2"}, {}, {}, kErrOverflow},
};

TEST(EngineDesigns, FromCurrentLens)
{
    for (const CurCase& c : kCurrentLenses) {
        const CurrentLensDesign d = DesignFromCurrentLens(c.entries, kFmt);
        const CurrentLensEntries& normalised = c.normalised.bc.empty() ? c.entries : c.normalised;
        EXPECT_EQ(d.entries, normalised) << c.name;
        EXPECT_EQ(d.lens ? Texts(*d.lens, kFmt) : LensTexts{}, c.lens) << c.name;
        // The merge compares the worn diameter as normalised.
        EXPECT_EQ(d.wornDiameter, std::stod(normalised.diam)) << c.name;
        EXPECT_EQ(d.fault ? d.fault->error.Number : 0, c.fault) << c.name;
    }
}

} // namespace
} // namespace corvane::lens
