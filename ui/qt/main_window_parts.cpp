#include "ui/qt/main_window.h"

#include "ui/qt/accessibility.h"
#include "ui/qt/appearance.h"
#include "ui/qt/keyboard.h"
#include "ui_current_lens_part.h"
#include "ui_main_window.h"
#include "ui_prescription_part.h"
#include "ui_results_part.h"

// The main window's parts: the two sections and the result groups, set up
// from their forms when first shown, and the tab order that takes them in.
namespace corvane {

using namespace fields;
using lens::Entry;
using lens::LensValue;

namespace {

// Each eye's entries of a section, in the order of the engine's list of
// them.
std::array<std::array<QWidget*, 7>, 2> FieldsOf(const Ui::PrescriptionPart& p)
{
    return {{{p.txtPresKera1_0, p.txtPresKera2_0, p.txtPresPow_0, p.txtPresCyl_0, p.txtPresAxe_0, p.cboPresVertex_0,
              p.cboPresAdd_0},
             {p.txtPresKera1_1, p.txtPresKera2_1, p.txtPresPow_1, p.txtPresCyl_1, p.txtPresAxe_1, p.cboPresVertex_1,
              p.cboPresAdd_1}}};
}

std::array<std::array<QWidget*, 4>, 2> FieldsOf(const Ui::CurrentLensPart& c)
{
    return {{{c.txtCurBC_0, c.txtCurPow_0, c.txtCurDiam_0, c.txtCurAdd_0},
             {c.txtCurBC_1, c.txtCurPow_1, c.txtCurDiam_1, c.txtCurAdd_1}}};
}

std::array<ResultGroup, 3> GroupsOf(const Ui::ResultsPart& r)
{
    return {ResultGroup{{{{r.lblResPresBC_0, r.lblResPresPow_0, r.lblResPresDiam_0, r.lblResPresSerie_0},
                          {r.lblResPresBC_1, r.lblResPresPow_1, r.lblResPresDiam_1, r.lblResPresSerie_1}}},
                        {r.lblResPres_0, r.lblResPres_1, r.lblResPres_2, r.lblResPres_3, r.lblResPres_4},
                        r.lblResPresOS},
            ResultGroup{{{{r.lblResCurBC_0, r.lblResCurPow_0, r.lblResCurDiam_0, r.lblResCurSerie_0},
                          {r.lblResCurBC_1, r.lblResCurPow_1, r.lblResCurDiam_1, r.lblResCurSerie_1}}},
                        {r.lblResCur_0, r.lblResCur_1, r.lblResCur_2, r.lblResCur_3, r.lblResCur_4},
                        r.lblResCurOS},
            ResultGroup{{{{r.lblResFinalBC_0, r.lblResFinalPow_0, r.lblResFinalDiam_0, r.lblResFinalSerie_0},
                          {r.lblResFinalBC_1, r.lblResFinalPow_1, r.lblResFinalDiam_1, r.lblResFinalSerie_1}}},
                        {r.lblResFinal_0, r.lblResFinal_1, r.lblResFinal_2, r.lblResFinal_3, r.lblResFinal_4},
                        r.lblResFinalOS}};
}

} // namespace

void MainWindow::BuildHiddenParts()
{
    Part(Method::Prescription);
    Part(Method::CurrentLens);
    Results();
}

QWidget* MainWindow::Part(Method method)
{
    const bool pres = method == Method::Prescription;
    QWidget* part = pres ? ui_->prescriptionPart : ui_->currentLensPart;
    if (pres ? presUi_ != nullptr : curUi_ != nullptr)
        return part;
    if (pres) {
        presUi_ = std::make_unique<Ui::PrescriptionPart>();
        presUi_->setupUi(part);
        for (std::size_t eye = 0; eye < 2; ++eye)
            for (std::size_t i = 0; i < lens::kPrescriptionEntries.size(); ++i)
                fields_[eye][Index(lens::kPrescriptionEntries[i])] = FieldsOf(*presUi_)[eye][i];
        for (QComboBox* add : {presUi_->cboPresAdd_0, presUi_->cboPresAdd_1})
            for (int i = 0; i <= 8; ++i)
                add->addItem(Q(Format((75 + 25 * i) / 100.0, Decimals::Two, fmt_)));
    } else {
        curUi_ = std::make_unique<Ui::CurrentLensPart>();
        curUi_->setupUi(part);
        for (std::size_t eye = 0; eye < 2; ++eye)
            for (std::size_t i = 0; i < lens::kCurrentLensEntries.size(); ++i)
                fields_[eye][Index(lens::kCurrentLensEntries[i])] = FieldsOf(*curUi_)[eye][i];
    }
    for (Entry entry : EntriesOf(method))
        for (int eye = 0; eye < 2; ++eye) {
            QWidget* field = Field(eye, entry);
            Write(field, Q(lens::Text(lens::ClearedEntries(), entry)));
            // Typed, pasted, chosen or written by the program: every change
            // is told, and the presenter compares the values.
            if (auto* combo = qobject_cast<QComboBox*>(field)) {
                // What is typed stays as typed: no completion from the list.
                combo->setCompleter(nullptr);
                connect(combo, &QComboBox::editTextChanged, this, &MainWindow::inputChanged);
            } else {
                connect(qobject_cast<QLineEdit*>(field), &QLineEdit::textChanged, this, &MainWindow::inputChanged);
            }
        }
    connect(LeftBox(method), &QCheckBox::toggled, this, [this, method](bool on) { LeftTicked(method, on); });
    connect(LeftBox(method), &QCheckBox::toggled, this, &MainWindow::inputChanged);
    LeftTicked(method, false);
    Built(part);
    return part;
}

void MainWindow::Results()
{
    if (resultsUi_ != nullptr)
        return;
    resultsUi_ = std::make_unique<Ui::ResultsPart>();
    resultsUi_->setupUi(ui_->resultsPart);
    groups_ = GroupsOf(*resultsUi_);
    for (QLabel* label : ui_->resultsPart->findChildren<QLabel*>())
        label->hide();
    // An open value is chosen by a click, or by Enter or Space while it is
    // a keyboard stop.
    for (int eye = 0; eye < 2; ++eye)
        for (const auto& m : kMarkers)
            connect(Marker(eye, m.value), &ValueLabel::activated, this,
                    [this, eye, value = m.value] { emit valueClicked(eye, value); });
    ui_->resultsPart->show();
    Built(ui_->resultsPart);
}

void MainWindow::Built(QWidget* part)
{
    PaintDeclaredFills(part);
    InstallKeyboardHabits(part);
    DescribeByHints(part);
    ChainTabOrder();
}

// The order Tab takes. The sections and results join it when built.
void MainWindow::ChainTabOrder()
{
    std::vector<QWidget*> order;
    for (Method method : {Method::Prescription, Method::CurrentLens})
        for (int eye = 0; eye < 2; ++eye) {
            order.push_back(eye == 0 ? (method == Method::Prescription ? static_cast<QWidget*>(ui_->chkPres)
                                                                       : static_cast<QWidget*>(ui_->chkCur))
                                     : LeftBox(method));
            for (Entry entry : EntriesOf(method))
                order.push_back(Field(eye, entry));
        }
    order.insert(order.end(), {ui_->btnGo, ui_->cmdClear, ui_->cmdQuit});
    // An open value is a stop between "&Quit" and "Pr&int Order": right
    // eye, then left, each from the base curve down.
    if (resultsUi_ != nullptr)
        for (int eye = 0; eye < 2; ++eye)
            for (const auto& m : kMarkers)
                order.push_back(Marker(eye, m.value));
    order.push_back(ui_->cmdPrint);
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (w == nullptr)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, w);
        previous = w;
    }
}

