#pragma once

#include "ui/qt/form_window.h"
#include "views/main_view.h"

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class PowerCorrection;
class AddCorrection;
} // namespace Ui

namespace corvane {

// "Power Correction": the over-refraction for the power marker.
class PowerCorrectionDialog final : public FormWindow, public PowerCorrectionView {
    Q_OBJECT
public:
    explicit PowerCorrectionDialog(QWidget* parent);
    ~PowerCorrectionDialog() override;
    void Run(const std::function<bool(const std::string& typed)>& accept) override;
    void ShowError(const Words& message) override;

private:
    std::unique_ptr<Ui::PowerCorrection> ui_;
    std::function<bool(const std::string&)> accept_;
};

// "Add Correction": the choice between the prescription's and the current
// lens's add.
class AddCorrectionDialog final : public FormWindow, public AddCorrectionView {
    Q_OBJECT
public:
    explicit AddCorrectionDialog(QWidget* parent);
    ~AddCorrectionDialog() override;
    std::optional<lens::AddChoice> Choose(const std::string& presAdd, const std::string& curAdd) override;

private:
    std::unique_ptr<Ui::AddCorrection> ui_;
    std::optional<lens::AddChoice> chosen_;
};

} // namespace corvane
