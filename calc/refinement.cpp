#include "calc/refinement.h"

#include <variant>

namespace corvane {

Refinement::Refinement(MainView& view, Calculation& calc, NumberFormat fmt) : view_(view), calc_(calc), fmt_(fmt) {}

void Refinement::Clicked(int e, lens::LensValue value)
{
    switch (value) {
    case lens::LensValue::BaseCurve:
        BaseCurveClicked(e);
        break;
    case lens::LensValue::Power:
        PowerClicked(e);
        break;
    case lens::LensValue::Series:
        SeriesClicked(e);
        break;
    }
}

void Refinement::BaseCurveClicked(int e)
{
    if (!lens::IsOpen(calc_.Eye(e), lens::LensValue::BaseCurve))
        return;
    const bool fits = view_.Ask({Say::BaseCurveQuestion}, {Say::BaseCurveTitle});
    calc_.Settled(e, lens::SettleBaseCurve(calc_.Eye(e), fits));
}

void Refinement::PowerClicked(int e)
{
    if (!lens::IsOpen(calc_.Eye(e), lens::LensValue::Power))
        return;
    if (view_.Ask({Say::PowerQuestion}, {Say::PowerTitle})) {
        calc_.Settled(e, lens::SettlePowerFromCurrentLens(calc_.Eye(e)));
        return;
    }
    // A dialog closed without "Ok" corrects nothing.
    const std::optional<double> over = AskOverRefraction(*view_.PowerCorrection(), fmt_);
    if (!over)
        return;
    lens::EyeEntries entries = view_.Entries(e);
    const lens::PowerCorrection r = lens::SettlePowerByOverRefraction(calc_.Eye(e), entries.cur.power, *over, fmt_);
    if (r.fault) {
        calc_.Report(e, *r.fault);
        return;
    }
    entries.cur.power = r.powerEntry;
    calc_.Settled(e, r.eye, entries);
}

void Refinement::SeriesClicked(int e)
{
    if (!lens::IsOpen(calc_.Eye(e), lens::LensValue::Series))
        return;
    lens::EyeEntries entries = view_.Entries(e);
    const lens::AddTexts adds{entries.pres.add, entries.cur.add};
    const lens::AddOptions options = lens::AddChoices(adds, fmt_);
    if (options.fault) {
        calc_.Report(e, *options.fault);
        return;
    }
    const std::optional<lens::AddChoice> choice = AskAddChoice(*view_.AddCorrection(), options, fmt_);
    if (!choice)
        return;
    const lens::SeriesChoice r = lens::SettleSeries(calc_.Eye(e), adds, *choice);
    entries.pres.add = r.adds.pres;
    entries.cur.add = r.adds.cur;
    calc_.Settled(e, r.eye, entries);
}

std::optional<double> AskOverRefraction(PowerCorrectionView& dialog, const NumberFormat& fmt)
{
    std::optional<double> result;
    dialog.Run([&](const std::string& typed) {
        const std::variant<double, RuntimeError> read = lens::ReadOverRefraction(typed, fmt);
        if (const auto* error = std::get_if<RuntimeError>(&read)) {
            dialog.ShowError(ErrorMessage(*error));
            return false;
        }
        result = std::get<double>(read);
        return true;
    });
    return result;
}

std::optional<lens::AddChoice> AskAddChoice(AddCorrectionView& dialog, const lens::AddOptions& adds,
                                            const NumberFormat& fmt)
{
    return dialog.Choose(Format(adds.pres, Decimals::Two, fmt), Format(adds.cur, Decimals::Two, fmt));
}

} // namespace corvane
