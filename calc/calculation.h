#pragma once

#include "calc/open_markers.h"
#include "lens/engine.h"
#include "ui/base/toolkit.h"
#include "ui/form1_controls.h"

#include <array>

namespace corvane {

inline constexpr const char* kMarker = "???";

// The Calculate command of the main window: reads the entries into the lens
// engine, writes back what it normalised, shows its messages in their order
// and fills the three result groups.
class Calculation {
public:
    Calculation(const Form1Controls& controls, Toolkit& toolkit, NumberFormat fmt);

    void btnGo_Click();
    void ValidatePrescription(int e);
    void ValidateCurrentLens(int e);
    void SuggestFinalLens(int e);
    void ShowSingleMethodResult(int e);
    void EnablePrintIfComplete();
    // The open values as keyboard stops, after a settling.
    void ShowOpenValues() { markers_.Update(eyes_, true); }
    // The Clear command: no result is shown any more.
    void Clear();
    // The practitioner changed an entry: the lens shown no longer matches
    // the entries, and cannot be ordered until the next Calculate.
    void EntryEdited();

    // What eye e shows since the last Calculate command.
    const lens::EyeResult& Eye(int e) const { return eyes_[e]; }
    // The refinement's settled eye; it writes the captions itself.
    void Settled(int e, lens::EyeResult eye) { eyes_[e] = eye; }

    // The control of an entry of eye e.
    Control* EntryControl(lens::Entry entry, int e) const;
    // Reports a failed check or design, with the focus on its entry.
    void Report(int e, const lens::Fault& fault) const;

private:
    const Form1Controls& k_;
    Toolkit& toolkit_;
    NumberFormat fmt_;
    std::array<lens::EyeResult, 2> eyes_;
    std::array<double, 2> wornDiameter_{};
    OpenMarkers markers_;
    bool edited_ = false;
};

} // namespace corvane
