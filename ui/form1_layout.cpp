#include "ui/form1_controls.h"
#include "ui/laboratory.h"

#include <string>

namespace corvane {
namespace {

constexpr Color kOrange = Rgb(255, 128, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kRed = Rgb(255, 0, 0);

std::string Member(const char* name, int index) { return std::string(name) + "_" + std::to_string(index); }

Control& Place(Control& c, int left, int top, int width, int height)
{
    c.SetGeom({left, top, width, height});
    return c;
}

// A white caption drawn straight on the window's picture.
Control& Caption(Form& f, std::string name, const char* text, int left, int top, int width, Align align = Align::Left,
                 bool bold = true)
{
    Control& c = f.Add(std::move(name), Kind::Label);
    c.SetCaption(text);
    c.SetForeColor(kWhite);
    c.SetFontBold(bold);
    c.GetStyle().align = align;
    return Place(c, left, top, width, 255);
}

const char* const kEyeNames[] = {", right eye", ", left eye"};

struct EntrySpec {
    lens::Entry entry;
    const char* name;
    const char* spoken;
    Kind kind;
    int left;
    int width;
    int maxLength;
    int tabRight;
    int tabLeft;
};

// K's and Rx entries: right eye at top 720, left eye at top 1200.
constexpr EntrySpec kPresEntries[] = {
    {lens::Entry::Kera1, "txtPresKera1", "Keratometry 1", Kind::TextBox, 2880, 900, 5, 2, 15},
    {lens::Entry::Kera2, "txtPresKera2", "Keratometry 2", Kind::TextBox, 4080, 900, 5, 3, 16},
    {lens::Entry::Sphere, "txtPresPow", "Power", Kind::TextBox, 5160, 900, 6, 5, 17},
    {lens::Entry::Cylinder, "txtPresCyl", "Cylinder", Kind::TextBox, 6120, 780, 5, 7, 18},
    {lens::Entry::Axis, "txtPresAxe", "Axis", Kind::TextBox, 6960, 645, 3, 9, 19},
    {lens::Entry::Vertex, "cboPresVertex", "Vertex", Kind::ComboBox, 7680, 690, 0, 11, 20},
    {lens::Entry::PresAdd, "cboPresAdd", "Add", Kind::ComboBox, 8400, 975, 0, 13, 21},
};

// Current-lens entries: right eye at top 2040, left eye at top 2520.
constexpr EntrySpec kCurEntries[] = {
    {lens::Entry::CurBC, "txtCurBC", "Current lens base curve", Kind::TextBox, 5280, 855, 5, 24, 32},
    {lens::Entry::CurPower, "txtCurPow", "Current lens power", Kind::TextBox, 6240, 855, 6, 26, 33},
    {lens::Entry::CurDiam, "txtCurDiam", "Current lens diameter", Kind::TextBox, 7200, 855, 4, 28, 34},
    {lens::Entry::CurAdd, "txtCurAdd", "Patient's add", Kind::TextBox, 8400, 855, 4, 30, 35},
};

EyeArray AddEntries(Form& f, const EntrySpec& entry, int topRight, int topLeft)
{
    EyeArray eyes{};
    for (int e = 0; e < 2; ++e) {
        Control& c = f.Add(Member(entry.name, e), entry.kind);
        Place(c, entry.left, e == 0 ? topRight : topLeft, entry.width, 375);
        c.SetMaxLength(entry.maxLength);
        c.SetAccessibleName(std::string(entry.spoken) + kEyeNames[e]);
        c.SetTabIndex(e == 0 ? entry.tabRight : entry.tabLeft);
        c.SetVisible(false);
        c.GetStyle().fontSize = entry.kind == Kind::TextBox ? 12.0 : 9.75;
        eyes[e] = &c;
    }
    return eyes;
}

Control& Button(Form& f, const char* name, const char* caption, int left, int width, int tab)
{
    Control& c = f.Add(name, Kind::CommandButton);
    c.SetCaption(caption);
    c.SetTabIndex(tab);
    return Place(c, left, 3240, width, 495);
}

Control& SectionBox(Form& f, const char* name, const char* caption, const char* hint, int left, int top, int width,
                    int tab)
{
    Control& c = f.Add(name, Kind::CheckBox);
    c.SetCaption(caption);
    c.SetHint(hint);
    c.SetFontBold(true);
    c.SetTabIndex(tab);
    c.SetBackColor(kSystemButtonFace);
    return Place(c, left, top, width, 375);
}

// A result group: five row captions, the "LT" header and four value arrays.
struct Group {
    std::array<Control*, 5> rows{};
    Control* os = nullptr;
    EyeArray bc{}, diam{}, pow{}, serie{};
};

Group AddGroup(Form& f, const char* prefix, const char* group, int captionLeft, int valueLeft, Color color)
{
    static constexpr const char* kRowCaptions[] = {"B. C. :", "Power :", "Diam :", "Series :"};
    static constexpr int kRowTops[] = {4920, 5400, 5880, 6360};
    const std::string p = std::string("lblRes") + prefix;
    Group g;
    for (int i = 0; i < 4; ++i) {
        g.rows[i] =
            &Caption(f, p + "_" + std::to_string(i), kRowCaptions[i], captionLeft, kRowTops[i] + 60, 840, Align::Left);
        g.rows[i]->SetVisible(false);
    }
    g.rows[4] = &Caption(f, p + "_4", "RT", valueLeft, 4680, 735, Align::Center);
    g.rows[4]->SetVisible(false);
    g.os = &Caption(f, p + "OS", "LT", valueLeft + 840, 4680, 735, Align::Center);
    g.os->SetVisible(false);

    const std::pair<const char*, EyeArray*> values[] = {
        {"BC", &g.bc}, {"Pow", &g.pow}, {"Diam", &g.diam}, {"Serie", &g.serie}};
    const char* const spoken[] = {" base curve", " power", " diameter", " series"};
    const int rowOf[] = {0, 1, 2, 3};
    for (int v = 0; v < 4; ++v) {
        for (int e = 0; e < 2; ++e) {
            Control& c = f.Add(p + values[v].first + "_" + std::to_string(e), Kind::Label);
            Place(c, valueLeft + 840 * e, kRowTops[rowOf[v]], 735, 375);
            c.SetVisible(false);
            c.SetFontBold(true);
            c.SetForeColor(color);
            c.SetBackColor(kSystemWindow);
            c.SetAccessibleName(std::string(group) + spoken[v] + kEyeNames[e]);
            Style& s = c.GetStyle();
            s.fontSize = 12.0;
            s.align = Align::Center;
            s.border = true;
            s.plainValue = true;
            (*values[v].second)[e] = &c;
        }
    }
    return g;
}

} // namespace

Form1Controls BuildForm1(Form& f)
{
    Form1Controls k;
    k.form = &f;
    f.SetBackPicture(Picture::Background);

    k.chkPres = &SectionBox(f, "chkPres", "Calculate from K's and Rx", "Click or press space", 360, 0, 3900, 0);
    k.chkPres->SetBackColor(kSystemButtonHighlight);
    k.chkCur =
        &SectionBox(f, "chkCur", "Calculate from spherical lens parameters", "Click or press space", 4560, 0, 4680, 22);
    k.chkCur->SetBackColor(kWhite);

    // K's and Rx headings, each the access key of the right-eye field below.
    static constexpr struct {
        const char* caption;
        int left;
        int width;
        Align align;
    } kPresHeads[] = {{"&Keratometry", 3360, 1215, Align::Left}, {"&Power", 5280, 780, Align::Left},
                      {"C&yl.", 6240, 660, Align::Left},         {"&Axis", 7080, 600, Align::Left},
                      {"&Vertex", 7680, 690, Align::Center},     {"A&dd", 8520, 735, Align::Center}};
    for (int i = 0; i < 6; ++i) {
        k.lblpres[i] = &Caption(f, "lblpres_" + std::to_string(i), kPresHeads[i].caption, kPresHeads[i].left, 480,
                                kPresHeads[i].width, kPresHeads[i].align);
    }
    k.lblpres[6] = &Caption(f, "lblpres_6", "/", 3840, 600, 240, Align::Center, false);
    k.lblpres[6]->GetStyle().fontSize = 24.0;
    k.lblpres[6]->SetGeom({3840, 600, 240, 555});
    k.lblpres[7] = &Caption(f, "lblpres_7", "RIGHT", 1800, 720, 975, Align::Right);
    k.lblpres[7]->SetForeColor(kBlack);
    k.lblpres[7]->SetBackColor(kSystemButtonFace);
    k.lblpres[7]->SetGeom({1800, 720, 975, 375});

    k.chkPresOS = &SectionBox(f, "chkPresOS", "LEFT", "Click or press enter", 1800, 1200, 975, 14);
    k.chkPresOS->SetVisible(false);
    k.chkPresOS->SetAccessibleName("Calculate from K's and Rx, left eye");
    k.lblPresOS = &Caption(f, "lblPresOS", "/", 3840, 1080, 240, Align::Center, false);
    k.lblPresOS->GetStyle().fontSize = 24.0;
    k.lblPresOS->SetGeom({3840, 1080, 240, 555});
    k.lblPresOS->SetVisible(false);

    for (const EntrySpec& entry : kPresEntries)
        k.*Form1Controls::EntryMember(entry.entry) = AddEntries(f, entry, 720, 1200);
    k.txtPresKera1[0]->SetHint("Use Tab or Enter");
    k.txtPresKera1[1]->SetHint("Use Tab or Enter");
    for (Control* c : k.cboPresVertex) {
        c->SetText(lens::ClearedEntries().pres.vertex);
        for (int mm = 7; mm <= 20; ++mm)
            c->AddItem(std::to_string(mm));
    }

    static constexpr struct {
        const char* caption;
        int left;
        int width;
    } kCurHeads[] = {
        {"&B. Curve", 5280, 855}, {"P&ower", 6240, 855}, {"&Diameter", 7200, 975}, {"Pa&tient's Add", 8160, 1335}};
    k.lblCur[0] = &Caption(f, "lblCur_0", "RIGHT", 4200, 2040, 975, Align::Right);
    k.lblCur[0]->SetForeColor(kBlack);
    k.lblCur[0]->SetBackColor(kSystemButtonFace);
    k.lblCur[0]->SetGeom({4200, 2040, 975, 375});
    for (int i = 1; i < 5; ++i) {
        k.lblCur[i] = &Caption(f, "lblCur_" + std::to_string(i), kCurHeads[i - 1].caption, kCurHeads[i - 1].left, 1800,
                               kCurHeads[i - 1].width, Align::Center);
    }
    for (Control* c : k.lblpres)
        c->SetVisible(false);
    for (Control* c : k.lblCur)
        c->SetVisible(false);

    k.chkCurOS = &SectionBox(f, "chkCurOS", "LEFT", "Click or press space", 4320, 2520, 945, 31);
    k.chkCurOS->SetVisible(false);
    k.chkCurOS->SetAccessibleName("Calculate from spherical lens parameters, left eye");

    for (const EntrySpec& entry : kCurEntries)
        k.*Form1Controls::EntryMember(entry.entry) = AddEntries(f, entry, 2040, 2520);

    k.lblpres[0]->SetBuddy(k.txtPresKera1[0]);
    k.lblpres[1]->SetBuddy(k.txtPresPow[0]);
    k.lblpres[2]->SetBuddy(k.txtPresCyl[0]);
    k.lblpres[3]->SetBuddy(k.txtPresAxe[0]);
    k.lblpres[4]->SetBuddy(k.cboPresVertex[0]);
    k.lblpres[5]->SetBuddy(k.cboPresAdd[0]);
    k.lblCur[1]->SetBuddy(k.txtCurBC[0]);
    k.lblCur[2]->SetBuddy(k.txtCurPow[0]);
    k.lblCur[3]->SetBuddy(k.txtCurDiam[0]);
    k.lblCur[4]->SetBuddy(k.txtCurAdd[0]);

    k.cmdClear = &Button(f, "cmdClear", "Clea&r", 3720, 1335, 37);
    k.cmdClear->SetHint("Click or press enter to clear all fields");
    k.btnGo = &Button(f, "btnGo", "&Calculate", 5160, 1335, 36);
    k.cmdPrint = &Button(f, "cmdPrint", "Pr&int Order", 6720, 1335, 91);
    k.cmdPrint->SetHint("Click or press enter to print the lens order");
    k.cmdPrint->SetEnabled(false);
    k.cmdQuit = &Button(f, "cmdQuit", "&Quit", 8280, 1095, 38);
    f.SetCancelButton(k.cmdQuit);

    k.lblsugg = &Caption(f, "lblsugg", "Suggested lens", 4920, 3840, 2160);
    k.lblsugg->GetStyle().fontSize = 12.0;
    k.lblsugg->SetGeom({4920, 3840, 2160, 330});
    k.Line1 = &Place(f.Add("Line1", Kind::Line), 2280, 4200, 9120 - 2280, 0);
    k.Line1->SetForeColor(kWhite);
    k.Label1 = &Caption(f, "Label1", "From K Reading", 2160, 4260, 1800);
    k.Label21 = &Caption(f, "Label21", "From Current lens", 4920, 4260, 1800);
    k.Label40 = &Caption(f, "Label40", "Lens Order", 7920, 4260, 1455);

    Group presg = AddGroup(f, "Pres", "From K Reading", 1920, 2760, kOrange);
    Group curg = AddGroup(f, "Cur", "From Current lens", 4440, 5280, kBlue);
    Group fin = AddGroup(f, "Final", "Suggested lens", 6960, 7800, kRed);
    // An open value ("???") is a stop between "&Quit" and "Pr&int Order":
    // right eye, then left, each from the base curve down.
    for (int e = 0; e < 2; ++e) {
        fin.bc[e]->SetTabIndex(39 + 3 * e);
        fin.pow[e]->SetTabIndex(40 + 3 * e);
        fin.serie[e]->SetTabIndex(41 + 3 * e);
    }
    k.lblResPres = presg.rows;
    k.lblResPresOS = presg.os;
    k.lblResPresBC = presg.bc;
    k.lblResPresDiam = presg.diam;
    k.lblResPresPow = presg.pow;
    k.lblResPresSerie = presg.serie;
    k.lblResCur = curg.rows;
    k.lblResCurOS = curg.os;
    k.lblResCurBC = curg.bc;
    k.lblResCurDiam = curg.diam;
    k.lblResCurPow = curg.pow;
    k.lblResCurSerie = curg.serie;
    k.lblResFinal = fin.rows;
    k.lblResFinalOS = fin.os;
    k.lblResFinalBC = fin.bc;
    k.lblResFinalDiam = fin.diam;
    k.lblResFinalPow = fin.pow;
    k.lblResFinalSerie = fin.serie;

    k.lblCall = &Caption(f, "lblCall",
                         (std::string("For Technical Advice Call Brenwick Contact Lenses Ltd On ") + kLabPhone).c_str(),
                         120, 7080, 6375, Align::Left, false);
    // Two lines of the contact line end above the window's bottom edge.
    k.lblCall->SetGeom({120, 6960, 6375, 615});
    k.lblCall->GetStyle().wordWrap = true;
    k.lblhelp = &Caption(f, "lblhelp", "", 6720, 6960, 2655, Align::Left, false);
    k.lblhelp->SetGeom({6720, 6960, 2655, 495});
    k.lblhelp->GetStyle().wordWrap = true;
    k.lblhelp->GetStyle().plainValue = true;
    k.lblhelp->SetAccessibleName("Help");
    return k;
}

} // namespace corvane
