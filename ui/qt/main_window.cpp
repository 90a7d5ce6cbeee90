#include "ui/qt/main_window.h"

#include "ui/qt/appearance.h"
#include "ui/qt/artwork.h"
#include "ui/qt/keyboard.h"
#include "ui/qt/message_box.h"
#include "ui/qt/refine_dialogs.h"
#include "ui_current_lens_part.h"
#include "ui_main_window.h"
#include "ui_prescription_part.h"
#include "ui_results_part.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <span>

namespace corvane {
namespace {

using lens::Entry;
using lens::LensValue;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The widgets of the engine's entries: "<name>_0" for the right eye,
// "<name>_1" for the left.
constexpr struct {
    Entry entry;
    const char* name;
} kEntryFields[] = {
    {Entry::Kera1, "txtPresKera1"},  {Entry::Kera2, "txtPresKera2"}, {Entry::Sphere, "txtPresPow"},
    {Entry::Cylinder, "txtPresCyl"}, {Entry::Axis, "txtPresAxe"},    {Entry::Vertex, "cboPresVertex"},
    {Entry::PresAdd, "cboPresAdd"},  {Entry::CurBC, "txtCurBC"},     {Entry::CurPower, "txtCurPow"},
    {Entry::CurDiam, "txtCurDiam"},  {Entry::CurAdd, "txtCurAdd"},
};

QString Member(const char* name, int eye) { return QString::fromLatin1(name) + u'_' + QString::number(eye); }

QString FieldName(Entry entry, int eye)
{
    for (const auto& f : kEntryFields)
        if (f.entry == entry)
            return Member(f.name, eye);
    return {};
}

// A method's section: its part of the window, the boxes that tick it, the
// left eye's separator (if any) and its entries.
struct Section {
    const char* box;
    const char* leftBox;
    const char* separator;
    std::span<const Entry> entries;
};

Section SectionOf(Method method)
{
    if (method == Method::Prescription)
        return {"chkPres", "chkPresOS", "lblPresOS", lens::kPrescriptionEntries};
    return {"chkCur", "chkCurOS", nullptr, lens::kCurrentLensEntries};
}

Method MethodOf(Entry entry)
{
    const auto& pres = lens::kPrescriptionEntries;
    return std::find(pres.begin(), pres.end(), entry) != pres.end() ? Method::Prescription : Method::CurrentLens;
}

// The value labels of a result group ("lblRes<group><value>_<eye>").
constexpr struct {
    const char* name;
    std::string lens::LensTexts::*text;
} kResultValues[] = {{"BC", &lens::LensTexts::bc},
                     {"Pow", &lens::LensTexts::pow},
                     {"Diam", &lens::LensTexts::diam},
                     {"Serie", &lens::LensTexts::serie}};

// The suggested lens's open values, each a marker in its value label.
constexpr struct {
    LensValue value;
    const char* label;
    const char* spoken;
    bool OpenValues::*open;
} kMarkers[] = {{LensValue::BaseCurve, "lblResFinalBC", "Base Curve", &OpenValues::bc},
                {LensValue::Power, "lblResFinalPow", "Power", &OpenValues::power},
                {LensValue::Series, "lblResFinalSerie", "Series", &OpenValues::series}};

QString TextOf(const QWidget* field)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    const auto* edit = qobject_cast<const QLineEdit*>(field);
    return edit != nullptr ? edit->text() : QString();
}

// What the program writes is no edit; the box shows the start of a text too
// long for it.
void Write(QWidget* field, const QString& text)
{
    if (TextOf(field) == text)
        return;
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        combo->setEditText(text);
        combo->lineEdit()->setCursorPosition(0);
    } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
}

bool IsBuilt(const QWidget* part) { return !part->children().isEmpty(); }

bool Activates(const QKeyEvent* key)
{
    const int k = key->key();
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !key->isAutoRepeat() &&
           (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space);
}

} // namespace

MainWindow::MainWindow(NumberFormat fmt, QWidget* parent)
    : FormWindow(parent), fmt_(fmt), ui_(std::make_unique<Ui::MainWindow>())
{
    ui_->setupUi(this);
    for (QWidget* part : {ui_->prescriptionPart, ui_->currentLensPart, ui_->resultsPart})
        part->hide();
    PaintDeclaredFills(this);
    FormReady();
    feedback_ = new FocusFeedback(this);
    connect(feedback_, &FocusFeedback::entered, this, &MainWindow::Entered);
    connect(ui_->chkPres, &QCheckBox::toggled, this, [this](bool on) { RightTicked(Method::Prescription, on); });
    connect(ui_->chkCur, &QCheckBox::toggled, this, [this](bool on) { RightTicked(Method::CurrentLens, on); });
    connect(ui_->btnGo, &QPushButton::clicked, this, &MainWindow::calculateRequested);
    connect(ui_->cmdClear, &QPushButton::clicked, this, &MainWindow::Clear);
    connect(ui_->cmdPrint, &QPushButton::clicked, this, &MainWindow::orderRequested);
    connect(ui_->cmdQuit, &QPushButton::clicked, this, &QDialog::reject);
    ChainTabOrder();
}

