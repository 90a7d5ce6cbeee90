#include "ui/qt/order_window.h"

#include "order/lens_types.h"
#include "order/order_page.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/appearance.h"
#include "ui/qt/message_box.h"
#include "ui/qt/qt_words.h"
#include "ui_order_window.h"

#include <QApplication>

#include <cmath>
#include <span>

namespace corvane {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Like a text box, the entry shows the start of a text too long for it.
void ShowText(QLineEdit* entry, const std::string& text)
{
    entry->setText(Q(text));
    entry->setCursorPosition(0);
}

void FocusAndSelect(QLineEdit* entry)
{
    entry->setFocus(Qt::OtherFocusReason);
    entry->selectAll();
}

// A box painted in a colour close to the style's highlight ("Blue") would
// hide the focus ring, which is drawn in the highlight: ring it in its text
// colour then.
QPalette Painted(const QWidget* box, RgbColor rgb)
{
    QPalette palette = QApplication::palette(box);
    const QColor colour{QRgb(rgb)};
    palette.setColor(QPalette::Base, colour);
    const QColor text = palette.color(QPalette::Text);
    const QColor highlight = palette.color(QPalette::Highlight);
    if (Contrast(highlight, colour) < 3.0 && Contrast(text, colour) > Contrast(highlight, colour))
        palette.setColor(QPalette::Highlight, text);
    return palette;
}

// The special order's lines break where the printed box breaks them (see
// the page painter): a line on the screen is a line on paper. The box
// fills its own background and the text area draws none: at a fractional
// scale the text area would otherwise paint over the box's frame.
void WrapAsOnPaper(QTextEdit* box)
{
    box->setBackgroundRole(QPalette::Base);
    box->viewport()->setAutoFillBackground(false);
    box->document()->setUseDesignMetrics(true);
    const double margin = box->document()->documentMargin();
    constexpr double kTwipsPerPixel = 15.0;
    box->setLineWrapColumnOrWidth(
        static_cast<int>(std::lround(SpecialOrderText("").box.width / kTwipsPerPixel + 2 * margin)));
}

// A thickness list offers the choices of its table, each item holding its
// value.
template <class Value>
void Offer(QComboBox* list, std::span<const Choice<Value>> choices)
{
    for (const Choice<Value>& choice : choices)
        list->addItem(QString::fromLatin1(choice.text), static_cast<int>(choice.value));
}

template <class Value>
void Choose(QComboBox* list, Value value)
{
    list->setCurrentIndex(list->findData(static_cast<int>(value)));
}

template <class Value>
Value Chosen(const QComboBox* list)
{
    return static_cast<Value>(list->currentData().toInt());
}

// The thickness lists are white like the entries, not shaded like buttons.
void WhiteLists(const QWidget* window)
{
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        QPalette white = list->palette();
        white.setColor(QPalette::Button, white.color(QPalette::Base));
        list->setPalette(white);
    }
}

} // namespace

OrderWindow::OrderWindow(QWidget* parent) : FormWindow(parent), ui_(std::make_unique<Ui::OrderWindow>())
{
    ui_->setupUi(this);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(grey);
    setAutoFillBackground(true);
    WhiteLists(this);
    WrapAsOnPaper(ui_->txtSpecial);
    eyes_ = {{{ui_->lblBCod, ui_->lblPowod, ui_->lblDiamod, ui_->lblSeriesod}, ui_->cboEdgeThod, ui_->cboCenterThod},
             {{ui_->lblBCos, ui_->lblPowos, ui_->lblDiamos, ui_->lblSeriesos}, ui_->cboEdgeThos, ui_->cboCenterThos}};
    for (Eye eye : kEyes) {
        Offer(eyes_[eye].edge, EdgeThicknesses());
        Offer(eyes_[eye].center, CenterThicknesses());
    }
    // The left eye's lists show once the left eye is ordered.
    eyes_.left.edge->hide();
    eyes_.left.center->hide();
    // The buttons' ids are the lens types.
    ui_->lensTypes->setId(ui_->optType_0, static_cast<int>(LensType::Corvane));
    ui_->lensTypes->setId(ui_->optType_1, static_cast<int>(LensType::Velto));
    FormReady();
    ConnectCommands();
}

