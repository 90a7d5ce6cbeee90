#include "ui/qt/form_view.h"

#include "ui/qt/artwork.h"
#include "ui/qt/widget_binding.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace corvane {
namespace {

double ScreenScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return dpi / 1440.0;
}

Qt::Alignment ToQt(Align a)
{
    switch (a) {
    case Align::Center:
        return Qt::AlignCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Pictures of a form, drawn by the program itself.
class ArtworkLabel : public QLabel {
public:
    ArtworkLabel(Picture picture, QWidget* parent) : QLabel(parent), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        PaintArtwork(p, picture_, rect());
    }

private:
    Picture picture_;
};

} // namespace

FormView::FormView(Form& form, QWidget* parent, bool buildHiddenLater)
    : QDialog(parent), form_(form), scale_(ScreenScale())
{
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(QString::fromStdString(form.Caption()));
    const QSize size(static_cast<int>(std::lround(form.Width() * scale_)),
                     static_cast<int>(std::lround(form.Height() * scale_)));
    // Every control has its design place: the window keeps its design size.
    setFixedSize(size);
    setSizeGripEnabled(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(form.BackColor(), pal));
    setPalette(pal);
    setAutoFillBackground(true);
    // Controls are born with the usual face, not the system's: no font is
    // loaded only to be replaced.
    setFont(DesignFont(Style{}, false));
    Build(buildHiddenLater);
}

FormView::~FormView()
{
    for (WidgetBinding* b : bindings_)
        b->GetControl().SetObserver(nullptr);
    for (Control* c : later_)
        c->SetObserver(nullptr);
}

// A box of plain text lines. It fills its own background and the text
// area draws none: at a fractional scale the text area would otherwise
// paint over the bottom and right edges of the box's frame.
QWidget* FormView::MultiLine(const Style& s, QWidget* parent) const
{
    auto* text = new QTextEdit(parent);
    text->setAcceptRichText(false);
    text->setTabChangesFocus(true);
    text->setBackgroundRole(QPalette::Base);
    text->viewport()->setAutoFillBackground(false);
    if (s.lineWidth > 0) {
        // Lines break where they break on paper (see the page painter).
        text->document()->setUseDesignMetrics(true);
        text->setLineWrapMode(QTextEdit::FixedPixelWidth);
        const double margin = text->document()->documentMargin();
        text->setLineWrapColumnOrWidth(static_cast<int>(std::lround(s.lineWidth * scale_ + 2 * margin)));
    }
    return text;
}

QWidget* FormView::Create(Control& c, QWidget* parent)
{
    const Style& s = c.GetStyle();
    switch (c.GetKind()) {
    case Kind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(ToQt(s.align) | (s.wordWrap ? Qt::AlignTop : Qt::Alignment()));
        label->setWordWrap(s.wordWrap);
        if (s.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        return label;
    }
    case Kind::TextBox:
        if (s.multiLine)
            return MultiLine(s, parent);
        return new QLineEdit(parent);
    case Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        if (s.editable) {
            // What is typed stays as typed: no completion from the list.
            // Handing the box its edit, with a stand-in completer, makes it
            // editable without building a completer only to drop it, and
            // leaves its list to be built when first opened: a good part of
            // the start-up otherwise.
            auto* edit = new QLineEdit(combo);
            if (standIn_ == nullptr)
                standIn_ = new QCompleter(this);
            edit->setCompleter(standIn_);
            combo->setLineEdit(edit);
            combo->setCompleter(nullptr);
            combo->setInsertPolicy(QComboBox::NoInsert);
        }
        return combo;
    }
    case Kind::CheckBox:
        return new QCheckBox(parent);
    case Kind::OptionButton:
        return new QRadioButton(parent);
    case Kind::CommandButton: {
        auto* button = new QPushButton(parent);
        // Not auto-default: a dialog would otherwise make its first button
        // the default one, and Enter anywhere would press it.
        button->setAutoDefault(false);
        if (form_.DefaultButton() == &c)
            button->setDefault(true);
        return button;
    }
    case Kind::Frame:
        return new QGroupBox(parent);
    case Kind::Image:
        return new ArtworkLabel(c.GetStyle().picture, parent);
    case Kind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        return line;
    }
    }
    return new QWidget(parent);
}

void FormView::Build(bool buildHiddenLater)
{
    for (const auto& owned : form_.Controls()) {
        Control& c = *owned;
        // Most of the main window is hidden until a section is ticked or a
        // result shown: building those widgets at start-up cost more than
        // all that is shown. Frames and what they hold are built at once.
        if (buildHiddenLater && !c.Visible() && c.Container() == nullptr && c.GetKind() != Kind::Frame) {
            later_.push_back(&c);
            c.SetObserver(this);
            continue;
        }
        BuildWidget(c);
    }
    ChainTabOrder();
}

