#include "calc/calculation.h"

#include "calc/lens_rules.h"

namespace corvane {
namespace {

bool Ticked(const Control* box) { return box->Value() == 1; }

} // namespace

Calculation::Calculation(const Form1Controls& controls, Toolkit& toolkit, NumberFormat fmt)
    : k_(controls), toolkit_(toolkit), fmt_(fmt)
{}

double Calculation::Value(const Control* c) const { return ToNumber(c->Text(), fmt_); }

bool Calculation::Numeric(const Control* c) const { return IsNumeric(c->Text(), fmt_); }

void Calculation::Write(Control* c, double v) const { c->SetText(NumberToText(v, fmt_)); }

void Calculation::Hundredths(Control* c, bool negativeToo) const
{
    const double v = Value(c);
    if (rules::InHundredths(v, negativeToo))
        Write(c, Div(v, 100));
}

void Calculation::btnGo_Click()
{
    state_.presLensDone = {false, false};
    state_.curLensDone = {false, false};
    k_.HideResults();
    for (int e = 0; e < 2; ++e) {
        if (Ticked(e == 0 ? k_.chkPres : k_.chkPresOS))
            ValidatePrescription(e);
        if (Ticked(e == 0 ? k_.chkCur : k_.chkCurOS)) {
            ValidateCurrentLens(e);
            if (state_.curLensDone[e] && state_.presLensDone[e])
                SuggestFinalLens(e);
        }
        if (state_.presLensDone[e] != state_.curLensDone[e])
            ShowSingleMethodResult(e);
    }
    k_.cmdPrint->SetEnabled(false);
    EnablePrintIfComplete();
}

void Calculation::Trapped(int e, bool& done, const std::function<void()>& checks, const std::function<void()>& design,
                          const ResultGroup& group)
{
    bool designing = false;
    try {
        checks();
        done = true;
        designing = true;
        design();
    } catch (const FieldError& err) {
        ReportEyeError(toolkit_, e, err, err.Field);
    } catch (const RuntimeError& err) {
        if (designing) {
            // A design that failed half-way produced no lens: nothing of an
            // earlier one may be shown or merged in its place.
            done = false;
            group.ShowValues(e, false);
        }
        ReportEyeError(toolkit_, e, err, nullptr);
    }
}

void Calculation::ValidatePrescription(int e)
{
    Trapped(
        e, state_.presLensDone[e], [&] { CheckPrescription(e); }, [&] { DesignFromPrescription(e); }, k_.PresGroup());
}

void Calculation::ValidateCurrentLens(int e)
{
    Trapped(
        e, state_.curLensDone[e], [&] { CheckCurrentLens(e); }, [&] { DesignFromCurrentLens(e); }, k_.CurGroup());
}

void Calculation::ShowSingleMethodResult(int e)
{
    const ResultGroup fin = k_.FinalGroup();
    fin.ShowValues(e, true);
    fin.ShowFrame(e);
    fin.SetCaptions(e, (state_.presLensDone[e] ? k_.PresGroup() : k_.CurGroup()).Captions(e));
}

void Calculation::EnablePrintIfComplete()
{
    const ResultGroup fin = k_.FinalGroup();
    if (!fin.bc[0]->Visible() || fin.Shows(0, kMarker))
        return;
    if (fin.bc[1]->Visible() && fin.Shows(1, kMarker))
        return;
    k_.cmdPrint->SetEnabled(true);
}

} // namespace corvane
