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

Control& Add(Form& f, Control* frame, const char* name, Kind kind, const char* caption, Geometry g, int tab = -1)
{
    Control& c = f.Add(name, kind);
    c.SetCaption(caption);
    c.SetContainer(frame);
    c.SetGeom(g);
    c.SetTabIndex(tab);
    if (kind == Kind::Label)
        c.SetBackColor(kTransparent);
    return c;
}

Control& Entry(Form& f, Control* frame, const char* name, Geometry g, int maxLength, int tab)
{
    Control& c = Add(f, frame, name, Kind::TextBox, "", g, tab);
    c.SetMaxLength(maxLength);
    return c;
}

Control& Value(Form& f, Control* frame, const char* name, Geometry g)
{
    Control& c = Add(f, frame, name, Kind::Label, "", g);
    c.GetStyle().align = Align::Center;
    c.GetStyle().plainValue = true;
    return c;
}

Control& FixedList(Form& f, Control* frame, const char* name, Geometry g, int tab,
                   std::initializer_list<const char*> items)
{
    Control& c = Add(f, frame, name, Kind::ComboBox, "", g, tab);
    c.GetStyle().editable = false;
    for (const char* item : items)
        c.AddItem(item);
    return c;
}

// The option button of a lens type.
std::string OptionName(std::size_t type) { return "optType_" + std::to_string(type); }

// The suggested lens as the order window shows it; a caption that is not a
// number (never written so by the calculator) is shown as it stands.
std::string Shown(const std::string& caption, const NumberFormat& fmt)
{
    return IsNumeric(caption, fmt) ? Format(caption, "0.00", fmt) : caption;
}

} // namespace

