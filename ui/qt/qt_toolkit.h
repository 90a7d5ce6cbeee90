#pragma once

#include "ui/base/toolkit.h"
#include "ui/qt/page_printer.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace corvane {

class Form;
class FormView;

// The toolkit interface on Qt: message boxes, focus, Tab, modal windows,
// printing on the given printer (the system's default printer when none is
// given) and saving pages as PDF files.
class QtToolkit : public Toolkit {
public:
    explicit QtToolkit(std::unique_ptr<PageOutput> printer = nullptr);
    ~QtToolkit() override;

    Answer MsgBox(std::string_view text, Buttons buttons, std::string_view title) override;
    void SetFocus(Control& control) override;
    void SendTab() override;
    void ShowModal(Form& form) override;
    void Unload(Form& form) override;
    PrintOutcome PrintForm(const Form& form, PrintLostHandler whenLost) override;
    std::optional<std::string> ChooseSaveFile(std::string_view suggestedName) override;
    PageLines LinesOnPage(const Form& page, const Control& label) override;
    SaveOutcome SaveFormAsPdf(const Form& form, const std::string& path) override;
    std::string Today() override;

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
    std::unique_ptr<PageOutput> printer_;
    std::unique_ptr<FormView> main_;
    std::vector<FormView*> stack_;
    // Where the last PDF of this run was written; the next one starts there.
    QString lastFolder_;
};

} // namespace corvane
