#include "calc/calculation.h"

namespace corvane {
namespace {

bool Ticked(const Control* box) { return box->Value() == 1; }

template <std::size_t N>
std::array<std::string, N> Read(const std::array<Control*, N>& entries)
{
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = entries[i]->Text();
    return texts;
}

// An entry whose text stays is not touched.
template <std::size_t N>
void WriteBack(const std::array<Control*, N>& entries, const std::array<std::string, N>& texts)
{
    for (std::size_t i = 0; i < N; ++i)
        entries[i]->SetText(texts[i]);
}

} // namespace

Calculation::Calculation(const Form1Controls& controls, Toolkit& toolkit, NumberFormat fmt)
    : k_(controls), toolkit_(toolkit), fmt_(fmt), markers_(controls, toolkit)
{
    for (int e = 0; e < 2; ++e) {
        for (Control* c : k_.PresEntries(e))
            c->onEdited = [this] { EntryEdited(); };
        for (Control* c : k_.CurEntries(e))
            c->onEdited = [this] { EntryEdited(); };
    }
}

void Calculation::EntryEdited()
{
    edited_ = true;
    k_.cmdPrint->SetEnabled(false);
}

void Calculation::Clear()
{
    eyes_ = {};
    edited_ = false;
    markers_.Update(eyes_, false);
}

Control* Calculation::EntryControl(lens::Entry entry, int e) const
{
    using lens::Entry;
    switch (entry) {
    case Entry::None:
        return nullptr;
    case Entry::Kera1:
        return k_.txtPresKera1[e];
    case Entry::Kera2:
        return k_.txtPresKera2[e];
    case Entry::Sphere:
        return k_.txtPresPow[e];
    case Entry::Cylinder:
        return k_.txtPresCyl[e];
    case Entry::Axis:
        return k_.txtPresAxe[e];
    case Entry::Vertex:
        return k_.cboPresVertex[e];
    case Entry::PresAdd:
        return k_.cboPresAdd[e];
    case Entry::CurBC:
        return k_.txtCurBC[e];
    case Entry::CurPower:
        return k_.txtCurPow[e];
    case Entry::CurDiam:
        return k_.txtCurDiam[e];
    case Entry::CurAdd:
        return k_.txtCurAdd[e];
    }
    return nullptr;
}

void Calculation::Report(int e, const lens::Fault& fault) const
{
    ReportEyeError(toolkit_, e, fault.error, EntryControl(fault.entry, e));
}

void Calculation::btnGo_Click()
{
    eyes_ = {};
    edited_ = false;
    k_.HideResults();
    for (int e = 0; e < 2; ++e) {
        if (Ticked(e == 0 ? k_.chkPres : k_.chkPresOS))
            ValidatePrescription(e);
        if (Ticked(e == 0 ? k_.chkCur : k_.chkCurOS)) {
            ValidateCurrentLens(e);
            if (eyes_[e].cur && eyes_[e].pres)
                SuggestFinalLens(e);
        }
        if (eyes_[e].pres.has_value() != eyes_[e].cur.has_value())
            ShowSingleMethodResult(e);
    }
    k_.cmdPrint->SetEnabled(false);
    EnablePrintIfComplete();
    markers_.Update(eyes_, false);
}

// The tolerance warnings come after the entries were rewritten; a design
// that failed half-way shows nothing of an earlier one.
void Calculation::ValidatePrescription(int e)
{
    const std::array<Control*, 7> entries = k_.PresEntries(e);
    if (const std::optional<lens::Fault> fault = lens::ValidatePrescription(Read(entries), fmt_)) {
        Report(e, *fault);
        return;
    }
    const lens::PrescriptionDesign design = lens::DesignFromPrescription(Read(entries), fmt_);
    WriteBack(entries, design.entries);
    for (const lens::Warning& warning : design.warnings) {
        toolkit_.MsgBox(warning.message, Buttons::Ok, "Error");
        toolkit_.SetFocus(*EntryControl(warning.entry, e));
    }
    const ResultGroup group = k_.PresGroup();
    eyes_[e].pres = design.lens;
    if (!design.lens) {
        group.ShowValues(e, false);
        if (design.fault)
            Report(e, *design.fault);
        return;
    }
    group.ShowFrame(e);
    group.SetCaptions(e, lens::Texts(*design.lens, fmt_));
    group.ShowValues(e, true);
}

void Calculation::ValidateCurrentLens(int e)
{
    const std::array<Control*, 4> entries = k_.CurEntries(e);
    const lens::CurrentLensCheck check = lens::ValidateCurrentLens(
        Read(entries), Ticked(e == 0 ? k_.chkPres : k_.chkPresOS), k_.cboPresAdd[e]->Text(), fmt_);
    WriteBack(entries, check.entries);
    if (check.fault) {
        Report(e, *check.fault);
        return;
    }
    const lens::CurrentLensDesign design = lens::DesignFromCurrentLens(check.entries, fmt_);
    WriteBack(entries, design.entries);
    const ResultGroup group = k_.CurGroup();
    eyes_[e].cur = design.lens;
    if (!design.lens) {
        group.ShowValues(e, false);
        if (design.fault)
            Report(e, *design.fault);
        return;
    }
    wornDiameter_[e] = design.wornDiameter;
    group.ShowFrame(e);
    group.ShowValues(e, true);
    group.SetCaptions(e, lens::Texts(*design.lens, fmt_));
}

void Calculation::SuggestFinalLens(int e)
{
    lens::EyeResult& eye = eyes_[e];
    const lens::Suggestion merged = lens::SuggestFinalLens(*eye.pres, *eye.cur, wornDiameter_[e]);
    if (merged.fault) {
        Report(e, *merged.fault);
        return;
    }
    eye.suggested = merged.lens;
    const ResultGroup fin = k_.FinalGroup();
    fin.ShowFrame(e);
    fin.ShowValues(e, true);
    fin.SetCaptions(e, lens::Texts(*eye.suggested, kMarker, fmt_));
    if (const std::optional<std::string> help = lens::HelpLine(*eye.suggested)) {
        k_.lblhelp->SetCaption(*help);
        markers_.HintShown(*help);
    }
}

void Calculation::ShowSingleMethodResult(int e)
{
    lens::EyeResult& eye = eyes_[e];
    eye.suggested = lens::ShowSingleMethodResult(eye.pres ? *eye.pres : *eye.cur);
    const ResultGroup fin = k_.FinalGroup();
    fin.ShowValues(e, true);
    fin.ShowFrame(e);
    fin.SetCaptions(e, lens::Texts(*eye.suggested, kMarker, fmt_));
}

void Calculation::EnablePrintIfComplete()
{
    const std::optional<lens::SuggestedLens>& right = eyes_[0].suggested;
    const std::optional<lens::SuggestedLens>& left = eyes_[1].suggested;
    // Entries changed since the Calculate: the lens shown is not theirs.
    if (edited_)
        return;
    if (!right || lens::HasOpenValue(*right))
        return;
    if (left && lens::HasOpenValue(*left))
        return;
    k_.cmdPrint->SetEnabled(true);
}

} // namespace corvane
