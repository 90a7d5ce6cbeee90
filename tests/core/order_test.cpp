#include "form1_fixture.h"

#include "order/order_forms.h"

namespace corvane::test {
namespace {

class OrderTest : public Form1Test {
protected:
    OrderTest()
    {
        module.order.orderBC = {"7.70", "7.10"};
        module.order.orderPower = {"-2.50", "1.50"};
        module.order.orderDiam = {9.2, 9};
        module.order.orderSeries = {2, 3};
    }

    // An order window on the record, loaded, as the practitioner sees it.
    OrderDetailsForm& Open()
    {
        details_ = std::make_unique<OrderDetailsForm>(tk, module.order, fmt_);
        details_->GetForm().onLoad();
        return *details_;
    }
    std::string Material() const { return details_->Controls().txtMat->Text(); }
    std::string Colour() const { return details_->Controls().txtCol->Text(); }

    std::unique_ptr<OrderDetailsForm> details_;
};

TEST_F(OrderTest, PrintOrderCopiesTheSuggestedLens)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(1, {"47", "47.5", "-3", "", "", "12", "2.75"});
    Calculate();
    ASSERT_TRUE(k->cmdPrint->Enabled());
    Form* shown = nullptr;
    tk.onShow["Form4"] = [&](Form& f) { shown = &f; };
    k->cmdPrint->RaiseClick();
    ASSERT_NE(shown, nullptr);
    const OrderRecord& o = module.order;
    EXPECT_TRUE(o.orderLeftEye);
    EXPECT_EQ(o.orderBC[0], "7.70");
    EXPECT_EQ(o.orderPower[0], "-2.50");
    EXPECT_EQ(o.orderDiam[0], 9.2);
    EXPECT_EQ(o.orderSeries[0], 2);
    EXPECT_EQ(o.orderBC[1], "7.10");
    EXPECT_EQ(o.orderDiam[1], 9.0);
    EXPECT_EQ(o.orderSeries[1], 3);

