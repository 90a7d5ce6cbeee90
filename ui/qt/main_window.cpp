#include "ui/qt/main_window.h"

#include "print/artwork.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/appearance.h"
#include "ui/qt/message_box.h"
#include "ui/qt/qt_words.h"
#include "ui/qt/refine_dialogs.h"
#include "ui_current_lens_part.h"
#include "ui_main_window.h"
#include "ui_prescription_part.h"
#include "ui_results_part.h"

#include <QPainter>

namespace corvane {
namespace {

using namespace fields;
using lens::Entry;
using lens::LensValue;

} // namespace

MainWindow::MainWindow(NumberFormat fmt, QWidget* parent)
    : FormWindow(parent), fmt_(fmt), ui_(std::make_unique<Ui::MainWindow>())
{
    ui_->setupUi(this);
    for (QWidget* part : {ui_->prescriptionPart, ui_->currentLensPart, ui_->resultsPart})
        part->hide();
    PaintDeclaredFills(this);
    FormReady();
    connect(feedback_, &FocusFeedback::entered, this, &MainWindow::Entered);
    connect(ui_->chkPres, &QCheckBox::toggled, this, [this](bool on) { RightTicked(Method::Prescription, on); });
    connect(ui_->chkCur, &QCheckBox::toggled, this, [this](bool on) { RightTicked(Method::CurrentLens, on); });
    for (QCheckBox* box : {ui_->chkPres, ui_->chkCur})
        connect(box, &QCheckBox::toggled, this, &MainWindow::inputChanged);
    connect(ui_->btnGo, &QPushButton::clicked, this, &MainWindow::calculateRequested);
    connect(ui_->cmdClear, &QPushButton::clicked, this, &MainWindow::Clear);
    connect(ui_->cmdPrint, &QPushButton::clicked, this, &MainWindow::orderRequested);
    connect(ui_->cmdQuit, &QPushButton::clicked, this, &QDialog::reject);
    ChainTabOrder();
}

// The window goes while it is whole: the focus that leaves its fields is
// told to them, and to the presenters, before any part of it is gone.
MainWindow::~MainWindow() { hide(); }

void MainWindow::Clear()
{
    emit clearRequested();
    ui_->chkPres->setChecked(false);
    ui_->chkCur->setChecked(false);
    if (feedback_->Current() == ui_->chkPres)
        feedback_->Refresh();
    ui_->chkPres->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::Ticked(Method method, int eye) const
{
    const QCheckBox* right = method == Method::Prescription ? ui_->chkPres : ui_->chkCur;
    const QCheckBox* box = eye == 0 ? right : LeftBox(method);
    return box != nullptr && box->isChecked();
}

lens::EyeEntries MainWindow::Entries(int eye) const
{
    return lens::EntriesFrom([this, eye](Entry entry) {
        const QWidget* field = Field(eye, entry);
        return field != nullptr ? TextOf(field).toStdString() : lens::Text(lens::ClearedEntries(), entry);
    });
}

// An entry whose text stays is not touched; a section is built only for a
// text it does not show yet.
void MainWindow::ShowEntries(int eye, const lens::EyeEntries& entries)
{
    for (Method method : {Method::Prescription, Method::CurrentLens})
        for (Entry entry : EntriesOf(method)) {
            const std::string text = lens::Text(entries, entry);
            if (Field(eye, entry) == nullptr && text == lens::Text(lens::ClearedEntries(), entry))
                continue;
            Part(method);
            Write(Field(eye, entry), Q(text));
        }
}

void MainWindow::ShowLens(ResultColumn column, int eye, const std::optional<lens::LensTexts>& lens)
{
    if (!lens && resultsUi_ == nullptr)
        return;
    Results();
    const ResultGroup& group = groups_[static_cast<std::size_t>(column)];
    const auto& values = group.values[static_cast<std::size_t>(eye)];
    for (std::size_t v = 0; v < values.size(); ++v) {
        if (lens)
            values[v]->Show(Q(*InOrder(*lens)[v]));
        values[v]->setVisible(lens.has_value());
    }
    const bool right = !group.values[0][0]->isHidden();
    const bool left = !group.values[1][0]->isHidden();
    for (QLabel* row : group.rows)
        row->setVisible(right || left);
    group.leftHeader->setVisible(left);
}

void MainWindow::ShowOpenValues(const std::array<OpenValues, 2>& open, const std::optional<Words>& clickLine,
                                bool moveOn)
{
    bool leaving = false;
    if (resultsUi_ != nullptr)
        for (int eye = 0; eye < 2; ++eye)
            for (const auto& m : kMarkers) {
                ValueLabel* marker = Marker(eye, m.value);
                const bool isOpen = !marker->isHidden() && open[static_cast<std::size_t>(eye)].*m.open;
                marker->setFocusPolicy(isOpen ? Qt::StrongFocus : Qt::NoFocus);
                marker->setAccessibleDescription(isOpen ? tr(m.description) : QString());
                leaving = leaving || (!isOpen && feedback_->Current() == marker);
            }
    // Qt chains only widgets that take the focus: a marker joins the chain
    // once it does.
    ChainTabOrder();
    UpdateHelp(clickLine ? Tr(*clickLine) : QString());
    // After a settling the focus leaves a value that is no longer open.
    if (moveOn && leaving)
        StopAfterSettling(feedback_->Current())->setFocus(Qt::TabFocusReason);
}

// The next open value after the settled one, else "Pr&int Order" once the
// lens is complete, else the first open value, else "&Calculate".
QWidget* MainWindow::StopAfterSettling(const QWidget* settled) const
{
    std::vector<QWidget*> open;
    std::size_t after = 0;
    for (int eye = 0; eye < 2; ++eye)
        for (const auto& m : kMarkers) {
            ValueLabel* marker = Marker(eye, m.value);
            if (marker == settled)
                after = open.size();
            if (marker->focusPolicy() != Qt::NoFocus)
                open.push_back(marker);
        }
    if (after < open.size())
        return open[after];
    if (ui_->cmdPrint->isEnabled())
        return ui_->cmdPrint;
    return open.empty() ? ui_->btnGo : open.front();
}

// A hint that names a value to click goes once that value is settled: the
// click line names the next open value that has one, or is empty.
void MainWindow::UpdateHelp(const QString& clickLine)
{
    const QWidget* focused = feedback_->Current();
    // The focused marker that is still open keeps its own hint.
    const bool onOpenMarker =
        focused != nullptr && focused->parentWidget() == ui_->resultsPart && focused->focusPolicy() != Qt::NoFocus;
    if (hint_.isEmpty() || ui_->lblhelp->text() != hint_ || onOpenMarker || clickLine == hint_)
        return;
    ui_->lblhelp->setText(clickLine);
    hint_ = clickLine;
}

void MainWindow::Entered(QWidget* field)
{
    const QString tip = field->statusTip();
    if (tip.isEmpty())
        return;
    ui_->lblhelp->setText(tip);
    if (field->parentWidget() == ui_->resultsPart)
        hint_ = tip;
}

void MainWindow::SetHelp(const Words& line)
{
    hint_ = Tr(line);
    ui_->lblhelp->setText(hint_);
}

void MainWindow::SetPrintEnabled(bool enabled) { ui_->cmdPrint->setEnabled(enabled); }

// The values of a lens that is no longer that of the entries are drawn in
// the faint colour of a placeholder, the markers too.
void MainWindow::ShowOutdated(bool outdated, const std::optional<Words>& why)
{
    for (const ResultGroup& group : groups_)
        for (const auto& eye : group.values)
            for (QLabel* value : eye)
                if (value != nullptr)
                    value->setForegroundRole(outdated ? QPalette::PlaceholderText : QPalette::WindowText);
    const QString line = why ? Tr(*why) : QString();
    if (!line.isEmpty() && ui_->lblhelp->text() != line)
        ui_->lblhelp->setText(line);
    else if (line.isEmpty() && !outdated_.isEmpty() && ui_->lblhelp->text() == outdated_)
        ui_->lblhelp->setText(feedback_->Current() != nullptr ? feedback_->Current()->statusTip() : QString());
    outdated_ = line;
}

void MainWindow::ShowEyeError(int eye, const RuntimeError& error)
{
    ShowMessageBox(this, eye == 0 ? tr("Error for OD") : tr("Error for OS"), Tr(ErrorMessage(error)),
                   Buttons::OkExclamation);
}

void MainWindow::ShowWarning(const Words& message) { ShowMessageBox(this, tr("Error"), Tr(message), Buttons::Ok); }

// A field sent the focus it has already shows its focus afresh.
void MainWindow::FocusEntry(int eye, Entry entry)
{
    QWidget* field = Field(eye, entry);
    if (field == nullptr || !field->isVisibleTo(this) || !field->isEnabled())
        return;
    if (feedback_->Current() == field)
        feedback_->Refresh();
    field->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::Ask(const Words& question, const Words& title)
{
    return ShowMessageBox(this, Tr(title), Tr(question), Buttons::YesNo) == Answer::Yes;
}

std::unique_ptr<PowerCorrectionView> MainWindow::PowerCorrection()
{
    return std::make_unique<PowerCorrectionDialog>(this);
}

std::unique_ptr<AddCorrectionView> MainWindow::AddCorrection() { return std::make_unique<AddCorrectionDialog>(this); }

void MainWindow::paintEvent(QPaintEvent* event)
{
    FormWindow::paintEvent(event);
    QPainter painter(this);
    PaintBackdrop(painter, rect());
}

} // namespace corvane
