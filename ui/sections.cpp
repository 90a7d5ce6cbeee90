#include "ui/sections.h"

#include <vector>

namespace corvane {
namespace {

bool Ticked(const Control* box) { return box->Value() == 1; }

template <std::size_t N>
void Show(const std::array<Control*, N>& controls, bool visible)
{
    for (Control* c : controls)
        c->SetVisible(visible);
}

} // namespace

Sections::Sections(const Form1Controls& controls, Toolkit& toolkit) : k_(controls), toolkit_(toolkit)
{
    k_.chkPres->onClick = [this] { chkPres_Click(); };
    k_.chkPresOS->onClick = [this] { chkPresOS_Click(); };
    k_.chkCur->onClick = [this] { chkCur_Click(); };
    k_.chkCurOS->onClick = [this] { chkCurOS_Click(); };
    WireFocus();
    WireEnter();
}

void Sections::chkPres_Click()
{
    const bool on = Ticked(k_.chkPres);
    for (Control* c : k_.lblpres)
        c->SetVisible(on);
    Show(k_.PresEntries(0), on);
    if (on) {
        k_.chkPresOS->SetVisible(true);
        toolkit_.SetFocus(*k_.txtPresKera1[0]);
    } else {
        k_.chkPresOS->SetValue(0);
        k_.chkPresOS->SetVisible(false);
    }
}

void Sections::chkPresOS_Click()
{
    const bool on = Ticked(k_.chkPresOS);
    Show(k_.PresEntries(1), on);
    k_.lblPresOS->SetVisible(on);
    if (!on)
        return;
    k_.chkPresOS->SetVisible(true);
    for (const EyeArray* a : k_.PresEntries())
        (*a)[1]->SetText((*a)[0]->Text());
    toolkit_.SetFocus(*k_.txtPresKera1[1]);
}

void Sections::chkCur_Click()
{
    const bool on = Ticked(k_.chkCur);
    for (Control* c : k_.lblCur)
        c->SetVisible(on);
    Show(k_.CurEntries(0), on);
    if (on) {
        k_.chkCurOS->SetVisible(true);
        toolkit_.SetFocus(*k_.txtCurBC[0]);
    } else {
        k_.chkCurOS->SetValue(0);
        k_.chkCurOS->SetVisible(false);
    }
}

void Sections::chkCurOS_Click()
{
    const bool on = Ticked(k_.chkCurOS);
    Show(k_.CurEntries(1), on);
    if (!on)
        return;
    for (const EyeArray* a : k_.CurEntries())
        (*a)[1]->SetText((*a)[0]->Text());
    toolkit_.SetFocus(*k_.txtCurBC[1]);
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
