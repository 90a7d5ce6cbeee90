#include "form1_fixture.h"

namespace corvane::test {
namespace {

constexpr const char* kLowerL = "The Lower keratometry is outside of the recommended tolerances. Please consult";
constexpr const char* kLowerSmall = "The lower keratometry is outside of the recommended tolerances. Please consult";
constexpr const char* kKerato = "The keratometry is outside of the recommended tolerances. Please consult";
constexpr const char* kCylinder = "The cylinder is outside of the recommended tolerances. Please consult";

struct DesignCase {
    const char* name;
    std::array<const char*, 7> entries; // K1, K2, sphere, cyl, axis, vertex, add
    Lens lens;                          // kNoLens when the design withholds it
    std::vector<std::string> messages;  // tolerance messages, in order
    std::array<const char*, 5> after;   // K1, K2, sphere, cyl, axis as written back
};

const DesignCase kDesignCases[] = {
    {"hundredths_and_vertex",
     {"4300", "4400", "-500", "", "", "12", "2.00"},
     {"7.70", "-5.25", "9.2", "2"},
     {},
     {"43", "44", "-5", "", ""}},
    {"plus_sphere_no_vertex_step",
     {"43", "44", "+2.00", "", "", "12", "1.50"},
     {"7.70", "1.50", "9.5", "1"},
     {},
     {"43", "44", "+2.00", "", ""}},
    {"radii_in_mm_and_hundredths_of_mm",
     {"780", "7.9", "-2.00", "", "", "12", "2.00"},
     {"7.80", "-2.50", "9.2", "2"},
     {},
     {"43.2692307692308", "42.7215189873418", "-2.00", "", ""}},
    {"plus_cylinder_transposed",
     {"43", "44", "-2.00", "+1.00", "90", "12", "2.00"},
     {"7.70", "-1.50", "9.2", "2"},
     {},
     {"43", "44", "-1", "-1", "180"}},
    {"plus_cylinder_axis_wraps",
     {"43", "44", "-2.00", "1", "100", "12", "2.00"},
     {"7.70", "-1.50", "9.2", "2"},
     {},
     {"43", "44", "-1", "-1", "10"}},
    {"lower_reading_39_passes",
     {"39", "39.5", "-2", "", "", "12", "2"},
     {"8.50", "-2.50", "9.2", "2"},
     {},
     {"39", "39.5", "-2", "", ""}},
    {"lower_reading_48_passes",
     {"48", "48.5", "-2", "", "", "12", "2"},
     {"7.00", "-2.50", "9.0", "2"},
     {},
     {"48", "48.5", "-2", "", ""}},
    {"lower_reading_below_39",
     {"38.9", "39.5", "-2", "", "", "12", "2"},
     kNoLens,
     {kLowerL},
     {"38.9", "39.5", "-2", "", ""}},
    {"lower_reading_above_48",
     {"48.5", "48.1", "-2", "", "", "12", "2"},
     kNoLens,
     {kLowerSmall},
     {"48.5", "48.1", "-2", "", ""}},
    {"steep_cornea_no_diameter",
     {"50", "51", "-2", "", "", "12", "2"},
     kNoLens,
     {kLowerSmall},
     {"50", "51", "-2", "", ""}},
    {"toricity_at_axis_90",
     {"43", "44.6", "-2", "-0.5", "90", "12", "2"},
     kNoLens,
     {kKerato},
     {"43", "44.6", "-2", "-0.5", "90"}},
    {"toricity_at_axis_180",
     {"43", "44.6", "-2", "-0.5", "180", "12", "2"},
     {"7.70", "-2.50", "9.2", "2"},
     {},
     {"43", "44.6", "-2", "-0.5", "180"}},
    {"cylinder_at_axis_90",
     {"43", "44", "-2", "-1.00", "90", "12", "2"},
     kNoLens,
     {kCylinder},
     {"43", "44", "-2", "-1.00", "90"}},
    {"cylinder_at_axis_130",
     {"43", "44", "-2", "-1.00", "130", "12", "2"},
     {"7.70", "-2.50", "9.2", "2"},
     {},
     {"43", "44", "-2", "-1.00", "130"}},
    {"cylinder_at_axis_20",
     {"43", "44", "-2", "-2.75", "20", "12", "2"},
     kNoLens,
     {kCylinder},
     {"43", "44", "-2", "-2.75", "20"}},
    {"cylinder_limit_is_strict",
     {"43", "44", "-2", "-2.5", "20", "12", "2"},
     {"7.70", "-2.50", "9.2", "2"},
     {},
     {"43", "44", "-2", "-2.5", "20"}},
    {"three_messages_in_order",
     {"38", "42", "-2", "-3", "20", "12", "2"},
     kNoLens,
     {kLowerL, kKerato, kCylinder},
     {"38", "42", "-2", "-3", "20"}},
    {"toricity_075_flattens_once",
     {"43.00", "43.75", "-2", "", "", "12", "2"},
     {"7.70", "-2.50", "9.2", "2"},
     {},
     {"43.00", "43.75", "-2", "", ""}},
    {"toricity_2_flattens_twice",
     {"43.00", "45.00", "-2", "", "", "12", "2"},
     {"7.60", "-2.50", "9.2", "2"},
     {},
     {"43.00", "45.00", "-2", "", ""}},
    {"toricity_05_keeps_curve",
     {"43.00", "43.50", "-2", "", "", "12", "2"},
     {"7.80", "-2.50", "9.2", "2"},
     {},
     {"43.00", "43.50", "-2", "", ""}},
    {"add_175_series_2",
     {"43", "44", "-2", "", "", "12", "1.75"},
     {"7.70", "-2.50", "9.2", "2"},
     {},
     {"43", "44", "-2", "", ""}},
    {"add_250_series_3",
     {"43", "44", "-2", "", "", "12", "2.50"},
     {"7.70", "-2.50", "9.2", "3"},
     {},
     {"43", "44", "-2", "", ""}},
    {"add_174_series_1",
     {"43", "44", "-2", "", "", "12", "1.74"},
     {"7.70", "-2.50", "9.2", "1"},
     {},
     {"43", "44", "-2", "", ""}},
    {"snap_up_to_whole",
     {"43", "44", "-3.97", "", "", "12", "2"},
     {"7.70", "-4.50", "9.2", "2"},
     {},
     {"43", "44", "-3.97", "", ""}},
    {"snap_down_to_zero",
     {"43", "44", "-0.03", "", "", "12", "2"},
     {"7.70", "-0.50", "9.2", "2"},
     {},
     {"43", "44", "-0.03", "", ""}},
    {"eighth_steps",
     {"43", "44", "-2.40", "", "", "12", "2"},
     {"7.70", "-2.87", "9.2", "2"},
     {},
     {"43", "44", "-2.40", "", ""}},
    {"plus_vertex",
     {"43", "44", "+5.00", "", "", "12", "2"},
     {"7.70", "4.87", "9.5", "2"},
     {},
     {"43", "44", "+5.00", "", ""}},
    {"steep_minus_is_90",
     {"47", "47.5", "-2", "", "", "12", "2"},
     {"7.10", "-2.50", "9.0", "2"},
     {},
     {"47", "47.5", "-2", "", ""}},
    {"steep_plus_is_92",
     {"47", "47.5", "2", "", "", "12", "2"},
     {"7.10", "1.50", "9.2", "2"},
     {},
     {"47", "47.5", "2", "", ""}},
};

class DesignFromPrescriptionTest : public Form1Test, public testing::WithParamInterface<DesignCase> {};

TEST_P(DesignFromPrescriptionTest, ThroughTheCalculateCommand)
{
    const DesignCase& c = GetParam();
    Pres(0, c.entries);
    Calculate();
    EXPECT_EQ(PresLens(0), c.lens);
    EXPECT_EQ(BoxTexts(), c.messages);
    for (const ShownBox& box : tk.boxes) {
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(box.buttons, Buttons::Ok);
    }
    const EyeArray* entries[] = {&k->txtPresKera1, &k->txtPresKera2, &k->txtPresPow, &k->txtPresCyl, &k->txtPresAxe};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ((*entries[i])[0]->Text(), c.after[static_cast<std::size_t>(i)]) << (*entries[i])[0]->Name();
    }
    // A prescription-only eye suggests exactly its "From K Reading" column.
    EXPECT_EQ(FinalLens(0), c.lens);
    EXPECT_EQ(k->cmdPrint->Enabled(), c.lens != kNoLens);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignFromPrescriptionTest, testing::ValuesIn(kDesignCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, ToleranceMessagesMoveTheFocusInTurn)
{
    Pres(0, {"39.5", "35", "-2", "-3", "20", "12", "2"});
    Calculate();
    // Lower reading box, then K1 for the toricity, then the cylinder.
    EXPECT_EQ(tk.focusMoves, (std::vector<std::string>{"txtPresKera2_0", "txtPresKera1_0", "txtPresCyl_0"}));
}

struct ValidationCase {
    const char* name;
    int field; // 0..6: K1, K2, sphere, cyl, axis, vertex, add
    const char* text;
    const char* otherCyl; // the cylinder and axis beside it (nullptr: keep)
    const char* otherAxe;
    int number; // 0: passes
    const char* message;
    const char* focus;
};

const ValidationCase kValidationCases[] = {
    {"k1_empty", 0, "", nullptr, nullptr, 601, "The first keratometry is needed", "txtPresKera1"},
    {"k1_blank", 0, " ", nullptr, nullptr, 602, "The first keratometry is not numeric", "txtPresKera1"},
    {"k1_letters", 0, "abc", nullptr, nullptr, 602, "The first keratometry is not numeric", "txtPresKera1"},
    {"k1_zero", 0, "0", nullptr, nullptr, 603, "The keratometry can't be 0", "txtPresKera1"},
    {"k1_zero_decimal", 0, "0.0", nullptr, nullptr, 603, "The keratometry can't be 0", "txtPresKera1"},
    {"k1_minus_zero", 0, "-0", nullptr, nullptr, 603, "The keratometry can't be 0", "txtPresKera1"},
    {"k2_empty", 1, "", nullptr, nullptr, 604, "The second keratometry is needed", "txtPresKera2"},
    {"k2_blank", 1, " ", nullptr, nullptr, 605, "The second keratometry is not numeric", "txtPresKera2"},
    {"k2_zero", 1, "0", nullptr, nullptr, 606, "The keratometry can't be 0", "txtPresKera2"},
    {"power_empty", 2, "", nullptr, nullptr, 607, "The power is needed", "txtPresPow"},
    {"power_blank", 2, " ", nullptr, nullptr, 608, "The power is not numeric", "txtPresPow"},
    {"cyl_letters_no_axis", 3, "x", nullptr, "", 610, "The cylinder is not numeric", "txtPresCyl"},
    {"cyl_blank", 3, " ", nullptr, "90", 610, "The cylinder is not numeric", "txtPresCyl"},
    {"axis_without_cyl", 4, "90", "", nullptr, 609, "The cylinder is needed", "txtPresCyl"},
    {"blank_axis_without_cyl", 4, " ", "", nullptr, 609, "The cylinder is needed", "txtPresCyl"},
    {"cyl_without_axis", 3, "-1.25", nullptr, "", 611, "The axis is needed", "txtPresAxe"},
    {"axis_letters", 4, "x", "-1", nullptr, 612, "The axis is not numeric", "txtPresAxe"},
    {"axis_above_180", 4, "180.5", "-1", nullptr, 612, "The axis must range between 1 and 180", "txtPresAxe"},
    {"axis_zero", 4, "0", "-1", nullptr, 612, "The axis must range between 1 and 180", "txtPresAxe"},
    {"axis_180_passes", 4, "180", "-1", nullptr, 0, "", ""},
    {"axis_half_passes", 4, "0.5", "-1", nullptr, 0, "", ""},
    {"vertex_empty", 5, "", nullptr, nullptr, 613, "The vetex is needed", "cboPresVertex"},
    {"vertex_blank", 5, " ", nullptr, nullptr, 614, "The vertex is not numeric", "cboPresVertex"},
    {"vertex_100", 5, "100", nullptr, nullptr, 615, "The vertex must be between 0 and 99", "cboPresVertex"},
    {"vertex_negative", 5, "-1", nullptr, nullptr, 615, "The vertex must be between 0 and 99", "cboPresVertex"},
    {"vertex_zero_passes", 5, "0", nullptr, nullptr, 0, "", ""},
    {"vertex_99_9_passes", 5, "99.9", nullptr, nullptr, 0, "", ""},
    {"add_empty", 6, "", nullptr, nullptr, 616, "The add is needed", "cboPresAdd"},
    {"add_blank", 6, " ", nullptr, nullptr, 617, "The add is not numeric", "cboPresAdd"},
    {"k_in_mm_passes", 0, "7.80", nullptr, nullptr, 0, "", ""},
    {"k_without_point_passes", 0, "4350", nullptr, nullptr, 0, "", ""},
    {"k_tiny_passes_validation", 0, "0.01", nullptr, nullptr, 0, "", ""},
};

class ValidatePrescriptionTest : public Form1Test,
                                 public testing::WithParamInterface<std::tuple<ValidationCase, int>> {};

TEST_P(ValidatePrescriptionTest, FirstFailingCheckWins)
{
    const auto& [c, e] = GetParam();
    std::array<const char*, 7> entries = {"43", "44", "-2", "", "", "12", "2"};
    entries[static_cast<std::size_t>(c.field)] = c.text;
    if (c.otherCyl != nullptr)
        entries[3] = c.otherCyl;
    if (c.otherAxe != nullptr)
        entries[4] = c.otherAxe;
    if (c.field == 4 && c.otherCyl == nullptr)
        entries[3] = "-1";
    if (e == 1)
        Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(e, entries);
    Calculate();
    if (c.number == 0) {
        for (const ShownBox& box : tk.boxes) {
            EXPECT_NE(box.title.substr(0, 9), "Error for") << box.text;
        }
        return;
    }
    ASSERT_FALSE(tk.boxes.empty());
    const ShownBox& box = tk.boxes.front();
    EXPECT_EQ(box.text, "Error " + std::to_string(c.number) + "\r\n" + c.message);
    EXPECT_EQ(box.title, e == 0 ? "Error for OD" : "Error for OS");
    EXPECT_EQ(box.buttons, Buttons::OkExclamation);
    ASSERT_NE(tk.focus, nullptr);
    EXPECT_EQ(tk.focus->Name(), std::string(c.focus) + "_" + std::to_string(e));
    EXPECT_EQ(PresLens(e), kNoLens);
    EXPECT_EQ(FinalLens(e), kNoLens);
    EXPECT_FALSE(form1_->Calc().Eye(e).pres.has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidatePrescriptionTest,
                         testing::Combine(testing::ValuesIn(kValidationCases), testing::Values(0, 1)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == 0 ? "_OD" : "_OS");
                         });

TEST_F(Form1Test, OnlyTheFirstFaultIsReportedThenTheNext)
{
    Pres(0, {"", "", "", "", "", "12", "2"});
    Calculate();
    ASSERT_EQ(tk.boxes.size(), 1u);
    EXPECT_EQ(tk.boxes[0].text, "Error 601\r\nThe first keratometry is needed");
    k->txtPresKera1[0]->SetText("43");
    Calculate();
    ASSERT_EQ(tk.boxes.size(), 1u);
    EXPECT_EQ(tk.boxes[0].text, "Error 604\r\nThe second keratometry is needed");
}

TEST_F(Form1Test, DivisionByZeroInTheVertexStepShowsNoStaleLens)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Calculate();
    ASSERT_EQ(FinalLens(0), (Lens{"7.70", "-2.50", "9.2", "2"}));
    // 50 x 20 / 1000 is 1: the vertex step divides by zero.
    k->txtPresPow[0]->SetText("50");
    k->cboPresVertex[0]->SetText("20");
    Calculate();
    ASSERT_EQ(tk.boxes.size(), 1u);
    EXPECT_EQ(tk.boxes[0].text, "Error 11\r\nDivision by zero");
    EXPECT_EQ(tk.boxes[0].title, "Error for OD");
    EXPECT_TRUE(tk.focusMoves.empty());
    EXPECT_FALSE(form1_->Calc().Eye(0).pres.has_value());
    EXPECT_EQ(PresLens(0), kNoLens);
    EXPECT_EQ(FinalLens(0), kNoLens);
    EXPECT_FALSE(k->cmdPrint->Enabled());
}

TEST_F(Form1Test, OverflowInTheRadiusStepIsReported)
{
    Pres(0, {"1e-308", "44", "-2", "", "", "12", "2"});
    Calculate();
    ASSERT_EQ(tk.boxes.size(), 1u);
    EXPECT_EQ(tk.boxes[0].text, "Error 6\r\nOverflow");
    EXPECT_EQ(FinalLens(0), kNoLens);
}

TEST_F(Form1Test, SecondCalculateSeesTheNormalisedEntries)
{
    Pres(0, {"780", "4400", "-500", "+1.00", "90", "12", "200"});
    Calculate();
    const Lens first = PresLens(0);
    const std::string kera1 = k->txtPresKera1[0]->Text();
    Calculate();
    EXPECT_EQ(PresLens(0), first);
    EXPECT_EQ(k->txtPresKera1[0]->Text(), kera1);
    EXPECT_EQ(k->txtPresPow[0]->Text(), "-4");
    EXPECT_EQ(k->txtPresCyl[0]->Text(), "-1");
    EXPECT_EQ(k->txtPresAxe[0]->Text(), "180");
    EXPECT_EQ(k->cboPresAdd[0]->Text(), "2");
}

TEST_F(Form1Test, LeftEyeAloneKeepsTheOrderButtonDisabled)
{
    Pres(1, {"43", "44", "-2", "", "", "12", "2"});
    k->chkPres->SetValue(1);
    k->chkPresOS->SetValue(1);
    k->txtPresKera1[0]->SetText("");
    // The right eye is ticked but fails; the left eye is still calculated.
    Calculate();
    EXPECT_EQ(FinalLens(0), kNoLens);
    EXPECT_EQ(FinalLens(1), (Lens{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_TRUE(k->lblResFinalOS->Visible());
    EXPECT_TRUE(k->lblResPresOS->Visible());
    EXPECT_FALSE(k->cmdPrint->Enabled());
}

TEST_F(Form1Test, NothingTickedShowsNothing)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Calculate();
    ASSERT_TRUE(k->cmdPrint->Enabled());
    k->chkPres->SetValue(0);
    Calculate();
    for (const auto& c : form1_->GetForm().Controls()) {
        if (c->Name().rfind("lblRes", 0) == 0) {
            EXPECT_FALSE(c->Visible()) << c->Name();
        }
    }
    EXPECT_FALSE(k->cmdPrint->Enabled());
}

class CommaLocaleTest : public Form1Test {
protected:
    CommaLocaleTest() : Form1Test(NumberFormat{','}) {}
};

TEST_F(CommaLocaleTest, TypedAndShownWithCommas)
{
    Pres(0, {"7,80", "44", "-2,00", "", "", "12", "2,00"});
    Calculate();
    EXPECT_EQ(k->txtPresKera1[0]->Text(), "43,2692307692308");
    EXPECT_EQ(PresLens(0), (Lens{"7,70", "-2,50", "9,2", "2"}));
    EXPECT_EQ(k->cboPresAdd[0]->Items().front(), "0,75");
}

} // namespace
} // namespace corvane::test
