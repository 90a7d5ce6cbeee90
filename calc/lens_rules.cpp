#include "lens_rules.h"

#include "../ui/numbers.h"

#include <cmath>

namespace corvane::rules {

bool InHundredths(double v, bool negativeToo) { return v >= kHundredthsFrom || (negativeToo && v <= -kHundredthsFrom); }

double OtherCurvatureUnit(double v) { return Div(337.5, v); }

bool FlatKInRange(double flatK) { return !(flatK < kFlatKMin || flatK > kFlatKMax); }

std::optional<double> TableBaseCurve(double flatK)
{
    if (!FlatKInRange(flatK))
        return std::nullopt;
    double baseCurve = 0;
    for (const BaseCurveRow& row : kBaseCurves)
        if (flatK >= row.flatKFrom)
            baseCurve = row.baseCurve;
    return baseCurve;
}

double FlattenForToricity(double baseCurve, double toricity)
{
    if (toricity >= kFlattenFrom)
        baseCurve = Sub(baseCurve, kFlattenStep);
    if (toricity >= kFlattenAgainFrom)
        baseCurve = Sub(baseCurve, kFlattenStep);
    return baseCurve;
}

const AxisBand& BandOf(int axis)
{
    for (const AxisBand& band : kAxisBands)
        if (axis >= band.axisFrom)
            return band;
    return kAxisBands[std::size(kAxisBands) - 1];
}

bool ToricityOutside(const AxisBand& band, double toricity) { return toricity > band.maxToricity; }

bool CylinderOutside(const AxisBand& band, double cylinder) { return cylinder < band.minCylinder; }

int TransposedAxis(int axis) { return axis + 90 <= 180 ? axis + 90 : axis - 90; }

std::optional<double> PrescriptionDiameter(double flatK, double power)
{
    for (const DiameterRow& row : kDiameters) {
        if (flatK > row.flatKAbove) {
            const double diameter = power < 0 ? row.minus : row.plus;
            if (diameter == 0)
                return std::nullopt;
            return diameter;
        }
    }
    return std::nullopt;
}

bool NeedsVertexStep(double power) { return power >= kVertexFrom || power <= -kVertexFrom; }

double VertexCorrected(double power, double vertexMm) { return Div(power, Sub(1, Div(Mul(power, vertexMm), 1000))); }

double SnapToEighth(double power)
{
    const double m = std::fabs(power);
    double n = Int(m);
    const double f = m - n;
    double step = 0;
    if (f >= kNextWholeFrom) {
        n += 1;
    } else {
        for (const EighthStep& row : kEighths) {
            if (f < row.fractionBelow) {
                step = row.step;
                break;
            }
        }
    }
    return power >= 0 ? Add(n, step) : -Add(n, step);
}

int SeriesOf(double add)
{
    if (add < kSeries2From)
        return 1;
    if (add < kSeries3From)
        return 2;
    return 3;
}

double CurrentBaseCurve(double baseCurve)
{
    double x = Mul(baseCurve, 10);
    if (Sub(x, Int(x)) > kTenthUpAbove)
        x = Add(x, 1);
    return Sub(Div(Int(x), 10), 0.1);
}

double CurrentDiameter(double diameter)
{
    if (diameter >= 9.5)
        return 9.5;
    if (diameter >= 9.2)
        return 9.2;
    return 9.0;
}

bool SameBaseCurve(double a, double b)
{
    auto cut = [](double r) { return Div(Int(Mul(r, 100)), 100); };
    return cut(a) == cut(b);
}

double MergedDiameter(double wornDiameter, double presDiameter, double curDiameter)
{
    if (presDiameter == curDiameter)
        return presDiameter;
    const double d = Sub(wornDiameter, presDiameter);
    if (d >= kOneSizeUpFrom)
        return presDiameter == 9.0 ? 9.2 : 9.5;
    if (d > 0)
        return presDiameter;
    if (d > kCurrentAbove)
        return curDiameter;
    if (d > kOneSizeDownAbove)
        return presDiameter == 9.2 ? 9.0 : 9.2;
    return 9.0;
}

} // namespace corvane::rules
