#include "ui/form1_view.h"

#include "ui/dialog_forms.h"

namespace corvane {

Form1View::Form1View(const Form1Controls& controls, Toolkit& toolkit)
    : k_(controls), toolkit_(toolkit), markers_(controls, toolkit)
{}

bool Form1View::Ticked(Method method, int eye) const
{
    const bool pres = method == Method::Prescription;
    const Control* box = eye == 0 ? (pres ? k_.chkPres : k_.chkCur) : (pres ? k_.chkPresOS : k_.chkCurOS);
    return box->Value() == 1;
}

lens::EyeEntries Form1View::Entries(int eye) const
{
    return lens::EntriesFrom([&](lens::Entry entry) { return k_.EntryControl(entry, eye)->Text(); });
}

// An entry whose text stays is not touched.
void Form1View::ShowEntries(int eye, const lens::EyeEntries& entries)
{
    for (lens::Entry entry : lens::kPrescriptionEntries)
        k_.EntryControl(entry, eye)->SetText(lens::Text(entries, entry));
    for (lens::Entry entry : lens::kCurrentLensEntries)
        k_.EntryControl(entry, eye)->SetText(lens::Text(entries, entry));
}

ResultGroup Form1View::Group(ResultColumn column) const
{
    switch (column) {
    case ResultColumn::Prescription:
        return k_.PresGroup();
    case ResultColumn::CurrentLens:
        return k_.CurGroup();
    case ResultColumn::Suggested:
        break;
    }
    return k_.FinalGroup();
}

void Form1View::ShowLens(ResultColumn column, int eye, const std::optional<lens::LensTexts>& lens)
{
    Group(column).Show(eye, lens);
}

void Form1View::ShowOpenValues(const std::array<OpenValues, 2>& open, const std::string& clickLine, bool moveOn)
{
    markers_.Update(open, clickLine, moveOn);
}

void Form1View::SetHelp(const std::string& line)
{
    k_.lblhelp->SetCaption(line);
    markers_.HintShown(line);
}

void Form1View::SetPrintEnabled(bool enabled) { k_.cmdPrint->SetEnabled(enabled); }

void Form1View::ShowEyeError(int eye, const RuntimeError& error)
{
    toolkit_.MsgBox(ErrorMessage(error), Buttons::OkExclamation, eye == 0 ? "Error for OD" : "Error for OS");
}

void Form1View::ShowWarning(const std::string& message) { toolkit_.MsgBox(message, Buttons::Ok, "Error"); }

void Form1View::FocusEntry(int eye, lens::Entry entry)
{
    Control* c = k_.EntryControl(entry, eye);
    if (c != nullptr && c->CanTakeFocus())
        toolkit_.SetFocus(*c);
}

bool Form1View::Ask(const std::string& question, const std::string& title)
{
    return toolkit_.MsgBox(question, Buttons::YesNo, title) == Answer::Yes;
}

std::unique_ptr<PowerCorrectionView> Form1View::PowerCorrection()
{
    return std::make_unique<PowerCorrectionForm>(toolkit_);
}

std::unique_ptr<AddCorrectionView> Form1View::AddCorrection() { return std::make_unique<AddCorrectionForm>(toolkit_); }

} // namespace corvane
