#include "calc/refinement.h"

#include "calc/refine_dialogs.h"

namespace corvane {

Refinement::Refinement(const Form1Controls& controls, Calculation& calc, Toolkit& toolkit, DialogResults& module,
                       NumberFormat fmt)
    : k_(controls), calc_(calc), toolkit_(toolkit), module_(module), fmt_(fmt)
{}

bool Refinement::ReadEntry(int Index, Control* entry, int number, const char* message, double& value)
{
    if (!IsNumeric(entry->Text(), fmt_)) {
        ReportEyeError(toolkit_, Index, RuntimeError(number, message), entry);
        return false;
    }
    value = ToNumber(entry->Text(), fmt_);
    return true;
}

void Refinement::lblResFinalBC_Click(int Index)
{
    Control* final = k_.lblResFinalBC[Index];
    if (final->Caption() != kMarker)
        return;
    const Answer a = toolkit_.MsgBox("Does the current spherical base curve provide an alignment fitting ?",
                                     Buttons::YesNo, "Base Curve");
    final->SetCaption((a == Answer::Yes ? k_.lblResCurBC : k_.lblResPresBC)[Index]->Caption());
    calc_.EnablePrintIfComplete();
}

void Refinement::lblResFinalPow_Click(int Index)
{
    Control* final = k_.lblResFinalPow[Index];
    if (final->Caption() != kMarker)
        return;
    const Answer a =
        toolkit_.MsgBox("Does the current lens' power Provide best distance vision accuity ?", Buttons::YesNo, "Power");
    if (a == Answer::Yes) {
        final->SetCaption(k_.lblResCurPow[Index]->Caption());
    } else {
        module_.overRefractionAccepted = false;
        PowerCorrectionForm dialog(toolkit_, module_, fmt_);
        LoadAndShowModal(toolkit_, dialog.GetForm());
        // A dialog closed without "Ok" corrects nothing.
        if (module_.overRefractionAccepted && module_.overRefraction != 0) {
            double typed = 0;
            if (ReadEntry(Index, k_.txtCurPow[Index], 621, "The current lens power is not numeric", typed)) {
                try {
                    const std::string entry = NumberToText(Add(typed, module_.overRefraction), fmt_);
                    const double designed = ToNumber(k_.lblResCurPow[Index]->Caption(), fmt_);
                    const std::string label = NumberToText(Add(designed, module_.overRefraction), fmt_);
                    const std::string shown = NumberToText(ToNumber(label, fmt_), fmt_);
                    k_.txtCurPow[Index]->SetText(entry);
                    k_.lblResCurPow[Index]->SetCaption(label);
                    final->SetCaption(shown);
                } catch (const RuntimeError& err) {
                    ReportEyeError(toolkit_, Index, err, nullptr);
                }
            }
        }
    }
    calc_.EnablePrintIfComplete();
}

void Refinement::lblResFinalSerie_Click(int Index)
{
    Control* final = k_.lblResFinalSerie[Index];
    if (final->Caption() != kMarker)
        return;
    double pres = 0;
    double cur = 0;
    if (!ReadEntry(Index, k_.cboPresAdd[Index], 617, "The add is not numeric", pres) ||
        !ReadEntry(Index, k_.txtCurAdd[Index], 625, "The client's add is not numeric", cur))
        return;
    module_.presAddOption = pres;
    module_.curAddOption = cur;
    AddCorrectionForm dialog(toolkit_, module_, fmt_);
    LoadAndShowModal(toolkit_, dialog.GetForm());
    if (module_.addChoice == 1) {
        k_.txtCurAdd[Index]->SetText(k_.cboPresAdd[Index]->Text());
        k_.lblResCurSerie[Index]->SetCaption(k_.lblResPresSerie[Index]->Caption());
        final->SetCaption(k_.lblResPresSerie[Index]->Caption());
    } else if (module_.addChoice == 2) {
        k_.cboPresAdd[Index]->SetText(k_.txtCurAdd[Index]->Text());
        k_.lblResPresSerie[Index]->SetCaption(k_.lblResCurSerie[Index]->Caption());
        final->SetCaption(k_.lblResCurSerie[Index]->Caption());
    }
    calc_.EnablePrintIfComplete();
}

} // namespace corvane
