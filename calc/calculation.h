#pragma once

#include "lens/engine.h"
#include "views/main_view.h"

#include <array>
#include <optional>

namespace corvane {

// What an open value of the suggested lens reads as.
inline constexpr const char* kMarker = "???";

// The ticks and entries of both eyes, as Calculate reads them.
using CalculationInput = std::array<lens::EyeInput, 2>;

// The Calculate command of the main window and what it shows: reads what was
// ticked and typed into the lens engine, writes back what it normalised,
// shows its messages in their order and draws each eye from its result.
class Calculation {
public:
    Calculation(MainView& view, NumberFormat fmt);

    void Calculate();
    // The Clear command: entries emptied, no result shown.
    void Clear();
    // A tick or an entry on screen changed, by whatever hand: whether the
    // lens shown can be ordered is decided afresh.
    void InputChanged();

    // What eye e shows since the last Calculate command.
    const lens::EyeResult& Eye(int e) const { return eyes_[static_cast<std::size_t>(e)]; }
    // A settling changed eye e, and wrote these entries if any: it is drawn
    // again.
    void Settled(int e, lens::EyeResult eye, const std::optional<lens::EyeEntries>& written = std::nullopt);
    // Reports a failed check or design, with the focus on its entry.
    void Report(int e, const lens::Fault& fault);
    // The lenses to order: only while the lens shown is the one that
    // Calculate would give from the screen as it is now.
    std::optional<lens::LensOrder> Order() const;

private:
    lens::EyeInput Typed(int e) const;
    CalculationInput OnScreen() const;
    bool Current() const;
    void ShowOrderState();
    void Draw(int e);
    void ShowOpenValues(bool moveOn);

    MainView& view_;
    NumberFormat fmt_;
    std::array<lens::EyeResult, 2> eyes_;
    // What the lens shown was calculated from (with what its settlings
    // wrote); none when no lens is shown, or when a settling wrote into
    // entries that were no longer those of the lens.
    std::optional<CalculationInput> calculatedFrom_;
};

} // namespace corvane
