#include "order/order_page.h"

#include "order/eye_texts.h"
#include "order/lens_types.h"
#include "order/order_output.h"
#include "ui/laboratory.h"

#include <string>

namespace corvane {
namespace {

Control& Text(Form& f, Control* frame, const std::string& name, const char* caption, Geometry g, double points = 9.75,
              bool bold = false)
{
    Control& c = f.Add(name, Kind::Label);
    c.SetCaption(caption);
    c.SetContainer(frame);
    c.SetGeom(g);
    c.SetBackColor(kWhite);
    c.SetFontBold(bold);
    c.GetStyle().fontSize = points;
    return c;
}

Control& Value(Form& f, const std::string& name, Geometry g)
{
    Control& c = Text(f, nullptr, name, "", g);
    c.GetStyle().plainValue = true;
    return c;
}

Control& Image(Form& f, const char* name, Geometry g, Picture picture)
{
    Control& c = f.Add(name, Kind::Image);
    c.SetGeom(g);
    c.GetStyle().picture = picture;
    return c;
}

PrinFormControls BuildPrinForm(Form& f)
{
    PrinFormControls k;
    k.form = &f;
    f.SetBackColor(kWhite);
    f.SetPaintedPage(true);
    Control& title = Text(f, nullptr, "lblTitre", "Order Form", {3158, 360, 4335, 615}, 26.25);
    title.GetStyle().fontName = "Arial Black";
    title.GetStyle().align = Align::Center;
    k.Image1 = &Image(f, "Image1", {240, 600, 2610, 645}, Picture::Logo);
    k.lblDate = &Value(f, "lblDate", {8640, 720, 1335, 255});
    for (const LensType& type : LensTypes())
        k.images.push_back(&Image(f, type.imageName, type.image, type.picture));

    Text(f, nullptr, "Label1", "Fax to :", {240, 2520, 1155, 300}, 12, true);
    Text(f, nullptr, "lblName", "Brenwick Contact Lenses Ltd.", {1440, 2520, 5655, 375}, 13.5, true);
    Text(f, nullptr, "lblFax", kLabFax, {1440, 2880, 2535, 255}, 12);
    Text(f, nullptr, "Label6", "Account info :", {240, 3360, 2000, 300}, 12, true);
    Text(f, nullptr, "Label17", "Patient info :", {5160, 3360, 2000, 300}, 12, true);
    Text(f, nullptr, "Label14", "Account name :", {720, 3840, 1755, 255});
    k.lblAccName = &Value(f, "lblAccName", {2520, 3840, 2415, 255});
    Text(f, nullptr, "Label12", "Patient name :", {5640, 3840, 1635, 255});
    k.lblPatName = &Value(f, "lblPatName", {7320, 3840, 2415, 255});
    Text(f, nullptr, "Label13", "Account No :", {720, 4200, 1755, 255});
    k.lblAccNum = &Value(f, "lblAccNum", {2520, 4200, 2415, 255});
    Text(f, nullptr, "Label18", "Patient No :", {5640, 4200, 1635, 255});
    k.lblPatNum = &Value(f, "lblPatNum", {7320, 4200, 2415, 255});
    Text(f, nullptr, "Label16", "Account fax No :", {720, 4560, 1755, 255});
    k.lblAccfax = &Value(f, "lblAccfax", {2520, 4560, 2415, 255});
    Text(f, nullptr, "Label3", "Order :", {240, 5040, 1155, 300}, 12, true);
    Text(f, nullptr, "Label7", "RIGHT :", {1800, 5280, 855, 255});
    Text(f, nullptr, "lblOS", "LEFT :", {3000, 5280, 855, 255});

    static constexpr struct {
        const char* label;
        const char* caption;
        const char* value;
        int left;
        int top;
        int width;
        EyeArray PrinFormControls::*values;
    } kRows[] = {{"Label8", "BC :", "lblBC", 720, 5640, 855, &PrinFormControls::lblBC},
                 {"Label9", "Pwr :", "lblPow", 720, 6120, 855, &PrinFormControls::lblPow},
                 {"Label10", "Diam :", "lblDiam", 720, 6600, 855, &PrinFormControls::lblDiam},
                 {"Label11", "Series :", "lblSeries", 720, 7080, 855, &PrinFormControls::lblSeries},
                 {"Label26", "Edge thick. :", "lblEdgeth", 480, 7560, 975, &PrinFormControls::lblEdgeth},
                 {"Label27", "Center thick. :", "lblCenterth", 480, 8040, 975, &PrinFormControls::lblCenterth}};
    for (const auto& row : kRows) {
        Text(f, nullptr, row.label, row.caption, {row.left, row.top, 1800 - row.left - 60, 255});
        for (int e = 0; e < 2; ++e)
            (k.*row.values)[e] =
                &Value(f, std::string(row.value) + "_" + std::to_string(e), {1800 + 1200 * e, row.top, row.width, 255});
    }
    Text(f, nullptr, "Label22", "Material :", {4320, 5520, 1035, 255});
    k.lblMat = &Value(f, "lblMat", {5400, 5520, 1455, 255});
    Text(f, nullptr, "Label23", "Colour :", {7200, 5520, 795, 255});
    k.lblCol = &Value(f, "lblCol", {8040, 5520, 1695, 255});
    Text(f, nullptr, "Label2", "Dot :", {4320, 6000, 1035, 255});
    k.lblDot = &Value(f, "lblDot", {5400, 6000, 1455, 255});
    Text(f, nullptr, "Label15", "Special order :", {4320, 6480, 1515, 255});
    k.lblSpecial = &Value(f, "lblSpecial", kSpecialOrderBox);
    k.lblSpecial->GetStyle().wordWrap = true;
    k.lblSpecial->GetStyle().multiLine = true;

    Control* contact = &f.Add("Frame2", Kind::Frame);
    contact->SetCaption("Contact us");
    contact->SetGeom({4320, 8040, 2295, 615});
    Text(f, contact, "Label5", "Phone :", {120, 300, 735, 255});
    Text(f, contact, "lblPhone", kLabPhone, {840, 300, 1395, 255});
    Control* lab = &f.Add("Frame1", Kind::Frame);
    lab->SetCaption("Reserved for lab");
    lab->SetGeom({7080, 8040, 3255, 615});
    Text(f, lab, "Label20", "Reference No :", {120, 300, 1335, 255});
    return k;
}

} // namespace

OrderPageForm::OrderPageForm(Toolkit& toolkit, const OrderRecord& order, NumberFormat fmt)
    : toolkit_(toolkit), order_(order), fmt_(fmt), form_("PrinForm", "Order Form", 11430, 11100),
      k_(BuildPrinForm(form_))
{
    form_.onLoad = [this] { Form_Load(); };
    form_.onActivate = [this] { Form_Activate(); };
}

void OrderPageForm::Form_Load()
{
    const PrinFormControls& k = k_;
    const OrderRecord& o = order_;
    k.lblDate->SetCaption(toolkit_.Today());
    for (int e = 0; e < 2; ++e) {
        const EyeTexts lens = ShownEye(o, e, fmt_);
        k.lblBC[e]->SetCaption(lens.bc);
        k.lblPow[e]->SetCaption(lens.power);
        k.lblDiam[e]->SetCaption(lens.diam);
        k.lblSeries[e]->SetCaption(lens.series);
        const bool ordered = e == 0 || o.orderLeftEye;
        k.lblEdgeth[e]->SetCaption(ordered ? o.orderEdgeThick[e] : "-");
        k.lblCenterth[e]->SetCaption(ordered ? o.orderCenterThick[e] : "-");
    }
    k.lblSpecial->SetCaption(o.orderSpecial);
    k.lblAccName->SetCaption(o.orderAccName);
    k.lblAccNum->SetCaption(o.orderAccNum);
    k.lblAccfax->SetCaption(o.orderAccFax);
    k.lblPatName->SetCaption(o.orderPatName);
    k.lblPatNum->SetCaption(o.orderPatNum);
    k.lblCol->SetCaption(o.orderColor);
    k.lblMat->SetCaption(o.orderMaterial);
    k.lblDot->SetCaption(o.orderDot ? "Yes" : "No");
    for (std::size_t i = 0; i < k.images.size(); ++i)
        k.images[i]->SetVisible(i == o.orderLensType);
}

void OrderPageForm::Form_Activate()
{
    printed_ = toolkit_.PrintForm(form_, ReportLostPrint(toolkit_, order_, fmt_));
    toolkit_.Unload(form_);
}

} // namespace corvane
