// Every row of the laboratory's tables at its bound, just below and just
// above it, with the figures written out here independently of the code's
// tables, so that a changed cell or bound fails a test.

#include "lens/rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace corvane::rules {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
double Below(double x) { return std::nextafter(x, -kInf); }
double Above(double x) { return std::nextafter(x, kInf); }

// A probe of a rule: its name, the argument and the result expected.
template <class T>
struct Probe {
    std::string name;
    double x;
    T expected;
};

// Rows of a step table in which each value holds from its bound on
// (inclusive): every bound is probed at, just below and just above.
template <class T>
std::vector<Probe<T>> FromBounds(const std::string& table, const std::vector<std::pair<double, T>>& rows, T before)
{
    std::vector<Probe<T>> probes;
    T previous = before;
    for (const auto& [bound, value] : rows) {
        const std::string at = table + " from " + std::to_string(bound);
        probes.push_back({at + ", just below", Below(bound), previous});
        probes.push_back({at, bound, value});
        probes.push_back({at + ", just above", Above(bound), value});
        previous = value;
    }
    return probes;
}

template <class T, class F>
void Check(const std::vector<Probe<T>>& probes, F rule)
{
    for (const Probe<T>& p : probes) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(rule(p.x), p.expected) << "at " << p.x;
    }
}

using Curve = std::optional<double>;

TEST(LensRules, BaseCurveTableAndItsRange)
{
    std::vector<std::pair<double, Curve>> rows = {
        {39, 8.5},    {39.5, 8.4},  {40, 8.3},    {40.5, 8.2}, {41, 8.1},    {41.5, 8.0},  {42, 7.9},    {42.5, 7.8},
        {43.12, 7.7}, {43.75, 7.6}, {44.37, 7.5}, {45, 7.4},   {45.62, 7.3}, {46.25, 7.2}, {46.87, 7.1}, {47.5, 7.0},
    };
    std::vector<Probe<Curve>> probes = FromBounds<Curve>("base curve", rows, std::nullopt);
    probes.push_back({"upper end 48", 48, 7.0});
    probes.push_back({"just above 48", Above(48), std::nullopt});
    Check(probes, TableBaseCurve);
    Check<bool>({{"39", 39, true}, {"below 39", Below(39), false}, {"48", 48, true}, {"above 48", Above(48), false}},
                FlatKInRange);
    Check<bool>({{"39", 39, false}, {"below 39", Below(39), true}}, FlatKBelowRange);
}

TEST(LensRules, ToricityFlattensTheCurve)
{
    Check<double>({{"flat", Below(0.75), 7.8},
                   {"0.75", 0.75, 7.8 - 0.1},
                   {"below 1.87", Below(1.87), 7.8 - 0.1},
                   {"1.87", 1.87, 7.8 - 0.1 - 0.1}},
                  [](double t) { return FlattenForToricity(7.8, t); });
}

TEST(LensRules, AxisBands)
{
    struct Band {
        const char* name;
        int from;
        int to;
        double maxToricity;
        double minCylinder;
    };
    const Band bands[] = {{"150 up", 150, 180, 3, -2.5},
                          {"120 to 149", 120, 149, 2, -1},
                          {"70 to 119", 70, 119, 1.5, -0.87},
                          {"40 to 69", 40, 69, 2, -1.5},
                          {"below 40", -32768, 39, 3, -2.5}};
    for (const Band& b : bands) {
        for (const int axis : {b.from, b.to}) {
            SCOPED_TRACE(std::string(b.name) + " at " + std::to_string(axis));
            const AxisBand& band = BandOf(axis);
            EXPECT_FALSE(ToricityOutside(band, b.maxToricity));
            EXPECT_TRUE(ToricityOutside(band, Above(b.maxToricity)));
            EXPECT_FALSE(CylinderOutside(band, b.minCylinder));
            EXPECT_TRUE(CylinderOutside(band, Below(b.minCylinder)));
        }
    }
}

TEST(LensRules, PlusCylinderAxisTurns)
{
    EXPECT_EQ(TransposedAxis(90), 180);
    EXPECT_EQ(TransposedAxis(91), 1);
    EXPECT_EQ(TransposedAxis(0), 90);
}

