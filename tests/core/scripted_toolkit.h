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

    // Answers for the next message boxes; Ok (or the first button) when empty.
    std::deque<Answer> answers;
    std::vector<ShownBox> boxes;
    // Called as each box is shown, to see the window as it stands then.
    std::function<void(const ShownBox&)> onBox;
    // What a practitioner does in a modal window, by form name; a window
    // left without an unload is closed by its close box.
    std::map<std::string, std::function<void(Form&)>> onShow;
    Control* focus = nullptr;
    std::vector<std::string> focusMoves;
    std::vector<std::string> unloaded;

    // Runs the queued Tab keystrokes.
    void FlushTabs();

private:
    int pendingTabs_ = 0;
};

} // namespace corvane::test
