#include "ui/sections.h"

#include <vector>

namespace corvane {
namespace {

bool Ticked(const Control* box) { return box->Value() == 1; }

void Show(const std::vector<Control*>& controls, bool visible)
{
    for (Control* c : controls)
        c->SetVisible(visible);
}

} // namespace

Sections::Sections(const Form1Controls& controls, Toolkit& toolkit) : k_(controls), toolkit_(toolkit)
{
    for (Method m : {Method::Prescription, Method::CurrentLens}) {
        const Section s = Of(m);
        s.box->onClick = [this, m] { RightClicked(Of(m)); };
        s.boxOS->onClick = [this, m] { LeftClicked(Of(m)); };
    }
    WireFocus();
    WireEnter();
}

Sections::Section Sections::Of(Method method) const
{
    if (method == Method::Prescription)
        return {
            k_.chkPres, k_.chkPresOS, {k_.lblpres.begin(), k_.lblpres.end()}, k_.lblPresOS, lens::kPrescriptionEntries};
    return {k_.chkCur, k_.chkCurOS, {k_.lblCur.begin(), k_.lblCur.end()}, nullptr, lens::kCurrentLensEntries};
}

// The right eye's box shows or hides its section; the left eye's box is
// offered only beside a ticked right eye.
void Sections::RightClicked(const Section& s)
{
    const bool on = Ticked(s.box);
    Show(s.heads, on);
    Show(k_.Entries(s.entries, 0), on);
    if (on) {
        s.boxOS->SetVisible(true);
        toolkit_.SetFocus(*k_.EntryControl(s.entries.front(), 0));
    } else {
        s.boxOS->SetValue(0);
        s.boxOS->SetVisible(false);
    }
}

// The left eye starts as a copy of the right.
void Sections::LeftClicked(const Section& s)
{
    const bool on = Ticked(s.boxOS);
    Show(k_.Entries(s.entries, 1), on);
    if (s.separator != nullptr)
        s.separator->SetVisible(on);
    if (!on)
        return;
    for (lens::Entry entry : s.entries)
        k_.EntryControl(entry, 1)->SetText(k_.EntryControl(entry, 0)->Text());
    toolkit_.SetFocus(*k_.EntryControl(s.entries.front(), 1));
}

void Sections::WireFocus()
{
    struct Feedback {
        std::vector<Control*> controls;
        bool selects;
        const char* hint;
    };
    auto both = [](const EyeArray& a) { return std::vector<Control*>{a[0], a[1]}; };
    const Feedback entries[] = {
        {{k_.chkPres}, false, "Press space or click to fill the prescription"},
        {both(k_.txtPresKera1), true, "Enter the K then hit Enter or Tab"},
        {both(k_.txtPresKera2), true, "The accepted measures are mm and diopters"},
        {both(k_.txtPresPow), true, "You can omit the decimal point ex: -350 for -3.50"},
        {both(k_.txtPresCyl), true, "The cylinder can be in minus or plus form"},
        {both(k_.txtPresAxe), true, "Axis must be between 1 and 180"},
        {both(k_.cboPresVertex), false, "Use the up or down arrows or click to change Vertex"},
        {both(k_.cboPresAdd), true, "Enter the patient's add"},
        {{k_.chkPresOS}, false, "Press space or click to fill prescription for left eye"},
        {{k_.chkCur}, false, "Hit space to fill current lens or Enter to skip"},
        {both(k_.txtCurBC), true, "The Base Curve in mm or in diopters"},
        {both(k_.txtCurPow), true, "You can omit the decimal point ex: -350 for -3.50"},
        {both(k_.txtCurDiam), true, "Enter the diameter"},
        {both(k_.txtCurAdd), true, "Enter the patient's add"},
        {{k_.chkCurOS}, false, "Press space or click to fill current lens for left eye"},
    };
    Control* help = k_.lblhelp;
    for (const Feedback& f : entries) {
        for (Control* c : f.controls) {
            const bool selects = f.selects;
            const std::string hint = f.hint;
            c->onGotFocus = [c, help, selects, hint] {
                c->SetBackColor(kFocusColor);
                if (selects) {
                    c->SetSelStart(0);
                    c->SetSelLength(static_cast<int>(c->Text().size()));
                }
                help->SetCaption(hint);
            };
            c->onLostFocus = [c] { c->SetBackColor(kRestColor); };
        }
    }
    const std::pair<Control*, const char*> buttons[] = {
        {k_.btnGo, "Enter for suggested lens or Tab to quit"},
        {k_.cmdClear, "Enter to Clear Tab to skip"},
        {k_.cmdQuit, "Enter to Quit this program or Tab to skip"},
    };
    for (const auto& [c, text] : buttons) {
        const std::string hint = text;
        Control* b = c;
        b->onGotFocus = [b, help, hint] {
            b->SetFontBold(true);
            help->SetCaption(hint);
        };
        b->onLostFocus = [b] { b->SetFontBold(false); };
    }
}

void Sections::WireEnter()
{
    for (Control* c : {k_.chkPres, k_.chkPresOS, k_.chkCur, k_.chkCurOS})
        EnterMovesOn(toolkit_, *c);
    for (int e = 0; e < 2; ++e) {
        for (Control* c : k_.PresEntries(e))
            EnterMovesOn(toolkit_, *c);
        for (Control* c : k_.CurEntries(e))
            EnterMovesOn(toolkit_, *c);
    }
}

} // namespace corvane
