#include "fake_order_view.h"

#include "order/lens_types.h"

#include <gtest/gtest.h>

// The order leaving the practice: printed, or saved as a PDF when the
// printer does not take it, with the order window kept whenever it does not
// get out.
namespace corvane::test {
namespace {

class PrintTest : public testing::Test {
protected:
    // The order window opened on the suggested lens of the right eye (7.70,
    // -2.50, 9.2, series 2) and of the left one (7.10, 0.50, 9.0, series 3).
    void Open(bool leftEye)
    {
        w_.order.orderLeftEye = leftEye;
        w_.order.orderBC = {7.7, 7.1};
        w_.order.orderPower = {{-2.5}, {0.5}};
        w_.order.orderDiam = {9.2, 9.0};
        w_.order.orderSeries = {2, 3};
        w_.presenter.Load();
    }

    PresentedOrder w_;
    FakeOrderOutput& out_ = w_.out;
    OrderTyped& typed_ = w_.view.typed;
};

TEST_F(PrintTest, RightEyeOnlyPrintsDashesForTheLeft)
{
    Open(false);
    typed_.accName = "<b>Smith</b> & Sons";
    typed_.patName = "J. Doe";
    typed_.dot = false;
    typed_.special = "line one\nline two";
    typed_.thick.left = {.edge = EdgeThickness::Thin, .center = CenterThickness::Thick};
    w_.presenter.Print();
    ASSERT_EQ(out_.printed.size(), 1u);
    const ReadPage& page = out_.printed[0];
    for (const char* name : {"lblBC_1", "lblPow_1", "lblDiam_1", "lblSeries_1", "lblEdgeth_1", "lblCenterth_1"})
        EXPECT_EQ(page.at(name), "-") << name;
    const std::map<std::string, std::string> values = {{"lblBC_0", "7.70"},
                                                       {"lblPow_0", "-2.50"},
                                                       {"lblDiam_0", "9.2"},
                                                       {"lblSeries_0", "2"},
                                                       {"lblEdgeth_0", "Standard"},
                                                       {"lblAccName", "<b>Smith</b> & Sons"},
                                                       {"lblDot", "No"},
                                                       {"lblSpecial", "line one\nline two"},
                                                       {"lblMat", "Comfort 02"},
                                                       {"lblCol", "Blue"},
                                                       {"lblDate", out_.today},
                                                       {"lblFax", "(555) 014-2271"}};
    for (const auto& [name, text] : values)
        EXPECT_EQ(page.at(name), text) << name;
    EXPECT_EQ(page.count("imgCOR"), 1u);
    EXPECT_EQ(page.count("imgVelto"), 0u);
    EXPECT_TRUE(w_.view.closed);
    EXPECT_EQ(w_.order.orderPatName, "J. Doe");
    EXPECT_FALSE(w_.order.orderDot);
    // The left eye's lists, hidden, are not ordered.
    EXPECT_EQ(w_.order.orderEdgeThick.left, EdgeThickness::Standard);
    EXPECT_EQ(w_.order.orderCenterThick.left, CenterThickness::Standard);
}

TEST_F(PrintTest, BothEyesVeltoAndTwoOrdersInARow)
{
    Open(true);
    typed_.lensType = LensType::Velto;
    w_.presenter.LensTypeChosen(LensType::Velto);
    typed_.thick.left.edge = EdgeThickness::Thin;
    w_.presenter.Print();
    ASSERT_EQ(out_.printed.size(), 1u);
    EXPECT_EQ(out_.printed[0].at("lblDiam_1"), "9.0");
    EXPECT_EQ(out_.printed[0].at("lblEdgeth_1"), "Thin");
    EXPECT_EQ(out_.printed[0].at("lblDot"), "Yes");
    EXPECT_EQ(out_.printed[0].count("imgVelto"), 1u);
    EXPECT_EQ(out_.printed[0].count("imgCOR"), 0u);
    EXPECT_EQ(out_.printed[0].at("lblMat"), "Boston XO");

    // The next order, for the right eye only, in a window of its own.
    w_.order.orderLeftEye = false;
    FakeOrderView next;
    OrderPresenter again(next, out_.Parts(), w_.order, NumberFormat{'.'});
    again.Load();
    again.Print();
    ASSERT_EQ(out_.printed.size(), 2u);
    EXPECT_EQ(out_.printed[1].at("lblDiam_1"), "-");
    EXPECT_EQ(out_.printed[1].at("lblMat"), "Comfort 02");
    EXPECT_EQ(out_.printed[1].count("imgCOR"), 1u);
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
        PresentedOrder w;
        w.presenter.Load();
        w.out.printOutcome = row.outcome;
        w.out.yesNo = {false};
        w.view.typed.accName = "Vision Care";
        w.presenter.Print();
        EXPECT_FALSE(w.view.closed);
        EXPECT_EQ(w.out.asked, std::vector<std::string>{std::string("Order Form: Error 482\r\nThe order could not be "
                                                                    "printed: ") +
                                                        row.why + "\r\n\r\nSave the order as a PDF instead?"});
        EXPECT_TRUE(w.out.suggestedFiles.empty());
        // Printing again once the printer is back.
        w.out.printOutcome = {};
        w.presenter.Print();
        ASSERT_EQ(w.out.printed.size(), 1u);
        EXPECT_EQ(w.out.printed[0].at("lblAccName"), "Vision Care");
        EXPECT_TRUE(w.view.closed);
    }
}

// The printer answers within a moment; until then the window's commands
// that would ask something or end the order wait, and the answer decides.
TEST_F(PrintTest, CommandsWaitForThePrintersAnswer)
{
    const struct {
        const char* name;
        PrintOutcome answer;
        bool closed;
    } rows[] = {
        {"taken", {}, true},
        {"refused", {PrintFault::NotAccepting, "PDF", ""}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PresentedOrder w;
        w.presenter.Load();
        w.out.holdAnswers = true;
        w.out.printOutcome = row.answer;
        w.out.yesNo = {false};
        w.view.typed.patName = "Jane Doe";
        w.presenter.Print();
        w.presenter.Print();
        w.presenter.SavePdf();
        w.presenter.OtherMaterial();
        w.presenter.OtherColor();
        w.presenter.Cancel();
        w.presenter.CloseAsked();
        EXPECT_EQ(w.out.heldAnswers.size(), 1u);
        EXPECT_TRUE(w.view.asked.empty());
        EXPECT_TRUE(w.out.asked.empty());
        EXPECT_TRUE(w.out.suggestedFiles.empty());
        EXPECT_FALSE(w.view.closed);
        w.out.heldAnswers.front()();
        EXPECT_EQ(w.view.closed, row.closed);
        EXPECT_EQ(w.out.asked.size(), row.closed ? 0u : 1u);
        // Answered, the window takes commands again.
        w.presenter.Cancel();
        EXPECT_TRUE(w.view.closed);
    }
}

// The practitioner cannot close the window before the answer, but the
// program may end meanwhile: a late answer reaches no presenter.
TEST(PrintAnswerTest, AnswerAfterThePresenterHasGoneChangesNothing)
{
    FakeOrderOutput out;
    out.holdAnswers = true;
    OrderRecord order;
    {
        FakeOrderView view;
        OrderPresenter presenter(view, out.Parts(), order, NumberFormat{'.'});
        presenter.Load();
        presenter.Print();
    }
    ASSERT_EQ(out.heldAnswers.size(), 1u);
    out.heldAnswers.front()();
    EXPECT_TRUE(out.asked.empty());
}

// A job lost after the window has gone names its order and offers the PDF,
// as it was when printed.
TEST_F(PrintTest, LostJobOffersThatOrdersPdf)
{
    Open(false);
    typed_.patName = "Jane Doe";
    typed_.patNum = "P-77";
    w_.presenter.Print();
    ASSERT_EQ(out_.lostHandlers.size(), 1u);
    // The next order is typed meanwhile.
    w_.order.orderPatName = "Next Patient";
    out_.fileAnswers = {"/tmp/lost.pdf"};
    out_.lostHandlers[0]({PrintFault::JobFailed, "PDF", "paper jam"});
    EXPECT_EQ(out_.asked,
              std::vector<std::string>{"Order Form: Error 482\r\nThe order for Jane Doe (P-77) did not come "
                                       "out: the print job failed on the printer PDF (paper jam).\r\n\r\n"
                                       "Save that order as a PDF?"});
    ASSERT_EQ(out_.saved.size(), 1u);
    EXPECT_EQ(out_.saved[0].second.at("lblPatName"), "Jane Doe");
}

TEST_F(PrintTest, FailedPrintSavesThePageAsPdfInstead)
{
    Open(true);
    out_.printOutcome = {PrintFault::NotAccepting, "PDF", ""};
    out_.fileAnswers = {"/home/dr/Order.pdf"};
    typed_.patName = "Jane Doe";
    typed_.thick.left.edge = EdgeThickness::MinusCarrier;
    w_.presenter.Print();
    EXPECT_EQ(out_.suggestedFiles, std::vector<std::string>{"Order Jane Doe 08-12-2026.pdf"});
    ASSERT_EQ(out_.saved.size(), 1u);
    EXPECT_EQ(out_.saved[0].first, "/home/dr/Order.pdf");
    const ReadPage& page = out_.saved[0].second;
    EXPECT_EQ(page.at("lblPatName"), "Jane Doe");
    EXPECT_EQ(page.at("lblEdgeth_1"), "Minus Carrier");
    EXPECT_EQ(page.at("lblBC_1"), "7.10");
    EXPECT_EQ(page.at("lblDate"), out_.today);
    EXPECT_TRUE(out_.printed.empty());
    EXPECT_TRUE(w_.view.closed);
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
        PresentedOrder w;
        w.presenter.Load();
        w.out.fileAnswers = {row.file};
        w.out.saveOutcome = row.outcome;
        w.view.typed.patNum = "P-77";
        w.presenter.SavePdf();
        EXPECT_FALSE(w.view.closed);
        EXPECT_EQ(w.out.suggestedFiles, std::vector<std::string>{"Order P-77 08-12-2026.pdf"});
        EXPECT_EQ(w.out.told,
                  std::vector<std::string>(*row.message == '\0' ? 0 : 1, std::string("Order Form: ") + row.message));
        EXPECT_TRUE(w.out.printed.empty());
    }
}

TEST_F(PrintTest, SaveAsPdfWritesThePageWithoutPrinting)
{
    Open(false);
    out_.fileAnswers = {"/tmp/x.pdf"};
    typed_.accNum = "AC-1";
    w_.presenter.SavePdf();
    EXPECT_TRUE(out_.printed.empty());
    EXPECT_TRUE(out_.told.empty());
    ASSERT_EQ(out_.saved.size(), 1u);
    EXPECT_EQ(out_.saved[0].second.at("lblAccNum"), "AC-1");
    EXPECT_EQ(out_.saved[0].second.at("lblBC_1"), "-");
    EXPECT_EQ(w_.order.orderAccNum, "AC-1");
    EXPECT_TRUE(w_.view.closed);
    EXPECT_EQ(out_.suggestedFiles, std::vector<std::string>{"Order 08-12-2026.pdf"});
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
        EXPECT_EQ(PdfFileName(English(OrderFileName(o, row.date))), row.file) << row.name;
    }
}

