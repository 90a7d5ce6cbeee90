#include "calc/calculation.h"

#include <variant>

namespace corvane {
namespace {

// The line that names the first value to click, from the right eye on; only
// the merge of two designs leaves one. The engine asks first for the base
// curve or the power, never for the series.
std::optional<Words> ClickLine(const std::array<lens::EyeResult, 2>& eyes)
{
    for (const lens::EyeResult& eye : eyes) {
        if (!eye.suggested || !eye.pres || !eye.cur)
            continue;
        if (const std::optional<lens::LensValue> value = lens::ValueToClick(*eye.suggested))
            return Words{*value == lens::LensValue::BaseCurve ? Say::ClickForBaseCurve : Say::ClickForPower};
    }
    return std::nullopt;
}

OpenValues Open(const lens::EyeResult& eye)
{
    using lens::LensValue;
    return {lens::IsOpen(eye, LensValue::BaseCurve), lens::IsOpen(eye, LensValue::Power),
            lens::IsOpen(eye, LensValue::Series)};
}

} // namespace

Calculation::Calculation(MainView& view, NumberFormat fmt) : view_(view), fmt_(fmt) {}

void Calculation::InputChanged() { ShowOrderState(); }

lens::EyeInput Calculation::Typed(int e) const
{
    return {view_.Ticked(Method::Prescription, e), view_.Ticked(Method::CurrentLens, e), view_.Entries(e)};
}

CalculationInput Calculation::OnScreen() const { return {lens::AsRead(Typed(0)), lens::AsRead(Typed(1))}; }

bool Calculation::Current() const { return calculatedFrom_.has_value() && *calculatedFrom_ == OnScreen(); }

// The button, the greyed lens and the help line follow from the values: the
// lens, what it was calculated from and the screen now.
void Calculation::ShowOrderState()
{
    const bool complete = lens::Orderable(eyes_[0], eyes_[1]).has_value();
    const bool current = Current();
    const bool shown = calculatedFrom_.has_value() || eyes_[0].suggested || eyes_[1].suggested;
    view_.SetPrintEnabled(complete && current);
    view_.ShowOutdated(shown && !current,
                       complete && !current ? std::optional(Words{Say::EntriesChanged}) : std::nullopt);
}

void Calculation::Clear()
{
    eyes_ = {};
    calculatedFrom_.reset();
    for (int e = 0; e < 2; ++e) {
        view_.ShowEntries(e, lens::ClearedEntries());
        Draw(e);
    }
    ShowOrderState();
    ShowOpenValues(false);
}

void Calculation::Report(int e, const lens::Fault& fault)
{
    view_.ShowEyeError(e, fault.error);
    if (fault.entry != lens::Entry::None)
        view_.FocusEntry(e, fault.entry);
}

void Calculation::Calculate()
{
    eyes_ = {};
    calculatedFrom_.reset();
    Draw(0);
    Draw(1);
    CalculationInput read;
    for (int e = 0; e < 2; ++e) {
        lens::EyeInput input = Typed(e);
        const lens::EyeCalculation calc = lens::CalculateEye(input, fmt_);
        // The lens is calculated from the entries as normalised: the next
        // Calculate reads them so.
        input.entries = calc.entries;
        read[static_cast<std::size_t>(e)] = lens::AsRead(input);
        // The messages come after the entries were rewritten.
        view_.ShowEntries(e, calc.entries);
        for (const lens::EyeMessage& message : calc.messages) {
            if (const auto* warning = std::get_if<lens::Warning>(&message)) {
                view_.ShowWarning(warning->message);
                view_.FocusEntry(e, warning->entry);
            } else {
                Report(e, std::get<lens::Fault>(message));
            }
        }
        eyes_[static_cast<std::size_t>(e)] = calc.result;
        Draw(e);
    }
    calculatedFrom_ = read;
    if (const std::optional<Words> line = ClickLine(eyes_))
        view_.SetHelp(*line);
    ShowOrderState();
    ShowOpenValues(false);
}

void Calculation::Settled(int e, lens::EyeResult eye, const std::optional<lens::EyeEntries>& written)
{
    // What a settling writes is part of the lens it settles, but only of a
    // lens that was still that of the entries: one written into entries
    // changed since stays out of the order until the next Calculate.
    const bool current = Current();
    if (written)
        view_.ShowEntries(e, *written);
    if (current)
        calculatedFrom_ = OnScreen();
    else if (written)
        calculatedFrom_.reset();
    eyes_[static_cast<std::size_t>(e)] = eye;
    Draw(e);
    ShowOrderState();
    ShowOpenValues(true);
}

std::optional<lens::LensOrder> Calculation::Order() const
{
    if (!Current())
        return std::nullopt;
    return lens::Orderable(eyes_[0], eyes_[1]);
}

// An eye is drawn from its result, and from nothing else.
void Calculation::Draw(int e)
{
    const lens::EyeResult& eye = Eye(e);
    auto texts = [this](const std::optional<lens::Design>& d) {
        return d ? std::optional(lens::Texts(*d, fmt_)) : std::nullopt;
    };
    view_.ShowLens(ResultColumn::Prescription, e, texts(eye.pres));
    view_.ShowLens(ResultColumn::CurrentLens, e, texts(eye.cur));
    view_.ShowLens(ResultColumn::Suggested, e,
                   eye.suggested ? std::optional(lens::Texts(*eye.suggested, kMarker, fmt_)) : std::nullopt);
}

void Calculation::ShowOpenValues(bool moveOn)
{
    view_.ShowOpenValues({Open(eyes_[0]), Open(eyes_[1])}, ClickLine(eyes_), moveOn);
}

} // namespace corvane
