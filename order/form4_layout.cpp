#include "order/lens_types.h"
#include "order/order_controls.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace corvane {
namespace {

Control& Add(Form& f, Control* frame, const std::string& name, Kind kind, const char* caption, Geometry g, int tab = -1)
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

} // namespace

Form4Controls BuildForm4(Form& f)
{
    Form4Controls k;
    k.form = &f;
    f.SetBackColor(0xC0C0C0);

    Control* lens = &Add(f, nullptr, "Frame4", Kind::Frame, "Lens Type", {120, 60, 4335, 1935});
    for (std::size_t i = 0; i < LensTypes().size(); ++i) {
        const LensType& type = LensTypes()[i];
        k.optType.push_back(
            &Add(f, lens, "optType_" + std::to_string(i), Kind::OptionButton, type.caption, type.option, 0));
        if (type.noteName != nullptr)
            Add(f, lens, type.noteName, Kind::Label, type.note, type.noteGeom);
    }
    Control& label8 = Add(f, lens, "Label8", Kind::Label, "&Material :", {240, 1020, 915, 255});
    k.txtMat = &Entry(f, lens, "txtMat", {1200, 975, 1575, 330}, 14, 15);
    k.txtMat->SetLocked(true);
    k.txtMat->SetBackColor(kWhite);
    k.cmdChgMat = &Add(f, lens, "cmdChgMat", Kind::CommandButton, "Other Material", {2820, 960, 1455, 360}, 16);
    k.cmdChgMat->SetHint("Click here to change the material");
    Control& label9 = Add(f, lens, "Label9", Kind::Label, "&Color :", {240, 1470, 915, 255});
    k.txtCol = &Entry(f, lens, "txtCol", {1200, 1425, 1575, 330}, 14, 14);
    k.txtCol->SetLocked(true);
    k.cmdChgCol = &Add(f, lens, "cmdChgCol", Kind::CommandButton, "Other Color", {2820, 1410, 1455, 360}, 17);
    k.cmdChgCol->SetHint("Click here to change the available color");

    Control* account = &Add(f, nullptr, "Frame1", Kind::Frame, "Account info", {120, 2100, 4335, 1455});
    Control& label5 = Add(f, account, "Label5", Kind::Label, "Account &name :", {180, 380, 1920, 255});
    k.txtAccName = &Entry(f, account, "txtAccName", {2100, 330, 2115, 330}, 23, 1);
    Control& label1 = Add(f, account, "Label1", Kind::Label, "&Account Number :", {180, 740, 1920, 255});
    k.txtAccNum = &Entry(f, account, "txtAccNum", {2100, 690, 2115, 330}, 23, 2);
    Control& label4 = Add(f, account, "Label4", Kind::Label, "Account &fax number :", {180, 1100, 1920, 255});
    k.txtAccFax = &Entry(f, account, "txtAccFax", {2100, 1050, 2115, 330}, 0, 3);

    Control* patient = &Add(f, nullptr, "Frame2", Kind::Frame, "Patient info", {120, 3660, 4335, 1095});
    Control& label2 = Add(f, patient, "Label2", Kind::Label, "Pa&tient name :", {180, 380, 1920, 255});
    k.txtPatName = &Entry(f, patient, "txtPatName", {2100, 330, 2115, 330}, 23, 4);
    Control& label3 = Add(f, patient, "Label3", Kind::Label, "Patient n&umber :", {180, 740, 1920, 255});
    k.txtPatNum = &Entry(f, patient, "txtPatNum", {2100, 690, 2115, 330}, 23, 5);

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
        if (i == 1)
            k.lblOS = &head;
    }
    static constexpr struct {
        const char* caption;
        const char* label;
        const char* od;
        const char* os;
        int top;
        EyeArray Form4Controls::*values;
    } kRows[] = {{"B.C. :", "Label14", "lblBCod", "lblBCos", 660, &Form4Controls::lblBC},
                 {"Power : :", "Label15", "lblPowod", "lblPowos", 960, &Form4Controls::lblPow},
                 {"Diam. :", "Label16", "lblDiamod", "lblDiamos", 1260, &Form4Controls::lblDiam},
                 {"Series :", "Label17", "lblSeriesod", "lblSeriesos", 1560, &Form4Controls::lblSeries}};
    for (const auto& row : kRows) {
        Add(f, info, row.label, Kind::Label, row.caption, {240, row.top, 1455, 255});
        (k.*row.values)[0] = &Value(f, info, row.od, {kOd, row.top, kColumn, 255});
        (k.*row.values)[1] = &Value(f, info, row.os, {kOs, row.top, kColumn, 255});
    }
    Control& label10 = Add(f, info, "Label10", Kind::Label, "&Edge thickness:", {240, 1950, 1560, 255});
    k.cboEdgeTh[0] =
        &FixedList(f, info, "cboEdgeThod", {kOd, 1890, kColumn, 315}, 6, {"Thin", "Standard", "Minus Carrier"});
    k.cboEdgeTh[1] =
        &FixedList(f, info, "cboEdgeThos", {kOs, 1890, kColumn, 315}, 7, {"Thin", "Standard", "Minus Carrier"});
    k.cboEdgeTh[1]->SetVisible(false);
    Control& label11 = Add(f, info, "Label11", Kind::Label, "Center thic&kness:", {240, 2370, 1560, 255});
    k.cboCenterTh[0] = &FixedList(f, info, "cboCenterThod", {kOd, 2310, kColumn, 315}, 8, {"Standard", "Thick"});
    k.cboCenterTh[1] = &FixedList(f, info, "cboCenterThos", {kOs, 2310, kColumn, 315}, 9, {"Standard", "Thick"});
    k.cboCenterTh[1]->SetVisible(false);
    Control& label6 = Add(f, info, "Label6", Kind::Label, "&Dot :", {240, 2790, 1455, 255});
    k.optDot[0] = &Add(f, info, "optDot_0", Kind::OptionButton, "Yes", {kOd, 2760, 855, 285}, 10);
    k.optDot[0]->SetValue(1);
    k.optDot[1] = &Add(f, info, "optDot_1", Kind::OptionButton, "No", {kOs, 2760, 855, 285}, 10);
    Control& label12 = Add(f, info, "Label12", Kind::Label, "&Special order :", {240, 3090, 1575, 255});
    Add(f, info, "Label13", Kind::Label, "( 6 lines max. )", {1860, 3090, 1575, 255});
    // Tall enough for the six lines it promises.
    k.txtSpecial = &Entry(f, info, "txtSpecial", {240, 3360, 4860, 1560}, 0, 11);
    k.txtSpecial->GetStyle().multiLine = true;
    // A line here is a line on the printed form.
    k.txtSpecial->GetStyle().lineWidth = kSpecialOrderBox.width;

    k.cmdPrint = &Add(f, nullptr, "cmdPrint", Kind::CommandButton, "&Print", {7320, 5100, 1455, 495}, 12);
    k.cmdCancel = &Add(f, nullptr, "cmdCancel", Kind::CommandButton, "&Cancel", {5640, 5100, 1455, 495}, 13);
    // Beside Cancel and Print, spaced like them, last in the tab order; V is
    // the one letter of its caption that no other control uses. The three
    // are 1455 wide: Windows draws "Save as PDF" a pixel wider than Linux.
    k.cmdSavePdf = &Add(f, nullptr, "cmdSavePdf", Kind::CommandButton, "Sa&ve as PDF", {3960, 5100, 1455, 495}, 18);

    const std::pair<Control&, Control*> buddies[] = {
        {label8, k.txtMat},          {label9, k.txtCol},     {label5, k.txtAccName},  {label1, k.txtAccNum},
        {label4, k.txtAccFax},       {label2, k.txtPatName}, {label3, k.txtPatNum},   {label10, k.cboEdgeTh[0]},
        {label11, k.cboCenterTh[0]}, {label6, k.optDot[0]},  {label12, k.txtSpecial},
    };
    for (const auto& [label, target] : buddies)
        label.SetBuddy(target);
    return k;
}

} // namespace corvane
