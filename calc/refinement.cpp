#include "calc/refinement.h"

#include "calc/refine_dialogs.h"

namespace corvane {

Refinement::Refinement(const Form1Controls& controls, Calculation& calc, Toolkit& toolkit, NumberFormat fmt)
    : k_(controls), calc_(calc), toolkit_(toolkit), fmt_(fmt)
{}

void Refinement::lblResFinalBC_Click(int Index)
{
    if (!lens::BaseCurveOpen(calc_.Eye(Index)))
        return;
    const Answer a = toolkit_.MsgBox("Does the current spherical base curve provide an alignment fitting ?",
                                     Buttons::YesNo, "Base Curve");
    const lens::EyeResult eye = lens::SettleBaseCurve(calc_.Eye(Index), a == Answer::Yes);
    k_.lblResFinalBC[Index]->SetCaption(lens::Texts(*eye.suggested, kMarker, fmt_).bc);
    calc_.Settled(Index, eye);
    calc_.EnablePrintIfComplete();
    calc_.ShowOpenValues();
}

void Refinement::lblResFinalPow_Click(int Index)
{
    if (!lens::PowerOpen(calc_.Eye(Index)))
        return;
    const Answer a =
        toolkit_.MsgBox("Does the current lens' power Provide best distance vision accuity ?", Buttons::YesNo, "Power");
    if (a == Answer::Yes) {
        const lens::EyeResult eye = lens::SettlePowerFromCurrentLens(calc_.Eye(Index));
        k_.lblResFinalPow[Index]->SetCaption(lens::Texts(*eye.suggested, kMarker, fmt_).pow);
        calc_.Settled(Index, eye);
    } else if (const std::optional<double> over = AskOverRefraction(toolkit_, fmt_)) {
        // A dialog closed without "Ok" corrects nothing.
        const lens::PowerCorrection r =
            lens::SettlePowerByOverRefraction(calc_.Eye(Index), k_.txtCurPow[Index]->Text(), *over, fmt_);
        if (r.fault) {
            calc_.Report(Index, *r.fault);
        } else {
            k_.txtCurPow[Index]->SetText(r.powerEntry);
            k_.lblResCurPow[Index]->SetCaption(lens::Texts(*r.eye.cur, fmt_).pow);
            k_.lblResFinalPow[Index]->SetCaption(lens::Texts(*r.eye.suggested, kMarker, fmt_).pow);
            calc_.Settled(Index, r.eye);
        }
    }
    calc_.EnablePrintIfComplete();
    calc_.ShowOpenValues();
}

void Refinement::lblResFinalSerie_Click(int Index)
{
    if (!lens::SeriesOpen(calc_.Eye(Index)))
        return;
    Control* presAdd = k_.cboPresAdd[Index];
    Control* curAdd = k_.txtCurAdd[Index];
    const lens::AddTexts adds{presAdd->Text(), curAdd->Text()};
    const lens::AddOptions options = lens::AddChoices(adds, fmt_);
    if (options.fault) {
        calc_.Report(Index, *options.fault);
        return;
    }
    if (const std::optional<lens::AddChoice> choice = AskAddChoice(toolkit_, options.pres, options.cur, fmt_)) {
        const lens::SeriesChoice r = lens::SettleSeries(calc_.Eye(Index), adds, *choice);
        curAdd->SetText(r.adds.cur);
        presAdd->SetText(r.adds.pres);
        k_.lblResCurSerie[Index]->SetCaption(lens::Texts(*r.eye.cur, fmt_).serie);
        k_.lblResPresSerie[Index]->SetCaption(lens::Texts(*r.eye.pres, fmt_).serie);
        k_.lblResFinalSerie[Index]->SetCaption(lens::Texts(*r.eye.suggested, kMarker, fmt_).serie);
        calc_.Settled(Index, r.eye);
    }
    calc_.EnablePrintIfComplete();
    calc_.ShowOpenValues();
}

} // namespace corvane
