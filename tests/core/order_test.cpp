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
    std::string Material() const { return (*details_)["txtMat"].Text(); }
    std::string Colour() const { return (*details_)["txtCol"].Text(); }

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
    EXPECT_EQ(d["optType_0"].Value(), 1);
    EXPECT_EQ(Material(), "Comfort 02");
    EXPECT_EQ(Colour(), "Blue");
    EXPECT_EQ(d["txtCol"].BackColor(), 0xFF8080u);
    EXPECT_EQ(d["lblBCod"].Caption(), "7.70");
    EXPECT_EQ(d["lblDiamod"].Caption(), "9.2");
    EXPECT_EQ(d["lblSeriesod"].Caption(), "2");
    for (const char* name : {"lblBCos", "lblPowos", "lblDiamos", "lblSeriesos"})
        EXPECT_EQ(d[name].Caption(), "-");
    EXPECT_FALSE(d["cboEdgeThos"].Visible());
    EXPECT_FALSE(d["cboCenterThos"].Visible());
    EXPECT_TRUE(d["lblOS"].Visible());
    EXPECT_EQ(d["cboEdgeThod"].Text(), "Standard");
    EXPECT_EQ(d["cboCenterThod"].Text(), "Standard");
    EXPECT_EQ(d["optDot_0"].Value(), 1);
    EXPECT_FALSE(d.noteAccepted);

    module.order.orderLeftEye = true;
    OrderDetailsForm& both = Open();
    EXPECT_EQ(both["lblDiamos"].Caption(), "9.0");
    EXPECT_EQ(both["lblPowos"].Caption(), "1.50");
    EXPECT_TRUE(both["cboEdgeThos"].Visible());
    EXPECT_EQ(both["cboEdgeThos"].Text(), "Standard");
    EXPECT_EQ(both["cboCenterThos"].Text(), "Standard");
}