OrderDetailsForm::OrderDetailsForm(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt)
    : toolkit_(toolkit), order_(order), fmt_(fmt), form_("Form4", "Additionnal information", 10020, 5655)
{
    Form& f = form_;
    f.SetBackColor(0xC0C0C0);

    Control* lens = &Add(f, nullptr, "Frame4", Kind::Frame, "Lens Type", {120, 60, 4335, 1935});
    for (std::size_t i = 0; i < LensTypes().size(); ++i) {
        const LensType& type = LensTypes()[i];
        Control& option = Add(f, lens, OptionName(i).c_str(), Kind::OptionButton, type.caption, type.option, 0);
        option.onClick = [this, i] { optType_Click(static_cast<int>(i)); };
        if (type.noteName != nullptr)
            Add(f, lens, type.noteName, Kind::Label, type.note, type.noteGeom);
    }
    Add(f, lens, "Label8", Kind::Label, "&Material :", {240, 1020, 915, 255});
    Control& mat = Entry(f, lens, "txtMat", {1200, 975, 1575, 330}, 14, 15);
    mat.SetLocked(true);
    mat.SetBackColor(kWhite);
    Add(f, lens, "cmdChgMat", Kind::CommandButton, "Other Material", {2820, 960, 1455, 360}, 16)
        .SetHint("Click here to change the material");
    Add(f, lens, "Label9", Kind::Label, "&Color :", {240, 1470, 915, 255});
    Entry(f, lens, "txtCol", {1200, 1425, 1575, 330}, 14, 14).SetLocked(true);
    Add(f, lens, "cmdChgCol", Kind::CommandButton, "Other Color", {2820, 1410, 1455, 360}, 17)
        .SetHint("Click here to change the available color");

    Control* account = &Add(f, nullptr, "Frame1", Kind::Frame, "Account info", {120, 2100, 4335, 1455});
    Add(f, account, "Label5", Kind::Label, "Account &name :", {180, 380, 1920, 255});
    Entry(f, account, "txtAccName", {2100, 330, 2115, 330}, 23, 1);
    Add(f, account, "Label1", Kind::Label, "&Account Number :", {180, 740, 1920, 255});
    Entry(f, account, "txtAccNum", {2100, 690, 2115, 330}, 23, 2);
    Add(f, account, "Label4", Kind::Label, "Account &fax number :", {180, 1100, 1920, 255});
    Entry(f, account, "txtAccFax", {2100, 1050, 2115, 330}, 0, 3);

    Control* patient = &Add(f, nullptr, "Frame2", Kind::Frame, "Patient info", {120, 3660, 4335, 1095});
    Add(f, patient, "Label2", Kind::Label, "Pa&tient name :", {180, 380, 1920, 255});
    Entry(f, patient, "txtPatName", {2100, 330, 2115, 330}, 23, 4);
    Add(f, patient, "Label3", Kind::Label, "Patient n&umber :", {180, 740, 1920, 255});
    Entry(f, patient, "txtPatNum", {2100, 690, 2115, 330}, 23, 5);

    // The columns are wide enough for "Minus Carrier" in a closed list box; the
    // window is wider than its design for them.
    Control* info = &Add(f, nullptr, "Frame3", Kind::Frame, "Order info", {4560, 60, 5340, 4980});
    constexpr int kOd = 1800;
    constexpr int kOs = 3540;
    constexpr int kColumn = 1680;
    const std::pair<const char*, const char*> heads[] = {{"Label7", "RIGHT"}, {"lblOS", "LEFT"}};
    for (int i = 0; i < 2; ++i) {
        Control& head =
            Add(f, info, heads[i].first, Kind::Label, heads[i].second, {i == 0 ? kOd : kOs, 300, kColumn, 300});
        head.SetFontBold(true);
        head.GetStyle().fontSize = 12.0;
        head.GetStyle().align = Align::Center;
    }
    static constexpr struct {
        const char* caption;
        const char* label;
        const char* od;
        const char* os;
        int top;
    } kRows[] = {{"B.C. :", "Label14", "lblBCod", "lblBCos", 660},
                 {"Power : :", "Label15", "lblPowod", "lblPowos", 960},
                 {"Diam. :", "Label16", "lblDiamod", "lblDiamos", 1260},
                 {"Series :", "Label17", "lblSeriesod", "lblSeriesos", 1560}};
    for (const auto& row : kRows) {
        Add(f, info, row.label, Kind::Label, row.caption, {240, row.top, 1455, 255});
        Value(f, info, row.od, {kOd, row.top, kColumn, 255});
        Value(f, info, row.os, {kOs, row.top, kColumn, 255});
    }
    Add(f, info, "Label10", Kind::Label, "&Edge thickness:", {240, 1950, 1560, 255});
    FixedList(f, info, "cboEdgeThod", {kOd, 1890, kColumn, 315}, 6, {"Thin", "Standard", "Minus Carrier"});
    FixedList(f, info, "cboEdgeThos", {kOs, 1890, kColumn, 315}, 7, {"Thin", "Standard", "Minus Carrier"})
        .SetVisible(false);
    Add(f, info, "Label11", Kind::Label, "Center thic&kness:", {240, 2370, 1560, 255});
    FixedList(f, info, "cboCenterThod", {kOd, 2310, kColumn, 315}, 8, {"Standard", "Thick"});
    FixedList(f, info, "cboCenterThos", {kOs, 2310, kColumn, 315}, 9, {"Standard", "Thick"}).SetVisible(false);
    Add(f, info, "Label6", Kind::Label, "&Dot :", {240, 2790, 1455, 255});
    Add(f, info, "optDot_0", Kind::OptionButton, "Yes", {kOd, 2760, 855, 285}, 10).SetValue(1);
    Add(f, info, "optDot_1", Kind::OptionButton, "No", {kOs, 2760, 855, 285}, 10);
    Add(f, info, "Label12", Kind::Label, "&Special order :", {240, 3090, 1575, 255});
    Add(f, info, "Label13", Kind::Label, "( 6 lines max. )", {1860, 3090, 1575, 255});
    // Tall enough for the six lines it promises.
    Control& special = Entry(f, info, "txtSpecial", {240, 3360, 4860, 1560}, 0, 11);
    special.GetStyle().multiLine = true;

    Add(f, nullptr, "cmdPrint", Kind::CommandButton, "&Print", {7440, 5100, 1335, 495}, 12);
    Add(f, nullptr, "cmdCancel", Kind::CommandButton, "&Cancel", {5880, 5100, 1335, 495}, 13);
    // Beside Cancel and Print, spaced like them, last in the tab order; V is
    // the one letter of its caption that no other control uses.
    Add(f, nullptr, "cmdSavePdf", Kind::CommandButton, "Sa&ve as PDF", {4320, 5100, 1335, 495}, 18);

    const std::pair<const char*, const char*> buddies[] = {
        {"Label8", "txtMat"},         {"Label9", "txtCol"},     {"Label5", "txtAccName"},  {"Label1", "txtAccNum"},
        {"Label4", "txtAccFax"},      {"Label2", "txtPatName"}, {"Label3", "txtPatNum"},   {"Label10", "cboEdgeThod"},
        {"Label11", "cboCenterThod"}, {"Label6", "optDot_0"},   {"Label12", "txtSpecial"},
    };
    for (const auto& [label, target] : buddies)
        f[label].SetBuddy(&f[target]);

    f.onLoad = [this] { Form_Load(); };
    f["cmdChgMat"].onClick = [this] { cmdChgMat_Click(); };
    f["cmdChgCol"].onClick = [this] { cmdChgCol_Click(); };
    f["cmdPrint"].onClick = [this] { cmdPrint_Click(); };
    f["cmdCancel"].onClick = [this] { cmdCancel_Click(); };
    f["cmdSavePdf"].onClick = [this] { cmdSavePdf_Click(); };
    for (const char* name : {"txtAccName", "txtAccNum", "txtAccFax", "txtPatName", "txtPatNum", "cboEdgeThod",
                             "cboEdgeThos", "cboCenterThod", "cboCenterThos"})
        EnterMovesOn(toolkit_, f[name]);
}

