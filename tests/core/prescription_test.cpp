#include "form1_fixture.h"

namespace corvane::test {
namespace {

constexpr const char* kLowerL = "The Lower keratometry is outside of the recommended tolerances. Please consult";
constexpr const char* kKerato = "The keratometry is outside of the recommended tolerances. Please consult";
constexpr const char* kCylinder = "The cylinder is outside of the recommended tolerances. Please consult";

struct DesignCase {
    const char* name;
    std::array<const char*, 7> entries; // K1, K2, sphere, cyl, axis, vertex, add
    Lens lens;                          // kNoLens when the design withholds it
    std::vector<std::string> messages;  // tolerance messages, in order
    std::array<const char*, 5> after;   // K1, K2, sphere, cyl, axis as written back
};

// The wiring through the window on a few rows: the rules are rows of the
// engine's tables.
const DesignCase kDesignCases[] = {
    {"hundredths_and_vertex",
     {"4300", "4400", "-500", "", "", "12", "2.00"},
     {"7.70", "-5.25", "9.2", "2"},
     {},
     {"43", "44", "-5", "", ""}},
    {"plus_cylinder_transposed",
     {"43", "44", "-2.00", "+1.00", "90", "12", "2.00"},
     {"7.70", "-1.50", "9.2", "2"},
     {},
     {"43", "44", "-1", "-1", "180"}},
    {"three_messages_in_order",
     {"3800", "4200", "-2", "-3", "20", "12", "2"},
     kNoLens,
     {kLowerL, kKerato, kCylinder},
     {"38", "42", "-2", "-3", "20"}},
};

class DesignFromPrescriptionTest : public Form1Test, public testing::WithParamInterface<DesignCase> {};

TEST_P(DesignFromPrescriptionTest, ThroughTheCalculateCommand)
{
    const DesignCase& c = GetParam();
    Pres(0, c.entries);
    std::vector<std::string> kera1AtBox;
    tk.onBox = [&](const ShownBox&) { kera1AtBox.push_back(k->txtPresKera1[0]->Text()); };
    Calculate();
    EXPECT_EQ(PresLens(0), c.lens);
    // Each warning comes after the entries were rewritten.
    EXPECT_EQ(kera1AtBox, std::vector<std::string>(tk.boxes.size(), c.after[0]));
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
    int number;
    const char* message;
    const char* focus;
};

// One row for each entry a check names; the checks themselves are the
// engine's.
const ValidationCase kValidationCases[] = {
    {"k1_letters", 0, "abc", nullptr, nullptr, 602, "The first keratometry is not numeric", "txtPresKera1"},
    {"k2_empty", 1, "", nullptr, nullptr, 604, "The second keratometry is needed", "txtPresKera2"},
    {"power_blank", 2, " ", nullptr, nullptr, 608, "The power is not numeric", "txtPresPow"},
    {"axis_without_cyl", 4, "90", "", nullptr, 609, "The cylinder is needed", "txtPresCyl"},
    {"axis_above_180", 4, "180.5", "-1", nullptr, 612, "The axis must range between 1 and 180", "txtPresAxe"},
    {"vertex_100", 5, "100", nullptr, nullptr, 615, "The vertex must be between 0 and 99", "cboPresVertex"},
    {"add_empty", 6, "", nullptr, nullptr, 616, "The add is needed", "cboPresAdd"},
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
    EXPECT_EQ(PresLens(0), kNoLens);
    EXPECT_EQ(PresLens(1), (Lens{"7.70", "-2.50", "9.2", "2"}));
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
