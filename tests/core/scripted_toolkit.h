#pragma once

#include "ui/base/form.h"
#include "ui/base/toolkit.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvane::test {

// A message box as the logic showed it.
struct ShownBox {
    std::string text;
    Buttons buttons;
    std::string title;
};

// The toolkit interface without a display: answers come from a script,
// focus moves at once, Tab follows the form's tab order, modal windows run a
// scripted interaction.
class ScriptedToolkit : public Toolkit {
public:
    Answer MsgBox(std::string_view text, Buttons buttons, std::string_view title) override;
    void SetFocus(Control& control) override;
    void SendTab() override;
    void ShowModal(Form& form) override;
    void Unload(Form& form) override;
    PrintOutcome PrintForm(const Form& form, PrintLostHandler whenLost) override;
    std::optional<std::string> ChooseSaveFile(std::string_view suggestedName) override;
    PageLines LinesOnPage(const Form& page, const Control& label) override;
    SaveOutcome SaveFormAsPdf(const Form& form, const std::string& path) override;
    std::string Today() override { return today; }

    // Answers for the next message boxes; Ok (or the first button) when empty.
    std::deque<Answer> answers;
    std::vector<ShownBox> boxes;
    // Called as each box is shown, to see the window as it stands then.
    std::function<void(const ShownBox&)> onBox;
    // What a practitioner does in a modal window, by form name; a window
    // left without an unload is closed by its close box.
    std::map<std::string, std::function<void(Form&)>> onShow;
    std::vector<std::string> shownForms;
    Control* focus = nullptr;
    std::vector<std::string> focusMoves;
    std::vector<std::string> unloaded;
    // What the printer does: a fault of None prints.
    PrintOutcome printOutcome;
    // Captions of each printed page, by control name.
    std::vector<std::map<std::string, std::string>> printed;
    // What each print asked to be told if its job is lost later.
    std::vector<PrintLostHandler> lostHandlers;
    // The file dialog: the names it suggested, and the answers given (a
    // path, or nullopt for Cancel); Cancel when none is left.
    std::vector<std::string> suggestedFiles;
    std::deque<std::optional<std::string>> fileAnswers;
    // What writing a PDF does, and the pages written, by path.
    SaveOutcome saveOutcome;
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> saved;
    std::string today = "08/12/2026";
    // A printed line of a wrapped label holds this many characters; its box
    // a line per 240 twips of height.
    int pageLineChars = 40;

    // Runs the queued Tab keystrokes.
    void FlushTabs();

private:
    int pendingTabs_ = 0;
};

} // namespace corvane::test
