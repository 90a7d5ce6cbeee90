#include "ui/dialog_forms.h"

namespace corvane {

PowerCorrectionForm::PowerCorrectionForm(Toolkit& toolkit)
    : toolkit_(toolkit), form_("Form2", "Power Correction", 4200, 1500)
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
    cmdOK->onClick = [this] {
        if (accept_ && accept_(txtRefra->Text()))
            toolkit_.Unload(form_);
    };
    form_.SetDefaultButton(cmdOK);
}

void PowerCorrectionForm::Run(const std::function<bool(const std::string& typed)>& accept)
{
    accept_ = accept;
    LoadAndShowModal(toolkit_, form_);
    accept_ = nullptr;
}

void PowerCorrectionForm::ShowError(const std::string& message)
{
    toolkit_.MsgBox(message, Buttons::OkExclamation, "Corvane");
}

AddCorrectionForm::AddCorrectionForm(Toolkit& toolkit) : toolkit_(toolkit), form_("Form3", "Add Correction", 3600, 1500)
{
    Control& label = form_.Add("Label1", Kind::Label);
    label.SetCaption("Choose the correct Add :");
    label.SetGeom({240, 240, 3120, 300});
    cmd1 = &form_.Add("cmd1", Kind::CommandButton);
    cmd1->SetGeom({480, 720, 1095, 495});
    cmd1->SetTabIndex(0);
    cmd1->onClick = [this] { Chosen(lens::AddChoice::Prescription); };
    cmd2 = &form_.Add("cmd2", Kind::CommandButton);
    cmd2->SetGeom({2040, 720, 1095, 495});
    cmd2->SetTabIndex(1);
    cmd2->onClick = [this] { Chosen(lens::AddChoice::CurrentLens); };
}

std::optional<lens::AddChoice> AddCorrectionForm::Choose(const std::string& presAdd, const std::string& curAdd)
{
    cmd1->SetCaption(presAdd);
    cmd2->SetCaption(curAdd);
    result_.reset();
    LoadAndShowModal(toolkit_, form_);
    return result_;
}

void AddCorrectionForm::Chosen(lens::AddChoice choice)
{
    result_ = choice;
    toolkit_.Unload(form_);
}

} // namespace corvane
