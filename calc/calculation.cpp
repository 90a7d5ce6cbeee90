#include "calculation.h"

#include <cmath>
#include <limits>

namespace corvane {
namespace {

bool Ticked(const Control* box) { return box->Value() == 1; }

const char* EyeTitle(int e) { return e == 0 ? "Error for OD" : "Error for OS"; }

[[noreturn]] void Fail(Control* field, int number, const char* message) { throw FieldError(field, number, message); }

// Base curve from the lower reading: each row runs from its bound up to the
// next row's bound.
struct BaseCurveRow {
    double flatKFrom;
    double baseCurve;
};
constexpr BaseCurveRow kBaseCurves[] = {
    {39, 8.5},    {39.5, 8.4},  {40, 8.3},    {40.5, 8.2}, {41, 8.1},    {41.5, 8.0},  {42, 7.9},    {42.5, 7.8},
    {43.12, 7.7}, {43.75, 7.6}, {44.37, 7.5}, {45, 7.4},   {45.62, 7.3}, {46.25, 7.2}, {46.87, 7.1}, {47.5, 7.0},
};

// Tolerances by axis band.
struct AxisBand {
    int axisFrom;
    double maxToricity;
    double minCylinder;
};
constexpr AxisBand kAxisBands[] = {
    {150, 3, -2.5}, {120, 2, -1}, {70, 1.5, -0.87}, {40, 2, -1.5}, {-32768, 3, -2.5},
};

// Diameter by the lower reading (rows tried from the top, strictly above
// the bound) and the sign of the power; 0 where the design makes no lens.
struct DiameterRow {
    double flatKAbove;
    double minus;
    double plus;
};
constexpr DiameterRow kDiameters[] = {
    {49.64, 0, 0},
    {46.24, 9.0, 9.2},
    {38.99, 9.2, 9.5},
    {-std::numeric_limits<double>::infinity(), 9.5, 0},
};

// Eighth-dioptre steps of the fraction of the power.
struct EighthStep {
    double fractionBelow;
    double step;
};
constexpr EighthStep kEighths[] = {
    {0.06, 0}, {0.19, 0.12}, {0.31, 0.25}, {0.44, 0.37}, {0.56, 0.5}, {0.69, 0.62}, {0.81, 0.75}, {0.94, 0.87},
};

} // namespace

Calculation::Calculation(const Form1Controls& controls, Toolkit& toolkit, NumberFormat fmt)
    : k_(controls), toolkit_(toolkit), fmt_(fmt)
{}

double Calculation::Value(const Control* c) const { return ToNumber(c->Text(), fmt_); }

void Calculation::Write(Control* c, double v) const { c->SetText(NumberToText(v, fmt_)); }

int Calculation::SeriesOf(double add) const
{
    if (add < 1.75)
        return 1;
    if (add < 2.5)
        return 2;
    return 3;
}

void Calculation::btnGo_Click()
{
    state_.presLensDone = {false, false};
    state_.curLensDone = {false, false};
    for (int i = 0; i < 5; ++i) {
        k_.lblResPres[i]->SetVisible(false);
        k_.lblResFinal[i]->SetVisible(false);
        k_.lblResCur[i]->SetVisible(false);
    }
    for (int e = 0; e < 2; ++e) {
        for (const EyeArray* a : {&k_.lblResPresBC, &k_.lblResPresDiam, &k_.lblResPresPow, &k_.lblResPresSerie,
                                  &k_.lblResFinalBC, &k_.lblResFinalDiam, &k_.lblResFinalPow, &k_.lblResFinalSerie,
                                  &k_.lblResCurBC, &k_.lblResCurDiam, &k_.lblResCurPow, &k_.lblResCurSerie})
            (*a)[e]->SetVisible(false);
        k_.lblResPresOS->SetVisible(false);
        k_.lblResFinalOS->SetVisible(false);
        k_.lblResCurOS->SetVisible(false);
    }
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

void Calculation::ReportTrapped(int e, const RuntimeError& err, Control* field)
{
    toolkit_.MsgBox(ErrorMessage(err), Buttons::OkExclamation, EyeTitle(e));
    if (field != nullptr && field->CanTakeFocus())
        toolkit_.SetFocus(*field);
}

bool Calculation::Numeric(const Control* c) const { return IsNumeric(c->Text(), fmt_); }

void Calculation::Hundredths(Control* c, bool negativeToo) const
{
    const double v = Value(c);
    if (v >= 100 || (negativeToo && v <= -100))
        Write(c, Div(v, 100));
}

void Calculation::Trapped(int e, bool& done, const std::function<void()>& checks, const std::function<void()>& design,
                          void (Calculation::*showResult)(int, bool))
{
    bool designing = false;
    try {
        checks();
        done = true;
        designing = true;
        design();
    } catch (const FieldError& err) {
        ReportTrapped(e, err, err.Field);
    } catch (const RuntimeError& err) {
        if (designing) {
            // A design that failed half-way produced no lens: nothing of an
            // earlier one may be shown or merged in its place.
            done = false;
            (this->*showResult)(e, false);
        }
        ReportTrapped(e, err, nullptr);
    }
}

void Calculation::ValidatePrescription(int e)
{
    Control* kera1 = k_.txtPresKera1[e];
    Control* kera2 = k_.txtPresKera2[e];
    Control* pow = k_.txtPresPow[e];
    Control* cyl = k_.txtPresCyl[e];
    Control* axe = k_.txtPresAxe[e];
    Control* vertex = k_.cboPresVertex[e];
    Control* add = k_.cboPresAdd[e];
    auto checks = [&] {
        if (kera1->Text().empty())
            Fail(kera1, 601, "The first keratometry is needed");
        if (!Numeric(kera1))
            Fail(kera1, 602, "The first keratometry is not numeric");
        if (Value(kera1) == 0)
            Fail(kera1, 603, "The keratometry can't be 0");
        if (kera2->Text().empty())
            Fail(kera2, 604, "The second keratometry is needed");
        if (!Numeric(kera2))
            Fail(kera2, 605, "The second keratometry is not numeric");
        if (Value(kera2) == 0)
            Fail(kera2, 606, "The keratometry can't be 0");
        if (pow->Text().empty())
            Fail(pow, 607, "The power is needed");
        if (!Numeric(pow))
            Fail(pow, 608, "The power is not numeric");
        if (!cyl->Text().empty() && !Numeric(cyl))
            Fail(cyl, 610, "The cylinder is not numeric");
        if (cyl->Text().empty() && !axe->Text().empty())
            Fail(cyl, 609, "The cylinder is needed");
        if (!axe->Text().empty()) {
            if (!Numeric(axe))
                Fail(axe, 612, "The axis is not numeric");
            const double axis = Value(axe);
            if (axis > 180 || !(axis > 0))
                Fail(axe, 612, "The axis must range between 1 and 180");
        }
        if (axe->Text().empty() && !cyl->Text().empty())
            Fail(axe, 611, "The axis is needed");
        if (vertex->Text().empty())
            Fail(vertex, 613, "The vetex is needed");
        if (!Numeric(vertex))
            Fail(vertex, 614, "The vertex is not numeric");
        const double d = Value(vertex);
        if (d >= 100 || d < 0)
            Fail(vertex, 615, "The vertex must be between 0 and 99");
        if (add->Text().empty())
            Fail(add, 616, "The add is needed");
        if (!Numeric(add))
            Fail(add, 617, "The add is not numeric");
    };
    Trapped(
        e, state_.presLensDone[e], checks, [&] { DesignFromPrescription(e); }, &Calculation::ShowPresResult);
}

void Calculation::Tolerance(int e, const char* message, Control* focus)
{
    state_.presLensDone[e] = false;
    toolkit_.MsgBox(message, Buttons::Ok, "Error");
    toolkit_.SetFocus(*focus);
}

void Calculation::DesignFromPrescription(int e)
{
    CalcState& s = state_;
    Control* kera1 = k_.txtPresKera1[e];
    Control* kera2 = k_.txtPresKera2[e];
    Control* pow = k_.txtPresPow[e];
    Control* cyl = k_.txtPresCyl[e];
    Control* axe = k_.txtPresAxe[e];
    Control* add = k_.cboPresAdd[e];

    s.presLensDone[e] = true;

    // Entries typed without a decimal point, then readings given as radii.
    Hundredths(kera1, false);
    Hundredths(kera2, false);
    Hundredths(pow, true);
    if (!cyl->Text().empty())
        Hundredths(cyl, true);
    if (!add->Text().empty())
        Hundredths(add, true);
    auto radius = [this](Control* c) {
        const double v = Value(c);
        if (v < 15)
            Write(c, Div(337.5, v));
    };
    radius(kera1);
    radius(kera2);

    // The readings are ordered by their texts, as written back.
    if (kera1->Text() < kera2->Text()) {
        s.flatK = Value(kera1);
        s.steepK = Value(kera2);
    } else {
        s.flatK = Value(kera2);
        s.steepK = Value(kera1);
    }
    const double t = Sub(s.steepK, s.flatK);

    s.resPresPow = Value(pow);
    s.presCyl = cyl->Text().empty() ? 0 : Value(cyl);
    s.presAxis = axe->Text().empty() ? 0 : ToWholeNumber(Value(axe));

    if (!cyl->Text().empty() && s.presCyl > 0) {
        s.resPresPow = Add(s.resPresPow, s.presCyl);
        s.presCyl = -s.presCyl;
        s.presAxis = s.presAxis + 90 <= 180 ? s.presAxis + 90 : s.presAxis - 90;
        Write(pow, s.resPresPow);
        axe->SetText(IntToText(s.presAxis));
        Write(cyl, s.presCyl);
    }

    auto lowerBox = [&] { return Value(kera2) > Value(kera1) ? kera1 : kera2; };
    if (s.flatK < 39)
        Tolerance(e, "The Lower keratometry is outside of the recommended tolerances. Please consult", lowerBox());
    else if (s.flatK > 48)
        Tolerance(e, "The lower keratometry is outside of the recommended tolerances. Please consult", lowerBox());

    for (const AxisBand& band : kAxisBands) {
        if (s.presAxis < band.axisFrom)
            continue;
        if (t > band.maxToricity)
            Tolerance(e, "The keratometry is outside of the recommended tolerances. Please consult", kera1);
        if (s.presCyl < band.minCylinder)
            Tolerance(e, "The cylinder is outside of the recommended tolerances. Please consult", cyl);
        break;
    }

    if (s.flatK < 39 || s.flatK > 48) {
        s.presLensDone[e] = false;
    } else {
        for (const BaseCurveRow& row : kBaseCurves)
            if (s.flatK >= row.flatKFrom)
                s.resPresBC = row.baseCurve;
    }
    if (t >= 0.75)
        s.resPresBC = Sub(s.resPresBC, 0.1);
    if (t >= 1.87)
        s.resPresBC = Sub(s.resPresBC, 0.1);

    s.resPresSerie = SeriesOf(Value(add));

    for (const DiameterRow& row : kDiameters) {
        if (s.flatK > row.flatKAbove) {
            const double diameter = s.resPresPow < 0 ? row.minus : row.plus;
            if (diameter == 0)
                s.presLensDone[e] = false;
            else
                s.resPresDiam = diameter;
            break;
        }
    }

    if (s.resPresPow >= 4 || s.resPresPow <= -4) {
        const double d = Value(k_.cboPresVertex[e]);
        s.resPresPow = Div(s.resPresPow, Sub(1, Div(Mul(s.resPresPow, d), 1000)));
    }

    const double m = std::fabs(s.resPresPow);
    double n = Int(m);
    const double f = m - n;
    double step = 0;
    if (f >= 0.94) {
        n += 1;
    } else {
        for (const EighthStep& row : kEighths) {
            if (f < row.fractionBelow) {
                step = row.step;
                break;
            }
        }
    }
    s.resPresPow = s.resPresPow >= 0 ? Add(n, step) : -Add(n, step);
    s.resPresPow = Sub(s.resPresPow, 0.5);

    if (s.presLensDone[e]) {
        if (e == 1)
            k_.lblResPresOS->SetVisible(true);
        for (Control* c : k_.lblResPres)
            c->SetVisible(true);
        k_.lblResPresDiam[e]->SetCaption(Format(s.resPresDiam, "0.0", fmt_));
        k_.lblResPresBC[e]->SetCaption(Format(s.resPresBC, "0.00", fmt_));
        k_.lblResPresPow[e]->SetCaption(Format(s.resPresPow, "0.00", fmt_));
        k_.lblResPresSerie[e]->SetCaption(IntToText(s.resPresSerie));
        ShowPresResult(e, true);
    } else {
        ShowPresResult(e, false);
    }
}

void Calculation::ShowPresResult(int e, bool show)
{
    for (const EyeArray* a : {&k_.lblResPresBC, &k_.lblResPresDiam, &k_.lblResPresPow, &k_.lblResPresSerie})
        (*a)[e]->SetVisible(show);
}

void Calculation::ShowCurResult(int e, bool show)
{
    for (const EyeArray* a : {&k_.lblResCurBC, &k_.lblResCurDiam, &k_.lblResCurPow, &k_.lblResCurSerie})
        (*a)[e]->SetVisible(show);
}

void Calculation::ValidateCurrentLens(int e)
{
    Control* bc = k_.txtCurBC[e];
    Control* pow = k_.txtCurPow[e];
    Control* diam = k_.txtCurDiam[e];
    Control* add = k_.txtCurAdd[e];
    auto checks = [&] {
        if (bc->Text().empty())
            Fail(bc, 618, "The current lens base curve is needed");
        if (!Numeric(bc))
            Fail(bc, 619, "The current lens base curve is not numeric");
        if (pow->Text().empty())
            Fail(pow, 620, "The current lens power is needed");
        if (!Numeric(pow))
            Fail(pow, 621, "The current lens power is not numeric");
        if (diam->Text().empty())
            Fail(diam, 622, "The current lens diameter is needed");
        if (!Numeric(diam))
            Fail(diam, 623, "The current lens diameter is not numeric");
        if (add->Text().empty()) {
            if (!Ticked(e == 0 ? k_.chkPres : k_.chkPresOS))
                Fail(add, 624, "Please enter the current patient's add");
            add->SetText(k_.cboPresAdd[e]->Text());
            // The prescription add may itself be missing or wrong; a design
            // from it would fail without saying which entry is at fault.
            if (add->Text().empty())
                Fail(add, 624, "Please enter the current patient's add");
            if (!Numeric(add))
                Fail(add, 625, "The client's add is not numeric");
        } else if (!Numeric(add)) {
            Fail(add, 625, "The client's add is not numeric");
        }
    };
    Trapped(
        e, state_.curLensDone[e], checks, [&] { DesignFromCurrentLens(e); }, &Calculation::ShowCurResult);
}

void Calculation::DesignFromCurrentLens(int e)
{
    CalcState& s = state_;
    Control* bc = k_.txtCurBC[e];
    Control* pow = k_.txtCurPow[e];
    Control* diam = k_.txtCurDiam[e];
    Control* add = k_.txtCurAdd[e];

    Hundredths(bc, false);
    Hundredths(pow, true);
    Hundredths(diam, false);
    Hundredths(add, false);
    if (const double v = Value(bc); v > 15) {
        // A base curve in dioptres becomes a radius, kept to two decimals.
        Write(bc, Div(337.5, v));
        bc->SetText(Format(bc->Text(), "0.00", fmt_));
    }

    s.resCurDiam = Value(diam);
    s.resCurBC = Value(bc);
    s.resCurPow = Sub(Value(pow), 0.5);

    double x = Mul(s.resCurBC, 10);
    if (Sub(x, Int(x)) > 0.59999)
        x = Add(x, 1);
    s.resCurBC = Sub(Div(Int(x), 10), 0.1);

    if (s.resCurDiam >= 9.5)
        s.resCurDiam = 9.5;
    else if (s.resCurDiam >= 9.2)
        s.resCurDiam = 9.2;
    else
        s.resCurDiam = 9.0;

    s.resCurSerie = SeriesOf(Value(add));

    for (Control* c : k_.lblResCur)
        c->SetVisible(true);
    if (e == 1)
        k_.lblResCurOS->SetVisible(true);
    ShowCurResult(e, true);
    k_.lblResCurDiam[e]->SetCaption(Format(s.resCurDiam, "0.0", fmt_));
    k_.lblResCurBC[e]->SetCaption(Format(s.resCurBC, "0.00", fmt_));
    k_.lblResCurPow[e]->SetCaption(Format(s.resCurPow, "0.00", fmt_));
    k_.lblResCurSerie[e]->SetCaption(IntToText(s.resCurSerie));
}

void Calculation::SuggestFinalLens(int e)
{
    const CalcState& s = state_;
    if (e == 1)
        k_.lblResFinalOS->SetVisible(true);
    for (Control* c : k_.lblResFinal)
        c->SetVisible(true);
    for (const EyeArray* a : {&k_.lblResFinalBC, &k_.lblResFinalDiam, &k_.lblResFinalPow, &k_.lblResFinalSerie})
        (*a)[e]->SetVisible(true);

    if (s.resPresPow == s.resCurPow) {
        k_.lblResFinalPow[e]->SetCaption(Format(s.resPresPow, "0.00", fmt_));
    } else {
        k_.lblResFinalPow[e]->SetCaption(kMarker);
        k_.lblhelp->SetCaption("Click on the ??? to choose the Power");
    }

    auto cut = [](double r) { return Div(Int(Mul(r, 100)), 100); };
    if (cut(s.resPresBC) == cut(s.resCurBC)) {
        k_.lblResFinalBC[e]->SetCaption(Format(s.resPresBC, "0.00", fmt_));
    } else {
        k_.lblResFinalBC[e]->SetCaption(kMarker);
        k_.lblhelp->SetCaption("Click on the ??? to choose the Base Curve");
    }

    double diameter = s.resPresDiam;
    if (s.resPresDiam != s.resCurDiam) {
        const double d = Sub(Value(k_.txtCurDiam[e]), s.resPresDiam);
        if (d >= 0.4)
            diameter = s.resPresDiam == 9.0 ? 9.2 : 9.5;
        else if (d > 0)
            diameter = s.resPresDiam;
        else if (d > -0.3)
            diameter = s.resCurDiam;
        else if (d > -0.6)
            diameter = s.resPresDiam == 9.2 ? 9.0 : 9.2;
        else
            diameter = 9.0;
    }
    k_.lblResFinalDiam[e]->SetCaption(Format(diameter, "0.0", fmt_));

    k_.lblResFinalSerie[e]->SetCaption(s.resCurSerie == s.resPresSerie ? IntToText(s.resPresSerie) : kMarker);
}

void Calculation::ShowSingleMethodResult(int e)
{
    for (const EyeArray* a : {&k_.lblResFinalBC, &k_.lblResFinalDiam, &k_.lblResFinalPow, &k_.lblResFinalSerie})
        (*a)[e]->SetVisible(true);
    for (Control* c : k_.lblResFinal)
        c->SetVisible(true);
    if (e == 1)
        k_.lblResFinalOS->SetVisible(true);
    const bool pres = state_.presLensDone[e];
    k_.lblResFinalBC[e]->SetCaption((pres ? k_.lblResPresBC : k_.lblResCurBC)[e]->Caption());
    k_.lblResFinalDiam[e]->SetCaption((pres ? k_.lblResPresDiam : k_.lblResCurDiam)[e]->Caption());
    k_.lblResFinalPow[e]->SetCaption((pres ? k_.lblResPresPow : k_.lblResCurPow)[e]->Caption());
    k_.lblResFinalSerie[e]->SetCaption((pres ? k_.lblResPresSerie : k_.lblResCurSerie)[e]->Caption());
}

void Calculation::EnablePrintIfComplete()
{
    auto open = [this](int e) {
        for (const EyeArray* a : {&k_.lblResFinalBC, &k_.lblResFinalDiam, &k_.lblResFinalPow, &k_.lblResFinalSerie})
            if ((*a)[e]->Caption() == kMarker)
                return true;
        return false;
    };
    if (!k_.lblResFinalBC[0]->Visible() || open(0))
        return;
    if (k_.lblResFinalBC[1]->Visible() && open(1))
        return;
    k_.cmdPrint->SetEnabled(true);
}

} // namespace corvane