QWidget* FormView::BuildWidget(Control& c)
{
    QWidget* parent = this;
    if (c.Container() != nullptr)
        parent = WidgetOf(*c.Container());
    QWidget* w = Create(c, parent);
    const Geometry& g = c.Geom();
    const int height = c.GetKind() == Kind::Line ? 1 : static_cast<int>(std::lround(g.height * scale_));
    w->setGeometry(static_cast<int>(std::lround(g.left * scale_)), static_cast<int>(std::lround(g.top * scale_)),
                   static_cast<int>(std::lround(g.width * scale_)), std::max(height, 1));
    if (c.GetKind() == Kind::Line) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, ToQColor(c.ForeColor(), pal));
        w->setPalette(pal);
    }
    if (c.TabIndex() < 0 && c.GetKind() != Kind::Label)
        w->setFocusPolicy(Qt::NoFocus);
    StackInFormOrder(c, w);
    auto* binding = new WidgetBinding(c, w, this);
    bindings_.push_back(binding);
    byControl_[&c] = binding;
    ConnectBuddies(c, w);
    return w;
}

QWidget* FormView::Realize(Control& control)
{
    if (QWidget* w = WidgetOf(control))
        return w;
    auto it = std::find(later_.begin(), later_.end(), &control);
    if (it == later_.end())
        return nullptr;
    later_.erase(it);
    QWidget* w = BuildWidget(control);
    ChainTabOrder();
    return w;
}

// Widgets overlap and paint in the order of the form's controls, as if all
// had been built at once.
void FormView::StackInFormOrder(const Control& control, QWidget* widget) const
{
    const auto& controls = form_.Controls();
    auto it = std::find_if(controls.begin(), controls.end(), [&control](const auto& c) { return c.get() == &control; });
    for (++it; it != controls.end(); ++it) {
        QWidget* next = WidgetOf(**it);
        if (next != nullptr && next->parentWidget() == widget->parentWidget()) {
            widget->stackUnder(next);
            return;
        }
    }
}

// A caption label moves the focus to its buddy by its access key, whichever
// of the two was built first.
void FormView::ConnectBuddies(const Control& control, QWidget* widget) const
{
    if (Control* buddy = control.Buddy())
        if (auto* label = qobject_cast<QLabel*>(widget))
            if (QWidget* target = WidgetOf(*buddy))
                label->setBuddy(target);
    for (const auto& owned : form_.Controls())
        if (owned->Buddy() == &control)
            if (auto* label = qobject_cast<QLabel*>(WidgetOf(*owned)))
                label->setBuddy(widget);
}

void FormView::ChainTabOrder() const
{
    QWidget* previous = nullptr;
    for (Control* c : form_.TabOrder()) {
        QWidget* w = WidgetOf(*c);
        if (w == nullptr)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void FormView::PropertyChanged(Control& control, Prop prop)
{
    if (prop != Prop::Visible || !control.Visible())
        return;
    Realize(control);
    update();
}

QWidget* FormView::WidgetOf(const Control& control) const
{
    auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : it->second->Widget();
}

void FormView::ChangeFocus(Control* next)
{
    if (next == focus_)
        return;
    Control* previous = focus_;
    focus_ = next;
    if (previous != nullptr)
        previous->RaiseLostFocus();
    if (next != nullptr)
        next->RaiseGotFocus();
}

void FormView::MoveFocus(Control& control)
{
    QWidget* w = WidgetOf(control);
    if (w == nullptr || !control.CanTakeFocus())
        return;
    // A control sent the focus it has already shows its feedback afresh
    // (colour, selection, hint): a validation puts the focus back on a faulty
    // field whose text must be selected again, so that typing replaces it.
    if (&control == focus_)
        control.RaiseGotFocus();
    ChangeFocus(&control);
    w->setFocus(Qt::OtherFocusReason);
}

void FormView::NoteFocusIn(Control& control) { ChangeFocus(&control); }

void FormView::TabFromFocus()
{
    if (Control* next = form_.NextInTabOrder(focus_))
        MoveFocus(*next);
}

void FormView::Unload()
{
    closing_ = true;
    form_.SetUnloaded(true);
    close();
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Enter presses the focused button, else the form's default button, and
    // does nothing where the form has none.
    QPushButton* target = qobject_cast<QPushButton*>(focusWidget());
    if (target == nullptr && form_.DefaultButton() != nullptr)
        target = qobject_cast<QPushButton*>(WidgetOf(*form_.DefaultButton()));
    if (target != nullptr && target->isEnabled() && target->isVisible())
        target->click();
    event->accept();
}

void FormView::reject()
{
    if (Control* cancel = form_.CancelButton()) {
        if (cancel->Enabled() && cancel->EffectivelyVisible())
            cancel->RaiseClick();
        return;
    }
    close();
}

void FormView::closeEvent(QCloseEvent* event)
{
    if (!closing_ && form_.CancelButton() != nullptr) {
        // The close box does what the window's cancel button does.
        event->ignore();
        reject();
        return;
    }
    form_.SetUnloaded(true);
    event->accept();
    hide();
}

void FormView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A keyboard user sees where the focus is from the moment the window
    // opens: the style draws its focus frame at once, not only after a Tab.
    // (Showing a window clears this.)
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void FormView::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    if (form_.BackPicture() != Picture::None)
        PaintArtwork(p, form_.BackPicture(), rect());
}

} // namespace corvane
