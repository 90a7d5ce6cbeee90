#pragma once

#include <optional>

// The laboratory's design rules for the Corvane lens, as plain functions of
// numbers; their tables sit beside them in rules.cpp. Every figure is
// an exact double: a rule that compares or steps by a decimal uses the
// double nearest to that decimal. The arithmetic raises the numbered errors
// of the checked helpers in lens/numbers.h (Overflow, Division by zero).
namespace corvane::rules {

// Entries typed without a decimal point: a size of 100 or more (or, where
// negativeToo, -100 or less) is in hundredths.
bool InHundredths(double v, bool negativeToo);
// A curvature in the other unit: dioptres from a radius in millimetres, or
// a radius from dioptres (337.5 / v).
double OtherCurvatureUnit(double v);

// ---- Design from keratometry and refraction ----

// A reading below 15 is a radius in millimetres.
bool IsRadius(double reading);
// The lower reading that the design accepts: 39 to 48 inclusive.
bool FlatKInRange(double flatK);
bool FlatKBelowRange(double flatK);
// The base curve of the table; none outside the accepted range.
std::optional<double> TableBaseCurve(double flatK);
// A toric cornea flattens the curve by 0.1 mm from 0.75 and again from 1.87.
double FlattenForToricity(double baseCurve, double toricity);

// Tolerances of the axis band that the axis falls in: the toricity fails
// above its limit, the cylinder below its own (both strict).
struct AxisBand {
    int axisFrom;
    double maxToricity;
    double minCylinder;
};
const AxisBand& BandOf(int axis);
bool ToricityOutside(const AxisBand& band, double toricity);
bool CylinderOutside(const AxisBand& band, double cylinder);
// A plus cylinder's axis turns by 90 degrees, staying within 1..180.
int TransposedAxis(int axis);

// Diameter by the lower reading and the sign of the power; none where the
// design makes no lens.
std::optional<double> PrescriptionDiameter(double flatK, double power);
// Powers of 4 dioptres or more in size move to the corneal plane.
bool NeedsVertexStep(double power);
double VertexCorrected(double power, double vertexMm);
// The power's size to the laboratory's eighth-dioptre steps.
double SnapToEighth(double power);
// Both designs order half a dioptre below the power they start from.
double DesignPower(double power);

// ---- Series, both designs ----

int SeriesOf(double add);

// ---- Design from the current spherical lens ----

// A base curve above 15 is in dioptres.
bool InDioptres(double baseCurve);
// One step steeper on a 0.1 mm grid.
double CurrentBaseCurve(double baseCurve);
// 9.5 from 9.5 up, 9.2 from 9.2 up, else 9.0.
double CurrentDiameter(double diameter);

// ---- Suggested lens from both designs ----

// Base curves agree when their radii cut down to hundredths are equal.
bool SameBaseCurve(double a, double b);
// The diameter from the worn lens's diameter minus the keratometry
// design's, d, when the two designs differ.
double DiameterFromDifference(double d, double presDiameter, double curDiameter);
double MergedDiameter(double wornDiameter, double presDiameter, double curDiameter);

} // namespace corvane::rules
