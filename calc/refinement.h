#pragma once

#include "calculation.h"

#include "../ui/module1.h"

namespace corvane {

// Settling the "???" markers of the suggested lens.
class Refinement {
public:
    Refinement(const Form1Controls& controls, Calculation& calc, Toolkit& toolkit, Module1& module, NumberFormat fmt);

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
    Module1& module_;
    NumberFormat fmt_;
};

} // namespace corvane
