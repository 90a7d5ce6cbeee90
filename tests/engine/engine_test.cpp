// The suggested lens: the merge of the two designs, from their values and
// from the entries, every settling path and the order's lens values.

#include "lens/engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace corvane::lens {
namespace {

constexpr NumberFormat kFmt{'.'};

// ---- The suggested lens and its settling ----

const Design kPres{7.7, -2.5, 9.2, 2};
const Design kCur{7.9, -3, 9.2, 1};

struct MergeCase {
    const char* name;
    Design cur;
    double worn;
    LensTexts lens;
    std::optional<LensValue> click;
};
constexpr std::optional<LensValue> kNone;
constexpr std::optional<LensValue> kBcHelp = LensValue::BaseCurve;
constexpr std::optional<LensValue> kPowerHelp = LensValue::Power;
const MergeCase kMerges[] = {
    {"equal designs", kPres, 9.2, {"7.70", "-2.50", "9.2", "2"}, kNone},
    {"base curves cut to hundredths agree", {7.705, -2.5, 9.2, 2}, 9.2, {"7.70", "-2.50", "9.2", "2"}, kNone},
    {"base curve open", {7.9, -2.5, 9.2, 2}, 9.2, {"?", "-2.50", "9.2", "2"}, kBcHelp},
    {"power open", {7.7, -3, 9.2, 2}, 9.2, {"7.70", "?", "9.2", "2"}, kPowerHelp},
    {"base curve named before power", kCur, 9.2, {"?", "?", "9.2", "?"}, kBcHelp},
    {"series open, no help", {7.7, -2.5, 9.2, 3}, 9.2, {"7.70", "-2.50", "9.2", "?"}, kNone},
    {"worn lens larger", {7.7, -2.5, 9.5, 2}, 10, {"7.70", "-2.50", "9.5", "2"}, kNone},
};

TEST(EngineSuggested, Merge)
{
    for (const MergeCase& c : kMerges) {
        const SuggestedLens lens = *SuggestFinalLens(kPres, c.cur, c.worn).lens;
        EXPECT_EQ(Texts(lens, "?", kFmt), c.lens) << c.name;
        EXPECT_EQ(ValueToClick(lens), c.click) << c.name;
        EXPECT_EQ(HasOpenValue(lens), c.click || c.lens.serie == "?") << c.name;
    }
    EXPECT_EQ(ShowSingleMethodResult(kCur), (SuggestedLens{7.9, -3, 9.2, 1, PowerForm::TwoDecimals}));
    // A current base curve whose hundredths are beyond a double.
    const Suggestion huge = SuggestFinalLens(kPres, {-1e307, -2.5, 9.2, 2}, 9.2);
    EXPECT_FALSE(huge.lens);
    EXPECT_EQ(huge.fault->error.Number, kErrOverflow);
}

// Both designs from the entries, then the merge: the diameter rule with
// keratometry designs of 9.0 (K 47), 9.2 (K 43, minus) and 9.5 (K 43, plus).
const PrescriptionEntries kK43{"43", "44", "-2.00", "", "", "12", "2"};
const PrescriptionEntries kK43Plus{"43", "44", "2", "", "", "12", "2"};
const PrescriptionEntries kK47{"47", "47.5", "-2", "", "", "12", "2"};
const PrescriptionEntries kK43Toric{"43", "43.5", "-2.00", "", "", "12", "2"};

struct EntriesMergeCase {
    const char* name;
    const PrescriptionEntries& pres;
    CurrentLensEntries cur;
    LensTexts lens;
    std::optional<LensValue> click;
};
const EntriesMergeCase kEntriesMerges[] = {
    {"all agree", kK43, {"7.85", "-2.00", "9.2", "2"}, {"7.70", "-2.50", "9.2", "2"}, kNone},
    {"power differs", kK43, {"7.85", "-3.00", "9.2", "2"}, {"7.70", "???", "9.2", "2"}, kPowerHelp},
    {"power and base curve differ", kK43, {"8.00", "-3.00", "9.2", "2"}, {"???", "???", "9.2", "2"}, kBcHelp},
    {"series differs", kK43, {"7.85", "-2.00", "9.2", "2.5"}, {"7.70", "-2.50", "9.2", "???"}, kNone},
    {"base curves cut to hundredths", kK43Toric, {"7.96", "-2.00", "9.2", "2"}, {"???", "-2.50", "9.2", "2"}, kBcHelp},
    {"9.0, worn 9.5: +0.5", kK47, {"7.2", "-2", "9.5", "2"}, {"7.10", "-2.50", "9.2", "2"}, kNone},
    {"9.2, worn 9.6: +0.4", kK43, {"7.85", "-2", "9.6", "2"}, {"7.70", "-2.50", "9.5", "2"}, kNone},
    {"9.0, worn 9.3: +0.3", kK47, {"7.2", "-2", "9.3", "2"}, {"7.10", "-2.50", "9.0", "2"}, kNone},
    {"9.5, worn 9.3", kK43Plus, {"7.85", "1", "9.3", "2"}, {"7.70", "???", "9.2", "2"}, kPowerHelp},
    {"9.2, worn 8.9: just above -0.3", kK43, {"7.85", "-2", "8.9", "2"}, {"7.70", "-2.50", "9.0", "2"}, kNone},
    {"9.5, worn 9.2: just below -0.3", kK43Plus, {"7.85", "2", "9.2", "2"}, {"7.70", "1.50", "9.2", "2"}, kNone},
    {"9.5, worn 9.0", kK43Plus, {"7.85", "2", "9.0", "2"}, {"7.70", "1.50", "9.2", "2"}, kNone},
    {"9.5, worn 8.9: just above -0.6", kK43Plus, {"7.85", "2", "8.9", "2"}, {"7.70", "1.50", "9.2", "2"}, kNone},
    {"9.5, worn 8.8", kK43Plus, {"7.85", "2", "8.8", "2"}, {"7.70", "1.50", "9.0", "2"}, kNone},
    {"same diameter ignores the worn one", kK47, {"7.2", "-2", "8.4", "2"}, {"7.10", "-2.50", "9.0", "2"}, kNone},
};

TEST(EngineSuggested, MergeFromTheEntries)
{
    for (const EntriesMergeCase& c : kEntriesMerges) {
        const CurrentLensDesign cur = DesignFromCurrentLens(c.cur, kFmt);
        const SuggestedLens lens =
            *SuggestFinalLens(*DesignFromPrescription(c.pres, kFmt).lens, *cur.lens, cur.wornDiameter).lens;
        EXPECT_EQ(Texts(lens, "???", kFmt), c.lens) << c.name;
        EXPECT_EQ(ValueToClick(lens), c.click) << c.name;
    }
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
    {"over-refraction of a half",
     kCur,
     [](EyeResult e) { return Over(e, "-2.50", 0.5); },
     {"?", "-2.5", "9.2", "?"},
     "-2.5",
     "-2",
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
    {"over-refraction added to the power as shown, -2.88 for -2.875",
     {7.9, -2.875, 9.2, 1},
     [](EyeResult e) { return Over(e, "-2.375", -0.25); },
     {"?", "-3.13", "9.2", "?"},
     "-3.13",
     "-2.625",
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
        const PowerCorrection r = c.settle({kPres, c.cur, SuggestFinalLens(kPres, c.cur, 9.2).lens});
        EXPECT_EQ(Texts(*r.eye.suggested, "?", kFmt), c.suggested) << c.name;
        EXPECT_EQ(Texts(*r.eye.cur, kFmt).pow, c.curPower) << c.name;
        EXPECT_EQ(r.powerEntry, c.entry) << c.name;
        EXPECT_EQ(r.fault ? r.fault->error.Number : 0, c.fault) << c.name;
    }
}

TEST(EngineSuggested, OverRefractionIsANumber)
{
    for (const char* typed : {"", " ", "abc", "+", "1e999"})
        EXPECT_EQ(std::get<RuntimeError>(ReadOverRefraction(typed, kFmt)).Number, 699) << typed;
    EXPECT_EQ(std::get<double>(ReadOverRefraction("-0.25", kFmt)), -0.25);
    EXPECT_EQ(std::get<double>(ReadOverRefraction("-0,25", NumberFormat{','})), -0.25);
}

TEST(EngineSuggested, SeriesByTheChosenAdd)
{
    const EyeResult eye{kPres, kCur, SuggestFinalLens(kPres, kCur, 9.2).lens};
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

TEST(EngineSuggested, SettledLensKeepsThePowersForm)
{
    const SuggestedLens corrected{7.9, -2.875, 9.2, 1, PowerForm::General};
    EXPECT_EQ(Settled(corrected)->lens, (Design{7.9, -2.875, 9.2, 1, PowerForm::General}));
    EXPECT_FALSE(Settled(*SuggestFinalLens(kPres, kCur, 9.2).lens));
}

// The rule of the power's form, for every window and the page.
TEST(EngineSuggested, PowerTextByItsForm)
{
    const struct {
        const char* name;
        double power;
        PowerForm form;
        char decimal;
        const char* text;
    } rows[] = {
        {"designed: two decimals", -3, PowerForm::TwoDecimals, '.', "-3.00"},
        {"designed: an eighth rounded half away", -2.875, PowerForm::TwoDecimals, '.', "-2.88"},
        {"over-refracted: general form keeps the eighth", -2.875, PowerForm::General, '.', "-2.875"},
        {"over-refracted: a whole dioptre without decimals", -3, PowerForm::General, '.', "-3"},
        {"over-refracted: the locale's separator", -2.875, PowerForm::General, ',', "-2,875"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PowerText(row.power, row.form, NumberFormat{row.decimal}), row.text) << row.name;
}

// The two rules that work on the texts the windows show, not on numbers.
TEST(EngineTextRules, KeratometryReadingsOrderedAsTexts)
{
    const struct {
        const char* name;
        const char* kera1;
        const char* kera2;
        bool firstIsFlatter;
    } rows[] = {
        {"plain readings: the lower first", "43", "44", true},
        {"plain readings: the lower second", "44", "43.75", false},
        {"ordered as texts: 4.5E1 sorts before 44", "4.5E1", "44", true},
        {"ordered as texts: 112.5 sorts before 44", "112.5", "44", true},
        {"equal texts: the second is the flatter", "44", "44", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FirstReadingIsFlatter(row.kera1, row.kera2), row.firstIsFlatter) << row.name;
}

TEST(EngineTextRules, OverRefractionOnThePowerAsShown)
{
    const struct {
        const char* name;
        Design cur;
        double shown;
    } rows[] = {
        {"power as shown: -2.88 for a designed -2.875", {7.9, -2.875, 9.2, 1}, -2.88},
        {"power as shown: the general form of a corrected one", {7.9, -2.875, 9.2, 1, PowerForm::General}, -2.875},
        {"power as shown: -3.00 for -3.004", {7.9, -3.004, 9.2, 1}, -3},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PowerAsShown(row.cur, kFmt), row.shown) << row.name;
}

// Only settled lenses reach the order form, the right eye's always.
TEST(EngineSuggested, WhatCanBeOrdered)
{
    const EyeResult none;
    const EyeResult settled{kPres, std::nullopt, ShowSingleMethodResult(kPres)};
    const EyeResult open{kPres, kCur, *SuggestFinalLens(kPres, kCur, 9.2).lens};
    struct Case {
        const char* name;
        const EyeResult& right;
        const EyeResult& left;
        bool orderable;
        bool leftOrdered;
    };
    const Case cases[] = {
        {"nothing calculated", none, none, false, false}, {"right eye alone", settled, none, true, false},
        {"both eyes", settled, settled, true, true},      {"left eye alone", none, settled, false, false},
        {"right eye open", open, settled, false, false},  {"left eye open", settled, open, false, false},
    };
    for (const Case& c : cases) {
        const std::optional<LensOrder> order = Orderable(c.right, c.left);
        EXPECT_EQ(order.has_value(), c.orderable) << c.name;
        EXPECT_EQ(order && order->left.has_value(), c.leftOrdered) << c.name;
    }
}

// A lens whose values cannot be shown whole comes out as an overflow of its
// design, never as a lens; one that fits its boxes is designed as ever.
TEST(EngineSuggested, ValuesShownWholeOrAnOverflow)
{
    const struct {
        const char* name;
        EyeInput input;
        std::optional<int> error;
    } rows[] = {
        {"current lens power of -1e308", {false, true, {{}, {"7.85", "-1e308", "9.2", "2"}}}, kErrOverflow},
        {"current lens power of -99", {false, true, {{}, {"7.85", "-99", "9.2", "2"}}}, std::nullopt},
        {"current lens power of 1e20", {false, true, {{}, {"7.85", "1e20", "9.2", "2"}}}, kErrOverflow},
        {"sphere of -12.5", {true, false, {{"43", "44", "-12.5", "", "", "12", "2"}, {}}}, std::nullopt},
    };
    for (const auto& row : rows) {
        const EyeCalculation calc = CalculateEye(row.input, kFmt);
        EXPECT_EQ(calc.result.suggested.has_value(), !row.error) << row.name;
        const Fault* fault = calc.messages.empty() ? nullptr : std::get_if<Fault>(&calc.messages.back());
        EXPECT_EQ(fault != nullptr ? std::optional(fault->error.Number) : std::nullopt, row.error) << row.name;
        if (calc.result.suggested) {
            const LensTexts texts = Texts(*calc.result.suggested, "???", kFmt);
            EXPECT_LE(texts.pow.size(), kValueRoom) << row.name;
        }
    }
    // A correction whose power, in its general form, has more digits or
    // characters than a box shows.
    for (const auto& [power, over, overflows] :
         {std::tuple{-99.0, -0.125, true}, {12.0, 0.125, true}, {-2.0, -0.875, false}}) {
        const Design cur{7.7, power, 9.2, 2};
        const EyeResult open{kPres, cur, *SuggestFinalLens(kPres, cur, 9.2).lens};
        const PowerCorrection corrected = SettlePowerByOverRefraction(open, "-2", over, kFmt);
        EXPECT_EQ(corrected.fault.has_value(), overflows) << power << over;
        if (corrected.fault) {
            EXPECT_EQ(corrected.fault->error.Number, kErrOverflow);
        }
    }
}

// Calculate reads only the entries of the methods ticked: two inputs that
// read alike give the same lens, whatever else their unticked entries hold.
TEST(EngineSuggested, WhatCalculateReads)
{
    const EyeEntries typed{{"43", "44", "-2", "", "", "12", "2"}, {"7.85", "-2.50", "9.2", "2"}};
    for (const auto& [pres, cur] : {std::pair{true, false}, {false, true}, {true, true}, {false, false}}) {
        const EyeInput input{pres, cur, typed};
        const EyeInput read = AsRead(input);
        EXPECT_EQ(read.entries.pres == typed.pres, pres);
        EXPECT_EQ(read.entries.cur == typed.cur, cur);
        const EyeCalculation a = CalculateEye(input, kFmt);
        const EyeCalculation b = CalculateEye(read, kFmt);
        EXPECT_EQ(a.result.suggested, b.result.suggested) << pres << cur;
        EXPECT_EQ(AsRead({pres, cur, a.entries}), AsRead({pres, cur, b.entries})) << pres << cur;
    }
}

} // namespace
} // namespace corvane::lens
