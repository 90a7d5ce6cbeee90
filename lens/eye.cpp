#include "lens/engine.h"

#include <span>

namespace corvane::lens {
namespace {

// Const or not, as the entries are.
template <class Entries>
auto* Field(Entries& e, Entry entry)
{
    using Text = decltype(&e.pres.kera1);
    switch (entry) {
    case Entry::None:
        return Text{nullptr};
    case Entry::Kera1:
        return &e.pres.kera1;
    case Entry::Kera2:
        return &e.pres.kera2;
    case Entry::Sphere:
        return &e.pres.sphere;
    case Entry::Cylinder:
        return &e.pres.cylinder;
    case Entry::Axis:
        return &e.pres.axis;
    case Entry::Vertex:
        return &e.pres.vertex;
    case Entry::PresAdd:
        return &e.pres.add;
    case Entry::CurBC:
        return &e.cur.bc;
    case Entry::CurPower:
        return &e.cur.power;
    case Entry::CurDiam:
        return &e.cur.diam;
    case Entry::CurAdd:
        return &e.cur.add;
    }
    return Text{nullptr};
}

// The tolerance warnings come after the entries were rewritten; a design
// that failed half-way shows nothing of an earlier one.
EyeCalculation WithPrescription(EyeCalculation out, const NumberFormat& fmt)
{
    if (std::optional<Fault> fault = ValidatePrescription(out.entries.pres, fmt)) {
        out.messages.emplace_back(std::move(*fault));
        return out;
    }
    PrescriptionDesign design = DesignFromPrescription(out.entries.pres, fmt);
    out.entries.pres = std::move(design.entries);
    for (Warning& warning : design.warnings)
        out.messages.emplace_back(std::move(warning));
    out.result.pres = design.lens;
    if (design.fault)
        out.messages.emplace_back(std::move(*design.fault));
    return out;
}

EyeCalculation WithCurrentLens(EyeCalculation out, bool presTicked, const NumberFormat& fmt)
{
    CurrentLensCheck check = ValidateCurrentLens(out.entries.cur, presTicked, out.entries.pres.add, fmt);
    out.entries.cur = std::move(check.entries);
    if (check.fault) {
        out.messages.emplace_back(std::move(*check.fault));
        return out;
    }
    CurrentLensDesign design = DesignFromCurrentLens(out.entries.cur, fmt);
    out.entries.cur = std::move(design.entries);
    out.result.cur = design.lens;
    if (design.fault)
        out.messages.emplace_back(std::move(*design.fault));
    else
        out.result.wornDiameter = design.wornDiameter;
    return out;
}

} // namespace

EyeEntries ClearedEntries()
{
    EyeEntries entries;
    entries.pres.vertex = "12";
    return entries;
}

const std::string& Text(const EyeEntries& entries, Entry entry)
{
    static const std::string kNone;
    const std::string* text = Field(entries, entry);
    return text != nullptr ? *text : kNone;
}

EyeEntries EntriesFrom(const std::function<std::string(Entry)>& textOf)
{
    EyeEntries entries;
    for (const auto& method :
         {std::span<const Entry>(kPrescriptionEntries), std::span<const Entry>(kCurrentLensEntries)})
        for (Entry entry : method)
            *Field(entries, entry) = textOf(entry);
    return entries;
}

EyeInput AsRead(EyeInput input)
{
    const EyeEntries cleared = ClearedEntries();
    if (!input.presTicked)
        input.entries.pres = cleared.pres;
    if (!input.curTicked)
        input.entries.cur = cleared.cur;
    return input;
}

EyeCalculation CalculateEye(EyeInput input, const NumberFormat& fmt)
{
    EyeCalculation out{std::move(input.entries), {}, {}};
    if (input.presTicked)
        out = WithPrescription(std::move(out), fmt);
    EyeResult& eye = out.result;
    if (input.curTicked) {
        out = WithCurrentLens(std::move(out), input.presTicked, fmt);
        if (eye.pres && eye.cur) {
            Suggestion merged = SuggestFinalLens(*eye.pres, *eye.cur, eye.wornDiameter);
            if (merged.fault)
                out.messages.emplace_back(std::move(*merged.fault));
            eye.suggested = merged.lens;
        }
    }
    if (eye.pres.has_value() != eye.cur.has_value())
        eye.suggested = ShowSingleMethodResult(eye.pres ? *eye.pres : *eye.cur);
    return out;
}

} // namespace corvane::lens
