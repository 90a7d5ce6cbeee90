// The engine through its entries: every numbered check, every tolerance
// warning, the designs with their write-backs, the merge and every settling
// path, with the figures as the windows show them.

#include "lens/engine.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane::lens {
namespace {

constexpr NumberFormat kFmt{'.'};

// ---- The numbered checks ----

struct CheckCase {
    const char* name;
    PrescriptionEntries entries;
    int number;
    Entry entry;
};
const CheckCase kChecks[] = {
    {"first K missing", {"", "44", "-2", "", "", "12", "2"}, 601, Entry::Kera1},
    {"first K letters", {"x", "44", "-2", "", "", "12", "2"}, 602, Entry::Kera1},
    {"first K zero", {"0", "44", "-2", "", "", "12", "2"}, 603, Entry::Kera1},
    {"second K missing", {"43", "", "-2", "", "", "12", "2"}, 604, Entry::Kera2},
    {"second K letters", {"43", "x", "-2", "", "", "12", "2"}, 605, Entry::Kera2},
    {"second K zero", {"43", "0", "-2", "", "", "12", "2"}, 606, Entry::Kera2},
    {"sphere missing", {"43", "44", "", "", "", "12", "2"}, 607, Entry::Sphere},
    {"sphere letters", {"43", "44", "x", "", "", "12", "2"}, 608, Entry::Sphere},
    {"cylinder letters", {"43", "44", "-2", "x", "90", "12", "2"}, 610, Entry::Cylinder},
    {"cylinder missing", {"43", "44", "-2", "", "90", "12", "2"}, 609, Entry::Cylinder},
    {"axis letters", {"43", "44", "-2", "-1", "x", "12", "2"}, 612, Entry::Axis},
    {"axis above 180", {"43", "44", "-2", "-1", "181", "12", "2"}, 612, Entry::Axis},
    {"axis zero", {"43", "44", "-2", "-1", "0", "12", "2"}, 612, Entry::Axis},
    {"axis missing", {"43", "44", "-2", "-1", "", "12", "2"}, 611, Entry::Axis},
    {"vertex missing", {"43", "44", "-2", "", "", "", "2"}, 613, Entry::Vertex},
    {"vertex letters", {"43", "44", "-2", "", "", "x", "2"}, 614, Entry::Vertex},
    {"vertex 100", {"43", "44", "-2", "", "", "100", "2"}, 615, Entry::Vertex},
    {"vertex below 0", {"43", "44", "-2", "", "", "-1", "2"}, 615, Entry::Vertex},
    {"add missing", {"43", "44", "-2", "", "", "12", ""}, 616, Entry::PresAdd},
    {"add letters", {"43", "44", "-2", "", "", "12", "x"}, 617, Entry::PresAdd},
    {"first failure wins", {"", "", "", "", "", "", ""}, 601, Entry::Kera1},
    {"vertex 99.99 and axis 180 pass", {"43", "44", "-2", "-1", "180", "99.99", "2"}, 0, Entry::None},
};

TEST(EngineChecks, Prescription)
{
    for (const CheckCase& c : kChecks) {
        const std::optional<Fault> fault = ValidatePrescription(c.entries, kFmt);
        EXPECT_EQ(fault ? fault->error.Number : 0, c.number) << c.name;
        EXPECT_EQ(fault ? fault->entry : Entry::None, c.entry) << c.name;
    }
}

struct CurrentCheckCase {
    const char* name;
    CurrentLensEntries entries;
    bool prescriptionTicked;
    const char* presAdd;
    int number;
    Entry entry;
    const char* addAfter;
};
const CurrentCheckCase kCurrentChecks[] = {
    {"base curve missing", {"", "-3", "9.2", "2"}, false, "", 618, Entry::CurBC, "2"},
    {"base curve letters", {"x", "-3", "9.2", "2"}, false, "", 619, Entry::CurBC, "2"},
    {"power missing", {"8", "", "9.2", "2"}, false, "", 620, Entry::CurPower, "2"},
    {"power letters", {"8", "x", "9.2", "2"}, false, "", 621, Entry::CurPower, "2"},
    {"diameter missing", {"8", "-3", "", "2"}, false, "", 622, Entry::CurDiam, "2"},
    {"diameter letters", {"8", "-3", "x", "2"}, false, "", 623, Entry::CurDiam, "2"},
    {"add missing, no prescription", {"8", "-3", "9.2", ""}, false, "2", 624, Entry::CurAdd, ""},
    {"add missing, nor in the prescription", {"8", "-3", "9.2", ""}, true, "", 624, Entry::CurAdd, ""},
    {"add from a prescription of letters", {"8", "-3", "9.2", ""}, true, "x", 625, Entry::CurAdd, "x"},
    {"add letters", {"8", "-3", "9.2", "x"}, true, "2", 625, Entry::CurAdd, "x"},
    {"add from the prescription", {"8", "-3", "9.2", ""}, true, "2.5", 0, Entry::None, "2.5"},
};

TEST(EngineChecks, CurrentLens)
{
    for (const CurrentCheckCase& c : kCurrentChecks) {
        const CurrentLensCheck r = ValidateCurrentLens(c.entries, c.prescriptionTicked, c.presAdd, kFmt);
        EXPECT_EQ(r.fault ? r.fault->error.Number : 0, c.number) << c.name;
        EXPECT_EQ(r.fault ? r.fault->entry : Entry::None, c.entry) << c.name;
        EXPECT_EQ(r.entries[3], c.addAfter) << c.name;
    }
}

// ---- The designs ----

const char* const kLower = "The Lower keratometry is outside of the recommended tolerances. Please consult";
const char* const kLowerAbove = "The lower keratometry is outside of the recommended tolerances. Please consult";
const char* const kKera = "The keratometry is outside of the recommended tolerances. Please consult";
const char* const kCyl = "The cylinder is outside of the recommended tolerances. Please consult";

struct PresCase {
    const char* name;
    PrescriptionEntries entries;
    PrescriptionEntries normalised;
    std::vector<Warning> warnings;
    LensTexts lens; // empty: withheld
    int fault;
};
const PresCase kPrescriptions[] = {
    {"toric cornea flattens",
     {"43", "44", "-2", "", "", "12", "2"},
     {"43", "44", "-2", "", "", "12", "2"},
     {},
     {"7.70", "-2.50", "9.2", "2"},
     0},
    {"radii and hundredths",
     {"7.8", "785", "-250", "", "", "12", "200"},
     {"43.2692307692308", "42.9936305732484", "-2.5", "", "", "12", "2"},
     {},
     {"7.80", "-3.00", "9.2", "2"},
     0},
    {"plus cylinder transposed",
     {"43", "44", "-2", "1", "30", "12", "2"},
     {"43", "44", "-1", "-1", "120", "12", "2"},
     {},
     {"7.70", "-1.50", "9.2", "2"},
     0},
    {"vertex step, series 3",
     {"43", "44", "-5", "", "", "12", "2.75"},
     {"43", "44", "-5", "", "", "12", "2.75"},
     {},
     {"7.70", "-5.25", "9.2", "3"},
     0},
    {"plus power, series 1",
     {"43", "44", "2", "", "", "12", "1.5"},
     {"43", "44", "2", "", "", "12", "1.5"},
     {},
     {"7.70", "1.50", "9.5", "1"},
     0},
    {"steep cornea",
     {"47", "47.5", "-3", "", "", "12", "2.75"},
     {"47", "47.5", "-3", "", "", "12", "2.75"},
     {},
     {"7.10", "-3.50", "9.0", "3"},
     0},
    {"lower reading below, toric",
     {"38", "44", "-2", "", "", "12", "2"},
     {"38", "44", "-2", "", "", "12", "2"},
     {{kLower, Entry::Kera1}, {kKera, Entry::Kera1}},
     {},
     0},
    {"lower reading above",
     {"49", "48.5", "-2", "", "", "12", "2"},
     {"49", "48.5", "-2", "", "", "12", "2"},
     {{kLowerAbove, Entry::Kera2}},
     {},
     0},
    {"toricity of the band",
     {"42", "45.5", "-2", "", "", "12", "2"},
     {"42", "45.5", "-2", "", "", "12", "2"},
     {{kKera, Entry::Kera1}},
     {},
     0},
    {"cylinder of the band",
     {"43", "44", "-2", "-3", "90", "12", "2"},
     {"43", "44", "-2", "-3", "90", "12", "2"},
     {{kCyl, Entry::Cylinder}},
     {},
     0},
    {"vertex divides by zero",
     {"43", "44", "12.5", "", "", "80", "200"},
     {"43", "44", "12.5", "", "", "80", "2"},
     {},
     {},
     kErrDivisionByZero},
};

TEST(EngineDesigns, FromPrescription)
{
    for (const PresCase& c : kPrescriptions) {
        const PrescriptionDesign d = DesignFromPrescription(c.entries, kFmt);
        EXPECT_EQ(d.entries, c.normalised) << c.name;
        EXPECT_EQ(d.warnings, c.warnings) << c.name;
        EXPECT_EQ(d.lens ? Texts(*d.lens, kFmt) : LensTexts{}, c.lens) << c.name;
        EXPECT_EQ(d.fault ? d.fault->error.Number : 0, c.fault) << c.name;
        EXPECT_TRUE(!d.fault || d.fault->entry == Entry::None) << c.name;
    }
}

struct CurCase {
    const char* name;
    CurrentLensEntries entries;
    CurrentLensEntries normalised;
    LensTexts lens;
    double worn;
    int fault;
};
const CurCase kCurrentLenses[] = {
    {"one step steeper", {"8.00", "-3", "9.2", "2"}, {"8.00", "-3", "9.2", "2"}, {"7.90", "-3.50", "9.2", "2"}, 9.2, 0},
    {"dioptres and hundredths",
     {"4300", "-250", "920", "200"},
     {"7.85", "-2.5", "9.2", "2"},
     {"7.70", "-3.00", "9.2", "2"},
     9.2,
     0},
    {"hundredths above .59999 move up",
     {"7.96", "-2", "9.1", "1"},
     {"7.96", "-2", "9.1", "1"},
     {"7.90", "-2.50", "9.0", "1"},
     9.1,
     0},
    {"large diameter", {"7.5", "1", "9.7", "3"}, {"7.5", "1", "9.7", "3"}, {"7.40", "0.50", "9.5", "3"}, 9.7, 0},
    {"overflow", {"-1e308", "-2", "9.2", "2"}, {"-1e308", "-2", "9.2", "2"}, {}, 9.2, kErrOverflow},
};

TEST(EngineDesigns, FromCurrentLens)
{
    for (const CurCase& c : kCurrentLenses) {
        const CurrentLensDesign d = DesignFromCurrentLens(c.entries, kFmt);
        EXPECT_EQ(d.entries, c.normalised) << c.name;
        EXPECT_EQ(d.lens ? Texts(*d.lens, kFmt) : LensTexts{}, c.lens) << c.name;
        EXPECT_EQ(d.wornDiameter, c.worn) << c.name;
        EXPECT_EQ(d.fault ? d.fault->error.Number : 0, c.fault) << c.name;
    }
}

// ---- The suggested lens and its settling ----

const Design kPres{7.7, -2.5, 9.2, 2};
const Design kCur{7.9, -3, 9.2, 1};

struct MergeCase {
    const char* name;
    Design cur;
    double worn;
    LensTexts lens;
    const char* help;
};
const MergeCase kMerges[] = {
    {"equal designs", kPres, 9.2, {"7.70", "-2.50", "9.2", "2"}, ""},
    {"base curves cut to hundredths agree", {7.705, -2.5, 9.2, 2}, 9.2, {"7.70", "-2.50", "9.2", "2"}, ""},
    {"base curve open",
     {7.9, -2.5, 9.2, 2},
     9.2,
     {"?", "-2.50", "9.2", "2"},
     "Click on the ??? to choose the Base Curve"},
    {"power open", {7.7, -3, 9.2, 2}, 9.2, {"7.70", "?", "9.2", "2"}, "Click on the ??? to choose the Power"},
    {"base curve named before power", kCur, 9.2, {"?", "?", "9.2", "?"}, "Click on the ??? to choose the Base Curve"},
    {"series open, no help", {7.7, -2.5, 9.2, 3}, 9.2, {"7.70", "-2.50", "9.2", "?"}, ""},
    {"worn lens larger", {7.7, -2.5, 9.5, 2}, 10, {"7.70", "-2.50", "9.5", "2"}, ""},
};

TEST(EngineSuggested, Merge)
{
    for (const MergeCase& c : kMerges) {
        const SuggestedLens lens = SuggestFinalLens(kPres, c.cur, c.worn);
        EXPECT_EQ(Texts(lens, "?", kFmt), c.lens) << c.name;
        EXPECT_EQ(HelpLine(lens).value_or(""), c.help) << c.name;
        EXPECT_EQ(HasOpenValue(lens), !std::string(c.help).empty() || c.lens.serie == "?") << c.name;
    }
    EXPECT_EQ(ShowSingleMethodResult(kCur), (SuggestedLens{7.9, -3, 9.2, 1, false}));
}

struct SettleCase {
    const char* name;
    Design cur;
    std::function<PowerCorrection(EyeResult)> settle;
    LensTexts suggested;
    const char* curPower;
    const char* entry;
    int fault;
};
PowerCorrection Over(EyeResult eye, const char* entry, double over)
{
    return SettlePowerByOverRefraction(eye, entry, over, kFmt);
}
PowerCorrection Plain(EyeResult eye) { return {eye, "-2.50", std::nullopt}; }
const SettleCase kSettles[] = {
    {"base curve fits",
     kCur,
     [](EyeResult e) { return Plain(SettleBaseCurve(e, true)); },
     {"7.90", "?", "9.2", "?"},
     "-3.00",
     "-2.50",
     0},
    {"base curve does not fit",
     kCur,
     [](EyeResult e) { return Plain(SettleBaseCurve(e, false)); },
     {"7.70", "?", "9.2", "?"},
     "-3.00",
     "-2.50",
     0},
    {"power of the current lens",
     kCur,
     [](EyeResult e) { return Plain(SettlePowerFromCurrentLens(e)); },
     {"?", "-3.00", "9.2", "?"},
     "-3.00",
     "-2.50",
     0},
    {"over-refraction",
     kCur,
     [](EyeResult e) { return Over(e, "-2.50", -0.25); },
     {"?", "-3.25", "9.2", "?"},
     "-3.25",
     "-2.75",
     0},
    {"over-refraction to a whole dioptre",
     {7.9, -3.25, 9.2, 1},
     [](EyeResult e) { return Over(e, "-2.75", 0.25); },
     {"?", "-3", "9.2", "?"},
     "-3",
     "-2.5",
     0},
    {"over-refraction in 15 digits",
     {7.9, -3.1, 9.2, 1},
     [](EyeResult e) { return Over(e, "-2.6", 0.2); },
     {"?", "-2.9", "9.2", "?"},
     "-2.9",
     "-2.4",
     0},
    {"over-refraction of the shown power",
     {7.9, -3.004, 9.2, 1},
     [](EyeResult e) { return Over(e, "-2.5", -1); },
     {"?", "-4", "9.2", "?"},
     "-4",
     "-3.5",
     0},
    {"over-refraction 0",
     kCur,
     [](EyeResult e) { return Over(e, "-2.50", 0); },
     {"?", "?", "9.2", "?"},
     "-3.00",
     "-2.50",
     0},
    {"edited power entry",
     kCur,
     [](EyeResult e) { return Over(e, "minus", -0.25); },
     {"?", "?", "9.2", "?"},
     "-3.00",
     "minus",
     621},
    {"overflowing sum",
     kCur,
     [](EyeResult e) { return Over(e, "1e308", 1e308); },
     {"?", "?", "9.2", "?"},
     "-3.00",
     "1e308",
     kErrOverflow},
    {"series of the prescription",
     kCur,
     [](EyeResult e) {
         return Plain(SettleSeries(e, {"2", "1.5"}, AddChoice::Prescription).eye);
     },
     {"?", "?", "9.2", "2"},
     "-3.00",
     "-2.50",
     0},
    {"settled values stay",
     kPres,
     [](EyeResult e) { return Over(SettleBaseCurve(e, true), "-2.50", -1); },
     {"7.70", "-2.50", "9.2", "2"},
     "-2.50",
     "-2.50",
     0},
};

TEST(EngineSuggested, Settling)
{
    for (const SettleCase& c : kSettles) {
        const PowerCorrection r = c.settle({kPres, c.cur, SuggestFinalLens(kPres, c.cur, 9.2)});
        EXPECT_EQ(Texts(*r.eye.suggested, "?", kFmt), c.suggested) << c.name;
        EXPECT_EQ(Texts(*r.eye.cur, kFmt).pow, c.curPower) << c.name;
        EXPECT_EQ(r.powerEntry, c.entry) << c.name;
        EXPECT_EQ(r.fault ? r.fault->error.Number : 0, c.fault) << c.name;
    }
}

TEST(EngineSuggested, SeriesByTheChosenAdd)
{
    const EyeResult eye{kPres, kCur, SuggestFinalLens(kPres, kCur, 9.2)};
    const SeriesChoice pres = SettleSeries(eye, {"2", "1.5"}, AddChoice::Prescription);
    EXPECT_EQ(pres.adds.cur, "2");
    EXPECT_EQ(pres.eye.cur->series, 2);
    const SeriesChoice cur = SettleSeries(eye, {"2", "1.5"}, AddChoice::CurrentLens);
    EXPECT_EQ(cur.adds.pres, "1.5");
    EXPECT_EQ(cur.eye.pres->series, 1);
    EXPECT_EQ(cur.eye.suggested->series, 1);

    EXPECT_EQ(AddChoices({"two", "1.5"}, kFmt).fault->error.Number, 617);
    EXPECT_EQ(AddChoices({"two", "1.5"}, kFmt).fault->entry, Entry::PresAdd);
    EXPECT_EQ(AddChoices({"2", "x"}, kFmt).fault->entry, Entry::CurAdd);
    const AddOptions ok = AddChoices({"2", "1.5"}, kFmt);
    EXPECT_FALSE(ok.fault);
    EXPECT_EQ(ok.pres, 2);
    EXPECT_EQ(ok.cur, 1.5);
}

TEST(EngineSuggested, OrderedLens)
{
    const OrderedLens lens = OrderLens(ShowSingleMethodResult(kPres), kFmt);
    EXPECT_EQ(lens.bc, "7.70");
    EXPECT_EQ(lens.power, "-2.50");
    EXPECT_EQ(lens.diam, 9.2);
    EXPECT_EQ(lens.series, 2);
    EXPECT_EQ(OrderLens({7.9, -3, 9.2, 1, true}, kFmt).power, "-3");
    EXPECT_THROW(OrderLens(SuggestFinalLens(kPres, kCur, 9.2), kFmt), RuntimeError);
}

} // namespace
} // namespace corvane::lens