// A job lost after the order window closed names its order by the patient,
// else the account; what was typed stays as typed, "%2" included.
TEST(LostPrintTest, NamesTheOrderThatDidNotComeOut)
{
    const struct {
        const char* name;
        const char* patName;
        const char* patNum;
        const char* accName;
        const char* which;
    } rows[] = {
        {"name and number", " Jane Doe ", "P-77", "Vision", "for Jane Doe (P-77)"},
        {"name", "Jane Doe", "", "Vision", "for Jane Doe"},
        {"number", "", "P-77", "Vision", "for P-77"},
        {"account", " ", "", "Vision", "of the account Vision"},
        {"nothing typed", "", "", "", "without patient or account"},
        {"a place sign in a name", "50%2 Ltd", "%1", "", "for 50%2 Ltd (%1)"},
    };
    for (const auto& row : rows) {
        OrderRecord order;
        order.orderPatName = row.patName;
        order.orderPatNum = row.patNum;
        order.orderAccName = row.accName;
        EXPECT_EQ(English(LostPrintMessage(order, {PrintFault::JobFailed, "PDF", ""})),
                  std::string("Error 482\r\nThe order ") + row.which +
                      " did not come out: the print job failed on the printer PDF.\r\n\r\nSave that order as a PDF?")
            << row.name;
    }
}

TEST_F(PrintTest, CancelPrintsNothing)
{
    Open(false);
    w_.presenter.Cancel();
    EXPECT_TRUE(out_.printed.empty());
    EXPECT_TRUE(w_.view.closed);
    EXPECT_EQ(w_.order.orderBC.right, 7.7);
}

} // namespace
} // namespace corvane::test
