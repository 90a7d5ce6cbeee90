#include "lens/engine.h"
#include "lens/rules.h"

namespace corvane::lens {
namespace {

using Field = std::string PrescriptionEntries::*;
constexpr Field kKera1 = &PrescriptionEntries::kera1;
constexpr Field kKera2 = &PrescriptionEntries::kera2;
constexpr Field kSphere = &PrescriptionEntries::sphere;
constexpr Field kCyl = &PrescriptionEntries::cylinder;
constexpr Field kAxis = &PrescriptionEntries::axis;
constexpr Field kVertex = &PrescriptionEntries::vertex;
constexpr Field kAdd = &PrescriptionEntries::add;

// The design's working values, in the order the steps compute them.
struct Working {
    const NumberFormat& fmt;
    PrescriptionDesign& out;
    double flatK = 0;
    double steepK = 0;
    double power = 0;
    double cyl = 0;
    int axis = 0;
    bool withheld = false;

    std::string& Text(Field i) const { return out.entries.*i; }
    double Value(Field i) const { return ToNumber(Text(i), fmt); }
    void Write(Field i, double v) const { Text(i) = NumberToText(v, fmt); }
    // Entries typed without a decimal point are in hundredths.
    void Hundredths(Field i, bool negativeToo) const
    {
        const double v = Value(i);
        if (rules::InHundredths(v, negativeToo))
            Write(i, Div(v, 100));
    }
    void Warn(Say message, Entry entry)
    {
        withheld = true;
        out.warnings.push_back({{message}, entry});
    }
};

// Entries typed without a decimal point, then readings given as radii.
void Normalise(Working& w)
{
    w.Hundredths(kKera1, false);
    w.Hundredths(kKera2, false);
    w.Hundredths(kSphere, true);
    if (!w.Text(kCyl).empty())
        w.Hundredths(kCyl, true);
    if (!w.Text(kAdd).empty())
        w.Hundredths(kAdd, true);
    for (Field i : {kKera1, kKera2}) {
        const double v = w.Value(i);
        if (rules::IsRadius(v))
            w.Write(i, rules::OtherCurvatureUnit(v));
    }
}

// Returns the toricity of the cornea.
double OrderReadings(Working& w)
{
    const bool firstIsFlat = FirstReadingIsFlatter(w.Text(kKera1), w.Text(kKera2));
    w.flatK = w.Value(firstIsFlat ? kKera1 : kKera2);
    w.steepK = w.Value(firstIsFlat ? kKera2 : kKera1);
    return Sub(w.steepK, w.flatK);
}

void ReadRefraction(Working& w)
{
    w.power = w.Value(kSphere);
    w.cyl = w.Text(kCyl).empty() ? 0 : w.Value(kCyl);
    w.axis = w.Text(kAxis).empty() ? 0 : ToWholeNumber(w.Value(kAxis));
}

// The refraction in minus-cylinder form, shown so in the entries.
void TransposePlusCylinder(Working& w)
{
    if (w.Text(kCyl).empty() || !(w.cyl > 0))
        return;
    w.power = Add(w.power, w.cyl);
    w.cyl = -w.cyl;
    w.axis = rules::TransposedAxis(w.axis);
    w.Write(kSphere, w.power);
    w.Text(kAxis) = IntToText(w.axis);
    w.Write(kCyl, w.cyl);
}

void CheckLowerReading(Working& w)
{
    if (rules::FlatKInRange(w.flatK))
        return;
    const Entry lower = w.Value(kKera2) > w.Value(kKera1) ? Entry::Kera1 : Entry::Kera2;
    w.Warn(rules::FlatKBelowRange(w.flatK) ? Say::LowerKeraTooFlat : Say::LowerKeraTooSteep, lower);
}

void CheckAxisBand(Working& w, double toricity)
{
    const rules::AxisBand& band = rules::BandOf(w.axis);
    if (rules::ToricityOutside(band, toricity))
        w.Warn(Say::ToricityOutside, Entry::Kera1);
    if (rules::CylinderOutside(band, w.cyl))
        w.Warn(Say::CylinderOutside, Entry::Cylinder);
}

// The design itself; the tolerance checks never stop it, they withhold the
// lens.
Design Designed(Working& w)
{
    Design lens;
    Normalise(w);
    const double toricity = OrderReadings(w);
    ReadRefraction(w);
    TransposePlusCylinder(w);
    CheckLowerReading(w);
    CheckAxisBand(w, toricity);
    // Outside the table the lens is withheld (the lower-reading check has
    // said why).
    if (const std::optional<double> bc = rules::TableBaseCurve(w.flatK))
        lens.bc = *bc;
    else
        w.withheld = true;
    lens.bc = rules::FlattenForToricity(lens.bc, toricity);
    lens.series = rules::SeriesOf(w.Value(kAdd));
    if (const std::optional<double> diameter = rules::PrescriptionDiameter(w.flatK, w.power))
        lens.diam = *diameter;
    else
        w.withheld = true;
    // Vertex distance, eighth-dioptre steps, then half a dioptre less.
    if (rules::NeedsVertexStep(w.power))
        w.power = rules::VertexCorrected(w.power, w.Value(kVertex));
    lens.power = rules::DesignPower(rules::SnapToEighth(w.power));
    return lens;
}

} // namespace

// std::string orders its characters by their codes, as unsigned bytes.
bool FirstReadingIsFlatter(const std::string& kera1, const std::string& kera2) { return kera1 < kera2; }

std::optional<Fault> ValidatePrescription(const PrescriptionEntries& entries, const NumberFormat& fmt)
{
    // The checks in the order they run; each may take the ones above it as
    // passed.
    struct Check {
        Entry entry;
        int number;
        Say message;
        bool (*fails)(const PrescriptionEntries& in, const NumberFormat& fmt);
    };
    using In = const PrescriptionEntries&;
    using Fmt = const NumberFormat&;
    static constexpr Check kChecks[] = {
        {Entry::Kera1, 601, Say::FirstKeraNeeded, [](In in, Fmt) { return in.kera1.empty(); }},
        {Entry::Kera1, 602, Say::FirstKeraNotNumeric, [](In in, Fmt f) { return !IsNumeric(in.kera1, f); }},
        {Entry::Kera1, 603, Say::KeraZero, [](In in, Fmt f) { return ToNumber(in.kera1, f) == 0; }},
        {Entry::Kera2, 604, Say::SecondKeraNeeded, [](In in, Fmt) { return in.kera2.empty(); }},
        {Entry::Kera2, 605, Say::SecondKeraNotNumeric, [](In in, Fmt f) { return !IsNumeric(in.kera2, f); }},
        {Entry::Kera2, 606, Say::KeraZero, [](In in, Fmt f) { return ToNumber(in.kera2, f) == 0; }},
        {Entry::Sphere, 607, Say::PowerNeeded, [](In in, Fmt) { return in.sphere.empty(); }},
        {Entry::Sphere, 608, Say::PowerNotNumeric, [](In in, Fmt f) { return !IsNumeric(in.sphere, f); }},
        {Entry::Cylinder, 610, Say::CylinderNotNumeric,
         [](In in, Fmt f) { return !in.cylinder.empty() && !IsNumeric(in.cylinder, f); }},
        {Entry::Cylinder, 609, Say::CylinderNeeded, [](In in, Fmt) { return in.cylinder.empty() && !in.axis.empty(); }},
        {Entry::Axis, 612, Say::AxisNotNumeric,
         [](In in, Fmt f) { return !in.axis.empty() && !IsNumeric(in.axis, f); }},
        {Entry::Axis, 612, Say::AxisOutOfRange,
         [](In in, Fmt f) {
             if (in.axis.empty())
                 return false;
             const double axis = ToNumber(in.axis, f);
             return axis > 180 || !(axis > 0);
         }},
        {Entry::Axis, 611, Say::AxisNeeded, [](In in, Fmt) { return in.axis.empty() && !in.cylinder.empty(); }},
        {Entry::Vertex, 613, Say::VertexNeeded, [](In in, Fmt) { return in.vertex.empty(); }},
        {Entry::Vertex, 614, Say::VertexNotNumeric, [](In in, Fmt f) { return !IsNumeric(in.vertex, f); }},
        {Entry::Vertex, 615, Say::VertexOutOfRange,
         [](In in, Fmt f) {
             const double d = ToNumber(in.vertex, f);
             return d >= 100 || d < 0;
         }},
        {Entry::PresAdd, 616, Say::AddNeeded, [](In in, Fmt) { return in.add.empty(); }},
        {Entry::PresAdd, 617, Say::AddNotNumeric, [](In in, Fmt f) { return !IsNumeric(in.add, f); }},
    };
    for (const Check& check : kChecks)
        if (check.fails(entries, fmt))
            return Fault{RuntimeError(check.number, {check.message}), check.entry};
    return std::nullopt;
}

PrescriptionDesign DesignFromPrescription(PrescriptionEntries entries, const NumberFormat& fmt)
{
    PrescriptionDesign out{std::move(entries), {}, std::nullopt, std::nullopt};
    Working w{fmt, out};
    try {
        const Design lens = Designed(w);
        // A withheld lens is not shown, whatever its values.
        if (!w.withheld && !ShownWhole(lens, fmt))
            RaiseOverflow();
        if (!w.withheld)
            out.lens = lens;
    } catch (const RuntimeError& err) {
        // A design that failed half-way produced no lens.
        out.fault = Fault{err, Entry::None};
    }
    return out;
}

} // namespace corvane::lens
