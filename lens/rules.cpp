#include "lens/rules.h"

#include "lens/numbers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace corvane::rules {
namespace {

constexpr double kFlatKMin = 39;
constexpr double kFlatKMax = 48;

// Base curve from the lower reading: each row runs from its bound
// (inclusive) up to the next row's bound; the last up to kFlatKMax.
struct BaseCurveRow {
    double flatKFrom;
    double baseCurve;
};
constexpr BaseCurveRow kBaseCurves[] = {
    {39, 8.5},    {39.5, 8.4},  {40, 8.3},    {40.5, 8.2}, {41, 8.1},    {41.5, 8.0},  {42, 7.9},    {42.5, 7.8},
    {43.12, 7.7}, {43.75, 7.6}, {44.37, 7.5}, {45, 7.4},   {45.62, 7.3}, {46.25, 7.2}, {46.87, 7.1}, {47.5, 7.0},
};

// Tolerances by axis band: the first row whose bound the axis reaches (the
// last covers every axis below 40).
constexpr AxisBand kAxisBands[] = {
    {150, 3, -2.5}, {120, 2, -1}, {70, 1.5, -0.87}, {40, 2, -1.5}, {std::numeric_limits<int>::min(), 3, -2.5},
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

// Eighth-dioptre steps of the fraction of the power's size: the first row
// whose bound lies above the fraction; from the last bound on the power
// goes to the next whole dioptre. The steps are 0.12, 0.37, ... on purpose.
struct EighthStep {
    double fractionBelow;
    double step;
};
constexpr EighthStep kEighths[] = {
    {0.06, 0}, {0.19, 0.12}, {0.31, 0.25}, {0.44, 0.37}, {0.56, 0.5}, {0.69, 0.62}, {0.81, 0.75}, {0.94, 0.87},
};

} // namespace

bool InHundredths(double v, bool negativeToo) { return v >= 100 || (negativeToo && v <= -100); }

double OtherCurvatureUnit(double v) { return Div(337.5, v); }

bool IsRadius(double reading) { return reading < 15; }

bool FlatKInRange(double flatK) { return !(flatK < kFlatKMin || flatK > kFlatKMax); }

bool FlatKBelowRange(double flatK) { return flatK < kFlatKMin; }

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
    if (toricity >= 0.75)
        baseCurve = Sub(baseCurve, 0.1);
    if (toricity >= 1.87)
        baseCurve = Sub(baseCurve, 0.1);
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

bool NeedsVertexStep(double power) { return power >= 4 || power <= -4; }

double VertexCorrected(double power, double vertexMm) { return Div(power, Sub(1, Div(Mul(power, vertexMm), 1000))); }

double SnapToEighth(double power)
{
    const double m = std::fabs(power);
    double n = Int(m);
    const double f = m - n;
    const EighthStep* row = std::find_if(std::begin(kEighths), std::end(kEighths),
                                         [f](const EighthStep& r) { return f < r.fractionBelow; });
    double step = 0;
    if (row == std::end(kEighths))
        n += 1;
    else
        step = row->step;
    return power >= 0 ? Add(n, step) : -Add(n, step);
}

double DesignPower(double power) { return Sub(power, 0.5); }

int SeriesOf(double add)
{
    if (add < 1.75)
        return 1;
    if (add < 2.5)
        return 2;
    return 3;
}

bool InDioptres(double baseCurve) { return baseCurve > 15; }

// Hundredths above 0.59999 (not 0.6) move up to the next tenth first, also
// where the product is stored a little below its decimal value (7.96).
double CurrentBaseCurve(double baseCurve)
{
    double x = Mul(baseCurve, 10);
    if (Sub(x, Int(x)) > 0.59999)
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
    // Equal radii cut to hundredths are equal counts of hundredths.
    return Int(Mul(a, 100)) == Int(Mul(b, 100));
}

double DiameterFromDifference(double d, double presDiameter, double curDiameter)
{
    if (d >= 0.4)
        return presDiameter == 9.0 ? 9.2 : 9.5;
    if (d > 0)
        return presDiameter;
    if (d > -0.3)
        return curDiameter;
    if (d > -0.6)
        return presDiameter == 9.2 ? 9.0 : 9.2;
    return 9.0;
}

double MergedDiameter(double wornDiameter, double presDiameter, double curDiameter)
{
    if (presDiameter == curDiameter)
        return presDiameter;
    return DiameterFromDifference(Sub(wornDiameter, presDiameter), presDiameter, curDiameter);
}

} // namespace corvane::rules
