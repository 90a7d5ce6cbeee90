#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class Control;
class Form;

enum class Buttons { Ok, OkExclamation, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// Why a page did not reach the printer.
enum class PrintFault { None, NoService, NoPrinter, PrinterStopped, NotAccepting, JobFailed };
struct PrintOutcome {
    PrintFault fault = PrintFault::None;
    // The default printer, when there is one.
    std::string printer;
    // What the print service said, when it said anything.
    std::string detail;
};

// Told when a job that the print service took fails afterwards: once, on
// the GUI thread, when no modal window is open.
using PrintLostHandler = std::function<void(const PrintOutcome& lost)>;

// Why a file could not be written.
enum class SaveFault { None, IsFolder, NoPermission, DiskFull, Failed };
struct SaveOutcome {
    SaveFault fault = SaveFault::None;
    std::string detail;
};

// The lines that a wrapped label's text takes on the printed page, and the
// lines that its box holds.
struct PageLines {
    int needed = 0;
    int room = 0;
};

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
    // Prints the form's page on the default printer, once the print service
    // has taken the job; the job is followed after that, and `whenLost` is
    // told if it fails.
    virtual PrintOutcome PrintForm(const Form& form, PrintLostHandler whenLost) = 0;
    // Asks where to save a PDF, starting where the last one of this run was
    // written (the user's documents at first) with the suggested file name;
    // nullopt when the user cancels.
    virtual std::optional<std::string> ChooseSaveFile(std::string_view suggestedName) = 0;
    // How the label's text of a page form is wrapped when printed.
    virtual PageLines LinesOnPage(const Form& page, const Control& label) = 0;
    // Writes the form's page, as it would be printed, to a one-page PDF.
    virtual SaveOutcome SaveFormAsPdf(const Form& form, const std::string& path) = 0;
    // The current date in the system's short date form.
    virtual std::string Today() = 0;
};

// Loads a form (its Load handler) and shows it modally.
void LoadAndShowModal(Toolkit& toolkit, Form& form);

// Makes Enter in the control move on as Tab does (the key is swallowed).
void EnterMovesOn(Toolkit& toolkit, Control& control);

} // namespace corvane
