#pragma once

#include "lens/engine.h"
#include "views/main_view.h"

#include <array>
#include <optional>

namespace corvane {

// What an open value of the suggested lens reads as.
inline constexpr const char* kMarker = "???";

// The Calculate command of the main window and what it shows: reads what was
// ticked and typed into the lens engine, writes back what it normalised,
// shows its messages in their order and draws each eye from its result.
class Calculation {
public:
    Calculation(MainView& view, NumberFormat fmt);

    void Calculate();
    // The Clear command: entries emptied, no result shown.
    void Clear();
    // The practitioner changed an entry: the lens shown no longer matches
    // the entries, and cannot be ordered until the next Calculate.
    void EntryEdited();

    // What eye e shows since the last Calculate command.
    const lens::EyeResult& Eye(int e) const { return eyes_[static_cast<std::size_t>(e)]; }
    // A settling changed eye e: it is drawn again.
    void Settled(int e, lens::EyeResult eye);
    // Reports a failed check or design, with the focus on its entry.
    void Report(int e, const lens::Fault& fault);
    // The lenses to order, while the entries are those of the lens shown.
    std::optional<lens::LensOrder> Order() const;

private:
    void Draw(int e);
    void ShowOpenValues(bool moveOn);

    MainView& view_;
    NumberFormat fmt_;
    std::array<lens::EyeResult, 2> eyes_;
    bool edited_ = false;
};

} // namespace corvane
