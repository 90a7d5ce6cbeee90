#include "form1_fixture.h"

#include "ui/sections.h"

namespace corvane::test {
namespace {

class SectionsTest : public Form1Test {
protected:
    void Enter()
    {
        ASSERT_NE(tk.focus, nullptr);
        EXPECT_EQ(tk.focus->RaiseKeyPress(13), 0) << tk.focus->Name();
        tk.FlushTabs();
    }
    std::string Focused() const { return tk.focus == nullptr ? "" : tk.focus->Name(); }
};

TEST_F(SectionsTest, StartsWithBothSectionsClosed)
{
    for (const auto& c : form1_->GetForm().Controls()) {
        const std::string& n = c->Name();
        const bool entry = n.rfind("txt", 0) == 0 || n.rfind("cbo", 0) == 0;
        if (entry || n.rfind("lblRes", 0) == 0 || n.rfind("lblpres", 0) == 0 || n.rfind("lblCur", 0) == 0 ||
            n == "chkPresOS" || n == "chkCurOS" || n == "lblPresOS") {
            EXPECT_FALSE(c->Visible()) << n;
        }
    }
    EXPECT_FALSE(k->cmdPrint->Enabled());
    ASSERT_EQ(k->cboPresAdd[0]->Items().size(), 9u);
    EXPECT_EQ(k->cboPresAdd[0]->Items().front(), "0.75");
    EXPECT_EQ(k->cboPresAdd[1]->Items().back(), "2.75");
    EXPECT_EQ(k->cboPresVertex[1]->Items().size(), 14u);
    EXPECT_EQ(k->cboPresVertex[0]->Text(), "12");
}

TEST_F(SectionsTest, EnterSkipsClosedSectionsToCalculate)
{
    tk.SetFocus(*k->chkPres);
    Enter();
    EXPECT_EQ(Focused(), "chkCur");
    Enter();
    EXPECT_EQ(Focused(), "btnGo");
    EXPECT_EQ(k->lblhelp->Caption(), "Enter for suggested lens or Tab to quit");
    EXPECT_TRUE(k->btnGo->FontBold());
}

TEST_F(SectionsTest, TickingThePrescriptionOpensItAndFocusesTheFirstField)
{
    tk.SetFocus(*k->chkPres);
    k->txtPresKera1[0]->SetText("43.25");
    k->chkPres->SetValue(1);
    for (Control* c : k->lblpres)
        EXPECT_TRUE(c->Visible()) << c->Name();
    for (const EyeArray* a : {&k->txtPresKera1, &k->txtPresKera2, &k->txtPresPow, &k->txtPresCyl, &k->txtPresAxe,
                              &k->cboPresVertex, &k->cboPresAdd}) {
        EXPECT_TRUE((*a)[0]->Visible());
        EXPECT_FALSE((*a)[1]->Visible());
    }
    EXPECT_TRUE(k->chkPresOS->Visible());
    EXPECT_EQ(Focused(), "txtPresKera1_0");
    EXPECT_EQ(k->txtPresKera1[0]->BackColor(), kFocusColor);
    EXPECT_EQ(k->chkPres->BackColor(), kRestColor);
    EXPECT_EQ(k->txtPresKera1[0]->SelStart(), 0);
    EXPECT_EQ(k->txtPresKera1[0]->SelLength(), 5);
    EXPECT_EQ(k->lblhelp->Caption(), "Enter the K then hit Enter or Tab");
}

TEST_F(SectionsTest, TypingAWholeRightEyeWithEnter)
{
    tk.SetFocus(*k->chkPres);
    k->chkPres->SetValue(1);
    const std::vector<std::pair<const char*, const char*>> walk = {
        {"txtPresKera1_0", "43.25"}, {"txtPresKera2_0", "44.00"}, {"txtPresPow_0", "-2.50"}, {"txtPresCyl_0", "-0.75"},
        {"txtPresAxe_0", "180"},     {"cboPresVertex_0", "12"},   {"cboPresAdd_0", "2.00"},
    };
    for (const auto& [name, text] : walk) {
        ASSERT_EQ(Focused(), name);
        tk.focus->UserSetText(text);
        Enter();
    }
    EXPECT_EQ(Focused(), "chkPresOS");
    k->chkPresOS->SetValue(1);
    const EyeArray* entries[] = {&k->txtPresKera1, &k->txtPresKera2,  &k->txtPresPow, &k->txtPresCyl,
                                 &k->txtPresAxe,   &k->cboPresVertex, &k->cboPresAdd};
    for (std::size_t i = 0; i < walk.size(); ++i)
        EXPECT_EQ((*entries[i])[1]->Text(), walk[i].second);
    EXPECT_EQ(Focused(), "txtPresKera1_1");
    EXPECT_TRUE(k->lblPresOS->Visible());
    for (int i = 0; i < 7; ++i)
        Enter();
    EXPECT_EQ(Focused(), "chkCur");
    Enter();
    EXPECT_EQ(Focused(), "btnGo");
    k->btnGo->RaiseClick();
    EXPECT_EQ(FinalLens(0), FinalLens(1));
    EXPECT_NE(FinalLens(0), kNoLens);
}

TEST_F(SectionsTest, LeftEyeCopyOverwritesEdits)
{
    Pres(0, {"43.25", "44.00", "-2.50", "-0.75", "180", "12", "2.00"});
    k->chkPresOS->SetValue(1);
    k->txtPresKera1[1]->SetText("41");
    k->chkPresOS->SetValue(0);
    EXPECT_FALSE(k->txtPresKera1[1]->Visible());
    EXPECT_FALSE(k->lblPresOS->Visible());
    EXPECT_EQ(k->txtPresKera1[1]->Text(), "41");
    k->chkPresOS->SetValue(1);
    EXPECT_EQ(k->txtPresKera1[1]->Text(), "43.25");
}

TEST_F(SectionsTest, UntickingTheRightEyeClosesTheLeftAndKeepsTexts)
{
    Pres(0, {"43.25", "44.00", "-2.50", "", "", "12", "2.00"});
    k->chkPresOS->SetValue(1);
    k->chkPres->SetValue(0);
    EXPECT_EQ(k->chkPresOS->Value(), 0);
    EXPECT_FALSE(k->chkPresOS->Visible());
    EXPECT_FALSE(k->txtPresKera1[0]->Visible());
    EXPECT_FALSE(k->txtPresKera1[1]->Visible());
    EXPECT_EQ(k->txtPresKera1[0]->Text(), "43.25");
    k->chkPres->SetValue(1);
    EXPECT_TRUE(k->txtPresKera1[0]->Visible());
    EXPECT_EQ(k->txtPresKera1[0]->Text(), "43.25");
    EXPECT_EQ(k->chkPresOS->Value(), 0);
    EXPECT_FALSE(k->txtPresKera1[1]->Visible());
}

TEST_F(SectionsTest, CurrentLensSectionAndItsLeftEye)
{
    Cur(0, {"7.85", "-3.00", "9.0", "2.00"});
    EXPECT_TRUE(k->chkCurOS->Visible());
    for (Control* c : k->lblCur)
        EXPECT_TRUE(c->Visible());
    k->chkCurOS->SetValue(1);
    EXPECT_EQ(k->txtCurAdd[1]->Text(), "2.00");
    EXPECT_EQ(k->txtCurDiam[1]->Text(), "9.0");
    EXPECT_EQ(Focused(), "txtCurBC_1");
    k->chkCur->SetValue(0);
    EXPECT_EQ(k->chkCurOS->Value(), 0);
    EXPECT_FALSE(k->txtCurBC[1]->Visible());
    EXPECT_FALSE(k->chkCurOS->Visible());
}

struct FocusCase {
    const char* name;
    const char* control;
    bool selects;
    const char* hint;
};

const FocusCase kFocusCases[] = {
    {"kera2", "txtPresKera2_0", true, "The accepted measures are mm and diopters"},
    {"power", "txtPresPow_1", true, "You can omit the decimal point ex: -350 for -3.50"},
    {"cyl", "txtPresCyl_0", true, "The cylinder can be in minus or plus form"},
    {"axis", "txtPresAxe_0", true, "Axis must be between 1 and 180"},
    {"vertex", "cboPresVertex_0", false, "Use the up or down arrows or click to change Vertex"},
    {"add", "cboPresAdd_1", true, "Enter the patient's add"},
    {"left_box", "chkPresOS", false, "Press space or click to fill prescription for left eye"},
    {"cur_box", "chkCur", false, "Hit space to fill current lens or Enter to skip"},
    {"bc", "txtCurBC_0", true, "The Base Curve in mm or in diopters"},
    {"cur_power", "txtCurPow_1", true, "You can omit the decimal point ex: -350 for -3.50"},
    {"diam", "txtCurDiam_0", true, "Enter the diameter"},
    {"cur_add", "txtCurAdd_0", true, "Enter the patient's add"},
    {"cur_left_box", "chkCurOS", false, "Press space or click to fill current lens for left eye"},
    {"pres_box", "chkPres", false, "Press space or click to fill the prescription"},
};

class FocusFeedbackTest : public SectionsTest, public testing::WithParamInterface<FocusCase> {};

TEST_P(FocusFeedbackTest, ColourSelectionAndHint)
{
    const FocusCase& c = GetParam();
    Pres(0, {"43.25", "44.00", "-2.50", "-0.75", "180", "12", "2.00"});
    k->chkPresOS->SetValue(1);
    Cur(0, {"7.85", "-3.00", "9.0", "2.00"});
    k->chkCurOS->SetValue(1);
    Control& target = form1_->GetForm()[c.control];
    Control* before = tk.focus;
    tk.SetFocus(target);
    EXPECT_EQ(target.BackColor(), kFocusColor);
    EXPECT_EQ(before->BackColor(), kRestColor);
    EXPECT_EQ(k->lblhelp->Caption(), c.hint);
    if (c.selects) {
        EXPECT_EQ(target.SelLength(), static_cast<int>(target.Text().size()));
    } else {
        EXPECT_EQ(target.SelLength(), 0);
    }
    // Leaving restores the colour and keeps the hint.
    tk.SetFocus(*k->btnGo);
    EXPECT_EQ(target.BackColor(), kRestColor);
    EXPECT_NE(k->lblhelp->Caption(), "");
}

INSTANTIATE_TEST_SUITE_P(Controls, FocusFeedbackTest, testing::ValuesIn(kFocusCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SectionsTest, ButtonsTurnBoldAndTabWrapsAround)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Calculate();
    ASSERT_TRUE(k->cmdPrint->Enabled());
    tk.SetFocus(*k->btnGo);
    std::vector<std::string> stops;
    for (int i = 0; i < 4; ++i) {
        tk.SendTab();
        tk.FlushTabs();
        stops.push_back(Focused());
        if (i == 0) {
            EXPECT_TRUE(k->cmdClear->FontBold());
            EXPECT_FALSE(k->btnGo->FontBold());
            EXPECT_EQ(k->lblhelp->Caption(), "Enter to Clear Tab to skip");
        }
    }
    EXPECT_EQ(stops, (std::vector<std::string>{"cmdClear", "cmdQuit", "cmdPrint", "chkPres"}));
}

TEST_F(SectionsTest, ClearBringsBackTheStartState)
{
    Pres(0, {"43", "44", "-2", "-1", "90", "14", "2"});
    k->chkPresOS->SetValue(1);
    Cur(0, {"7.85", "-3.00", "9.0", "2.00"});
    k->chkCurOS->SetValue(1);
    Calculate();
    k->lblhelp->SetCaption("kept");
    k->cmdClear->RaiseClick();
    for (int e = 0; e < 2; ++e) {
        for (const EyeArray* a : {&k->txtPresKera1, &k->txtPresKera2, &k->txtPresPow, &k->txtPresCyl, &k->txtPresAxe,
                                  &k->cboPresAdd, &k->txtCurBC, &k->txtCurPow, &k->txtCurDiam, &k->txtCurAdd}) {
            EXPECT_EQ((*a)[e]->Text(), "") << (*a)[e]->Name();
            EXPECT_FALSE((*a)[e]->Visible()) << (*a)[e]->Name();
        }
        EXPECT_EQ(k->cboPresVertex[e]->Text(), "12");
        EXPECT_EQ(FinalLens(e), kNoLens);
        EXPECT_EQ(PresLens(e), kNoLens);
        EXPECT_EQ(CurLens(e), kNoLens);
    }
    EXPECT_EQ(k->chkPres->Value(), 0);
    EXPECT_EQ(k->chkCur->Value(), 0);
    EXPECT_EQ(k->chkPresOS->Value(), 0);
    EXPECT_EQ(k->chkCurOS->Value(), 0);
    EXPECT_FALSE(k->chkPresOS->Visible());
    EXPECT_FALSE(k->cmdPrint->Enabled());
    EXPECT_EQ(k->cboPresAdd[0]->Items().size(), 9u);
    EXPECT_EQ(Focused(), "chkPres");
    EXPECT_EQ(k->lblhelp->Caption(), "Press space or click to fill the prescription");
}

TEST_F(SectionsTest, QuitUnloadsTheMainWindow)
{
    k->cmdQuit->RaiseClick();
    EXPECT_EQ(tk.unloaded, std::vector<std::string>{"Form1"});
    EXPECT_EQ(form1_->GetForm().CancelButton(), k->cmdQuit);
}

TEST_F(SectionsTest, OtherKeysPassThrough)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    EXPECT_EQ(k->txtPresPow[0]->RaiseKeyPress('5'), '5');
    EXPECT_EQ(k->chkPres->RaiseKeyPress(' '), ' ');
}

} // namespace
} // namespace corvane::test
