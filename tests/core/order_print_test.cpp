#include "form1_fixture.h"

#include "order/order_forms.h"

// The order leaving the practice: printed, or saved as a PDF when the
// printer does not take it, with the order window kept whenever it does not
// get out.
namespace corvane::test {
namespace {

class PrintTest : public Form1Test {
protected:
    void Calculated(bool leftEye)
    {
        Pres(0, {"43", "44", "-2", "", "", "12", "2"});
        if (leftEye)
            Pres(1, {"47", "47.5", "-3", "", "", "12", "2.75"});
        Calculate();
    }
    // Opens the order window on the suggested lens as Print in the main
    // window does, and runs `fill` in it.
    void Order(const std::function<void(const Form4Controls&)>& fill)
    {
        const Calculation& calc = form1_->Calc();
        CopySuggestedLens(*calc.Order(), order, fmt_);
        OrderDetailsForm details(tk, order, fmt_);
        tk.onShow["Form4"] = [&](Form&) { fill(details.Controls()); };
        LoadAndShowModal(tk, details.GetForm());
        tk.onShow.erase("Form4");
    }
};

TEST_F(PrintTest, RightEyeOnlyPrintsDashesForTheLeft)
{
    Calculated(false);
    Order([](const Form4Controls& d) {
        d.txtAccName->UserSetText("<b>Smith</b> & Sons");
        d.txtPatName->UserSetText("J. Doe");
        d.optDot[1]->SetValue(1);
        d.txtSpecial->UserSetText("line one\nline two");
        d.cmdPrint->RaiseClick();
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
    EXPECT_EQ(order.orderPatName, "J. Doe");
    EXPECT_FALSE(order.orderDot);
}

TEST_F(PrintTest, BothEyesVeltoAndTwoOrdersInARow)
{
    Calculated(true);
    Order([](const Form4Controls& d) {
        d.optType[1]->SetValue(1);
        d.cboEdgeTh[1]->UserSetText("Thin");
        d.cmdPrint->RaiseClick();
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
    Order([](const Form4Controls& d) { d.cmdPrint->RaiseClick(); });
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
        Order([&](const Form4Controls& d) {
            d.txtAccName->UserSetText("Vision Care");
            d.cmdPrint->RaiseClick();
            stillOpen = !d.form->Unloaded();
            kept = d.txtAccName->Text();
            // Printing again once the printer is back.
            tk.printOutcome = {};
            d.cmdPrint->RaiseClick();
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
    Order([](const Form4Controls& d) {
        d.txtPatName->UserSetText("Jane Doe");
        d.cboEdgeTh[1]->UserSetText("Minus Carrier");
        d.cmdPrint->RaiseClick();
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
        Order([&](const Form4Controls& d) {
            d.txtPatNum->UserSetText("P-77");
            d.cmdSavePdf->RaiseClick();
            stillOpen = !d.form->Unloaded();
            kept = d.txtPatNum->Text();
            d.cmdCancel->RaiseClick();
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
    Order([](const Form4Controls& d) {
        d.txtAccNum->UserSetText("AC-1");
        d.cmdSavePdf->RaiseClick();
    });
    EXPECT_TRUE(tk.printed.empty());
    EXPECT_TRUE(tk.boxes.empty());
    ASSERT_EQ(tk.saved.size(), 1u);
    EXPECT_EQ(tk.saved[0].second.at("lblAccNum"), "AC-1");
    EXPECT_EQ(tk.saved[0].second.at("lblBC_1"), "-");
    EXPECT_EQ(order.orderAccNum, "AC-1");
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
    Order([](const Form4Controls& d) { d.cmdCancel->RaiseClick(); });
    EXPECT_TRUE(tk.printed.empty());
    EXPECT_EQ(tk.unloaded, std::vector<std::string>{"Form4"});
    EXPECT_EQ(order.orderBC[0], "7.70");
}

} // namespace
} // namespace corvane::test
