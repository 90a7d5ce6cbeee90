#pragma once

#include "calc/calculation.h"

namespace corvane {

// Settling the open values of the suggested lens: the question or the
// dialog, then the engine's settling; the eye is drawn again from its result.
class Refinement {
public:
    Refinement(MainView& view, Calculation& calc, NumberFormat fmt);

    // The open value clicked on eye e.
    void Clicked(int e, lens::LensValue value);
    void BaseCurveClicked(int e);
    void PowerClicked(int e);
    void SeriesClicked(int e);

private:
    MainView& view_;
    Calculation& calc_;
    NumberFormat fmt_;
};

// Each dialog with its answer as a value: the over-refraction once it is a
// number, the add chosen among the two offered with two decimals.
std::optional<double> AskOverRefraction(PowerCorrectionView& dialog, const NumberFormat& fmt);
std::optional<lens::AddChoice> AskAddChoice(AddCorrectionView& dialog, const lens::AddOptions& adds,
                                            const NumberFormat& fmt);

} // namespace corvane
