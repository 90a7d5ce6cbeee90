#pragma once

#include "ui/base/errors.h"
#include "ui/base/numbers.h"
#include "ui/base/toolkit.h"
#include "ui/form1_controls.h"

#include <array>
#include <functional>
#include <string>

namespace corvane {

// The calculation state of the main window. The design values hold the eye
// designed last; the flags are reset by every Calculate command.
struct CalcState {
    double flatK = 0;
    double steepK = 0;
    double resPresDiam = 0;
    double resPresBC = 0;
    double resPresPow = 0;
    double presCyl = 0;
    int presAxis = 0;
    int resPresSerie = 0;
    double resCurDiam = 0;
    double resCurBC = 0;
    double resCurPow = 0;
    int resCurSerie = 0;
    std::array<bool, 2> presLensDone{};
    std::array<bool, 2> curLensDone{};
};

inline constexpr const char* kMarker = "???";

// The Calculate command and the two lens designs of the main window.
class Calculation {
public:
    Calculation(const Form1Controls& controls, Toolkit& toolkit, NumberFormat fmt);

    void btnGo_Click();
    void ValidatePrescription(int e);
    void DesignFromPrescription(int e);
    void ValidateCurrentLens(int e);
    void DesignFromCurrentLens(int e);
    void SuggestFinalLens(int e);
    void ShowSingleMethodResult(int e);
    void EnablePrintIfComplete();

    CalcState& State() { return state_; }
    const CalcState& State() const { return state_; }

private:
    double Value(const Control* c) const;
    bool Numeric(const Control* c) const;
    void Write(Control* c, double v) const;
    // Entries typed without a decimal point are divided by 100 and written
    // back (rules::InHundredths).
    void Hundredths(Control* c, bool negativeToo) const;
    // The error trap of both validations: a failed check is reported with its
    // focus move; a failure inside the design also withdraws that design.
    void Trapped(int e, bool& done, const std::function<void()>& checks, const std::function<void()>& design,
                 const ResultGroup& group);
    void CheckPrescription(int e) const;
    void CheckCurrentLens(int e) const;

    // The steps of DesignFromPrescription.
    void NormalisePrescription(int e) const;
    double OrderReadings(int e);
    void ReadRefraction(int e);
    void TransposePlusCylinder(int e);
    void CheckLowerReading(int e);
    void CheckAxisBand(int e, double toricity);
    void BaseCurveFromLowerReading(int e, double toricity);
    void DiameterFromLowerReading(int e);
    void PowerAtCornea(int e);
    void ShowPresResult(int e);
    void Tolerance(int e, const char* message, Control* focus);

    const Form1Controls& k_;
    Toolkit& toolkit_;
    NumberFormat fmt_;
    CalcState state_;
};

// An entry check that failed: the number, the message and the entry that
// takes the focus.
class FieldError : public RuntimeError {
public:
    FieldError(Control* field, int number, std::string message) : RuntimeError(number, std::move(message)), Field(field)
    {}
    Control* Field;
};

} // namespace corvane
