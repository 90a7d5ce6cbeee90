#pragma once

#include "ui/base/toolkit.h"
#include "ui/form1_controls.h"
#include "ui/open_markers.h"
#include "views/main_view.h"

namespace corvane {

// The main window's view over its controls.
class Form1View : public MainView {
public:
    Form1View(const Form1Controls& controls, Toolkit& toolkit);

    bool Ticked(Method method, int eye) const override;
    lens::EyeEntries Entries(int eye) const override;
    void ShowEntries(int eye, const lens::EyeEntries& entries) override;
    void ShowLens(ResultColumn column, int eye, const std::optional<lens::LensTexts>& lens) override;
    void ShowOpenValues(const std::array<OpenValues, 2>& open, const std::string& clickLine, bool moveOn) override;
    void SetHelp(const std::string& line) override;
    void SetPrintEnabled(bool enabled) override;
    void ShowEyeError(int eye, const RuntimeError& error) override;
    void ShowWarning(const std::string& message) override;
    void FocusEntry(int eye, lens::Entry entry) override;
    bool Ask(const std::string& question, const std::string& title) override;
    std::unique_ptr<PowerCorrectionView> PowerCorrection() override;
    std::unique_ptr<AddCorrectionView> AddCorrection() override;

private:
    ResultGroup Group(ResultColumn column) const;

    const Form1Controls& k_;
    Toolkit& toolkit_;
    OpenMarkers markers_;
};

} // namespace corvane
