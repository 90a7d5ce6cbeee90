#pragma once

class QWidget;

namespace corvane {

// The keyboard habits of the program's fields, declared in the forms as
// dynamic properties and installed on a form's widgets by one call:
// - "typedLength" (int, line edits): what the practitioner types, pastes or
//   drops is cut to that many characters; what the program writes stays
//   whole.
// - "enterMovesOn" (bool): Enter moves on as Tab does.
// Enter on a button that is not a dialog's default presses it, as Space does.
void InstallKeyboardHabits(QWidget* form);

} // namespace corvane
