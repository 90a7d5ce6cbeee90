#pragma once

#include "../ui/form.h"
#include "../ui/form1_controls.h"
#include "../ui/module1.h"
#include "../ui/numbers.h"
#include "../ui/toolkit.h"

#include <optional>
#include <string>

namespace corvane {

// Copies the suggested lens of each eye into the order record.
void CopySuggestedLens(const Form1Controls& k, OrderRecord& order, const NumberFormat& fmt);

// "Order Form": the page that goes to the laboratory, filled from the order
// record and printed as soon as it is shown.
class OrderPageForm {
public:
    OrderPageForm(Toolkit& toolkit, const OrderRecord& order, NumberFormat fmt);
    Form& GetForm() { return form_; }
    void Form_Load();
    void Form_Activate();
    // The reason when the last print failed.
    const std::optional<std::string>& PrintFailure() const { return failure_; }

private:
    Toolkit& toolkit_;
    const OrderRecord& order_;
    NumberFormat fmt_;
    Form form_;
    std::optional<std::string> failure_;
};

// "Additionnal information": account, patient, lens type, material, colour,
// thicknesses, dot and special order.
class OrderDetailsForm {
public:
    OrderDetailsForm(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt);
    Form& GetForm() { return form_; }

    void Form_Load();
    void optType_Click(int Index);
    void cmdChgMat_Click();
    void cmdChgCol_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();

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

    Control& operator[](std::string_view name) const { return form_[name]; }

private:
    bool AcceptNote();
    void SetColor(const char* text, Color background);

    Toolkit& toolkit_;
    OrderRecord& order_;
    NumberFormat fmt_;
    Form form_;
};

inline constexpr const char* kOrderPrintFailed = "The order could not be printed: ";

} // namespace corvane
