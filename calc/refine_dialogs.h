#pragma once

#include "calc/dialog_results.h"
#include "ui/base/form.h"
#include "ui/base/numbers.h"
#include "ui/base/toolkit.h"

namespace corvane {

// "Power Correction": the over-refraction for the power marker.
class PowerCorrectionForm {
public:
    PowerCorrectionForm(Toolkit& toolkit, DialogResults& module, NumberFormat fmt);
    Form& GetForm() { return form_; }
    void cmdOK_Click();

    Control* txtRefra = nullptr;
    Control* cmdOK = nullptr;

private:
    Toolkit& toolkit_;
    DialogResults& module_;
    NumberFormat fmt_;
    Form form_;
};

// "Add Correction": the choice between the prescription's and the current
// lens's add.
class AddCorrectionForm {
public:
    AddCorrectionForm(Toolkit& toolkit, DialogResults& module, NumberFormat fmt);
    Form& GetForm() { return form_; }
    void Form_Load();
    void cmd1_Click();
    void cmd2_Click();

    Control* cmd1 = nullptr;
    Control* cmd2 = nullptr;

private:
    Toolkit& toolkit_;
    DialogResults& module_;
    NumberFormat fmt_;
    Form form_;
};

} // namespace corvane
