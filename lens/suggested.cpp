#include "lens/engine.h"
#include "lens/rules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace corvane::lens {

std::string PowerText(double power, PowerForm form, const NumberFormat& fmt)
{
    return form == PowerForm::General ? NumberToText(power, fmt) : Format(power, Decimals::Two, fmt);
}

LensTexts Texts(const Design& lens, const NumberFormat& fmt)
{
    return {Format(lens.bc, Decimals::Two, fmt), PowerText(lens.power, lens.powerForm, fmt),
            Format(lens.diam, Decimals::One, fmt), IntToText(lens.series)};
}

bool ShownWhole(const Design& lens, const NumberFormat& fmt)
{
    const LensTexts texts = Texts(lens, fmt);
    return std::ranges::all_of(
        std::array{&texts.bc, &texts.pow, &texts.diam, &texts.serie}, [](const std::string* text) {
            const auto digits = std::ranges::count_if(*text, [](char c) { return c >= '0' && c <= '9'; });
            return text->size() <= kValueRoom && std::cmp_less_equal(digits, kValueDigits);
        });
}

bool HasOpenValue(const SuggestedLens& lens) { return !lens.bc || !lens.power || !lens.diam || !lens.series; }

LensTexts Texts(const SuggestedLens& lens, const std::string& open, const NumberFormat& fmt)
{
    return {lens.bc ? Format(*lens.bc, Decimals::Two, fmt) : open,
            lens.power ? PowerText(*lens.power, lens.powerForm, fmt) : open,
            lens.diam ? Format(*lens.diam, Decimals::One, fmt) : open, lens.series ? IntToText(*lens.series) : open};
}

Suggestion SuggestFinalLens(const Design& pres, const Design& cur, double wornDiameter)
{
    try {
        SuggestedLens lens;
        if (pres.power == cur.power)
            lens.power = pres.power;
        if (rules::SameBaseCurve(pres.bc, cur.bc))
            lens.bc = pres.bc;
        lens.diam = rules::MergedDiameter(wornDiameter, pres.diam, cur.diam);
        if (cur.series == pres.series)
            lens.series = pres.series;
        return {lens, std::nullopt};
    } catch (const RuntimeError& err) {
        return {std::nullopt, Fault{err, Entry::None}};
    }
}

SuggestedLens ShowSingleMethodResult(const Design& lens)
{
    return {lens.bc, lens.power, lens.diam, lens.series, lens.powerForm};
}

std::optional<LensValue> ValueToClick(const SuggestedLens& lens)
{
    if (!lens.bc)
        return LensValue::BaseCurve;
    if (!lens.power)
        return LensValue::Power;
    return std::nullopt;
}

// An open value needs both designs: only the merge leaves one.
bool IsOpen(const EyeResult& eye, LensValue value)
{
    if (!eye.suggested || !eye.pres || !eye.cur)
        return false;
    switch (value) {
    case LensValue::BaseCurve:
        return !eye.suggested->bc;
    case LensValue::Power:
        return !eye.suggested->power;
    case LensValue::Series:
        return !eye.suggested->series;
    }
    return false;
}

EyeResult SettleBaseCurve(EyeResult eye, bool currentFits)
{
    if (IsOpen(eye, LensValue::BaseCurve))
        eye.suggested->bc = (currentFits ? eye.cur : eye.pres)->bc;
    return eye;
}

EyeResult SettlePowerFromCurrentLens(EyeResult eye)
{
    if (IsOpen(eye, LensValue::Power)) {
        eye.suggested->power = eye.cur->power;
        eye.suggested->powerForm = eye.cur->powerForm;
    }
    return eye;
}

double PowerAsShown(const Design& lens, const NumberFormat& fmt)
{
    return ToNumber(PowerText(lens.power, lens.powerForm, fmt), fmt);
}

std::variant<double, RuntimeError> ReadOverRefraction(const std::string& typed, const NumberFormat& fmt)
{
    if (!IsNumeric(typed, fmt))
        return RuntimeError(699, {Say::RefractionNotNumber});
    return ToNumber(typed, fmt);
}

PowerCorrection SettlePowerByOverRefraction(EyeResult eye, std::string powerEntry, double overRefraction,
                                            const NumberFormat& fmt)
{
    PowerCorrection out{eye, std::move(powerEntry), std::nullopt};
    if (!IsOpen(out.eye, LensValue::Power) || overRefraction == 0)
        return out;
    // The entry may have been edited since Calculate.
    if (!IsNumeric(out.powerEntry, fmt)) {
        out.fault = Fault{RuntimeError(621, {Say::CurPowerNotNumeric}), Entry::CurPower};
        return out;
    }
    try {
        // The corrected power is written and read back, as the entry is.
        const std::string entry = NumberToText(Add(ToNumber(out.powerEntry, fmt), overRefraction), fmt);
        const double shown = PowerAsShown(*out.eye.cur, fmt);
        const double corrected = ToNumber(NumberToText(Add(shown, overRefraction), fmt), fmt);
        Design correctedCur = *out.eye.cur;
        correctedCur.power = corrected;
        correctedCur.powerForm = PowerForm::General;
        if (!ShownWhole(correctedCur, fmt))
            RaiseOverflow();
        out.powerEntry = entry;
        *out.eye.cur = correctedCur;
        out.eye.suggested->power = corrected;
        out.eye.suggested->powerForm = PowerForm::General;
    } catch (const RuntimeError& err) {
        out.fault = Fault{err, Entry::None};
    }
    return out;
}

AddOptions AddChoices(const AddTexts& adds, const NumberFormat& fmt)
{
    if (!IsNumeric(adds.pres, fmt))
        return {0, 0, Fault{RuntimeError(617, {Say::AddNotNumeric}), Entry::PresAdd}};
    if (!IsNumeric(adds.cur, fmt))
        return {0, 0, Fault{RuntimeError(625, {Say::CurAddNotNumeric}), Entry::CurAdd}};
    return {ToNumber(adds.pres, fmt), ToNumber(adds.cur, fmt), std::nullopt};
}

SeriesChoice SettleSeries(EyeResult eye, AddTexts adds, AddChoice choice)
{
    SeriesChoice out{eye, std::move(adds)};
    if (!IsOpen(out.eye, LensValue::Series))
        return out;
    Design& pres = *out.eye.pres;
    Design& cur = *out.eye.cur;
    if (choice == AddChoice::Prescription) {
        out.adds.cur = out.adds.pres;
        cur.series = pres.series;
    } else {
        out.adds.pres = out.adds.cur;
        pres.series = cur.series;
    }
    out.eye.suggested->series = pres.series;
    return out;
}

std::optional<SettledLens> Settled(const SuggestedLens& lens)
{
    if (HasOpenValue(lens))
        return std::nullopt;
    return SettledLens{{*lens.bc, *lens.power, *lens.diam, *lens.series, lens.powerForm}};
}

std::optional<LensOrder> Orderable(const EyeResult& right, const EyeResult& left)
{
    const std::optional<SettledLens> r = right.suggested ? Settled(*right.suggested) : std::nullopt;
    if (!r)
        return std::nullopt;
    if (!left.suggested)
        return LensOrder{*r, std::nullopt};
    const std::optional<SettledLens> l = Settled(*left.suggested);
    if (!l)
        return std::nullopt;
    return LensOrder{*r, *l};
}

} // namespace corvane::lens
