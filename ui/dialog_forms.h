#pragma once

#include "ui/base/form.h"
#include "ui/base/toolkit.h"
#include "views/main_view.h"

#include <optional>

namespace corvane {

// "Power Correction": the over-refraction for the power marker.
class PowerCorrectionForm : public PowerCorrectionView {
public:
    explicit PowerCorrectionForm(Toolkit& toolkit);
    Form& GetForm() { return form_; }
    void Run(const std::function<bool(const std::string& typed)>& accept) override;
    void ShowError(const std::string& message) override;

    Control* txtRefra = nullptr;
    Control* cmdOK = nullptr;

private:
    Toolkit& toolkit_;
    Form form_;
    std::function<bool(const std::string&)> accept_;
};

// "Add Correction": the choice between the prescription's and the current
// lens's add.
class AddCorrectionForm : public AddCorrectionView {
public:
    explicit AddCorrectionForm(Toolkit& toolkit);
    Form& GetForm() { return form_; }
    std::optional<lens::AddChoice> Choose(const std::string& presAdd, const std::string& curAdd) override;

    Control* cmd1 = nullptr;
    Control* cmd2 = nullptr;

private:
    void Chosen(lens::AddChoice choice);

    Toolkit& toolkit_;
    Form form_;
    std::optional<lens::AddChoice> result_;
};

} // namespace corvane
