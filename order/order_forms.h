#pragma once

#include "lens/engine.h"
#include "order/order_controls.h"
#include "order/order_record.h"
#include "ui/base/form.h"
#include "ui/base/toolkit.h"
#include "ui/form1_controls.h"

#include <cstddef>
#include <optional>
#include <string>

namespace corvane {

// Copies the suggested lens of each eye into the order record; the left eye
// is ordered when it has one.
void CopySuggestedLens(const lens::LensOrder& lenses, OrderRecord& order, const NumberFormat& fmt);

// "Order Form": the page that goes to the laboratory, filled from the order
// record and printed as soon as it is shown.
class OrderPageForm {
public:
    OrderPageForm(Toolkit& toolkit, const OrderRecord& order, NumberFormat fmt);
    Form& GetForm() { return form_; }
    const PrinFormControls& Controls() const { return k_; }
    void Form_Load();
    void Form_Activate();
    // What became of the last print.
    const PrintOutcome& PrintResult() const { return printed_; }

private:
    Toolkit& toolkit_;
    const OrderRecord& order_;
    NumberFormat fmt_;
    Form form_;
    PrinFormControls k_;
    PrintOutcome printed_;
};

// "Additionnal information": account, patient, lens type, material, colour,
// thicknesses, dot and special order.
class OrderDetailsForm {
public:
    OrderDetailsForm(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt);
    Form& GetForm() { return form_; }
    const Form4Controls& Controls() const { return k_; }

    void Form_Load();
    void optType_Click(int Index);
    void cmdChgMat_Click();
    void cmdChgCol_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();
    void cmdSavePdf_Click();

    void SetColorBlue();
    void SetColorGreen();
    void SetColorBrown();
    void SetColorGrey();
    void SetColorIceBlue();
    void SetColorViolet();
    void SetColorSpecify();

    bool noteAccepted = false;
    int materialIndex = 0;
    int colorIndex = 0;

private:
    bool AcceptNote();
    bool SpecialOrderFits();
    // The row of LensTypes() whose option button is chosen.
    std::size_t SelectedType() const;
    void FillOrderRecord();
    void SetColor(const char* text, Color background);

    Toolkit& toolkit_;
    OrderRecord& order_;
    NumberFormat fmt_;
    Form form_;
    Form4Controls k_;
};

// Printing and saving the order: the messages when the page does not get out
// (numbered like the program's run-time errors) and the PDF path.
std::string PrintFailureMessage(const PrintOutcome& outcome);
std::string SaveFailureMessage(const SaveOutcome& outcome, const std::string& path);
// A taken job that did not come out: which order, why, and the offer to
// save that order as a PDF.
std::string LostPrintMessage(const OrderRecord& order, const PrintOutcome& lost);
// What to do when the job of this order is lost after the order window has
// gone: say so and offer its PDF. The handler keeps its own copy of the
// order, since the record takes the next order meanwhile.
PrintLostHandler ReportLostPrint(Toolkit& toolkit, OrderRecord order, NumberFormat fmt);
// "Order <patient name or number> <date>.pdf", safe as a file name.
std::string OrderFileName(const OrderRecord& order, const std::string& date);
// Asks for a file and writes the order's page to it as a PDF; true once it
// is written. A failure has been reported to the user.
bool SaveOrderAsPdf(Toolkit& toolkit, const OrderRecord& order, const NumberFormat& fmt);

inline constexpr int kErrPrinter = 482;
inline constexpr int kErrDiskFull = 61;
inline constexpr int kErrPermissionDenied = 70;
inline constexpr int kErrFileAccess = 75;

} // namespace corvane
