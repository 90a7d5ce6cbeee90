#pragma once

#include "../ui/form.h"
#include "../ui/module1.h"
#include "../ui/numbers.h"
#include "../ui/toolkit.h"

namespace corvane {

// "Power Correction": the over-refraction for the power marker.
class PowerCorrectionForm {
public:
    PowerCorrectionForm(Toolkit& toolkit, Module1& module, NumberFormat fmt);
    Form& GetForm() { return form_; }
    void cmdOK_Click();

    Control* txtRefra = nullptr;
    Control* cmdOK = nullptr;

private:
    Toolkit& toolkit_;
    Module1& module_;
    NumberFormat fmt_;
    Form form_;
};

// "Add Correction": the choice between the prescription's and the current
// lens's add.
class AddCorrectionForm {
public:
    AddCorrectionForm(Toolkit& toolkit, Module1& module, NumberFormat fmt);
    Form& GetForm() { return form_; }
    void Form_Load();
    void cmd1_Click();
    void cmd2_Click();

    Control* cmd1 = nullptr;
    Control* cmd2 = nullptr;

private:
    Toolkit& toolkit_;
    Module1& module_;
    NumberFormat fmt_;
    Form form_;
};

} // namespace corvane
