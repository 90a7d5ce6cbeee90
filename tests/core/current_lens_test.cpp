#include "form1_fixture.h"

namespace corvane::test {
namespace {

struct CurrentCase {
    const char* name;
    std::array<const char*, 4> entries; // base curve, power, diameter, add
    std::array<const char*, 4> after;   // the entries as written back
    Lens lens;
};

const CurrentCase kCurrentCases[] = {
    {"worked_mm", {"7.85", "-3.00", "9.0", "2.00"}, {"7.85", "-3.00", "9.0", "2.00"}, {"7.70", "-3.50", "9.0", "2"}},
    {"worked_no_points", {"785", "-350", "960", "175"}, {"7.85", "-3.5", "9.6", "1.75"}, {"7.70", "-4.00", "9.5", "2"}},
    {"worked_dioptres",
     {"43.00", "+1.25", "9.3", "1.50"},
     {"7.85", "+1.25", "9.3", "1.50"},
     {"7.70", "0.75", "9.2", "1"}},
    {"worked_dioptres_2",
     {"42.50", "-2.00", "8.8", "2.50"},
     {"7.94", "-2.00", "8.8", "2.50"},
     {"7.80", "-2.50", "9.0", "3"}},
    {"bc_796_moves_up", {"7.96", "-2", "9.2", "2"}, {"7.96", "-2", "9.2", "2"}, {"7.90", "-2.50", "9.2", "2"}},
    {"bc_786_moves_up", {"7.86", "-2", "9.2", "2"}, {"7.86", "-2", "9.2", "2"}, {"7.80", "-2.50", "9.2", "2"}},
    {"bc_787", {"7.87", "-2", "9.2", "2"}, {"7.87", "-2", "9.2", "2"}, {"7.80", "-2.50", "9.2", "2"}},
    {"bc_780", {"7.80", "-2", "9.2", "2"}, {"7.80", "-2", "9.2", "2"}, {"7.70", "-2.50", "9.2", "2"}},
    {"bc_800", {"8.00", "-2", "9.2", "2"}, {"8.00", "-2", "9.2", "2"}, {"7.90", "-2.50", "9.2", "2"}},
    {"bc_750", {"7.50", "-2", "9.2", "2"}, {"7.50", "-2", "9.2", "2"}, {"7.40", "-2.50", "9.2", "2"}},
    {"bc_765", {"7.65", "-2", "9.2", "2"}, {"7.65", "-2", "9.2", "2"}, {"7.50", "-2.50", "9.2", "2"}},
    {"bc_766", {"7.66", "-2", "9.2", "2"}, {"7.66", "-2", "9.2", "2"}, {"7.60", "-2.50", "9.2", "2"}},
    {"bc_15_is_mm", {"15", "-2", "9.2", "2"}, {"15", "-2", "9.2", "2"}, {"14.90", "-2.50", "9.2", "2"}},
    {"bc_1501_is_dioptres", {"15.01", "-2", "9.2", "2"}, {"22.49", "-2", "9.2", "2"}, {"22.40", "-2.50", "9.2", "2"}},
    {"bc_100", {"100", "-2", "9.2", "2"}, {"1", "-2", "9.2", "2"}, {"0.90", "-2.50", "9.2", "2"}},
    {"bc_1500", {"1500", "-2", "9.2", "2"}, {"15", "-2", "9.2", "2"}, {"14.90", "-2.50", "9.2", "2"}},
    {"bc_4325", {"4325", "-2", "9.2", "2"}, {"7.80", "-2", "9.2", "2"}, {"7.70", "-2.50", "9.2", "2"}},
    {"power_100", {"7.85", "100", "9.2", "2"}, {"7.85", "1", "9.2", "2"}, {"7.70", "0.50", "9.2", "2"}},
    {"power_minus_100", {"7.85", "-100", "9.2", "2"}, {"7.85", "-1", "9.2", "2"}, {"7.70", "-1.50", "9.2", "2"}},
    {"power_99_stays", {"7.85", "-99", "9.2", "2"}, {"7.85", "-99", "9.2", "2"}, {"7.70", "-99.50", "9.2", "2"}},
    {"power_050", {"7.85", "0.50", "9.2", "2"}, {"7.85", "0.50", "9.2", "2"}, {"7.70", "0.00", "9.2", "2"}},
    {"diam_949", {"7.85", "-2", "9.49", "2"}, {"7.85", "-2", "9.49", "2"}, {"7.70", "-2.50", "9.2", "2"}},
    {"diam_95", {"7.85", "-2", "9.5", "2"}, {"7.85", "-2", "9.5", "2"}, {"7.70", "-2.50", "9.5", "2"}},
    {"diam_919", {"7.85", "-2", "9.19", "2"}, {"7.85", "-2", "9.19", "2"}, {"7.70", "-2.50", "9.0", "2"}},
    {"diam_92_not_scaled", {"7.85", "-2", "92", "2"}, {"7.85", "-2", "92", "2"}, {"7.70", "-2.50", "9.5", "2"}},
    {"add_175", {"7.85", "-2", "9.2", "1.75"}, {"7.85", "-2", "9.2", "1.75"}, {"7.70", "-2.50", "9.2", "2"}},
    {"add_25", {"7.85", "-2", "9.2", "2.5"}, {"7.85", "-2", "9.2", "2.5"}, {"7.70", "-2.50", "9.2", "3"}},
    {"add_174", {"7.85", "-2", "9.2", "1.74"}, {"7.85", "-2", "9.2", "1.74"}, {"7.70", "-2.50", "9.2", "1"}},
    {"add_175_no_point", {"7.85", "-2", "9.2", "175"}, {"7.85", "-2", "9.2", "1.75"}, {"7.70", "-2.50", "9.2", "2"}},
    {"add_20_not_scaled", {"7.85", "-2", "9.2", "20"}, {"7.85", "-2", "9.2", "20"}, {"7.70", "-2.50", "9.2", "3"}},
    {"zero_bc_and_diam_pass", {"0", "0", "0", "0"}, {"0", "0", "0", "0"}, {"-0.10", "-0.50", "9.0", "1"}},
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

const CurValidationCase kCurValidationCases[] = {
    {"all_empty", {"", "", "", ""}, false, "", 618, "The current lens base curve is needed", "txtCurBC"},
    {"bc_blank", {" ", "-2", "9.2", "2"}, false, "", 619, "The current lens base curve is not numeric", "txtCurBC"},
    {"power_empty", {"7.8", "", "9.2", "2"}, false, "", 620, "The current lens power is needed", "txtCurPow"},
    {"power_letters", {"7.8", "x", "9.2", "2"}, false, "", 621, "The current lens power is not numeric", "txtCurPow"},
    {"diam_empty", {"7.8", "-2", "", "2"}, false, "", 622, "The current lens diameter is needed", "txtCurDiam"},
    {"diam_letters",
     {"7.8", "-2", "nine", "2"},
     false,
     "",
     623,
     "The current lens diameter is not numeric",
     "txtCurDiam"},
    {"add_missing", {"7.8", "-2", "9.2", ""}, false, "", 624, "Please enter the current patient's add", "txtCurAdd"},
    {"add_blank_not_replaced",
     {"7.8", "-2", "9.2", " "},
     true,
     "2.00",
     625,
     "The client's add is not numeric",
     "txtCurAdd"},
    {"add_letters", {"7.8", "-2", "9.2", "x"}, false, "", 625, "The client's add is not numeric", "txtCurAdd"},
    {"fallback_from_empty_prescription_add",
     {"7.8", "-2", "9.2", ""},
     true,
     "",
     624,
     "Please enter the current patient's add",
     "txtCurAdd"},
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

const MergeCase kMergeCases[] = {
    {"all_agree",
     {"43", "44", "-2.00", "", "", "12", "2"},
     {"7.85", "-2.00", "9.2", "2"},
     {"7.70", "-2.50", "9.2", "2"},
     ""},
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
    {"bc_cut_to_hundredths_agree",
     {"43", "43.5", "-2.00", "", "", "12", "2"},
     {"7.96", "-2.00", "9.2", "2"},
     {"???", "-2.50", "9.2", "2"},
     "Click on the ??? to choose the Base Curve"},
    // Diameter rule; keratometry designs of 9.0 (K 47), 9.2 (K 43, minus) and 9.5 (K 43, plus).
    {"d90_cur95_d05",
     {"47", "47.5", "-2", "", "", "12", "2"},
     {"7.2", "-2", "9.5", "2"},
     {"7.10", "-2.50", "9.2", "2"},
     ""},
    {"d92_cur96_d04",
     {"43", "44", "-2", "", "", "12", "2"},
     {"7.85", "-2", "9.6", "2"},
     {"7.70", "-2.50", "9.5", "2"},
     ""},
    {"d90_cur93_d03",
     {"47", "47.5", "-2", "", "", "12", "2"},
     {"7.2", "-2", "9.3", "2"},
     {"7.10", "-2.50", "9.0", "2"},
     ""},
    {"d95_cur93",
     {"43", "44", "2", "", "", "12", "2"},
     {"7.85", "1", "9.3", "2"},
     {"7.70", "???", "9.2", "2"},
     "Click on the ??? to choose the Power"},
    {"d92_cur89_just_above_minus03",
     {"43", "44", "-2", "", "", "12", "2"},
     {"7.85", "-2", "8.9", "2"},
     {"7.70", "-2.50", "9.0", "2"},
     ""},
    {"d95_cur92_just_below_minus03",
     {"43", "44", "2", "", "", "12", "2"},
     {"7.85", "2", "9.2", "2"},
     {"7.70", "1.50", "9.2", "2"},
     ""},
    {"d95_cur90", {"43", "44", "2", "", "", "12", "2"}, {"7.85", "2", "9.0", "2"}, {"7.70", "1.50", "9.2", "2"}, ""},
    {"d95_cur89_just_above_minus06",
     {"43", "44", "2", "", "", "12", "2"},
     {"7.85", "2", "8.9", "2"},
     {"7.70", "1.50", "9.2", "2"},
     ""},
    {"d95_cur88", {"43", "44", "2", "", "", "12", "2"}, {"7.85", "2", "8.8", "2"}, {"7.70", "1.50", "9.0", "2"}, ""},
    {"same_diameter_ignores_typed",
     {"47", "47.5", "-2", "", "", "12", "2"},
     {"7.2", "-2", "8.4", "2"},
     {"7.10", "-2.50", "9.0", "2"},
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
