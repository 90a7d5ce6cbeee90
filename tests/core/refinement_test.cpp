#include "fake_main_view.h"

namespace corvane::test {
namespace {

constexpr const char* kBcQuestion = "Does the current spherical base curve provide an alignment fitting ?";
constexpr const char* kPowQuestion = "Does the current lens' power Provide best distance vision accuity ?";

class RefinementTest : public PresenterTest {
protected:
    // Keratometry design 7.70 / -2.50 / 9.2 / series of presAdd; current lens
    // as given.
    void Both(const char* curBc, const char* curPow, const char* curAdd, const char* presAdd = "2.00")
    {
        Pres(0, {"43", "44", "-2.00", "", "", "12", presAdd});
        Cur(0, {curBc, curPow, "9.2", curAdd});
        Calculate();
    }

    // What the practitioner types into "Power Correction", then "Ok".
    void OverRefraction(const char* text) { view.overRefraction = {text}; }
};

TEST_F(RefinementTest, ClickOnAValueDoesNothing)
{
    Both("7.85", "-2.00", "2.00");
    view.boxes.clear();
    refine.BaseCurveClicked(0);
    refine.PowerClicked(0);
    refine.SeriesClicked(0);
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_TRUE(view.dialogs.empty());
}

TEST_F(RefinementTest, BaseCurveYesTakesTheCurrentLens)
{
    Both("8.00", "-2.00", "2.00");
    ASSERT_EQ(FinalLens(0).bc, "???");
    view.answers = {true};
    refine.BaseCurveClicked(0);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, kBcQuestion);
    EXPECT_EQ(view.boxes[0].title, "Base Curve");
    EXPECT_EQ(FinalLens(0).bc, "7.90");
    EXPECT_TRUE(view.printEnabled);
}

// A settling keeps the lens orderable only while the entries are those of
// the lens: its write into entries changed since Calculate does not make
// them that lens's entries, even where the texts happen to meet again.
TEST_F(RefinementTest, SettlingOnChangedEntriesKeepsTheOrderWaiting)
{
    const struct {
        const char* name;
        const char* retyped; // the current power typed after Calculate; none: as it was
        bool orderable;
    } rows[] = {
        {"entries as calculated", nullptr, true},
        {"power retyped, corrected back to the calculated text", "-3.25", false},
        {"power retyped elsewhere", "-5", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        view = {};
        Both("7.85", "-3", "2.00");
        ASSERT_EQ(FinalLens(0).pow, "???");
        if (row.retyped != nullptr) {
            view.entries[0].cur.power = row.retyped;
            calc.InputChanged();
            EXPECT_FALSE(view.printEnabled);
            EXPECT_TRUE(view.outdated);
        }
        view.answers = {false};
        OverRefraction("0.25");
        refine.PowerClicked(0);
        EXPECT_EQ(view.printEnabled, row.orderable);
        EXPECT_EQ(calc.Order().has_value(), row.orderable);
        EXPECT_EQ(view.outdated, !row.orderable);
    }
}

TEST_F(RefinementTest, BaseCurveNoTakesTheKeratometryDesign)
{
    Both("8.00", "-2.00", "2.00");
    view.answers = {false};
    refine.BaseCurveClicked(0);
    EXPECT_EQ(FinalLens(0).bc, "7.70");
}

TEST_F(RefinementTest, PowerYesTakesTheCurrentLens)
{
    Both("7.85", "-3.00", "2.00");
    view.answers = {true};
    refine.PowerClicked(0);
    EXPECT_EQ(view.boxes.back().text, kPowQuestion);
    EXPECT_EQ(view.boxes.back().title, "Power");
    EXPECT_EQ(FinalLens(0).pow, "-3.50");
    EXPECT_TRUE(view.dialogs.empty());
    EXPECT_TRUE(view.printEnabled);
}

struct OverCase {
    const char* name;
    const char* typed; // current lens power as typed
    const char* over;  // over-refraction
    const char* entry; // txtCurPow afterwards
    const char* label; // lblResCurPow afterwards
};

const OverCase kOverCases[] = {
    {"minus_quarter", "-2.50", "-0.25", "-2.75", "-3.25"},
    {"exactly_minus_3", "-2.75", "0.25", "-2.5", "-3"},
};

class PowerCorrectionTest : public RefinementTest, public testing::WithParamInterface<OverCase> {};

TEST_P(PowerCorrectionTest, NoAddsTheOverRefraction)
{
    const OverCase& c = GetParam();
    Both("7.85", c.typed, "2.00");
    ASSERT_EQ(FinalLens(0).pow, "???");
    view.answers = {false};
    OverRefraction(c.over);
    refine.PowerClicked(0);
    EXPECT_EQ(view.dialogs, std::vector<std::string>{"Power Correction"});
    EXPECT_EQ(view.entries[0].cur.power, c.entry);
    EXPECT_EQ(CurLens(0).pow, c.label);
    EXPECT_EQ(FinalLens(0).pow, c.label);
    EXPECT_TRUE(view.printEnabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, PowerCorrectionTest, testing::ValuesIn(kOverCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RefinementTest, OverRefractionZeroLeavesTheMarker)
{
    Both("7.85", "-2.50", "2.00");
    view.answers = {false};
    OverRefraction("0");
    refine.PowerClicked(0);
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(view.entries[0].cur.power, "-2.50");
    EXPECT_FALSE(view.printEnabled);
}

TEST_F(RefinementTest, ClosingPowerCorrectionCorrectsNothing)
{
    Both("7.85", "-2.50", "2.00");
    view.answers = {false};
    OverRefraction("-0.25");
    refine.PowerClicked(0);
    ASSERT_EQ(FinalLens(0).pow, "-3.25");
    // Recalculate: the marker is back; this time the dialog is closed.
    Calculate();
    ASSERT_EQ(FinalLens(0).pow, "???");
    view.answers = {false};
    view.overRefraction.clear();
    refine.PowerClicked(0);
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(view.entries[0].cur.power, "-2.75");
    EXPECT_EQ(CurLens(0).pow, "-3.25");
    EXPECT_FALSE(view.printEnabled);
}

TEST_F(RefinementTest, NotANumberKeepsPowerCorrectionOpen)
{
    Both("7.85", "-2.50", "2.00");
    view.answers = {false};
    view.overRefraction = {"", "abc", " ", "-1", "-2"};
    refine.PowerClicked(0);
    // The question, then one error per text that is no number; "-1" closes.
    ASSERT_EQ(view.boxes.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(view.boxes[i].text, "Error 699\r\nThe Refraction is not a number");
        EXPECT_EQ(view.boxes[i].title, "Corvane");
    }
    EXPECT_EQ(FinalLens(0).pow, "-4");
    EXPECT_EQ(view.entries[0].cur.power, "-3.5");
}

TEST_F(RefinementTest, EditedPowerEntryLeavesTheMarkerWithAMessage)
{
    Both("7.85", "-2.50", "2.00");
    view.entries[0].cur.power = "minus";
    view.answers = {false};
    OverRefraction("-0.25");
    refine.PowerClicked(0);
    EXPECT_EQ(view.boxes.back().text, "Error 621\r\nThe current lens power is not numeric");
    EXPECT_EQ(view.boxes.back().title, "Error for OD");
    EXPECT_EQ(view.focus.back(), std::make_pair(0, lens::Entry::CurPower));
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(CurLens(0).pow, "-3.00");
}

TEST_F(RefinementTest, OverflowingSumLeavesTheMarker)
{
    Both("7.85", "-2.50", "2.00");
    view.entries[0].cur.power = "1e308";
    view.answers = {false};
    OverRefraction("1e308");
    refine.PowerClicked(0);
    EXPECT_EQ(view.boxes.back().text, "Error 6\r\nOverflow");
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(view.entries[0].cur.power, "1e308");
}

TEST_F(RefinementTest, AddChoiceOfThePrescription)
{
    Both("7.85", "-2.00", "1.5", "2");
    ASSERT_EQ(FinalLens(0).serie, "???");
    view.addChoice = lens::AddChoice::Prescription;
    refine.SeriesClicked(0);
    EXPECT_EQ(view.addsOffered, std::make_pair(std::string("2.00"), std::string("1.50")));
    EXPECT_EQ(view.entries[0].cur.add, "2");
    EXPECT_EQ(CurLens(0).serie, "2");
    EXPECT_EQ(FinalLens(0).serie, "2");
    EXPECT_TRUE(view.printEnabled);
}

TEST_F(RefinementTest, AddChoiceOfTheCurrentLens)
{
    Both("7.85", "-2.00", "1.5", "2");
    view.addChoice = lens::AddChoice::CurrentLens;
    refine.SeriesClicked(0);
    EXPECT_EQ(view.entries[0].pres.add, "1.5");
    EXPECT_EQ(PresLens(0).serie, "1");
    EXPECT_EQ(FinalLens(0).serie, "1");
}

TEST_F(RefinementTest, ClosedAddCorrectionChangesNothing)
{
    Both("7.85", "-2.00", "1.5", "2");
    view.addChoice.reset();
    refine.SeriesClicked(0);
    EXPECT_EQ(view.dialogs, std::vector<std::string>{"Add Correction"});
    EXPECT_EQ(FinalLens(0).serie, "???");
    EXPECT_EQ(view.entries[0].cur.add, "1.5");
    EXPECT_EQ(view.entries[0].pres.add, "2");
}

TEST_F(RefinementTest, EditedAddLeavesTheSeriesMarker)
{
    Both("7.85", "-2.00", "1.5", "2");
    view.entries[0].pres.add = "two";
    refine.SeriesClicked(0);
    EXPECT_TRUE(view.dialogs.empty());
    EXPECT_EQ(view.boxes.back().text, "Error 617\r\nThe add is not numeric");
    EXPECT_EQ(FinalLens(0).serie, "???");
}

TEST_F(RefinementTest, OrderButtonWaitsForTheLastMarkerOfBothEyes)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(1, {"43", "44", "-2", "", "", "12", "2"});
    Cur(0, {"8.00", "-3", "9.2", "2"});
    Cur(1, {"8.00", "-2", "9.2", "2"});
    Calculate();
    ASSERT_EQ(FinalLens(0).bc, "???");
    ASSERT_EQ(FinalLens(0).pow, "???");
    ASSERT_EQ(FinalLens(1).bc, "???");
    view.answers = {true, true};
    refine.BaseCurveClicked(0);
    refine.PowerClicked(0);
    EXPECT_FALSE(view.printEnabled);
    view.answers = {false};
    refine.BaseCurveClicked(1);
    EXPECT_EQ(FinalLens(1).bc, "7.70");
    EXPECT_TRUE(view.printEnabled);
}

} // namespace
} // namespace corvane::test