TEST(LensRules, DiameterByLowerReadingAndSign)
{
    // Rows tried from the top, strictly above their bound.
    struct Row {
        const char* name;
        double flatK;
        Curve minus;
        Curve plus;
    };
    const Row rows[] = {
        {"above 49.64", Above(49.64), std::nullopt, std::nullopt},
        {"49.64", 49.64, 9.0, 9.2},
        {"above 46.24", Above(46.24), 9.0, 9.2},
        {"46.24", 46.24, 9.2, 9.5},
        {"above 38.99", Above(38.99), 9.2, 9.5},
        {"38.99", 38.99, 9.5, std::nullopt},
        {"lowest", -std::numeric_limits<double>::max(), 9.5, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(PrescriptionDiameter(r.flatK, Below(0)), r.minus);
        EXPECT_EQ(PrescriptionDiameter(r.flatK, 0), r.plus);
    }
}

TEST(LensRules, VertexStepFromFourDioptres)
{
    Check<bool>({{"4", 4, true}, {"below 4", Below(4), false}, {"-4", -4, true}, {"above -4", Above(-4), false}},
                NeedsVertexStep);
    EXPECT_EQ(VertexCorrected(-5, 12), -5 / (1 - (-5 * 12) / 1000.0));
}

TEST(LensRules, EighthDioptreSteps)
{
    // Powers below 1 have the fraction itself, exactly.
    std::vector<std::pair<double, double>> rows = {{0.06, 0.12}, {0.19, 0.25}, {0.31, 0.37}, {0.44, 0.5},
                                                   {0.56, 0.62}, {0.69, 0.75}, {0.81, 0.87}, {0.94, 1}};
    std::vector<Probe<double>> probes = FromBounds<double>("step", rows, 0);
    probes.push_back({"zero", 0, 0});
    Check(probes, SnapToEighth);
    Check(probes, [](double f) { return -SnapToEighth(-f); });
    Check<double>({{"whole part kept", 2.3, 2.25}, {"next whole", 2.95, 3}}, SnapToEighth);
    EXPECT_EQ(DesignPower(2), 1.5);
}

TEST(LensRules, SeriesFromAdd) { Check(FromBounds<int>("series", {{1.75, 2}, {2.5, 3}}, 1), SeriesOf); }

TEST(LensRules, EntryUnits)
{
    Check<bool>({{"100", 100, true}, {"below 100", Below(100), false}},
                [](double v) { return InHundredths(v, false); });
    Check<bool>({{"-100", -100, true}, {"above -100", Above(-100), false}},
                [](double v) { return InHundredths(v, true); });
    EXPECT_FALSE(InHundredths(-100, false));
    Check<bool>({{"15", 15, false}, {"below 15", Below(15), true}}, IsRadius);
    Check<bool>({{"15", 15, false}, {"above 15", Above(15), true}}, InDioptres);
    EXPECT_EQ(OtherCurvatureUnit(7.5), 45);
}

TEST(LensRules, CurrentLensBaseCurveStep)
{
    // The threshold 0.59999 itself stays; the next double above moves up.
    ASSERT_EQ(0.059999 * 10, 0.59999);
    ASSERT_EQ(0.05999900000000001 * 10, Above(0.59999));
    Check<double>({{"at 0.59999", 0.059999, 0 - 0.1},
                   {"above 0.59999", 0.05999900000000001, 0.1 - 0.1},
                   {"7.96 stored below 79.6", 7.96, 8.0 - 0.1},
                   {"7.85", 7.85, 7.8 - 0.1},
                   {"7.80", 7.80, 7.8 - 0.1},
                   {"8.00", 8.00, 8.0 - 0.1}},
                  CurrentBaseCurve);
}

TEST(LensRules, CurrentLensDiameter)
{
    Check(FromBounds<double>("diameter", {{9.2, 9.2}, {9.5, 9.5}}, 9.0), CurrentDiameter);
}

TEST(LensRules, BaseCurvesCutToHundredths)
{
    EXPECT_TRUE(SameBaseCurve(7.80, 7.809));
    EXPECT_FALSE(SameBaseCurve(7.80, 7.81));
    EXPECT_FALSE(SameBaseCurve(7.80, 7.799));
}

TEST(LensRules, MergedDiameter)
{
    struct Row {
        const char* name;
        double d;
        double pres;
        double cur;
        double shown;
    };
    const Row rows[] = {
        {"0.4 up from 9.0", 0.4, 9.0, 9.5, 9.2},
        {"0.4 up from 9.2", 0.4, 9.2, 9.5, 9.5},
        {"0.4 up from 9.5", 0.4, 9.5, 9.2, 9.5},
        {"below 0.4 keeps keratometry", Below(0.4), 9.2, 9.5, 9.2},
        {"above 0 keeps keratometry", Above(0), 9.2, 9.0, 9.2},
        {"0 takes current", 0, 9.2, 9.0, 9.0},
        {"above -0.3 takes current", Above(-0.3), 9.5, 9.0, 9.0},
        {"-0.3 from 9.2", -0.3, 9.2, 9.0, 9.0},
        {"-0.3 from 9.5", -0.3, 9.5, 9.0, 9.2},
        {"-0.3 from 9.0", -0.3, 9.0, 9.5, 9.2},
        {"above -0.6 from 9.2", Above(-0.6), 9.2, 9.0, 9.0},
        {"-0.6", -0.6, 9.5, 9.2, 9.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(DiameterFromDifference(r.d, r.pres, r.cur), r.shown);
    }
    EXPECT_EQ(MergedDiameter(8.4, 9.0, 9.0), 9.0);
    EXPECT_EQ(MergedDiameter(9.6, 9.2, 9.5), 9.5);
    EXPECT_EQ(MergedDiameter(8.9, 9.2, 9.0), 9.0);
}

} // namespace
} // namespace corvane::rules