    // A new calculation for the right eye only orders the right eye only.
    k->chkPresOS->SetValue(0);
    Calculate();
    k->cmdPrint->RaiseClick();
    EXPECT_FALSE(module.order.orderLeftEye);
}

TEST_F(OrderTest, LoadShowsTheLensAndTheDefaults)
{
    module.order.orderLeftEye = false;
    OrderDetailsForm& d = Open();
    EXPECT_EQ(d.Controls().optType[0]->Value(), 1);
    EXPECT_EQ(Material(), "Comfort 02");
    EXPECT_EQ(Colour(), "Blue");
    EXPECT_EQ(d.Controls().txtCol->BackColor(), 0xFF8080u);
    EXPECT_EQ(d.Controls().lblBC[0]->Caption(), "7.70");
    EXPECT_EQ(d.Controls().lblDiam[0]->Caption(), "9.2");
    EXPECT_EQ(d.Controls().lblSeries[0]->Caption(), "2");
    const Form4Controls& k4 = d.Controls();
    for (const Control* c : {k4.lblBC[1], k4.lblPow[1], k4.lblDiam[1], k4.lblSeries[1]})
        EXPECT_EQ(c->Caption(), "-") << c->Name();
    EXPECT_FALSE(d.Controls().cboEdgeTh[1]->Visible());
    EXPECT_FALSE(d.Controls().cboCenterTh[1]->Visible());
    EXPECT_TRUE(d.Controls().lblOS->Visible());
    EXPECT_EQ(d.Controls().cboEdgeTh[0]->Text(), "Standard");
    EXPECT_EQ(d.Controls().cboCenterTh[0]->Text(), "Standard");
    EXPECT_EQ(d.Controls().optDot[0]->Value(), 1);
    EXPECT_FALSE(d.noteAccepted);

    module.order.orderLeftEye = true;
    OrderDetailsForm& both = Open();
    EXPECT_EQ(both.Controls().lblDiam[1]->Caption(), "9.0");
    EXPECT_EQ(both.Controls().lblPow[1]->Caption(), "1.50");
    EXPECT_TRUE(both.Controls().cboEdgeTh[1]->Visible());
    EXPECT_EQ(both.Controls().cboEdgeTh[1]->Text(), "Standard");
    EXPECT_EQ(both.Controls().cboCenterTh[1]->Text(), "Standard");
}

TEST_F(OrderTest, OtherMaterialWithCorvaneWalksTheList)
{
    OrderDetailsForm& d = Open();
    std::vector<std::string> materials;
    std::vector<bool> otherColour;
    for (int i = 0; i < 11; ++i) {
        d.Controls().cmdChgMat->RaiseClick();
        materials.push_back(Material());
        otherColour.push_back(d.Controls().cmdChgCol->Enabled());
    }
    EXPECT_EQ(materials, (std::vector<std::string>{"Boston XO", "Boston ES", "Paragon HDS", "Comfort 02", "Comfort 02",
                                                   "Comfort 02", "Comfort 02", "Specify", "Comfort 02", "Boston XO",
                                                   "Boston ES"}));
    EXPECT_EQ(otherColour, (std::vector<bool>{true, true, false, false, true, true, true, false, true, true, true}));
    ASSERT_EQ(tk.boxes.size(), 1u);
    EXPECT_EQ(tk.boxes[0].text, "Other Material and/or colors available on request. ");
    EXPECT_EQ(tk.boxes[0].title, "Note");
    EXPECT_EQ(tk.boxes[0].buttons, Buttons::OkCancel);
}

TEST_F(OrderTest, OtherMaterialWithVeltoStartsAtParagon)
{
    OrderDetailsForm& d = Open();
    d.Controls().optType[1]->SetValue(1);
    EXPECT_EQ(Material(), "Boston XO");
    EXPECT_EQ(Colour(), "Ice blue");
    d.Controls().cmdChgMat->RaiseClick();
    EXPECT_EQ(Material(), "Paragon HDS");
    EXPECT_FALSE(d.Controls().cmdChgCol->Enabled());
    // A change of lens type leaves "Other Color" disabled.
    d.Controls().optType[0]->SetValue(1);
    EXPECT_FALSE(d.Controls().cmdChgCol->Enabled());
    EXPECT_FALSE(d.noteAccepted);
}

TEST_F(OrderTest, CancelInTheNoteChangesNothing)
{
    OrderDetailsForm& d = Open();
    tk.answers = {Answer::Cancel, Answer::Cancel};
    d.Controls().cmdChgMat->RaiseClick();
    d.Controls().cmdChgCol->RaiseClick();
    EXPECT_EQ(Material(), "Comfort 02");
    EXPECT_EQ(Colour(), "Blue");
    EXPECT_EQ(tk.boxes.size(), 2u);
    d.Controls().cmdChgCol->RaiseClick();
    EXPECT_EQ(tk.boxes.size(), 3u);
    EXPECT_EQ(Colour(), "Specify");
}

TEST_F(OrderTest, ColourCycles)
{
    OrderDetailsForm& d = Open();
    d.Controls().cmdChgMat->RaiseClick();
    d.Controls().cmdChgMat->RaiseClick();
    ASSERT_EQ(Material(), "Boston ES");
    std::vector<std::string> es;
    for (int i = 0; i < 6; ++i) {
        d.Controls().cmdChgCol->RaiseClick();
        es.push_back(Colour());
    }
    EXPECT_EQ(es, (std::vector<std::string>{"Green", "Brown", "Grey", "Ice blue", "Blue", "Green"}));
    EXPECT_EQ(d.Controls().txtCol->BackColor(), 0x00C000u);

    d.Controls().optType[1]->SetValue(1);
    std::vector<std::string> xo;
    for (int i = 0; i < 4; ++i) {
        d.Controls().cmdChgCol->RaiseClick();
        xo.push_back(Colour());
    }
    EXPECT_EQ(xo, (std::vector<std::string>{"Violet", "Blue", "Ice blue", "Violet"}));
    EXPECT_EQ(d.Controls().txtCol->BackColor(), 0xFF80FFu);
}

TEST_F(OrderTest, OtherColourOnComfortAsksForTheColour)
{
    OrderDetailsForm& d = Open();
    for (int i = 0; i < 2; ++i) {
        d.Controls().cmdChgCol->RaiseClick();
        EXPECT_EQ(Colour(), "Specify");
        EXPECT_FALSE(d.Controls().txtCol->Locked());
        EXPECT_EQ(tk.focus, d.Controls().txtCol);
        EXPECT_EQ(d.Controls().txtCol->SelLength(), 7);
        EXPECT_EQ(d.Controls().txtCol->BackColor(), kSystemWindow);
    }
}

TEST_F(OrderTest, SpecifyMaterialIsFreeText)
{
    OrderDetailsForm& d = Open();
    for (int i = 0; i < 8; ++i)
        d.Controls().cmdChgMat->RaiseClick();
    ASSERT_EQ(Material(), "Specify");
    EXPECT_FALSE(d.Controls().txtMat->Locked());
    EXPECT_EQ(Colour(), "Specify");
    EXPECT_EQ(tk.focus, d.Controls().txtCol);
    EXPECT_FALSE(d.Controls().cmdChgCol->Enabled());
    d.Controls().cmdChgMat->RaiseClick();
    EXPECT_EQ(Material(), "Comfort 02");
    EXPECT_TRUE(d.Controls().txtMat->Locked());
    EXPECT_TRUE(d.Controls().txtCol->Locked());
    EXPECT_EQ(Colour(), "Blue");
}

TEST_F(OrderTest, EnterMovesOnInTheListedFieldsOnly)
{
    OrderDetailsForm& d = Open();
    tk.SetFocus(*d.Controls().txtPatNum);
    EXPECT_EQ(d.Controls().txtPatNum->RaiseKeyPress(13), 0);
    tk.FlushTabs();
    EXPECT_EQ(tk.focus, d.Controls().cboEdgeTh[0]);
    EXPECT_EQ(d.Controls().txtSpecial->RaiseKeyPress(13), 13);
}

} // namespace
} // namespace corvane::test
