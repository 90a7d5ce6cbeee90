#include "form1_fixture.h"

namespace corvane::test {
namespace {

constexpr const char* kBcQuestion = "Does the current spherical base curve provide an alignment fitting ?";
constexpr const char* kPowQuestion = "Does the current lens' power Provide best distance vision accuity ?";

class RefinementTest : public Form1Test {
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
    void OverRefraction(const char* text)
    {
        tk.onShow["Form2"] = [text](Form& f) {
            f["txtRefra"].UserSetText(text);
            f["cmdOK"].RaiseClick();
        };
    }
};

TEST_F(RefinementTest, ClickOnAValueDoesNothing)
{
    Both("7.85", "-2.00", "2.00");
    tk.boxes.clear();
    for (Control* c : {k->lblResFinalBC[0], k->lblResFinalPow[0], k->lblResFinalSerie[0], k->lblResFinalDiam[0]})
        c->RaiseClick();
    EXPECT_TRUE(tk.boxes.empty());
    EXPECT_TRUE(tk.shownForms.empty());
}

TEST_F(RefinementTest, BaseCurveYesTakesTheCurrentLens)
{
    Both("8.00", "-2.00", "2.00");
    ASSERT_EQ(FinalLens(0).bc, "???");
    tk.answers = {Answer::Yes};
    k->lblResFinalBC[0]->RaiseClick();
    ASSERT_EQ(tk.boxes.size(), 1u);
    EXPECT_EQ(tk.boxes[0].text, kBcQuestion);
    EXPECT_EQ(tk.boxes[0].title, "Base Curve");
    EXPECT_EQ(tk.boxes[0].buttons, Buttons::YesNo);
    EXPECT_EQ(FinalLens(0).bc, "7.90");
    EXPECT_TRUE(k->cmdPrint->Enabled());
}

TEST_F(RefinementTest, BaseCurveNoTakesTheKeratometryDesign)
{
    Both("8.00", "-2.00", "2.00");
    tk.answers = {Answer::No};
    k->lblResFinalBC[0]->RaiseClick();
    EXPECT_EQ(FinalLens(0).bc, "7.70");
}

TEST_F(RefinementTest, PowerYesTakesTheCurrentLens)
{
    Both("7.85", "-3.00", "2.00");
    tk.answers = {Answer::Yes};
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_EQ(tk.boxes.back().text, kPowQuestion);
    EXPECT_EQ(tk.boxes.back().title, "Power");
    EXPECT_EQ(FinalLens(0).pow, "-3.50");
    EXPECT_TRUE(tk.shownForms.empty());
    EXPECT_TRUE(k->cmdPrint->Enabled());
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
    tk.answers = {Answer::No};
    OverRefraction(c.over);
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_EQ(tk.shownForms, std::vector<std::string>{"Form2"});
    EXPECT_EQ(k->txtCurPow[0]->Text(), c.entry);
    EXPECT_EQ(k->lblResCurPow[0]->Caption(), c.label);
    EXPECT_EQ(FinalLens(0).pow, c.label);
    EXPECT_TRUE(k->cmdPrint->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, PowerCorrectionTest, testing::ValuesIn(kOverCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RefinementTest, OverRefractionZeroLeavesTheMarker)
{
    Both("7.85", "-2.50", "2.00");
    tk.answers = {Answer::No};
    OverRefraction("0");
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(k->txtCurPow[0]->Text(), "-2.50");
    EXPECT_FALSE(k->cmdPrint->Enabled());
}

TEST_F(RefinementTest, ClosingPowerCorrectionCorrectsNothing)
{
    Both("7.85", "-2.50", "2.00");
    tk.answers = {Answer::No};
    OverRefraction("-0.25");
    k->lblResFinalPow[0]->RaiseClick();
    ASSERT_EQ(FinalLens(0).pow, "-3.25");
    // Recalculate: the marker is back; this time the dialog is closed.
    Calculate();
    ASSERT_EQ(FinalLens(0).pow, "???");
    tk.answers = {Answer::No};
    tk.onShow["Form2"] = [](Form&) {};
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(k->txtCurPow[0]->Text(), "-2.75");
    EXPECT_EQ(k->lblResCurPow[0]->Caption(), "-3.25");
    EXPECT_FALSE(k->cmdPrint->Enabled());
}

TEST_F(RefinementTest, NotANumberKeepsPowerCorrectionOpen)
{
    Both("7.85", "-2.50", "2.00");
    tk.answers = {Answer::No};
    bool closedByOk = false;
    tk.onShow["Form2"] = [&](Form& f) {
        for (const char* text : {"", "abc", " "}) {
            f["txtRefra"].UserSetText(text);
            f["cmdOK"].RaiseClick();
            ASSERT_FALSE(f.Unloaded()) << text;
        }
        f["txtRefra"].UserSetText("-1");
        f["cmdOK"].RaiseClick();
        closedByOk = f.Unloaded();
    };
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_TRUE(closedByOk);
    ASSERT_EQ(tk.boxes.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(tk.boxes[i].text, "Error 699\r\nThe Refraction is not a number");
        EXPECT_EQ(tk.boxes[i].title, "Corvane");
        EXPECT_EQ(tk.boxes[i].buttons, Buttons::OkExclamation);
    }
    EXPECT_EQ(FinalLens(0).pow, "-4");
    EXPECT_EQ(k->txtCurPow[0]->Text(), "-3.5");
}

TEST_F(RefinementTest, EditedPowerEntryLeavesTheMarkerWithAMessage)
{
    Both("7.85", "-2.50", "2.00");
    k->txtCurPow[0]->SetText("minus");
    tk.answers = {Answer::No};
    OverRefraction("-0.25");
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_EQ(tk.boxes.back().text, "Error 621\r\nThe current lens power is not numeric");
    EXPECT_EQ(tk.boxes.back().title, "Error for OD");
    EXPECT_EQ(tk.focus, k->txtCurPow[0]);
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(k->lblResCurPow[0]->Caption(), "-3.00");
}

TEST_F(RefinementTest, OverflowingSumLeavesTheMarker)
{
    Both("7.85", "-2.50", "2.00");
    k->txtCurPow[0]->SetText("1e308");
    tk.answers = {Answer::No};
    OverRefraction("1e308");
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_EQ(tk.boxes.back().text, "Error 6\r\nOverflow");
    EXPECT_EQ(FinalLens(0).pow, "???");
    EXPECT_EQ(k->txtCurPow[0]->Text(), "1e308");
}

TEST_F(RefinementTest, AddChoiceOfThePrescription)
{
    Both("7.85", "-2.00", "1.5", "2");
    ASSERT_EQ(FinalLens(0).serie, "???");
    std::string captions;
    tk.onShow["Form3"] = [&](Form& f) {
        captions = f["cmd1"].Caption() + " " + f["cmd2"].Caption();
        f["cmd1"].RaiseClick();
    };
    k->lblResFinalSerie[0]->RaiseClick();
    EXPECT_EQ(captions, "2.00 1.50");
    EXPECT_EQ(k->txtCurAdd[0]->Text(), "2");
    EXPECT_EQ(k->lblResCurSerie[0]->Caption(), "2");
    EXPECT_EQ(FinalLens(0).serie, "2");
    EXPECT_TRUE(k->cmdPrint->Enabled());
}

TEST_F(RefinementTest, AddChoiceOfTheCurrentLens)
{
    Both("7.85", "-2.00", "1.5", "2");
    tk.onShow["Form3"] = [](Form& f) { f["cmd2"].RaiseClick(); };
    k->lblResFinalSerie[0]->RaiseClick();
    EXPECT_EQ(k->cboPresAdd[0]->Text(), "1.5");
    EXPECT_EQ(k->lblResPresSerie[0]->Caption(), "1");
    EXPECT_EQ(FinalLens(0).serie, "1");
}

TEST_F(RefinementTest, ClosedAddCorrectionChangesNothing)
{
    Both("7.85", "-2.00", "1.5", "2");
    tk.onShow["Form3"] = [](Form&) {};
    k->lblResFinalSerie[0]->RaiseClick();
    EXPECT_EQ(FinalLens(0).serie, "???");
    EXPECT_EQ(k->txtCurAdd[0]->Text(), "1.5");
    EXPECT_EQ(k->cboPresAdd[0]->Text(), "2");
}

TEST_F(RefinementTest, EditedAddLeavesTheSeriesMarker)
{
    Both("7.85", "-2.00", "1.5", "2");
    k->cboPresAdd[0]->SetText("two");
    k->lblResFinalSerie[0]->RaiseClick();
    EXPECT_TRUE(tk.shownForms.empty());
    EXPECT_EQ(tk.boxes.back().text, "Error 617\r\nThe add is not numeric");
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
    tk.answers = {Answer::Yes, Answer::Yes};
    k->lblResFinalBC[0]->RaiseClick();
    k->lblResFinalPow[0]->RaiseClick();
    EXPECT_FALSE(k->cmdPrint->Enabled());
    tk.answers = {Answer::No};
    k->lblResFinalBC[1]->RaiseClick();
    EXPECT_EQ(FinalLens(1).bc, "7.70");
    EXPECT_TRUE(k->cmdPrint->Enabled());
}

// What the practitioner changes after Calculate withholds the order until the
// next Calculate; what the program writes does not.
struct AfterCalculateCase {
    const char* name;
    void (*act)(const Form1Controls& k);
    bool orderable;
};

const AfterCalculateCase kAfterCalculate[] = {
    {"typed_keratometry", [](const Form1Controls& k) { k.txtPresKera1[0]->UserSetText("43.00"); }, false},
    {"vertex_from_the_list", [](const Form1Controls& k) { k.cboPresVertex[0]->UserSetText("14"); }, false},
    {"typed_left_current_add", [](const Form1Controls& k) { k.txtCurAdd[1]->UserSetText("2.25"); }, false},
    {"entry_written_by_the_program", [](const Form1Controls& k) { k.txtPresKera1[0]->SetText("43.00"); }, true},
    {"left_eye_copy", [](const Form1Controls& k) { k.chkCurOS->SetValue(0), k.chkCurOS->SetValue(1); }, true},
};

class AfterCalculateTest : public RefinementTest, public testing::WithParamInterface<AfterCalculateCase> {};

TEST_P(AfterCalculateTest, OnlyThePractitionersEditsWithholdTheOrder)
{
    Pres(1, {"43", "44", "-2.00", "", "", "12", "2.00"});
    Cur(1, {"7.85", "-2.00", "9.2", "2.00"});
    Both("7.85", "-2.00", "2.00");
    ASSERT_TRUE(k->cmdPrint->Enabled());
    GetParam().act(*k);
    EXPECT_EQ(k->cmdPrint->Enabled(), GetParam().orderable);
    form1_->cmdPrint_Click();
    EXPECT_EQ(tk.shownForms.size(), GetParam().orderable ? 1u : 0u);
    Calculate();
    EXPECT_TRUE(k->cmdPrint->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, AfterCalculateTest, testing::ValuesIn(kAfterCalculate),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace corvane::test
