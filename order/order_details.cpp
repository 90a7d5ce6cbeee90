#include "order/lens_types.h"
#include "order/order_forms.h"

#include <array>

namespace corvane {
namespace {

struct Material {
    const char* text;
    bool otherColor;
};
// The materials of "Other Material", by position.
constexpr std::array<Material, 9> kMaterials = {{
    {"Comfort 02", true},
    {"Boston XO", true},
    {"Boston ES", true},
    {"Paragon HDS", false},
    {"Comfort 02", false},
    {"Comfort 02", true},
    {"Comfort 02", true},
    {"Comfort 02", true},
    {"Specify", false},
}};

using ColorProc = void (OrderDetailsForm::*)();
// The colour cycles of "Other Color", by material.
constexpr std::array<ColorProc, 5> kBostonEsCycle = {&OrderDetailsForm::SetColorBlue, &OrderDetailsForm::SetColorGreen,
                                                     &OrderDetailsForm::SetColorBrown, &OrderDetailsForm::SetColorGrey,
                                                     &OrderDetailsForm::SetColorIceBlue};
constexpr std::array<ColorProc, 3> kBostonXoCycle = {
    &OrderDetailsForm::SetColorBlue, &OrderDetailsForm::SetColorIceBlue, &OrderDetailsForm::SetColorViolet};

// The suggested lens as the order window shows it; a caption that is not a
// number (never written so by the calculator) is shown as it stands.
std::string Shown(const std::string& caption, const NumberFormat& fmt)
{
    return IsNumeric(caption, fmt) ? Format(caption, "0.00", fmt) : caption;
}

} // namespace

OrderDetailsForm::OrderDetailsForm(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt)
    : toolkit_(toolkit), order_(order), fmt_(fmt), form_("Form4", "Additionnal information", 10020, 5655),
      k_(BuildForm4(form_))
{
    for (std::size_t i = 0; i < k_.optType.size(); ++i)
        k_.optType[i]->onClick = [this, i] { optType_Click(static_cast<int>(i)); };
    form_.onLoad = [this] { Form_Load(); };
    k_.cmdChgMat->onClick = [this] { cmdChgMat_Click(); };
    k_.cmdChgCol->onClick = [this] { cmdChgCol_Click(); };
    k_.cmdPrint->onClick = [this] { cmdPrint_Click(); };
    k_.cmdCancel->onClick = [this] { cmdCancel_Click(); };
    k_.cmdSavePdf->onClick = [this] { cmdSavePdf_Click(); };
    for (Control* c : {k_.txtAccName, k_.txtAccNum, k_.txtAccFax, k_.txtPatName, k_.txtPatNum, k_.cboEdgeTh[0],
                       k_.cboEdgeTh[1], k_.cboCenterTh[0], k_.cboCenterTh[1]})
        EnterMovesOn(toolkit_, *c);
}

void OrderDetailsForm::Form_Load()
{
    const Form4Controls& k = k_;
    k.optType[kCorvaneType]->SetValue(1);
    k.lblBC[0]->SetCaption(Shown(order_.orderBC[0], fmt_));
    k.lblPow[0]->SetCaption(Shown(order_.orderPower[0], fmt_));
    k.lblDiam[0]->SetCaption(Format(order_.orderDiam[0], "0.0", fmt_));
    k.lblSeries[0]->SetCaption(IntToText(order_.orderSeries[0]));
    if (order_.orderLeftEye) {
        Control& center = *k.cboCenterTh[1];
        center.SetVisible(true);
        center.SetText(center.Items()[0]);
        Control& edge = *k.cboEdgeTh[1];
        edge.SetVisible(true);
        edge.SetText(edge.Items()[1]);
        k.lblBC[1]->SetCaption(Shown(order_.orderBC[1], fmt_));
        k.lblPow[1]->SetCaption(Shown(order_.orderPower[1], fmt_));
        k.lblDiam[1]->SetCaption(Format(order_.orderDiam[1], "0.0", fmt_));
        k.lblSeries[1]->SetCaption(IntToText(order_.orderSeries[1]));
    } else {
        for (Control* c : {k.lblBC[1], k.lblPow[1], k.lblDiam[1], k.lblSeries[1]})
            c->SetCaption("-");
    }
    k.cboCenterTh[0]->SetText(k.cboCenterTh[0]->Items()[0]);
    k.cboEdgeTh[0]->SetText(k.cboEdgeTh[0]->Items()[1]);
}

void OrderDetailsForm::optType_Click(int /*Index*/)
{
    k_.txtCol->SetLocked(true);
    const LensType& type = LensTypes()[SelectedType()];
    k_.txtMat->SetText(type.material);
    SetColor(type.color, type.colorBack);
    materialIndex = type.materialIndex;
    colorIndex = type.colorIndex;
    noteAccepted = false;
}

bool OrderDetailsForm::AcceptNote()
{
    return toolkit_.MsgBox("Other Material and/or colors available on request. ", Buttons::OkCancel, "Note") ==
           Answer::Ok;
}

void OrderDetailsForm::cmdChgMat_Click()
{
    if (!noteAccepted && AcceptNote()) {
        noteAccepted = true;
        materialIndex = LensTypes()[SelectedType()].otherMaterialStart;
    }
    if (!noteAccepted)
        return;
    materialIndex = materialIndex + 1 > 8 ? 0 : materialIndex + 1;
    Control& mat = *k_.txtMat;
    mat.SetText(kMaterials[static_cast<std::size_t>(materialIndex)].text);
    colorIndex = 0;
    SetColorBlue();
    k_.cmdChgCol->SetEnabled(kMaterials[static_cast<std::size_t>(materialIndex)].otherColor);
    if (materialIndex == 8) {
        mat.SetText("Specify");
        toolkit_.SetFocus(mat);
        mat.SetSelStart(0);
        mat.SetSelLength(static_cast<int>(mat.Text().size()));
        mat.SetLocked(false);
        SetColorSpecify();
    } else {
        mat.SetLocked(true);
    }
}

std::size_t OrderDetailsForm::SelectedType() const
{
    for (std::size_t i = 0; i < k_.optType.size(); ++i)
        if (k_.optType[i]->Value() != 0)
            return i;
    return kCorvaneType;
}

void OrderDetailsForm::cmdChgCol_Click()
{
    if (!noteAccepted && AcceptNote())
        noteAccepted = true;
    if (!noteAccepted)
        return;
    ++colorIndex;
    const std::string& mat = k_.txtMat->Text();
    auto cycle = [this](const auto& procs) {
        if (colorIndex > static_cast<int>(procs.size()) - 1)
            colorIndex = 0;
        (this->*procs[static_cast<std::size_t>(colorIndex)])();
    };
    if (mat == "Boston ES") {
        cycle(kBostonEsCycle);
    } else if (mat == "Boston XO") {
        cycle(kBostonXoCycle);
    } else {
        colorIndex = 0;
        SetColorSpecify();
    }
}

void OrderDetailsForm::SetColor(const char* text, Color background)
{
    Control& col = *k_.txtCol;
    col.SetText(text);
    col.SetBackColor(background);
}

void OrderDetailsForm::SetColorBlue()
{
    k_.txtCol->SetLocked(true);
    SetColor("Blue", 0xFF8080);
}
void OrderDetailsForm::SetColorGreen() { SetColor("Green", 0x00C000); }
void OrderDetailsForm::SetColorBrown() { SetColor("Brown", 0x0040C0); }
void OrderDetailsForm::SetColorGrey() { SetColor("Grey", 0xC0C0C0); }
void OrderDetailsForm::SetColorIceBlue() { SetColor("Ice blue", 0xFFC0C0); }
void OrderDetailsForm::SetColorViolet() { SetColor("Violet", 0xFF80FF); }

void OrderDetailsForm::SetColorSpecify()
{
    Control& col = *k_.txtCol;
    col.SetLocked(false);
    SetColor("Specify", kSystemWindow);
    toolkit_.SetFocus(col);
    col.SetSelStart(0);
    col.SetSelLength(static_cast<int>(col.Text().size()));
}

void OrderDetailsForm::FillOrderRecord()
{
    const Form4Controls& k = k_;
    OrderRecord& o = order_;
    o.orderAccName = k.txtAccName->Text();
    o.orderAccNum = k.txtAccNum->Text();
    o.orderAccFax = k.txtAccFax->Text();
    o.orderPatName = k.txtPatName->Text();
    o.orderPatNum = k.txtPatNum->Text();
    o.orderColor = k.txtCol->Text();
    o.orderMaterial = k.txtMat->Text();
    o.orderLensType = SelectedType();
    o.orderVelto = o.orderLensType == kVeltoType;
    o.orderEdgeThick[0] = k.cboEdgeTh[0]->Text();
    o.orderCenterThick[0] = k.cboCenterTh[0]->Text();
    o.orderDot = k.optDot[0]->Value() != 0;
    o.orderSpecial = k.txtSpecial->Text();
    if (o.orderLeftEye) {
        o.orderEdgeThick[1] = k.cboEdgeTh[1]->Text();
        o.orderCenterThick[1] = k.cboCenterTh[1]->Text();
    }
}

// The special order reaches the laboratory whole, or the practitioner is told
// before anything is printed or saved, and the window keeps what was typed.
bool OrderDetailsForm::SpecialOrderFits()
{
    OrderRecord record;
    record.orderSpecial = k_.txtSpecial->Text();
    OrderPageForm page(toolkit_, record, fmt_);
    page.Form_Load();
    const PageLines lines = toolkit_.LinesOnPage(page.GetForm(), *page.Controls().lblSpecial);
    if (lines.needed <= lines.room)
        return true;
    toolkit_.MsgBox("The special order does not fit on the order form: it takes " + IntToText(lines.needed) +
                        " lines where the form has room for " + IntToText(lines.room) + ". Please shorten it.",
                    Buttons::OkExclamation, "Special order");
    toolkit_.SetFocus(*k_.txtSpecial);
    return false;
}

void OrderDetailsForm::cmdPrint_Click()
{
    if (!SpecialOrderFits())
        return;
    FillOrderRecord();
    OrderPageForm page(toolkit_, order_, fmt_);
    LoadAndShowModal(toolkit_, page.GetForm());
    if (page.PrintResult().fault == PrintFault::None) {
        toolkit_.Unload(form_);
        return;
    }
    // The order stays on screen, as typed, to be printed again, unless it
    // leaves as a PDF instead. No (or Esc) is the stay.
    if (toolkit_.MsgBox(PrintFailureMessage(page.PrintResult()), Buttons::YesNo, "Order Form") == Answer::Yes &&
        SaveOrderAsPdf(toolkit_, order_, fmt_))
        toolkit_.Unload(form_);
}

void OrderDetailsForm::cmdSavePdf_Click()
{
    if (!SpecialOrderFits())
        return;
    FillOrderRecord();
    if (SaveOrderAsPdf(toolkit_, order_, fmt_))
        toolkit_.Unload(form_);
}

void OrderDetailsForm::cmdCancel_Click() { toolkit_.Unload(form_); }

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