MainWindow::~MainWindow() = default;

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
            if (auto* combo = qobject_cast<QComboBox*>(field)) {
                // What is typed stays as typed: no completion from the list.
                combo->setCompleter(nullptr);
                connect(combo->lineEdit(), &QLineEdit::textEdited, this, &MainWindow::entryEdited);
                connect(combo, &QComboBox::activated, this, &MainWindow::entryEdited);
            } else {
                connect(qobject_cast<QLineEdit*>(field), &QLineEdit::textEdited, this, &MainWindow::entryEdited);
            }
        }
    connect(LeftBox(method), &QCheckBox::toggled, this, [this, method](bool on) { LeftTicked(method, on); });
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
    const Section s = SectionOf(method);
    const auto* box = findChild<QCheckBox*>(QLatin1String(eye == 0 ? s.box : s.leftBox));
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
        for (Entry entry : SectionOf(method).entries) {
            const std::string text = lens::Text(entries, entry);
            if (Field(eye, entry) == nullptr && text == lens::Text(lens::ClearedEntries(), entry))
                continue;
            Part(MethodOf(entry));
            Write(Field(eye, entry), Q(text));
        }
}

void MainWindow::ShowLens(ResultColumn column, int eye, const std::optional<lens::LensTexts>& lens)
{
    if (!lens && !IsBuilt(ui_->resultsPart))
        return;
    static constexpr const char* kGroups[] = {"Pres", "Cur", "Final"};
    const QString group = QStringLiteral("lblRes") + QLatin1String(kGroups[static_cast<int>(column)]);
    QWidget* results = Results();
    auto label = [&](const QString& name) { return results->findChild<QLabel*>(group + name); };
    for (const auto& v : kResultValues) {
        QLabel* value = label(Member(v.name, eye));
        if (lens)
            value->setText(Q((*lens).*v.text));
        value->setVisible(lens.has_value());
    }
    const bool right = !label(QStringLiteral("BC_0"))->isHidden();
    const bool left = !label(QStringLiteral("BC_1"))->isHidden();
    for (int row = 0; row < 5; ++row)
        label(Member("", row))->setVisible(right || left);
    label(QStringLiteral("OS"))->setVisible(left);
}

void MainWindow::ShowOpenValues(const std::array<OpenValues, 2>& open, const std::string& clickLine, bool moveOn)
{
    bool leaving = false;
    if (IsBuilt(ui_->resultsPart))
        for (int eye = 0; eye < 2; ++eye)
            for (const auto& m : kMarkers) {
                QLabel* marker = Marker(eye, m.value);
                const bool isOpen = !marker->isHidden() && open[static_cast<std::size_t>(eye)].*m.open;
                marker->setFocusPolicy(isOpen ? Qt::StrongFocus : Qt::NoFocus);
                marker->setAccessibleDescription(
                    isOpen ? QStringLiteral("Not chosen yet: Enter or Space chooses the ") + QLatin1String(m.spoken)
                           : QString());
                leaving = leaving || (!isOpen && feedback_->Current() == marker);
            }
    // Qt chains only widgets that take the focus: a marker joins the chain
    // once it does.
    ChainTabOrder();
    UpdateHelp(Q(clickLine));
    // After a settling the focus leaves a value that is no longer open.
    if (moveOn && leaving)
        focusNextChild();
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

void MainWindow::SetHelp(const std::string& line)
{
    ui_->lblhelp->setText(Q(line));
    hint_ = Q(line);
}

void MainWindow::SetPrintEnabled(bool enabled) { ui_->cmdPrint->setEnabled(enabled); }

void MainWindow::ShowEyeError(int eye, const RuntimeError& error)
{
    ShowMessageBox(this, eye == 0 ? QStringLiteral("Error for OD") : QStringLiteral("Error for OS"),
                   Q(ErrorMessage(error)), Buttons::OkExclamation);
}

void MainWindow::ShowWarning(const std::string& message)
{
    ShowMessageBox(this, QStringLiteral("Error"), Q(message), Buttons::Ok);
}

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

bool MainWindow::Ask(const std::string& question, const std::string& title)
{
    return ShowMessageBox(this, Q(title), Q(question), Buttons::YesNo) == Answer::Yes;
}

std::unique_ptr<PowerCorrectionView> MainWindow::PowerCorrection()
{
    return std::make_unique<PowerCorrectionDialog>(this);
}

std::unique_ptr<AddCorrectionView> MainWindow::AddCorrection() { return std::make_unique<AddCorrectionDialog>(this); }

// An open value is chosen by a click, or by Enter or Space while it is a
// keyboard stop.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    for (int eye = 0; eye < 2; ++eye)
        for (const auto& m : kMarkers) {
            QLabel* marker = Marker(eye, m.value);
            if (watched != marker)
                continue;
            const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                                 marker->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            const bool pressed = event->type() == QEvent::KeyPress && marker->focusPolicy() != Qt::NoFocus &&
                                 Activates(static_cast<QKeyEvent*>(event));
            if (clicked || pressed)
                emit valueClicked(eye, m.value);
            return pressed;
        }
    return FormWindow::eventFilter(watched, event);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    FormWindow::paintEvent(event);
    QPainter painter(this);
    PaintArtwork(painter, Picture::Background, rect());
}

} // namespace corvane
