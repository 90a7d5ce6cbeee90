#include "calc/refine_dialogs.h"

#include "lens/errors.h"
#include "lens/numbers.h"

namespace corvane {

PowerCorrectionForm::PowerCorrectionForm(Toolkit& toolkit, NumberFormat fmt)
    : toolkit_(toolkit), fmt_(fmt), form_("Form2", "Power Correction", 4200, 1500)
{
    Control& label = form_.Add("Label1", Kind::Label);
    label.SetCaption("Please Enter the Over-Refraction :");
    // Two lines beside the entry: the caption is wider than its design box.
    label.SetGeom({240, 150, 2655, 615});
    label.GetStyle().wordWrap = true;
    txtRefra = &form_.Add("txtRefra", Kind::TextBox);
    txtRefra->SetGeom({2940, 240, 960, 375});
    txtRefra->SetMaxLength(5);
    txtRefra->SetAccessibleName("Over-refraction");
    txtRefra->SetTabIndex(0);
    txtRefra->GetStyle().fontSize = 12.0;
    cmdOK = &form_.Add("cmdOK", Kind::CommandButton);
    cmdOK->SetCaption("&Ok");
    cmdOK->SetGeom({1500, 840, 1215, 435});
    cmdOK->SetTabIndex(1);
    cmdOK->onClick = [this] { cmdOK_Click(); };
    form_.SetDefaultButton(cmdOK);
}

void PowerCorrectionForm::cmdOK_Click()
{
    try {
        if (!IsNumeric(txtRefra->Text(), fmt_))
            throw RuntimeError(699, "The Refraction is not a number");
        result_ = ToNumber(txtRefra->Text(), fmt_);
        toolkit_.Unload(form_);
    } catch (const RuntimeError& err) {
        toolkit_.MsgBox(ErrorMessage(err), Buttons::OkExclamation, "Corvane");
    }
}

AddCorrectionForm::AddCorrectionForm(Toolkit& toolkit, double presAdd, double curAdd, NumberFormat fmt)
    : toolkit_(toolkit), presAdd_(presAdd), curAdd_(curAdd), fmt_(fmt), form_("Form3", "Add Correction", 3600, 1500)
{
    Control& label = form_.Add("Label1", Kind::Label);
    label.SetCaption("Choose the correct Add :");
    label.SetGeom({240, 240, 3120, 300});
    cmd1 = &form_.Add("cmd1", Kind::CommandButton);
    cmd1->SetGeom({480, 720, 1095, 495});
    cmd1->SetTabIndex(0);
    cmd1->onClick = [this] { cmd1_Click(); };
    cmd2 = &form_.Add("cmd2", Kind::CommandButton);
    cmd2->SetGeom({2040, 720, 1095, 495});
    cmd2->SetTabIndex(1);
    cmd2->onClick = [this] { cmd2_Click(); };
    form_.onLoad = [this] { Form_Load(); };
}

void AddCorrectionForm::Form_Load()
{
    cmd1->SetCaption(Format(presAdd_, "0.00", fmt_));
    cmd2->SetCaption(Format(curAdd_, "0.00", fmt_));
    result_.reset();
}

void AddCorrectionForm::cmd1_Click()
{
    result_ = lens::AddChoice::Prescription;
    toolkit_.Unload(form_);
}

void AddCorrectionForm::cmd2_Click()
{
    result_ = lens::AddChoice::CurrentLens;
    toolkit_.Unload(form_);
}

std::optional<double> AskOverRefraction(Toolkit& toolkit, NumberFormat fmt)
{
    PowerCorrectionForm dialog(toolkit, fmt);
    LoadAndShowModal(toolkit, dialog.GetForm());
    return dialog.Result();
}

std::optional<lens::AddChoice> AskAddChoice(Toolkit& toolkit, double presAdd, double curAdd, NumberFormat fmt)
{
    AddCorrectionForm dialog(toolkit, presAdd, curAdd, fmt);
    LoadAndShowModal(toolkit, dialog.GetForm());
    return dialog.Result();
}

} // namespace corvane
