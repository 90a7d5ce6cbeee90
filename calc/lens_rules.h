#pragma once

#include <limits>
#include <optional>

// The laboratory's design rules for the Corvane lens, as plain functions of
// numbers, each beside its table. Every figure is an exact double: a rule
// that compares or steps by a decimal compares with the double nearest to
// that decimal. The arithmetic raises the usual numbered errors (Overflow,
// Division by zero) where the checked helpers of ui/numbers.h do.
namespace corvane::rules {

// Entries typed without a decimal point: a size of 100 or more (or, where
// negativeToo, -100 or less) is in hundredths.
inline constexpr double kHundredthsFrom = 100;
bool InHundredths(double v, bool negativeToo);

// ---- Design from keratometry and refraction ----

// Readings below this are radii in millimetres (337.5 / r dioptres).
inline constexpr double kRadiusBelow = 15;
// A curvature in the other unit: dioptres from a radius in millimetres, or
// a radius from dioptres.
double OtherCurvatureUnit(double v);

// The lower reading that the design accepts, inclusive at both ends.
inline constexpr double kFlatKMin = 39;
inline constexpr double kFlatKMax = 48;
bool FlatKInRange(double flatK);

// Base curve from the lower reading: each row runs from its bound
// (inclusive) up to the next row's bound; the last up to kFlatKMax.
struct BaseCurveRow {
    double flatKFrom;
    double baseCurve;
};
inline constexpr BaseCurveRow kBaseCurves[] = {
    {39, 8.5},    {39.5, 8.4},  {40, 8.3},    {40.5, 8.2}, {41, 8.1},    {41.5, 8.0},  {42, 7.9},    {42.5, 7.8},
    {43.12, 7.7}, {43.75, 7.6}, {44.37, 7.5}, {45, 7.4},   {45.62, 7.3}, {46.25, 7.2}, {46.87, 7.1}, {47.5, 7.0},
};
// The table's base curve; none outside kFlatKMin..kFlatKMax.
std::optional<double> TableBaseCurve(double flatK);

// A toric cornea flattens the curve by 0.1 mm from each of these steps on.
inline constexpr double kFlattenFrom = 0.75;
inline constexpr double kFlattenAgainFrom = 1.87;
inline constexpr double kFlattenStep = 0.1;
double FlattenForToricity(double baseCurve, double toricity);

// Tolerances by axis band: the first row whose bound the axis reaches. The
// toricity fails above its limit, the cylinder below its own (both strict).
struct AxisBand {
    int axisFrom;
    double maxToricity;
    double minCylinder;
};
inline constexpr AxisBand kAxisBands[] = {
    {150, 3, -2.5}, {120, 2, -1}, {70, 1.5, -0.87}, {40, 2, -1.5}, {-32768, 3, -2.5},
};
const AxisBand& BandOf(int axis);
bool ToricityOutside(const AxisBand& band, double toricity);
bool CylinderOutside(const AxisBand& band, double cylinder);

// A plus cylinder turns by 90 degrees, staying within 1..180.
int TransposedAxis(int axis);

// Diameter by the lower reading (rows tried from the top, strictly above
// the bound) and the sign of the power; 0 where the design makes no lens.
struct DiameterRow {
    double flatKAbove;
    double minus;
    double plus;
};
inline constexpr DiameterRow kDiameters[] = {
    {49.64, 0, 0},
    {46.24, 9.0, 9.2},
    {38.99, 9.2, 9.5},
    {-std::numeric_limits<double>::infinity(), 9.5, 0},
};
// None where the table gives no lens.
std::optional<double> PrescriptionDiameter(double flatK, double power);

// Powers at or beyond this size are moved to the corneal plane.
inline constexpr double kVertexFrom = 4;
bool NeedsVertexStep(double power);
double VertexCorrected(double power, double vertexMm);

// Eighth-dioptre steps of the fraction of the power's size: the first row
// whose bound lies above the fraction; from kNextWholeFrom on the power goes
// to the next whole dioptre. The steps are 0.12, 0.37, ... on purpose.
struct EighthStep {
    double fractionBelow;
    double step;
};
inline constexpr EighthStep kEighths[] = {
    {0.06, 0}, {0.19, 0.12}, {0.31, 0.25}, {0.44, 0.37}, {0.56, 0.5}, {0.69, 0.62}, {0.81, 0.75}, {0.94, 0.87},
};
inline constexpr double kNextWholeFrom = 0.94;
double SnapToEighth(double power);

// Every power of this design sits this far below the snapped refraction.
inline constexpr double kPowerOffset = 0.5;

// ---- Series, both designs ----

inline constexpr double kSeries2From = 1.75;
inline constexpr double kSeries3From = 2.5;
int SeriesOf(double add);

// ---- Design from the current spherical lens ----

// A base curve above this is in dioptres.
inline constexpr double kDioptresAbove = 15;
// One step steeper on a 0.1 mm grid; hundredths above the threshold move
// up to the next tenth first (0.59999, not 0.6: 7.96, stored a little
// below, still moves up).
inline constexpr double kTenthUpAbove = 0.59999;
double CurrentBaseCurve(double baseCurve);
// 9.5 from 9.5 up, 9.2 from 9.2 up, else 9.0.
double CurrentDiameter(double diameter);

// ---- Suggested lens from both designs ----

// Base curves agree when their radii cut down to hundredths are equal.
bool SameBaseCurve(double a, double b);
// The diameter when the designs differ, from the worn lens's diameter
// minus the keratometry design's.
inline constexpr double kOneSizeUpFrom = 0.4;
inline constexpr double kCurrentAbove = -0.3;
inline constexpr double kOneSizeDownAbove = -0.6;
double MergedDiameter(double wornDiameter, double presDiameter, double curDiameter);

} // namespace corvane::rules
