#pragma once

#include "lens/engine.h"
#include "ui/base/form.h"
#include "ui/base/toolkit.h"

#include <optional>

namespace corvane {

// "Power Correction": the over-refraction for the power marker.
class PowerCorrectionForm {
public:
    PowerCorrectionForm(Toolkit& toolkit, NumberFormat fmt);
    Form& GetForm() { return form_; }
    void cmdOK_Click();
    // The over-refraction accepted by "Ok"; none when closed otherwise.
    const std::optional<double>& Result() const { return result_; }

    Control* txtRefra = nullptr;
    Control* cmdOK = nullptr;

private:
    Toolkit& toolkit_;
    NumberFormat fmt_;
    Form form_;
    std::optional<double> result_;
};

// "Add Correction": the choice between the prescription's and the current
// lens's add.
class AddCorrectionForm {
public:
    AddCorrectionForm(Toolkit& toolkit, double presAdd, double curAdd, NumberFormat fmt);
    Form& GetForm() { return form_; }
    void Form_Load();
    // The add chosen; none when closed without a choice.
    const std::optional<lens::AddChoice>& Result() const { return result_; }
    void cmd1_Click();
    void cmd2_Click();

    Control* cmd1 = nullptr;
    Control* cmd2 = nullptr;

private:
    Toolkit& toolkit_;
    double presAdd_;
    double curAdd_;
    NumberFormat fmt_;
    Form form_;
    std::optional<lens::AddChoice> result_;
};

// Each dialog shown modally; its answer as a value.
std::optional<double> AskOverRefraction(Toolkit& toolkit, NumberFormat fmt);
std::optional<lens::AddChoice> AskAddChoice(Toolkit& toolkit, double presAdd, double curAdd, NumberFormat fmt);

} // namespace corvane
