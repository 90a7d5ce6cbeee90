#pragma once

#include <string_view>

namespace corvane {

class Control;
class Form;

enum class Buttons { Ok, OkExclamation, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// What the form logic asks of the window toolkit. The Qt layer implements it
// on real widgets; the tests use a scripted double.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Modal message box; returns the button pressed.
    virtual Answer MsgBox(std::string_view text, Buttons buttons, std::string_view title) = 0;
    // Moves the keyboard focus; the toolkit delivers LostFocus and GotFocus.
    virtual void SetFocus(Control& control) = 0;
    // Queues one Tab keystroke for the focused control.
    virtual void SendTab() = 0;
    // Shows a loaded form modally; returns once it has been unloaded.
    virtual void ShowModal(Form& form) = 0;
    // Closes a form.
    virtual void Unload(Form& form) = 0;
};

// Loads a form (its Load handler) and shows it modally.
void LoadAndShowModal(Toolkit& toolkit, Form& form);

// Makes Enter in the control move on as Tab does (the key is swallowed).
void EnterMovesOn(Toolkit& toolkit, Control& control);

} // namespace corvane