QWidget* MainWindow::Field(int eye, Entry entry) const { return fields_[static_cast<std::size_t>(eye)][Index(entry)]; }

QCheckBox* MainWindow::LeftBox(Method method) const
{
    if (method == Method::Prescription)
        return presUi_ != nullptr ? presUi_->chkPresOS : nullptr;
    return curUi_ != nullptr ? curUi_->chkCurOS : nullptr;
}

ValueLabel* MainWindow::Marker(int eye, LensValue value) const
{
    for (const auto& m : kMarkers)
        if (m.value == value)
            return groups_[static_cast<std::size_t>(ResultColumn::Suggested)]
                .values[static_cast<std::size_t>(eye)][m.index];
    return nullptr;
}

// The right eye's box shows or hides its section; the left eye's box is
// offered only beside a ticked right eye.
void MainWindow::RightTicked(Method method, bool on)
{
    const bool built = method == Method::Prescription ? presUi_ != nullptr : curUi_ != nullptr;
    if (!on && !built)
        return;
    Part(method)->setVisible(on);
    if (on)
        Field(0, EntriesOf(method).front())->setFocus(Qt::OtherFocusReason);
    else
        LeftBox(method)->setChecked(false);
}

// The left eye starts as a copy of the right.
void MainWindow::LeftTicked(Method method, bool on)
{
    for (Entry entry : EntriesOf(method))
        Field(1, entry)->setVisible(on);
    if (method == Method::Prescription)
        presUi_->lblPresOS->setVisible(on);
    if (!on)
        return;
    for (Entry entry : EntriesOf(method))
        Write(Field(1, entry), TextOf(Field(0, entry)));
    Field(1, EntriesOf(method).front())->setFocus(Qt::OtherFocusReason);
}

} // namespace corvane
