#pragma once

#include "lens/numbers.h"
#include "order/materials.h"
#include "order/order_output.h"
#include "order/order_record.h"
#include "order/order_view.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace corvane {

// The order as typed in the window: the lens values stay as ordered, the
// left eye's thicknesses count only when it is ordered.
OrderRecord WithTyped(OrderRecord order, const OrderTyped& typed);

// What "Additionnal information" does: it shows the ordered lens, walks the
// materials and colours, and prints or saves the order through its output.
class OrderPresenter {
public:
    OrderPresenter(OrderView& view, OrderOutput output, OrderRecord& order, NumberFormat fmt);

    void Load();
    void LensTypeChosen(LensType type);
    void OtherMaterial();
    void OtherColor();
    // The page goes to the printer; the window closes once the print
    // service has taken it. Until the printer answers, the commands that
    // would ask something or end the order do nothing.
    void Print();
    void SavePdf();
    // "&Cancel": the order is dropped.
    void Cancel();
    // Esc or the close box: an order with anything typed or chosen is
    // dropped only once the practitioner says so.
    void CloseAsked();

private:
    void Printed(const PrintOutcome& printed);
    bool AcceptNote();
    bool SpecialOrderFits(const std::string& special);
    void ShowTint(Tint tint);

    OrderView& view_;
    OrderOutput output_;
    OrderRecord& order_;
    NumberFormat fmt_;
    // The lens type chosen; choosing it again changes nothing.
    std::optional<LensType> type_;
    // Where "Other Material" and "Other Color" stand.
    int material_ = 0;
    int color_ = 0;
    // The note is asked once per lens type.
    bool noteAccepted_ = false;
    bool materialLocked_ = true;
    // What the window showed once loaded, before anything was typed.
    OrderTyped loaded_;
    // A page is with the printer, which has not answered yet.
    bool printing_ = false;
    // The printer's answer reaches this presenter only while it lives.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace corvane