OrderWindow::~OrderWindow() = default;

void OrderWindow::ConnectCommands()
{
    connect(ui_->lensTypes, &QButtonGroup::idToggled, this, [this](int type, bool chosen) {
        if (chosen)
            emit lensTypeChosen(static_cast<LensType>(type));
    });
    connect(ui_->cmdChgMat, &QPushButton::clicked, this, &OrderWindow::otherMaterialRequested);
    connect(ui_->cmdChgCol, &QPushButton::clicked, this, &OrderWindow::otherColorRequested);
    connect(ui_->cmdPrint, &QPushButton::clicked, this, &OrderWindow::printRequested);
    connect(ui_->cmdSavePdf, &QPushButton::clicked, this, &OrderWindow::savePdfRequested);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &OrderWindow::cancelRequested);
}

void OrderWindow::ShowLensType(LensType type)
{
    // The presenter applies the choice itself.
    const QSignalBlocker quiet(ui_->lensTypes);
    ui_->lensTypes->button(static_cast<int>(type))->setChecked(true);
}

void OrderWindow::ShowEye(Eye eye, const EyeTexts& texts)
{
    const std::array<const std::string*, 4> values = {&texts.bc, &texts.power, &texts.diam, &texts.series};
    for (std::size_t i = 0; i < values.size(); ++i)
        eyes_[eye].lens[i]->Show(Q(*values[i]));
}

void OrderWindow::ShowThicknesses(Eye eye, const Thicknesses& chosen)
{
    const EyeWidgets& lists = eyes_[eye];
    lists.center->setVisible(true);
    Choose(lists.center, chosen.center);
    lists.edge->setVisible(true);
    Choose(lists.edge, chosen.edge);
}

void OrderWindow::ShowMaterial(const EntryShown& material)
{
    ShowText(ui_->txtMat, material.text);
    ui_->txtMat->setReadOnly(material.locked);
}

void OrderWindow::ShowColor(const ColorShown& color)
{
    QLineEdit* box = ui_->txtCol;
    box->setReadOnly(color.locked);
    ShowText(box, color.text);
    box->setPalette(color.background ? Painted(box, *color.background) : QPalette());
}

void OrderWindow::EnableOtherColor(bool enabled) { ui_->cmdChgCol->setEnabled(enabled); }

void OrderWindow::FocusMaterial() { FocusAndSelect(ui_->txtMat); }

void OrderWindow::FocusColor() { FocusAndSelect(ui_->txtCol); }

void OrderWindow::FocusSpecialOrder() { ui_->txtSpecial->setFocus(Qt::OtherFocusReason); }

bool OrderWindow::AskOkCancel(const Words& text, const Words& title)
{
    return ShowMessageBox(this, Tr(title), Tr(text), Buttons::OkCancel) == Answer::Ok;
}

void OrderWindow::ShowMessage(const Words& text, const Words& title)
{
    ShowMessageBox(this, Tr(title), Tr(text), Buttons::OkExclamation);
}

OrderTyped OrderWindow::Typed() const
{
    const int type = ui_->lensTypes->checkedId();
    OrderTyped typed{.accName = ui_->txtAccName->text().toStdString(),
                     .accNum = ui_->txtAccNum->text().toStdString(),
                     .accFax = ui_->txtAccFax->text().toStdString(),
                     .patName = ui_->txtPatName->text().toStdString(),
                     .patNum = ui_->txtPatNum->text().toStdString(),
                     .lensType = type < 0 ? LensType::Corvane : static_cast<LensType>(type),
                     .material = ui_->txtMat->text().toStdString(),
                     .color = ui_->txtCol->text().toStdString(),
                     .thick = {},
                     .dot = ui_->optDot_0->isChecked(),
                     .special = ui_->txtSpecial->toPlainText().toStdString()};
    for (Eye eye : kEyes)
        typed.thick[eye] = {.edge = Chosen<EdgeThickness>(eyes_[eye].edge),
                            .center = Chosen<CenterThickness>(eyes_[eye].center)};
    return typed;
}

void OrderWindow::Close() { done(QDialog::Rejected); }

void OrderWindow::reject() { emit closeRequested(); }

} // namespace corvane
