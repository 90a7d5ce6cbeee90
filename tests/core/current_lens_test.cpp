#include "fake_main_view.h"

#include <algorithm>

namespace corvane::test {
namespace {

struct CurrentCase {
    const char* name;
    lens::CurrentLensEntries entries;
    lens::CurrentLensEntries after; // as written back
    Lens lens;
};

// The wiring through the window on a few rows: the rules are rows of the
// engine's tables.
const CurrentCase kCurrentCases[] = {
    {"worked_no_points", {"785", "-350", "960", "175"}, {"7.85", "-3.5", "9.6", "1.75"}, {"7.70", "-4.00", "9.5", "2"}},
    {"worked_dioptres",
     {"43.00", "+1.25", "9.3", "1.50"},
     {"7.85", "+1.25", "9.3", "1.50"},
     {"7.70", "0.75", "9.2", "1"}},
};

class DesignFromCurrentLensTest : public PresenterTest, public testing::WithParamInterface<CurrentCase> {};

TEST_P(DesignFromCurrentLensTest, ThroughTheCalculateCommand)
{
    const CurrentCase& c = GetParam();
    Cur(0, c.entries);
    Calculate();
    EXPECT_TRUE(view.boxes.empty()) << view.boxes.front().text;
    EXPECT_EQ(CurLens(0), c.lens);
    EXPECT_EQ(FinalLens(0), c.lens);
    EXPECT_EQ(view.entries[0].cur, c.after);
    EXPECT_TRUE(view.printEnabled);
    EXPECT_EQ(CurLens(1), kNoLens);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignFromCurrentLensTest, testing::ValuesIn(kCurrentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PresenterTest, CalculatingTwiceRewritesNothingTheSecondTime)
{
    Cur(0, {"785", "-350", "960", "175"});
    Calculate();
    const Lens first = CurLens(0);
    const lens::CurrentLensEntries rewrites = view.entries[0].cur;
    Calculate();
    EXPECT_EQ(CurLens(0), first);
    EXPECT_EQ(view.entries[0].cur, rewrites);
}

struct CurValidationCase {
    const char* name;
    lens::CurrentLensEntries entries;
    bool presTicked;
    const char* presAdd;
    int number;
    const char* message;
    lens::Entry focus;
};

// One row for each entry a check names.
const CurValidationCase kCurValidationCases[] = {
    {"all_empty", {"", "", "", ""}, false, "", 618, "The current lens base curve is needed", lens::Entry::CurBC},
    {"power_letters",
     {"7.8", "x", "9.2", "2"},
     false,
     "",
     621,
     "The current lens power is not numeric",
     lens::Entry::CurPower},
    {"diam_letters",
     {"7.8", "-2", "nine", "2"},
     false,
     "",
     623,
     "The current lens diameter is not numeric",
     lens::Entry::CurDiam},
    {"fallback_from_letters",
     {"7.8", "-2", "9.2", ""},
     true,
     "two",
     625,
     "The client's add is not numeric",
     lens::Entry::CurAdd},

};

class ValidateCurrentLensTest : public PresenterTest,
                                public testing::WithParamInterface<std::tuple<CurValidationCase, int>> {};

TEST_P(ValidateCurrentLensTest, ReportsTheFirstFault)
{
    const auto& [c, e] = GetParam();
    if (c.presTicked)
        Pres(e, {"43", "44", "-2", "", "", "12", c.presAdd});
    if (e == 1)
        Cur(0, {"7.85", "-2", "9.2", "2"});
    Cur(e, c.entries);
    Calculate();
    const std::string expected = "Error " + std::to_string(c.number) + "\r\n" + c.message;
    const std::string title = e == 0 ? "Error for OD" : "Error for OS";
    auto it = std::find_if(view.boxes.begin(), view.boxes.end(), [&](const ShownBox& b) { return b.text == expected; });
    ASSERT_NE(it, view.boxes.end()) << (view.boxes.empty() ? "no box" : view.boxes.back().text);
    EXPECT_EQ(it->title, title);
    ASSERT_FALSE(view.focus.empty());
    EXPECT_EQ(view.focus.back(), std::make_pair(e, c.focus));
    EXPECT_EQ(CurLens(e), kNoLens);
    EXPECT_FALSE(calc.Eye(e).cur.has_value());
    // No suggestion of the current lens; at most a prescription-only one.
    EXPECT_EQ(FinalLens(e), PresLens(e));
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidateCurrentLensTest,
                         testing::Combine(testing::ValuesIn(kCurValidationCases), testing::Values(0, 1)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == 0 ? "_OD" : "_OS");
                         });

TEST_F(PresenterTest, MissingAddIsTakenFromTheTickedPrescription)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2.00"});
    Cur(0, {"7.85", "-2.00", "9.2", ""});
    Calculate();
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(view.entries[0].cur.add, "2.00");
    EXPECT_EQ(CurLens(0).serie, "2");
}

TEST_F(PresenterTest, LeftEyeFallbackReadsTheLeftPrescription)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "1.00"});
    Pres(1, {"43", "44", "-2", "", "", "12", "2.50"});
    Cur(0, {"7.85", "-2", "9.2", "1.00"});
    Cur(1, {"7.85", "-2", "9.2", ""});
    Calculate();
    EXPECT_EQ(view.entries[1].cur.add, "2.50");
    EXPECT_EQ(CurLens(1).serie, "3");
}

