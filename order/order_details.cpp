#include "order/order_details.h"

#include "order/lens_types.h"
#include "order/order_forms.h"

namespace corvane {
namespace {

// The row of LensTypes() whose option button is on.
std::size_t ChosenType(const Form4Controls& k)
{
    for (std::size_t i = 0; i < k.optType.size(); ++i)
        if (k.optType[i]->Value() != 0)
            return i;
    return kCorvaneType;
}

// The order window's view on its controls.
class Form4View final : public OrderView {
public:
    Form4View(Toolkit& toolkit, const Form4Controls& k) : toolkit_(toolkit), k_(k) {}

    void ShowLensType(std::size_t type) override { k_.optType[type]->SetValue(1); }

    void ShowEye(int eye, const EyeTexts& texts) override
    {
        k_.lblBC[eye]->SetCaption(texts.bc);
        k_.lblPow[eye]->SetCaption(texts.power);
        k_.lblDiam[eye]->SetCaption(texts.diam);
        k_.lblSeries[eye]->SetCaption(texts.series);
    }

    void ShowThicknesses(int eye, const Thicknesses& chosen) override
    {
        ShowList(*k_.cboCenterTh[eye], chosen.center);
        ShowList(*k_.cboEdgeTh[eye], chosen.edge);
    }

    void ShowMaterial(const EntryShown& material) override
    {
        k_.txtMat->SetText(material.text);
        k_.txtMat->SetLocked(material.locked);
    }

    void ShowColor(const ColorShown& color) override
    {
        k_.txtCol->SetLocked(color.locked);
        k_.txtCol->SetText(color.text);
        k_.txtCol->SetBackColor(color.background);
    }

    void EnableOtherColor(bool enabled) override { k_.cmdChgCol->SetEnabled(enabled); }
    void FocusMaterial() override { FocusAndSelect(*k_.txtMat); }
    void FocusColor() override { FocusAndSelect(*k_.txtCol); }
    void FocusSpecialOrder() override { toolkit_.SetFocus(*k_.txtSpecial); }

    bool AskOkCancel(const std::string& text, const std::string& title) override
    {
        return toolkit_.MsgBox(text, Buttons::OkCancel, title) == Answer::Ok;
    }

    void ShowMessage(const std::string& text, const std::string& title) override
    {
        toolkit_.MsgBox(text, Buttons::OkExclamation, title);
    }

    OrderTyped Typed() const override
    {
        OrderTyped t{.accName = k_.txtAccName->Text(),
                     .accNum = k_.txtAccNum->Text(),
                     .accFax = k_.txtAccFax->Text(),
                     .patName = k_.txtPatName->Text(),
                     .patNum = k_.txtPatNum->Text(),
                     .lensType = ChosenType(k_),
                     .material = k_.txtMat->Text(),
                     .color = k_.txtCol->Text(),
                     .thick = {},
                     .dot = k_.optDot[0]->Value() != 0,
                     .special = k_.txtSpecial->Text()};
        for (int e = 0; e < 2; ++e)
            t.thick[e] = {.edge = k_.cboEdgeTh[e]->Text(), .center = k_.cboCenterTh[e]->Text()};
        return t;
    }

    void Close() override { toolkit_.Unload(*k_.form); }

private:
    static void ShowList(Control& list, const std::string& chosen)
    {
        list.SetVisible(true);
        list.SetText(chosen);
    }

    void FocusAndSelect(Control& entry)
    {
        toolkit_.SetFocus(entry);
        entry.SetSelStart(0);
        entry.SetSelLength(static_cast<int>(entry.Text().size()));
    }

    Toolkit& toolkit_;
    const Form4Controls& k_;
};

} // namespace

OrderDetailsForm::OrderDetailsForm(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt)
    : form_("Form4", "Additionnal information", 10020, 5655), k_(BuildForm4(form_)),
      view_(std::make_unique<Form4View>(toolkit, k_)), presenter_(*view_, toolkit, order, fmt)
{
    for (std::size_t i = 0; i < k_.optType.size(); ++i)
        k_.optType[i]->onClick = [this, i] { presenter_.LensTypeChosen(i); };
    form_.onLoad = [this] { presenter_.Load(); };
    k_.cmdChgMat->onClick = [this] { presenter_.OtherMaterial(); };
    k_.cmdChgCol->onClick = [this] { presenter_.OtherColor(); };
    k_.cmdPrint->onClick = [this] { presenter_.Print(); };
    k_.cmdCancel->onClick = [this] { presenter_.Cancel(); };
    k_.cmdSavePdf->onClick = [this] { presenter_.SavePdf(); };
    for (Control* c : {k_.txtAccName, k_.txtAccNum, k_.txtAccFax, k_.txtPatName, k_.txtPatNum, k_.cboEdgeTh[0],
                       k_.cboEdgeTh[1], k_.cboCenterTh[0], k_.cboCenterTh[1]})
        EnterMovesOn(toolkit, *c);
}

void CopySuggestedLens(const lens::LensOrder& lenses, OrderRecord& order, const NumberFormat& fmt)
{
    auto copy = [&](int e, const lens::SettledLens& settled) {
        const lens::OrderedLens lens = lens::OrderLens(settled, fmt);
        order.orderBC[e] = lens.bc;
        order.orderPower[e] = lens.power;
        order.orderDiam[e] = lens.diam;
        order.orderSeries[e] = lens.series;
    };
    copy(0, lenses.right);
    order.orderLeftEye = lenses.left.has_value();
    if (lenses.left)
        copy(1, *lenses.left);
}

} // namespace corvane
