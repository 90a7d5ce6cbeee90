#pragma once

#include "calc/calculation.h"

namespace corvane {

// Settling the "???" markers of the suggested lens: the question or the
// dialog, the engine's settling, and the captions and entries it changed.
class Refinement {
public:
    Refinement(const Form1Controls& controls, Calculation& calc, Toolkit& toolkit, NumberFormat fmt);

    void lblResFinalBC_Click(int Index);
    void lblResFinalPow_Click(int Index);
    void lblResFinalSerie_Click(int Index);

private:
    const Form1Controls& k_;
    Calculation& calc_;
    Toolkit& toolkit_;
    NumberFormat fmt_;
};

} // namespace corvane
