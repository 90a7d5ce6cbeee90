#include "form1_fixture.h"

namespace corvane::test {
namespace {

struct CurrentCase {
    const char* name;
    std::array<const char*, 4> entries; // base curve, power, diameter, add
    std::array<const char*, 4> after;   // the entries as written back
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

class DesignFromCurrentLensTest : public Form1Test, public testing::WithParamInterface<CurrentCase> {};

TEST_P(DesignFromCurrentLensTest, ThroughTheCalculateCommand)
{
    const CurrentCase& c = GetParam();
    Cur(0, c.entries);
    Calculate();
    EXPECT_TRUE(tk.boxes.empty()) << tk.boxes.front().text;
    EXPECT_EQ(CurLens(0), c.lens);
    EXPECT_EQ(FinalLens(0), c.lens);
    const EyeArray* entries[] = {&k->txtCurBC, &k->txtCurPow, &k->txtCurDiam, &k->txtCurAdd};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ((*entries[i])[0]->Text(), c.after[static_cast<std::size_t>(i)]) << (*entries[i])[0]->Name();
    }
    EXPECT_TRUE(k->cmdPrint->Enabled());
    EXPECT_FALSE(k->lblResCurOS->Visible());
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignFromCurrentLensTest, testing::ValuesIn(kCurrentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, CalculatingTwiceRewritesNothingTheSecondTime)
{
    Cur(0, {"785", "-350", "960", "175"});
    Calculate();
    const Lens first = CurLens(0);
    std::vector<std::string> rewrites;
    for (Control* c : {k->txtCurBC[0], k->txtCurPow[0], k->txtCurDiam[0], k->txtCurAdd[0]})
        rewrites.push_back(c->Text());
    Calculate();
    EXPECT_EQ(CurLens(0), first);
    std::vector<std::string> again;
    for (Control* c : {k->txtCurBC[0], k->txtCurPow[0], k->txtCurDiam[0], k->txtCurAdd[0]})
        again.push_back(c->Text());
    EXPECT_EQ(again, rewrites);
}

struct CurValidationCase {
    const char* name;
    std::array<const char*, 4> entries;
    bool presTicked;
    const char* presAdd;
    int number;
    const char* message;
    const char* focus;
};

// One row for each entry a check names.
const CurValidationCase kCurValidationCases[] = {
    {"all_empty", {"", "", "", ""}, false, "", 618, "The current lens base curve is needed", "txtCurBC"},
    {"power_letters", {"7.8", "x", "9.2", "2"}, false, "", 621, "The current lens power is not numeric", "txtCurPow"},
    {"diam_letters",
     {"7.8", "-2", "nine", "2"},
     false,
     "",
     623,
     "The current lens diameter is not numeric",
     "txtCurDiam"},
    {"fallback_from_letters",
     {"7.8", "-2", "9.2", ""},
     true,
     "two",
     625,
     "The client's add is not numeric",
     "txtCurAdd"},

};

class ValidateCurrentLensTest : public Form1Test,
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
    auto it = std::find_if(tk.boxes.begin(), tk.boxes.end(), [&](const ShownBox& b) { return b.text == expected; });
    ASSERT_NE(it, tk.boxes.end()) << (tk.boxes.empty() ? "no box" : tk.boxes.back().text);
    EXPECT_EQ(it->title, title);
    ASSERT_NE(tk.focus, nullptr);
    EXPECT_EQ(tk.focus->Name(), std::string(c.focus) + "_" + std::to_string(e));
    EXPECT_EQ(CurLens(e), kNoLens);
    EXPECT_FALSE(form1_->Calc().Eye(e).cur.has_value());
    // No suggestion of the current lens; at most a prescription-only one.
    EXPECT_EQ(FinalLens(e), PresLens(e));
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidateCurrentLensTest,
                         testing::Combine(testing::ValuesIn(kCurValidationCases), testing::Values(0, 1)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == 0 ? "_OD" : "_OS");
                         });

TEST_F(Form1Test, MissingAddIsTakenFromTheTickedPrescription)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2.00"});
    Cur(0, {"7.85", "-2.00", "9.2", ""});
    Calculate();
    EXPECT_TRUE(tk.boxes.empty());
    EXPECT_EQ(k->txtCurAdd[0]->Text(), "2.00");
    EXPECT_EQ(CurLens(0).serie, "2");
}

