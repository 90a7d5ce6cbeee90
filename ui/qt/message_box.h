#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace corvane {

enum class Buttons { Ok, OkExclamation, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// Shows a modal message box as every window of the program shows one: plain
// text in the windows' typeface, an icon only for the exclamation set, wide
// enough for its title. Returns the button pressed; Esc and the close box
// answer Cancel or OK, and do nothing on a Yes/No box, which only Yes or No
// closes.
Answer ShowMessageBox(QWidget* parent, const QString& title, const QString& text, Buttons buttons);

// Runs a handler of the program. A failure that no handler trapped is shown
// as a numbered message instead of ending the program.
void Guarded(QWidget* parent, const std::function<void()>& handler);

// The room a window title needs besides its text: the window manager's icon
// and buttons at each end of the title bar.
int TitleBarAllowance();

} // namespace corvane
