#include "ui/qt/refine_dialogs.h"

#include "ui/qt/message_box.h"
#include "ui/qt/qt_words.h"
#include "ui_add_correction.h"
#include "ui_power_correction.h"

namespace corvane {

PowerCorrectionDialog::PowerCorrectionDialog(QWidget* parent)
    : FormWindow(parent), ui_(std::make_unique<Ui::PowerCorrection>())
{
    ui_->setupUi(this);
    FormReady();
    connect(ui_->cmdOK, &QPushButton::clicked, this, [this] {
        if (accept_ && accept_(ui_->txtRefra->text().toStdString()))
            accept();
    });
}

PowerCorrectionDialog::~PowerCorrectionDialog() = default;

void PowerCorrectionDialog::Run(const std::function<bool(const std::string& typed)>& accept)
{
    accept_ = accept;
    exec();
    accept_ = nullptr;
}

void PowerCorrectionDialog::ShowError(const Words& message)
{
    ShowMessageBox(this, Tr({Say::ProgramTitle}), Tr(message), Buttons::OkExclamation);
}

AddCorrectionDialog::AddCorrectionDialog(QWidget* parent)
    : FormWindow(parent), ui_(std::make_unique<Ui::AddCorrection>())
{
    ui_->setupUi(this);
    FormReady();
    connect(ui_->cmd1, &QPushButton::clicked, this, [this] {
        chosen_ = lens::AddChoice::Prescription;
        accept();
    });
    connect(ui_->cmd2, &QPushButton::clicked, this, [this] {
        chosen_ = lens::AddChoice::CurrentLens;
        accept();
    });
}

AddCorrectionDialog::~AddCorrectionDialog() = default;

std::optional<lens::AddChoice> AddCorrectionDialog::Choose(const std::string& presAdd, const std::string& curAdd)
{
    ui_->cmd1->setText(QString::fromStdString(presAdd));
    ui_->cmd2->setText(QString::fromStdString(curAdd));
    chosen_.reset();
    exec();
    return chosen_;
}

} // namespace corvane
