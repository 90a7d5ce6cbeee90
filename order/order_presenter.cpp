#include "order/order_presenter.h"

#include "order/lens_types.h"
#include "order/materials.h"
#include "order/order_page.h"

namespace corvane {

OrderRecord WithTyped(OrderRecord order, const OrderTyped& typed)
{
    order.orderAccName = typed.accName;
    order.orderAccNum = typed.accNum;
    order.orderAccFax = typed.accFax;
    order.orderPatName = typed.patName;
    order.orderPatNum = typed.patNum;
    order.orderColor = typed.color;
    order.orderMaterial = typed.material;
    order.orderLensType = typed.lensType;
    order.orderDot = typed.dot;
    order.orderSpecial = typed.special;
    for (Eye eye : kEyes) {
        if (!IsOrdered(order, eye))
            continue;
        order.orderEdgeThick[eye] = typed.thick[eye].edge;
        order.orderCenterThick[eye] = typed.thick[eye].center;
    }
    return order;
}

OrderPresenter::OrderPresenter(OrderView& view, OrderOutput output, OrderRecord& order, NumberFormat fmt)
    : view_(view), output_(output), order_(order), fmt_(fmt)
{}

void OrderPresenter::Load()
{
    view_.ShowLensType(LensType::Corvane);
    LensTypeChosen(LensType::Corvane);
    for (Eye eye : kEyes)
        view_.ShowEye(eye, ShownEye(order_, eye, fmt_));
    // A new order starts with standard thicknesses.
    for (Eye eye : kEyes)
        if (IsOrdered(order_, eye))
            view_.ShowThicknesses(eye, Thicknesses{});
    loaded_ = view_.Typed();
}

void OrderPresenter::LensTypeChosen(LensType type)
{
    if (type_ == type)
        return;
    type_ = type;
    const LensTypeRow& chosen = RowOf(type);
    // The material entry stays as open as it was: only "Other Material" locks it.
    view_.ShowMaterial({.text = chosen.material, .locked = materialLocked_});
    ShowTint(chosen.color);
    material_ = chosen.materialIndex;
    color_ = chosen.colorIndex;
    noteAccepted_ = false;
}

bool OrderPresenter::AcceptNote() { return view_.AskOkCancel({Say::OtherOnRequest}, {Say::NoteTitle}); }

void OrderPresenter::OtherMaterial()
{
    if (printing_)
        return;
    if (!noteAccepted_ && AcceptNote()) {
        noteAccepted_ = true;
        material_ = RowOf(type_.value_or(LensType::Corvane)).otherMaterialStart;
    }
    if (!noteAccepted_)
        return;
    material_ = NextMaterial(material_);
    const Material& chosen = Materials()[static_cast<std::size_t>(material_)];
    const EntryRule rule = RuleFor(chosen.text);
    materialLocked_ = rule.locked;
    view_.ShowMaterial({.text = chosen.text, .locked = rule.locked});
    view_.EnableOtherColor(chosen.otherColor);
    if (rule.focusAndSelect)
        view_.FocusMaterial();
    color_ = 0;
    ShowTint(FirstColor(chosen.text));
}

void OrderPresenter::OtherColor()
{
    if (printing_)
        return;
    if (!noteAccepted_ && AcceptNote())
        noteAccepted_ = true;
    if (!noteAccepted_)
        return;
    const ColorStep next = NextColor(view_.Typed().material, color_);
    color_ = next.position;
    ShowTint(next.tint);
}

void OrderPresenter::ShowTint(Tint tint)
{
    const TintShown shown = Shown(tint);
    const EntryRule rule = RuleFor(shown.text);
    view_.ShowColor({.text = shown.text, .background = shown.background, .locked = rule.locked});
    if (rule.focusAndSelect)
        view_.FocusColor();
}

// The special order reaches the laboratory whole, or the practitioner is told
// before anything is printed or saved, and the window keeps what was typed.
bool OrderPresenter::SpecialOrderFits(const std::string& special)
{
    const PageLines lines = output_.measure.LinesOnPage(SpecialOrderText(special));
    if (lines.needed <= lines.room)
        return true;
    view_.ShowMessage({Say::SpecialOrderTooLong, {IntToText(lines.needed), IntToText(lines.room)}},
                      {Say::SpecialOrderTitle});
    view_.FocusSpecialOrder();
    return false;
}

void OrderPresenter::Print()
{
    if (printing_)
        return;
    const OrderTyped typed = view_.Typed();
    if (!SpecialOrderFits(typed.special))
        return;
    order_ = WithTyped(order_, typed);
    printing_ = true;
    output_.printer.Print(
        MakeOrderPage(order_, output_.clock.Today(), fmt_),
        [this, alive = std::weak_ptr<bool>(alive_)](const PrintOutcome& printed) {
            if (!alive.expired())
                Printed(printed);
        },
        ReportLostPrint(output_, order_, fmt_));
}

void OrderPresenter::Printed(const PrintOutcome& printed)
{
    printing_ = false;
    if (printed.fault == PrintFault::None) {
        view_.Close();
        return;
    }
    // The order stays on screen, as typed, to be printed again, unless it
    // leaves as a PDF instead. No is the stay.
    if (output_.questions.AskYesNo(PrintFailureMessage(printed), {Say::OrderFormTitle}) &&
        SaveOrderAsPdf(output_, order_, fmt_))
        view_.Close();
}

void OrderPresenter::SavePdf()
{
    if (printing_)
        return;
    const OrderTyped typed = view_.Typed();
    if (!SpecialOrderFits(typed.special))
        return;
    order_ = WithTyped(order_, typed);
    if (SaveOrderAsPdf(output_, order_, fmt_))
        view_.Close();
}

void OrderPresenter::Cancel()
{
    if (!printing_)
        view_.Close();
}

void OrderPresenter::CloseAsked()
{
    if (printing_)
        return;
    if (view_.Typed() == loaded_ || view_.AskOkCancel({Say::CloseUnprinted}, {Say::CloseTitle}))
        view_.Close();
}

} // namespace corvane
