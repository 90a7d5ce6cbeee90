#pragma once

#include "calc/calculation.h"
#include "calc/dialog_results.h"

namespace corvane {

// Settling the "???" markers of the suggested lens.
class Refinement {
public:
    Refinement(const Form1Controls& controls, Calculation& calc, Toolkit& toolkit, DialogResults& module,
               NumberFormat fmt);

    void lblResFinalBC_Click(int Index);
    void lblResFinalPow_Click(int Index);
    void lblResFinalSerie_Click(int Index);

private:
    // Reads an entry that the practitioner may have edited since Calculate;
    // reports it like the validation does when it is no longer a number.
    bool ReadEntry(int Index, Control* entry, int number, const char* message, double& value);

    const Form1Controls& k_;
    Calculation& calc_;
    Toolkit& toolkit_;
    DialogResults& module_;
    NumberFormat fmt_;
};

} // namespace corvane