void OrderDetailsForm::Form_Load()
{
    Form& f = form_;
    f[OptionName(kCorvaneType)].SetValue(1);
    f["lblBCod"].SetCaption(Shown(order_.orderBC[0], fmt_));
    f["lblPowod"].SetCaption(Shown(order_.orderPower[0], fmt_));
    f["lblDiamod"].SetCaption(Format(order_.orderDiam[0], "0.0", fmt_));
    f["lblSeriesod"].SetCaption(IntToText(order_.orderSeries[0]));
    if (order_.orderLeftEye) {
        Control& center = f["cboCenterThos"];
        center.SetVisible(true);
        center.SetText(center.Items()[0]);
        Control& edge = f["cboEdgeThos"];
        edge.SetVisible(true);
        edge.SetText(edge.Items()[1]);
        f["lblBCos"].SetCaption(Shown(order_.orderBC[1], fmt_));
        f["lblPowos"].SetCaption(Shown(order_.orderPower[1], fmt_));
        f["lblDiamos"].SetCaption(Format(order_.orderDiam[1], "0.0", fmt_));
        f["lblSeriesos"].SetCaption(IntToText(order_.orderSeries[1]));
    } else {
        for (const char* name : {"lblBCos", "lblPowos", "lblDiamos", "lblSeriesos"})
            f[name].SetCaption("-");
    }
    f["cboCenterThod"].SetText(f["cboCenterThod"].Items()[0]);
    f["cboEdgeThod"].SetText(f["cboEdgeThod"].Items()[1]);
}

void OrderDetailsForm::optType_Click(int /*Index*/)
{
    form_["txtCol"].SetLocked(true);
    const LensType& type = LensTypes()[SelectedType()];
    form_["txtMat"].SetText(type.material);
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
    Control& mat = form_["txtMat"];
    mat.SetText(kMaterials[static_cast<std::size_t>(materialIndex)].text);
    colorIndex = 0;
    SetColorBlue();
    form_["cmdChgCol"].SetEnabled(kMaterials[static_cast<std::size_t>(materialIndex)].otherColor);
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
    for (std::size_t i = 0; i < LensTypes().size(); ++i)
        if (form_[OptionName(i)].Value() != 0)
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
    const std::string& mat = form_["txtMat"].Text();
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
    Control& col = form_["txtCol"];
    col.SetText(text);
    col.SetBackColor(background);
}

void OrderDetailsForm::SetColorBlue()
{
    form_["txtCol"].SetLocked(true);
    SetColor("Blue", 0xFF8080);
}
void OrderDetailsForm::SetColorGreen() { SetColor("Green", 0x00C000); }
void OrderDetailsForm::SetColorBrown() { SetColor("Brown", 0x0040C0); }
void OrderDetailsForm::SetColorGrey() { SetColor("Grey", 0xC0C0C0); }
void OrderDetailsForm::SetColorIceBlue() { SetColor("Ice blue", 0xFFC0C0); }
void OrderDetailsForm::SetColorViolet() { SetColor("Violet", 0xFF80FF); }

void OrderDetailsForm::SetColorSpecify()
{
    Control& col = form_["txtCol"];
    col.SetLocked(false);
    SetColor("Specify", kSystemWindow);
    toolkit_.SetFocus(col);
    col.SetSelStart(0);
    col.SetSelLength(static_cast<int>(col.Text().size()));
}

void OrderDetailsForm::FillOrderRecord()
{
    Form& f = form_;
    OrderRecord& o = order_;
    o.orderAccName = f["txtAccName"].Text();
    o.orderAccNum = f["txtAccNum"].Text();
    o.orderAccFax = f["txtAccFax"].Text();
    o.orderPatName = f["txtPatName"].Text();
    o.orderPatNum = f["txtPatNum"].Text();
    o.orderColor = f["txtCol"].Text();
    o.orderMaterial = f["txtMat"].Text();
    o.orderLensType = SelectedType();
    o.orderVelto = o.orderLensType == kVeltoType;
    o.orderEdgeThick[0] = f["cboEdgeThod"].Text();
    o.orderCenterThick[0] = f["cboCenterThod"].Text();
    o.orderDot = f["optDot_0"].Value() != 0;
    o.orderSpecial = f["txtSpecial"].Text();
    if (o.orderLeftEye) {
        o.orderEdgeThick[1] = f["cboEdgeThos"].Text();
        o.orderCenterThick[1] = f["cboCenterThos"].Text();
    }
}

void OrderDetailsForm::cmdPrint_Click()
{
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
    FillOrderRecord();
    if (SaveOrderAsPdf(toolkit_, order_, fmt_))
        toolkit_.Unload(form_);
}

void OrderDetailsForm::cmdCancel_Click() { toolkit_.Unload(form_); }

void CopySuggestedLens(const lens::SuggestedLens& right, const std::optional<lens::SuggestedLens>& left,
                       OrderRecord& order, const NumberFormat& fmt)
{
    auto copy = [&](int e, const lens::SuggestedLens& suggested) {
        const lens::OrderedLens lens = lens::OrderLens(suggested, fmt);
        order.orderBC[e] = lens.bc;
        order.orderPower[e] = lens.power;
        order.orderDiam[e] = lens.diam;
        order.orderSeries[e] = lens.series;
    };
    copy(0, right);
    order.orderLeftEye = left.has_value();
    if (left)
        copy(1, *left);
}

} // namespace corvane