TEST_F(OrderTest, OtherMaterialWithCorvaneWalksTheList)
{
    OrderDetailsForm& d = Open();
    std::vector<std::string> materials;
    std::vector<bool> otherColour;
    for (int i = 0; i < 11; ++i) {
        d["cmdChgMat"].RaiseClick();
        materials.push_back(Material());
        otherColour.push_back(d["cmdChgCol"].Enabled());
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
    d["optType_1"].SetValue(1);
    EXPECT_EQ(Material(), "Boston XO");
    EXPECT_EQ(Colour(), "Ice blue");
    d["cmdChgMat"].RaiseClick();
    EXPECT_EQ(Material(), "Paragon HDS");
    EXPECT_FALSE(d["cmdChgCol"].Enabled());
    // A change of lens type leaves "Other Color" disabled.
    d["optType_0"].SetValue(1);
    EXPECT_FALSE(d["cmdChgCol"].Enabled());
    EXPECT_FALSE(d.noteAccepted);
}

TEST_F(OrderTest, CancelInTheNoteChangesNothing)
{
    OrderDetailsForm& d = Open();
    tk.answers = {Answer::Cancel, Answer::Cancel};
    d["cmdChgMat"].RaiseClick();
    d["cmdChgCol"].RaiseClick();
    EXPECT_EQ(Material(), "Comfort 02");
    EXPECT_EQ(Colour(), "Blue");
    EXPECT_EQ(tk.boxes.size(), 2u);
    d["cmdChgCol"].RaiseClick();
    EXPECT_EQ(tk.boxes.size(), 3u);
    EXPECT_EQ(Colour(), "Specify");
}

TEST_F(OrderTest, ColourCycles)
{
    OrderDetailsForm& d = Open();
    d["cmdChgMat"].RaiseClick();
    d["cmdChgMat"].RaiseClick();
    ASSERT_EQ(Material(), "Boston ES");
    std::vector<std::string> es;
    for (int i = 0; i < 6; ++i) {
        d["cmdChgCol"].RaiseClick();
        es.push_back(Colour());
    }
    EXPECT_EQ(es, (std::vector<std::string>{"Green", "Brown", "Grey", "Ice blue", "Blue", "Green"}));
    EXPECT_EQ(d["txtCol"].BackColor(), 0x00C000u);

    d["optType_1"].SetValue(1);
    std::vector<std::string> xo;
    for (int i = 0; i < 4; ++i) {
        d["cmdChgCol"].RaiseClick();
        xo.push_back(Colour());
    }
    EXPECT_EQ(xo, (std::vector<std::string>{"Violet", "Blue", "Ice blue", "Violet"}));
    EXPECT_EQ(d["txtCol"].BackColor(), 0xFF80FFu);
}

TEST_F(OrderTest, OtherColourOnComfortAsksForTheColour)
{
    OrderDetailsForm& d = Open();
    for (int i = 0; i < 2; ++i) {
        d["cmdChgCol"].RaiseClick();
        EXPECT_EQ(Colour(), "Specify");
        EXPECT_FALSE(d["txtCol"].Locked());
        EXPECT_EQ(tk.focus, &d["txtCol"]);
        EXPECT_EQ(d["txtCol"].SelLength(), 7);
        EXPECT_EQ(d["txtCol"].BackColor(), kSystemWindow);
    }
}

TEST_F(OrderTest, SpecifyMaterialIsFreeText)
{
    OrderDetailsForm& d = Open();
    for (int i = 0; i < 8; ++i)
        d["cmdChgMat"].RaiseClick();
    ASSERT_EQ(Material(), "Specify");
    EXPECT_FALSE(d["txtMat"].Locked());
    EXPECT_EQ(Colour(), "Specify");
    EXPECT_EQ(tk.focus, &d["txtCol"]);
    EXPECT_FALSE(d["cmdChgCol"].Enabled());
    d["cmdChgMat"].RaiseClick();
    EXPECT_EQ(Material(), "Comfort 02");
    EXPECT_TRUE(d["txtMat"].Locked());
    EXPECT_TRUE(d["txtCol"].Locked());
    EXPECT_EQ(Colour(), "Blue");
}

TEST_F(OrderTest, EnterMovesOnInTheListedFieldsOnly)
{
    OrderDetailsForm& d = Open();
    tk.SetFocus(d["txtPatNum"]);
    EXPECT_EQ(d["txtPatNum"].RaiseKeyPress(13), 0);
    tk.FlushTabs();
    EXPECT_EQ(tk.focus, &d["cboEdgeThod"]);
    EXPECT_EQ(d["txtSpecial"].RaiseKeyPress(13), 13);
}

class PrintTest : public OrderTest {
protected:
    void Calculated(bool leftEye)
    {
        Pres(0, {"43", "44", "-2", "", "", "12", "2"});
        if (leftEye)
            Pres(1, {"47", "47.5", "-3", "", "", "12", "2.75"});
        Calculate();
    }
    // Opens the order window from the main window and runs `fill` in it.
    void Order(std::function<void(Form&)> fill)
    {
        tk.onShow["Form4"] = std::move(fill);
        k->cmdPrint->RaiseClick();
    }
};

TEST_F(PrintTest, RightEyeOnlyPrintsDashesForTheLeft)
{
    Calculated(false);
    Order([](Form& f) {
        f["txtAccName"].UserSetText("<b>Smith</b> & Sons");
        f["txtPatName"].UserSetText("J. Doe");
        f["optDot_1"].SetValue(1);
        f["txtSpecial"].UserSetText("line one\nline two");
        f["cmdPrint"].RaiseClick();
    });
    ASSERT_EQ(tk.printed.size(), 1u);
    const auto& page = tk.printed[0];
    for (const char* name : {"lblBC_1", "lblPow_1", "lblDiam_1", "lblSeries_1", "lblEdgeth_1", "lblCenterth_1"})
        EXPECT_EQ(page.at(name), "-") << name;
    EXPECT_EQ(page.at("lblBC_0"), "7.70");
    EXPECT_EQ(page.at("lblPow_0"), "-2.50");
    EXPECT_EQ(page.at("lblDiam_0"), "9.2");
    EXPECT_EQ(page.at("lblSeries_0"), "2");
    EXPECT_EQ(page.at("lblEdgeth_0"), "Standard");
    EXPECT_EQ(page.at("lblAccName"), "<b>Smith</b> & Sons");
    EXPECT_EQ(page.at("lblDot"), "No");
    EXPECT_EQ(page.at("lblSpecial"), "line one\nline two");
    EXPECT_EQ(page.at("lblMat"), "Comfort 02");
    EXPECT_EQ(page.at("lblCol"), "Blue");
    EXPECT_EQ(page.at("lblDate"), tk.today);
    EXPECT_EQ(page.count("imgCOR"), 1u);
    EXPECT_EQ(page.count("imgVelto"), 0u);
    EXPECT_EQ(tk.unloaded, (std::vector<std::string>{"PrinForm", "Form4"}));
    EXPECT_EQ(module.order.orderPatName, "J. Doe");
    EXPECT_FALSE(module.order.orderDot);
}

TEST_F(PrintTest, BothEyesVeltoAndTwoOrdersInARow)
{
    Calculated(true);
    Order([](Form& f) {
        f["optType_1"].SetValue(1);
        f["cboEdgeThos"].UserSetText("Thin");
        f["cmdPrint"].RaiseClick();
    });
    ASSERT_EQ(tk.printed.size(), 1u);
    EXPECT_EQ(tk.printed[0].at("lblDiam_1"), "9.0");
    EXPECT_EQ(tk.printed[0].at("lblEdgeth_1"), "Thin");
    EXPECT_EQ(tk.printed[0].at("lblDot"), "Yes");
    EXPECT_EQ(tk.printed[0].count("imgVelto"), 1u);
    EXPECT_EQ(tk.printed[0].count("imgCOR"), 0u);
    EXPECT_EQ(tk.printed[0].at("lblMat"), "Boston XO");

    k->chkPresOS->SetValue(0);
    Calculate();
    Order([](Form& f) { f["cmdPrint"].RaiseClick(); });
    ASSERT_EQ(tk.printed.size(), 2u);
    EXPECT_EQ(tk.printed[1].at("lblDiam_1"), "-");
    EXPECT_EQ(tk.printed[1].at("lblMat"), "Comfort 02");
    EXPECT_EQ(tk.printed[1].count("imgCOR"), 1u);
}

TEST_F(PrintTest, FailedPrintSaysWhyAndKeepsTheOrderWindowOpen)
{
    const struct {
        const char* name;
        PrintOutcome outcome;
        const char* why;
    } rows[] = {
        {"no service", {PrintFault::NoService, "", ""}, "the print service is not running."},
        {"no printer", {PrintFault::NoPrinter, "", ""}, "no default printer is set up."},
        {"stopped", {PrintFault::PrinterStopped, "PDF", "Paused"}, "the printer PDF is stopped (Paused)."},
        {"rejecting", {PrintFault::NotAccepting, "PDF", ""}, "the printer PDF is not accepting jobs."},
        {"job failed",
         {PrintFault::JobFailed, "PDF", "aborted by the system"},
         "the print job failed on the printer PDF (aborted by the system)."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk = ScriptedToolkit{};
        Calculated(false);
        tk.printOutcome = row.outcome;
        tk.answers = {Answer::No};
        bool stillOpen = false;
        std::string kept;
        Order([&](Form& f) {
            f["txtAccName"].UserSetText("Vision Care");
            f["cmdPrint"].RaiseClick();
            stillOpen = !f.Unloaded();
            kept = f["txtAccName"].Text();
            // Printing again once the printer is back.
            tk.printOutcome = {};
            f["cmdPrint"].RaiseClick();
        });
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(kept, "Vision Care");
        ASSERT_EQ(tk.boxes.size(), 1u);
        EXPECT_EQ(tk.boxes[0].text, std::string("Error 482\r\nThe order could not be printed: ") + row.why +
                                        "\r\n\r\nSave the order as a PDF instead?");
        EXPECT_EQ(tk.boxes[0].buttons, Buttons::YesNo);
        EXPECT_EQ(tk.boxes[0].title, "Order Form");
        EXPECT_TRUE(tk.suggestedFiles.empty());
        EXPECT_EQ(tk.printed.size(), 1u);
        EXPECT_EQ(tk.unloaded.back(), "Form4");
    }
}

TEST_F(PrintTest, FailedPrintSavesThePageAsPdfInstead)
{
    Calculated(true);
    tk.printOutcome = {PrintFault::NotAccepting, "PDF", ""};
    tk.answers = {Answer::Yes};
    tk.fileAnswers = {"/home/dr/Order.pdf"};
    Order([](Form& f) {
        f["txtPatName"].UserSetText("Jane Doe");
        f["cboEdgeThos"].UserSetText("Minus Carrier");
        f["cmdPrint"].RaiseClick();
    });
    EXPECT_EQ(tk.suggestedFiles, std::vector<std::string>{"Order Jane Doe 08-12-2026.pdf"});
    ASSERT_EQ(tk.saved.size(), 1u);
    EXPECT_EQ(tk.saved[0].first, "/home/dr/Order.pdf");
    const auto& page = tk.saved[0].second;
    EXPECT_EQ(page.at("lblPatName"), "Jane Doe");
    EXPECT_EQ(page.at("lblEdgeth_1"), "Minus Carrier");
    EXPECT_EQ(page.at("lblBC_1"), "7.10");
    EXPECT_EQ(page.at("lblDate"), tk.today);
    EXPECT_TRUE(tk.printed.empty());
    EXPECT_EQ(tk.unloaded, (std::vector<std::string>{"PrinForm", "Form4"}));
}

TEST_F(PrintTest, PdfThatIsNotWrittenKeepsTheOrderWindowOpen)
{
    const struct {
        const char* name;
        std::optional<std::string> file;
        SaveOutcome outcome;
        const char* message; // empty: no message
    } rows[] = {
        {"dialog cancelled", std::nullopt, {}, ""},
        {"folder",
         "/home/dr",
         {SaveFault::IsFolder, ""},
         "Error 75\r\nThe order could not be saved as a PDF: /home/dr is a folder."},
        {"permission",
         "/o.pdf",
         {SaveFault::NoPermission, ""},
         "Error 70\r\nThe order could not be saved as a PDF: there is no permission to write /o.pdf."},
        {"disk full",
         "/o.pdf",
         {SaveFault::DiskFull, ""},
         "Error 61\r\nThe order could not be saved as a PDF: the disk is full; /o.pdf was not written."},
        {"other",
         "/o.pdf",
         {SaveFault::Failed, "Input/output error"},
         "Error 75\r\nThe order could not be saved as a PDF: /o.pdf could not be written (Input/output error)."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk = ScriptedToolkit{};
        Calculated(false);
        tk.fileAnswers = {row.file};
        tk.saveOutcome = row.outcome;
        bool stillOpen = false;
        std::string kept;
        Order([&](Form& f) {
            f["txtPatNum"].UserSetText("P-77");
            f["cmdSavePdf"].RaiseClick();
            stillOpen = !f.Unloaded();
            kept = f["txtPatNum"].Text();
            f["cmdCancel"].RaiseClick();
        });
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(kept, "P-77");
        EXPECT_EQ(tk.suggestedFiles, std::vector<std::string>{"Order P-77 08-12-2026.pdf"});
        if (*row.message == '\0') {
            EXPECT_TRUE(tk.boxes.empty());
        } else {
            ASSERT_EQ(tk.boxes.size(), 1u);
            EXPECT_EQ(tk.boxes[0].text, row.message);
            EXPECT_EQ(tk.boxes[0].buttons, Buttons::OkExclamation);
        }
        EXPECT_TRUE(tk.printed.empty());
    }
}

TEST_F(PrintTest, SaveAsPdfWritesThePageWithoutPrinting)
{
    Calculated(false);
    tk.fileAnswers = {"/tmp/x.pdf"};
    Order([](Form& f) {
        f["txtAccNum"].UserSetText("AC-1");
        f["cmdSavePdf"].RaiseClick();
    });
    EXPECT_TRUE(tk.printed.empty());
    EXPECT_TRUE(tk.boxes.empty());
    ASSERT_EQ(tk.saved.size(), 1u);
    EXPECT_EQ(tk.saved[0].second.at("lblAccNum"), "AC-1");
    EXPECT_EQ(tk.saved[0].second.at("lblBC_1"), "-");
    EXPECT_EQ(module.order.orderAccNum, "AC-1");
    EXPECT_EQ(tk.unloaded, std::vector<std::string>{"Form4"});
    EXPECT_EQ(tk.suggestedFiles, std::vector<std::string>{"Order 08-12-2026.pdf"});
}

TEST(OrderFileNameTest, NamesThePatientAndTheDateSafely)
{
    const struct {
        const char* name;
        const char* patName;
        const char* patNum;
        const char* date;
        const char* file;
    } rows[] = {
        {"name first", "Jane Doe", "P-77", "08/12/2026", "Order Jane Doe 08-12-2026.pdf"},
        {"number without a name", "  ", "P-77", "08.12.26", "Order P-77 08.12.26.pdf"},
        {"neither", "", "", "12/8/26", "Order 12-8-26.pdf"},
        {"unsafe characters", "a/b\\c:d*e?f\"g<h>i|j", "", "1/2/3", "Order a-b-c-d-e-f-g-h-i-j 1-2-3.pdf"},
        {"path climbing", "../../etc", "", "x", "Order ..-..-etc x.pdf"},
        {"control characters", "a\tb\nc", "", "d", "Order a-b-c d.pdf"},
        {"accents kept", "Zo\xc3\xab", "", "d", "Order Zo\xc3\xab d.pdf"},
    };
    for (const auto& row : rows) {
        OrderRecord o;
        o.orderPatName = row.patName;
        o.orderPatNum = row.patNum;
        EXPECT_EQ(OrderFileName(o, row.date), row.file) << row.name;
    }
}

TEST_F(PrintTest, CancelPrintsNothing)
{
    Calculated(false);
    Order([](Form& f) { f["cmdCancel"].RaiseClick(); });
    EXPECT_TRUE(tk.printed.empty());
    EXPECT_EQ(tk.unloaded, std::vector<std::string>{"Form4"});
    EXPECT_EQ(module.order.orderBC[0], "7.70");
}

} // namespace
} // namespace corvane::test
