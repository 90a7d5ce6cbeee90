#pragma once

namespace corvane {

// What the two refinement dialogs ("Power Correction" and "Add Correction")
// leave for the refinement of the suggested lens.
struct DialogResults {
    double overRefraction = 0;
    // True only when "Power Correction" was closed by its Ok button.
    bool overRefractionAccepted = false;
    double presAddOption = 0;
    double curAddOption = 0;
    int addChoice = 0;
};

} // namespace corvane
