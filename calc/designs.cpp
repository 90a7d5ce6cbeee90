#include "calc/calculation.h"

#include "calc/lens_rules.h"

namespace corvane {

// Design from keratometry and refraction. The tolerance checks never stop
// it: every step runs and only the flag decides whether the lens is shown.
void Calculation::DesignFromPrescription(int e)
{
    state_.presLensDone[e] = true;
    NormalisePrescription(e);
    const double toricity = OrderReadings(e);
    ReadRefraction(e);
    TransposePlusCylinder(e);
    CheckLowerReading(e);
    CheckAxisBand(e, toricity);
    BaseCurveFromLowerReading(e, toricity);
    state_.resPresSerie = rules::SeriesOf(Value(k_.cboPresAdd[e]));
    DiameterFromLowerReading(e);
    PowerAtCornea(e);
    ShowPresResult(e);
}

// Entries typed without a decimal point, then readings given as radii.
void Calculation::NormalisePrescription(int e) const
{
    Hundredths(k_.txtPresKera1[e], false);
    Hundredths(k_.txtPresKera2[e], false);
    Hundredths(k_.txtPresPow[e], true);
    if (!k_.txtPresCyl[e]->Text().empty())
        Hundredths(k_.txtPresCyl[e], true);
    if (!k_.cboPresAdd[e]->Text().empty())
        Hundredths(k_.cboPresAdd[e], true);
    for (Control* c : {k_.txtPresKera1[e], k_.txtPresKera2[e]}) {
        const double v = Value(c);
        if (rules::IsRadius(v))
            Write(c, rules::OtherCurvatureUnit(v));
    }
}

// The readings are ordered by their texts, as written back; returns the
// toricity of the cornea.
double Calculation::OrderReadings(int e)
{
    const Control* kera1 = k_.txtPresKera1[e];
    const Control* kera2 = k_.txtPresKera2[e];
    const bool firstIsFlat = kera1->Text() < kera2->Text();
    state_.flatK = Value(firstIsFlat ? kera1 : kera2);
    state_.steepK = Value(firstIsFlat ? kera2 : kera1);
    return Sub(state_.steepK, state_.flatK);
}

void Calculation::ReadRefraction(int e)
{
    const Control* cyl = k_.txtPresCyl[e];
    const Control* axe = k_.txtPresAxe[e];
    state_.resPresPow = Value(k_.txtPresPow[e]);
    state_.presCyl = cyl->Text().empty() ? 0 : Value(cyl);
    state_.presAxis = axe->Text().empty() ? 0 : ToWholeNumber(Value(axe));
}

// The refraction in minus-cylinder form, shown so in the entries.
void Calculation::TransposePlusCylinder(int e)
{
    CalcState& s = state_;
    if (k_.txtPresCyl[e]->Text().empty() || !(s.presCyl > 0))
        return;
    s.resPresPow = Add(s.resPresPow, s.presCyl);
    s.presCyl = -s.presCyl;
    s.presAxis = rules::TransposedAxis(s.presAxis);
    Write(k_.txtPresPow[e], s.resPresPow);
    k_.txtPresAxe[e]->SetText(IntToText(s.presAxis));
    Write(k_.txtPresCyl[e], s.presCyl);
}

void Calculation::CheckLowerReading(int e)
{
    Control* kera1 = k_.txtPresKera1[e];
    Control* kera2 = k_.txtPresKera2[e];
    if (rules::FlatKInRange(state_.flatK))
        return;
    Control* lower = Value(kera2) > Value(kera1) ? kera1 : kera2;
    Tolerance(e,
              rules::FlatKBelowRange(state_.flatK)
                  ? "The Lower keratometry is outside of the recommended tolerances. Please consult"
                  : "The lower keratometry is outside of the recommended tolerances. Please consult",
              lower);
}

void Calculation::CheckAxisBand(int e, double toricity)
{
    const rules::AxisBand& band = rules::BandOf(state_.presAxis);
    if (rules::ToricityOutside(band, toricity))
        Tolerance(e, "The keratometry is outside of the recommended tolerances. Please consult", k_.txtPresKera1[e]);
    if (rules::CylinderOutside(band, state_.presCyl))
        Tolerance(e, "The cylinder is outside of the recommended tolerances. Please consult", k_.txtPresCyl[e]);
}

void Calculation::Tolerance(int e, const char* message, Control* focus)
{
    state_.presLensDone[e] = false;
    toolkit_.MsgBox(message, Buttons::Ok, "Error");
    toolkit_.SetFocus(*focus);
}

// Outside the table the base curve keeps its previous value; the lens is
// withheld (the lower-reading check has said why).
void Calculation::BaseCurveFromLowerReading(int e, double toricity)
{
    CalcState& s = state_;
    if (const std::optional<double> bc = rules::TableBaseCurve(s.flatK))
        s.resPresBC = *bc;
    else
        s.presLensDone[e] = false;
    s.resPresBC = rules::FlattenForToricity(s.resPresBC, toricity);
}

void Calculation::DiameterFromLowerReading(int e)
{
    if (const std::optional<double> diameter = rules::PrescriptionDiameter(state_.flatK, state_.resPresPow))
        state_.resPresDiam = *diameter;
    else
        state_.presLensDone[e] = false;
}

// Vertex distance, eighth-dioptre steps, then half a dioptre less.
void Calculation::PowerAtCornea(int e)
{
    CalcState& s = state_;
    if (rules::NeedsVertexStep(s.resPresPow))
        s.resPresPow = rules::VertexCorrected(s.resPresPow, Value(k_.cboPresVertex[e]));
    s.resPresPow = rules::DesignPower(rules::SnapToEighth(s.resPresPow));
}

void Calculation::ShowPresResult(int e)
{
    const CalcState& s = state_;
    const ResultGroup group = k_.PresGroup();
    if (!s.presLensDone[e]) {
        group.ShowValues(e, false);
        return;
    }
    group.ShowFrame(e);
    group.SetCaptions(e, {Format(s.resPresBC, "0.00", fmt_), Format(s.resPresPow, "0.00", fmt_),
                          Format(s.resPresDiam, "0.0", fmt_), IntToText(s.resPresSerie)});
    group.ShowValues(e, true);
}

void Calculation::DesignFromCurrentLens(int e)
{
    CalcState& s = state_;
    const auto [bc, pow, diam, add] = k_.CurEntries(e);

    Hundredths(bc, false);
    Hundredths(pow, true);
    Hundredths(diam, false);
    Hundredths(add, false);
    if (const double v = Value(bc); rules::InDioptres(v)) {
        // A base curve in dioptres becomes a radius, kept to two decimals.
        Write(bc, rules::OtherCurvatureUnit(v));
        bc->SetText(Format(bc->Text(), "0.00", fmt_));
    }

    s.resCurDiam = Value(diam);
    s.resCurBC = Value(bc);
    s.resCurPow = rules::DesignPower(Value(pow));
    s.resCurBC = rules::CurrentBaseCurve(s.resCurBC);
    s.resCurDiam = rules::CurrentDiameter(s.resCurDiam);
    s.resCurSerie = rules::SeriesOf(Value(add));

    const ResultGroup group = k_.CurGroup();
    group.ShowFrame(e);
    group.ShowValues(e, true);
    group.SetCaptions(e, {Format(s.resCurBC, "0.00", fmt_), Format(s.resCurPow, "0.00", fmt_),
                          Format(s.resCurDiam, "0.0", fmt_), IntToText(s.resCurSerie)});
}

void Calculation::SuggestFinalLens(int e)
{
    const CalcState& s = state_;
    const ResultGroup fin = k_.FinalGroup();
    fin.ShowFrame(e);
    fin.ShowValues(e, true);

    if (s.resPresPow == s.resCurPow) {
        fin.pow[e]->SetCaption(Format(s.resPresPow, "0.00", fmt_));
    } else {
        fin.pow[e]->SetCaption(kMarker);
        k_.lblhelp->SetCaption("Click on the ??? to choose the Power");
    }
    if (rules::SameBaseCurve(s.resPresBC, s.resCurBC)) {
        fin.bc[e]->SetCaption(Format(s.resPresBC, "0.00", fmt_));
    } else {
        fin.bc[e]->SetCaption(kMarker);
        k_.lblhelp->SetCaption("Click on the ??? to choose the Base Curve");
    }
    const double diameter = rules::MergedDiameter(Value(k_.txtCurDiam[e]), s.resPresDiam, s.resCurDiam);
    fin.diam[e]->SetCaption(Format(diameter, "0.0", fmt_));
    fin.serie[e]->SetCaption(s.resCurSerie == s.resPresSerie ? IntToText(s.resPresSerie) : kMarker);
}

} // namespace corvane
