#include "ui/qt/main_window.h"

#include "ui/qt/appearance.h"
#include "ui/qt/keyboard.h"
#include "ui/qt/main_window_fields.h"
#include "ui_current_lens_part.h"
#include "ui_main_window.h"
#include "ui_prescription_part.h"
#include "ui_results_part.h"

// The main window's parts: the two sections and the result groups, built
// when first shown, and the tab order that takes them in.
namespace corvane {

using namespace fields;
using lens::Entry;
using lens::LensValue;

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
    if (IsBuilt(part))
        return part;
    if (pres) {
        Ui::PrescriptionPart().setupUi(part);
        for (int i = 0; i <= 8; ++i)
            for (int eye = 0; eye < 2; ++eye)
                part->findChild<QComboBox*>(Member("cboPresAdd", eye))
                    ->addItem(Q(Format((75 + 25 * i) / 100.0, "0.00", fmt_)));
    } else {
        Ui::CurrentLensPart().setupUi(part);
    }
    const Section s = SectionOf(method);
    for (Entry entry : s.entries)
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

QWidget* MainWindow::Results()
{
    QWidget* part = ui_->resultsPart;
    if (IsBuilt(part))
        return part;
    Ui::ResultsPart().setupUi(part);
    for (QLabel* label : part->findChildren<QLabel*>())
        label->hide();
    for (int eye = 0; eye < 2; ++eye)
        for (const auto& m : kMarkers)
            Marker(eye, m.value)->installEventFilter(this);
    part->show();
    Built(part);
    return part;
}

void MainWindow::Built(QWidget* part)
{
    PaintDeclaredFills(part);
    InstallKeyboardHabits(part);
    ChainTabOrder();
}

// The order Tab takes. The sections and results join it when built.
void MainWindow::ChainTabOrder()
{
    QStringList order{QStringLiteral("chkPres")};
    auto entries = [&order](std::span<const Entry> list, int eye) {
        for (Entry entry : list)
            order << FieldName(entry, eye);
    };
    entries(lens::kPrescriptionEntries, 0);
    order << QStringLiteral("chkPresOS");
    entries(lens::kPrescriptionEntries, 1);
    order << QStringLiteral("chkCur");
    entries(lens::kCurrentLensEntries, 0);
    order << QStringLiteral("chkCurOS");
    entries(lens::kCurrentLensEntries, 1);
    order << QStringLiteral("btnGo") << QStringLiteral("cmdClear") << QStringLiteral("cmdQuit");
    // An open value is a stop between "&Quit" and "Pr&int Order": right
    // eye, then left, each from the base curve down.
    for (int eye = 0; eye < 2; ++eye)
        for (const auto& m : kMarkers)
            order << Member(m.label, eye);
    order << QStringLiteral("cmdPrint");
    QWidget* previous = nullptr;
    for (const QString& name : order) {
        auto* w = findChild<QWidget*>(name);
        if (w == nullptr)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, w);
        previous = w;
    }
}

QWidget* MainWindow::Field(int eye, Entry entry) const { return findChild<QWidget*>(FieldName(entry, eye)); }

QCheckBox* MainWindow::LeftBox(Method method) const
{
    return findChild<QCheckBox*>(QLatin1String(SectionOf(method).leftBox));
}

QLabel* MainWindow::Marker(int eye, LensValue value) const
{
    for (const auto& m : kMarkers)
        if (m.value == value)
            return ui_->resultsPart->findChild<QLabel*>(Member(m.label, eye));
    return nullptr;
}

// The right eye's box shows or hides its section; the left eye's box is
// offered only beside a ticked right eye.
void MainWindow::RightTicked(Method method, bool on)
{
    const Section s = SectionOf(method);
    QWidget* part = method == Method::Prescription ? ui_->prescriptionPart : ui_->currentLensPart;
    if (!on && !IsBuilt(part))
        return;
    Part(method)->setVisible(on);
    if (on)
        Field(0, s.entries.front())->setFocus(Qt::OtherFocusReason);
    else
        LeftBox(method)->setChecked(false);
}

// The left eye starts as a copy of the right.
void MainWindow::LeftTicked(Method method, bool on)
{
    const Section s = SectionOf(method);
    for (Entry entry : s.entries)
        Field(1, entry)->setVisible(on);
    if (s.separator != nullptr)
        findChild<QWidget*>(QLatin1String(s.separator))->setVisible(on);
    if (!on)
        return;
    for (Entry entry : s.entries)
        Write(Field(1, entry), TextOf(Field(0, entry)));
    Field(1, s.entries.front())->setFocus(Qt::OtherFocusReason);
}

} // namespace corvane
