#pragma once

#include "ui/base/toolkit.h"

#include <functional>
#include <memory>
#include <vector>

namespace corvane {

class Form;
class FormView;

// The toolkit interface on Qt: message boxes, focus, Tab, modal windows.
class QtToolkit : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;

    Answer MsgBox(std::string_view text, Buttons buttons, std::string_view title) override;
    void SetFocus(Control& control) override;
    void SendTab() override;
    void ShowModal(Form& form) override;
    void Unload(Form& form) override;

    // Shows the main window (not modal); the toolkit keeps it.
    FormView* ShowMain(Form& form);
    // Destroys the main window.
    void CloseMain();
    FormView* ViewOf(const Form& form) const;
    // Run when the main window has been unloaded; the program sets it to end
    // its event loop.
    std::function<void()> onMainUnloaded;
    FormView* TopView() const;

private:
    std::unique_ptr<FormView> main_;
    std::vector<FormView*> stack_;
};

} // namespace corvane