TEST_F(Form1Test, LeftEyeFallbackReadsTheLeftPrescription)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "1.00"});
    Pres(1, {"43", "44", "-2", "", "", "12", "2.50"});
    Cur(0, {"7.85", "-2", "9.2", "1.00"});
    Cur(1, {"7.85", "-2", "9.2", ""});
    Calculate();
    EXPECT_EQ(k->txtCurAdd[1]->Text(), "2.50");
    EXPECT_EQ(CurLens(1).serie, "3");
    EXPECT_TRUE(k->lblResCurOS->Visible());
}

TEST_F(Form1Test, OverflowInTheCurrentLensDesignLeavesNoStaleLens)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Cur(0, {"8.00", "-3", "9.5", "2.5"});
    Calculate();
    ASSERT_EQ(FinalLens(0).pow, "???");
    k->txtCurBC[0]->SetText("-1e308");
    Calculate();
    ASSERT_EQ(tk.boxes.size(), 1u);
    EXPECT_EQ(tk.boxes[0].text, "Error 6\r\nOverflow");
    EXPECT_EQ(tk.boxes[0].title, "Error for OD");
    EXPECT_FALSE(form1_->Calc().Eye(0).cur.has_value());
    EXPECT_EQ(CurLens(0), kNoLens);
    // The prescription alone now makes the suggestion.
    EXPECT_EQ(FinalLens(0), (Lens{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_TRUE(k->cmdPrint->Enabled());
}

struct MergeCase {
    const char* name;
    std::array<const char*, 7> pres;
    std::array<const char*, 4> cur;
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

class SuggestFinalLensTest : public Form1Test, public testing::WithParamInterface<MergeCase> {};

TEST_P(SuggestFinalLensTest, ThroughTheCalculateCommand)
{
    const MergeCase& c = GetParam();
    k->lblhelp->SetCaption("");
    Pres(0, c.pres);
    Cur(0, c.cur);
    k->lblhelp->SetCaption("");
    Calculate();
    EXPECT_TRUE(tk.boxes.empty());
    EXPECT_EQ(FinalLens(0), c.lens);
    EXPECT_EQ(k->lblhelp->Caption(), c.help);
    const bool open = c.lens.bc == "???" || c.lens.pow == "???" || c.lens.serie == "???";
    EXPECT_EQ(k->cmdPrint->Enabled(), !open);
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

TEST_F(Form1Test, BothEyesWithAMarkerOnTheLeft)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(1, {"43", "44", "-2", "", "", "12", "2"});
    Cur(0, {"7.85", "-2", "9.2", "2"});
    Cur(1, {"7.85", "-2", "9.2", "2.5"});
    Calculate();
    EXPECT_EQ(FinalLens(0), (Lens{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_EQ(FinalLens(1).serie, "???");
    EXPECT_TRUE(k->lblResFinalOS->Visible());
    EXPECT_FALSE(k->cmdPrint->Enabled());
}

TEST_F(Form1Test, ToleranceFailureLeavesTheCurrentLensAsSuggestion)
{
    Pres(0, {"38", "44", "-2", "", "", "12", "2"});
    Cur(0, {"7.85", "-3.00", "9.0", "2.00"});
    Calculate();
    EXPECT_EQ(PresLens(0), kNoLens);
    EXPECT_EQ(FinalLens(0), (Lens{"7.70", "-3.50", "9.0", "2"}));
}

} // namespace
} // namespace corvane::test