TEST_F(PresenterTest, OverflowInTheCurrentLensDesignLeavesNoStaleLens)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Cur(0, {"8.00", "-3", "9.5", "2.5"});
    Calculate();
    ASSERT_EQ(FinalLens(0).pow, "???");
    view.entries[0].cur.bc = "-1e308";
    Calculate();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Error 6\r\nOverflow");
    EXPECT_EQ(view.boxes[0].title, "Error for OD");
    EXPECT_FALSE(calc.Eye(0).cur.has_value());
    EXPECT_EQ(CurLens(0), kNoLens);
    // The prescription alone now makes the suggestion.
    EXPECT_EQ(FinalLens(0), (Lens{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_TRUE(view.printEnabled);
}

struct MergeCase {
    const char* name;
    lens::PrescriptionEntries pres;
    lens::CurrentLensEntries cur;
    Lens lens;
    const char* help; // expected help line ("" : untouched)
};

// The help line and Print on a few rows; the diameter read from the entry.
const MergeCase kMergeCases[] = {
    {"power_differs",
     {"43", "44", "-2.00", "", "", "12", "2"},
     {"7.85", "-3.00", "9.2", "2"},
     {"7.70", "???", "9.2", "2"},
     "Click on the ??? to choose the Power"},
    {"power_and_bc_differ",
     {"43", "44", "-2.00", "", "", "12", "2"},
     {"8.00", "-3.00", "9.2", "2"},
     {"???", "???", "9.2", "2"},
     "Click on the ??? to choose the Base Curve"},
    {"series_differs",
     {"43", "44", "-2.00", "", "", "12", "2"},
     {"7.85", "-2.00", "9.2", "2.5"},
     {"7.70", "-2.50", "9.2", "???"},
     ""},
    {"d92_cur96_d04",
     {"43", "44", "-2", "", "", "12", "2"},
     {"7.85", "-2", "9.6", "2"},
     {"7.70", "-2.50", "9.5", "2"},
     ""},
};

class SuggestFinalLensTest : public PresenterTest, public testing::WithParamInterface<MergeCase> {};

TEST_P(SuggestFinalLensTest, ThroughTheCalculateCommand)
{
    const MergeCase& c = GetParam();
    Pres(0, c.pres);
    Cur(0, c.cur);
    Calculate();
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(FinalLens(0), c.lens);
    EXPECT_EQ(view.help, c.help);
    const bool open = c.lens.bc == "???" || c.lens.pow == "???" || c.lens.serie == "???";
    EXPECT_EQ(view.printEnabled, !open);
    EXPECT_EQ(view.open[0], (OpenValues{c.lens.bc == "???", c.lens.pow == "???", c.lens.serie == "???"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, SuggestFinalLensTest, testing::ValuesIn(kMergeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiameterDifferences, AreTheDoublesTheRuleIsWrittenFor)
{
    EXPECT_EQ(9.6 - 9.2, 0.40000000000000036);
    EXPECT_EQ(8.9 - 9.2, -0.29999999999999893);
    EXPECT_EQ(9.2 - 9.5, -0.3000000000000007);
    EXPECT_EQ(8.9 - 9.5, -0.5999999999999996);
    EXPECT_EQ(9.3 - 9.0, 0.3000000000000007);
}

TEST_F(PresenterTest, BothEyesWithAMarkerOnTheLeft)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(1, {"43", "44", "-2", "", "", "12", "2"});
    Cur(0, {"7.85", "-2", "9.2", "2"});
    Cur(1, {"7.85", "-2", "9.2", "2.5"});
    Calculate();
    EXPECT_EQ(FinalLens(0), (Lens{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_EQ(FinalLens(1).serie, "???");
    EXPECT_FALSE(view.printEnabled);
}

TEST_F(PresenterTest, ToleranceFailureLeavesTheCurrentLensAsSuggestion)
{
    Pres(0, {"38", "44", "-2", "", "", "12", "2"});
    Cur(0, {"7.85", "-3.00", "9.0", "2.00"});
    Calculate();
    EXPECT_EQ(PresLens(0), kNoLens);
    EXPECT_EQ(FinalLens(0), (Lens{"7.70", "-3.50", "9.0", "2"}));
}

} // namespace
} // namespace corvane::test
