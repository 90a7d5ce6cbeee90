#include "ui/qt/widget_binding.h"

#include "ui/qt/form_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextEdit>

#include <algorithm>

namespace corvane {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

WidgetBinding::WidgetBinding(Control& control, QWidget* widget, FormView* view)
    : QObject(widget), control_(control), widget_(widget), view_(view)
{
    widget->setObjectName(Q(control.Name()));
    control_.SetObserver(this);
    widget->installEventFilter(this);
    Connect();
    ApplyAll();
}

WidgetBinding::~WidgetBinding() { control_.SetObserver(nullptr); }

void WidgetBinding::Connect()
{
    Control* c = &control_;
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        connect(edit, &QLineEdit::textEdited, this, [this, c](const QString& t) { c->UserSetText(CutToMaxLength(t)); });
    } else if (auto* text = qobject_cast<QTextEdit*>(widget_)) {
        connect(text, &QTextEdit::textChanged, this, [this, c, text] {
            if (!applying_)
                c->UserSetText(text->toPlainText().toStdString());
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        if (combo->isEditable()) {
            connect(combo, &QComboBox::editTextChanged, this, [this, c](const QString& t) {
                if (!applying_)
                    c->UserSetText(t.toStdString());
            });
        } else {
            connect(combo, &QComboBox::currentTextChanged, this, [this, c](const QString& t) {
                if (!applying_)
                    c->UserSetText(t.toStdString());
            });
        }
    } else if (auto* box = qobject_cast<QCheckBox*>(widget_)) {
        connect(box, &QCheckBox::toggled, this, [this, c, box](bool on) {
            if (!applying_)
                Guarded(box, [c, on] { c->UserSetValue(on ? 1 : 0); });
        });
    } else if (auto* option = qobject_cast<QRadioButton*>(widget_)) {
        connect(option, &QRadioButton::toggled, this, [this, c, option](bool on) {
            if (!applying_ && on)
                Guarded(option, [c] { c->UserSetValue(1); });
        });
    } else if (auto* button = qobject_cast<QPushButton*>(widget_)) {
        connect(button, &QPushButton::clicked, this, [c, button] { Guarded(button, [c] { c->RaiseClick(); }); });
    }
}

void WidgetBinding::ApplyAll()
{
    ApplyItems();
    ApplyText();
    ApplyValue();
    ApplyColors();
    ApplyFont();
    widget_->setEnabled(control_.Enabled());
    ApplyLocked();
    widget_->setToolTip(Q(control_.Hint()));
    if (!control_.AccessibleName().empty())
        widget_->setAccessibleName(Q(control_.AccessibleName()));
    widget_->setAccessibleDescription(Q(control_.AccessibleDescription()));
    ApplyTakesFocus();
    widget_->setVisible(control_.Visible());
}

void WidgetBinding::ApplyTakesFocus()
{
    // A label is a stop of the tab order only while the form says so; the
    // mouse gives it the focus too, as it does a field.
    if (control_.GetKind() == Kind::Label)
        widget_->setFocusPolicy(control_.TakesFocus() ? Qt::StrongFocus : Qt::NoFocus);
}

void WidgetBinding::PropertyChanged(Control& /*control*/, Prop prop)
{
    if (widget_ == nullptr)
        return;
    switch (prop) {
    case Prop::Text:
        ApplyText();
        break;
    case Prop::Visible:
        widget_->setVisible(control_.Visible());
        if (view_ != nullptr)
            view_->update();
        break;
    case Prop::Enabled:
        widget_->setEnabled(control_.Enabled());
        break;
    case Prop::Locked:
        ApplyLocked();
        break;
    case Prop::BackColor:
    case Prop::ForeColor:
        ApplyColors();
        break;
    case Prop::FontBold:
        ApplyFont();
        break;
    case Prop::Value:
        ApplyValue();
        break;
    case Prop::Selection:
        ApplySelection();
        break;
    case Prop::Items:
        ApplyItems();
        break;
    case Prop::TakesFocus:
        ApplyTakesFocus();
        break;
    case Prop::Spoken:
        widget_->setAccessibleDescription(Q(control_.AccessibleDescription()));
        break;
    }
}

void WidgetBinding::ApplyText()
{
    applying_ = true;
    const QString text = Q(control_.Text());
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        // No QLineEdit length limit: a value the program writes stays whole.
        // Like a text box, the box shows the start of a text too long for it.
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto* plain = qobject_cast<QTextEdit*>(widget_)) {
        if (plain->toPlainText() != text)
            plain->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
            combo->lineEdit()->setCursorPosition(0);
        } else {
            combo->setCurrentIndex(combo->findText(text));
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget_)) {
        if (label->pixmap().isNull())
            label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget_)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
        button->setText(text);
    }
    applying_ = false;
}

void WidgetBinding::ApplyLocked()
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget_))
        edit->setReadOnly(control_.Locked());
    if (auto* text = qobject_cast<QTextEdit*>(widget_))
        text->setReadOnly(control_.Locked());
}

void WidgetBinding::ApplyValue()
{
    auto* button = qobject_cast<QAbstractButton*>(widget_);
    if (button == nullptr || !button->isCheckable())
        return;
    applying_ = true;
    if (control_.Value() != 0 || !qobject_cast<QRadioButton*>(widget_))
        button->setChecked(control_.Value() != 0);
    applying_ = false;
}

void WidgetBinding::ApplyColors()
{
    QPalette pal = widget_->palette();
    // System colours come from the style, not from the colour painted last.
    const QPalette system = QApplication::palette(widget_);
    const Color back = control_.BackColor();
    const bool editor =
        qobject_cast<QLineEdit*>(widget_) || qobject_cast<QComboBox*>(widget_) || qobject_cast<QTextEdit*>(widget_);
    const QColor fore = ToQColor(control_.ForeColor(), system);
    // The disabled group keeps the style's greyed text, so that a disabled
    // control looks disabled.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, fore);
        pal.setColor(group, QPalette::Text, fore);
        pal.setColor(group, QPalette::ButtonText, fore);
    }
    if (back != kTransparent) {
        const QColor color = ToQColor(back, system);
        pal.setColor(editor ? QPalette::Base : QPalette::Window, color);
        // Check boxes and buttons fill their background from the Button role.
        if (!editor)
            pal.setColor(widget_->backgroundRole(), color);
        if (qobject_cast<QComboBox*>(widget_))
            pal.setColor(QPalette::Button, color);
        // The style rings a focused box in the highlight colour, which a
        // painted box of like colour hides ("Blue"): ring it in its text
        // colour then.
        const QColor highlight = system.color(QPalette::Highlight);
        const bool hidden =
            editor && Contrast(highlight, color) < 3.0 && Contrast(fore, color) > Contrast(highlight, color);
        pal.setColor(QPalette::Highlight, hidden ? fore : highlight);
        // A multi-line box fills its background itself (see FormView).
        widget_->setAutoFillBackground(!editor || qobject_cast<QTextEdit*>(widget_) != nullptr);
    } else {
        widget_->setAutoFillBackground(false);
    }
    widget_->setPalette(pal);
}

void WidgetBinding::ApplyFont()
{
    const QFont font = DesignFont(control_.GetStyle(), control_.FontBold());
    // A control placed on the window in the window's own font inherits it:
    // nothing to resolve and nothing to lay out again. The window's font is
    // set once, so what is inherited cannot change under the control.
    if (view_ != nullptr && widget_->parentWidget() == view_ && !widget_->testAttribute(Qt::WA_SetFont) &&
        widget_->font() == font)
        return;
    widget_->setFont(font);
}

void WidgetBinding::ApplySelection()
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        edit->setSelection(control_.SelStart(), control_.SelLength());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        if (combo->lineEdit() != nullptr)
            combo->lineEdit()->setSelection(control_.SelStart(), control_.SelLength());
    } else if (auto* plain = qobject_cast<QTextEdit*>(widget_)) {
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(control_.SelStart());
        cursor.setPosition(control_.SelStart() + control_.SelLength(), QTextCursor::KeepAnchor);
        plain->setTextCursor(cursor);
    }
}

void WidgetBinding::ApplyItems()
{
    auto* combo = qobject_cast<QComboBox*>(widget_);
    if (combo == nullptr)
        return;
    applying_ = true;
    combo->clear();
    for (const std::string& item : control_.Items())
        combo->addItem(Q(item));
    if (combo->isEditable())
        combo->setEditText(Q(control_.Text()));
    else
        combo->setCurrentIndex(combo->findText(Q(control_.Text())));
    applying_ = false;
}

bool WidgetBinding::TooLongForTyping(const QString& typed) const
{
    auto* edit = qobject_cast<QLineEdit*>(widget_);
    const int max = control_.MaxLength();
    if (edit == nullptr || max <= 0 || typed.isEmpty() || !typed.at(0).isPrint())
        return false;
    return edit->text().size() - edit->selectedText().size() + typed.size() > max;
}

std::string WidgetBinding::CutToMaxLength(const QString& edited)
{
    auto* edit = qobject_cast<QLineEdit*>(widget_);
    const int max = control_.MaxLength();
    const QString before = QString::fromStdString(control_.Text());
    if (edit == nullptr || max <= 0 || edited.size() <= max || edited.size() <= before.size())
        return edited.toStdString();
    // What was kept of the text before, at either end of the insertion.
    qsizetype head = 0;
    while (head < before.size() && head < edited.size() && before[head] == edited[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < edited.size() - head &&
           before[before.size() - 1 - tail] == edited[edited.size() - 1 - tail])
        ++tail;
    const qsizetype room = std::max<qsizetype>(0, max - head - tail);
    const qsizetype inserted = edited.size() - head - tail;
    if (inserted <= room)
        return edited.toStdString();
    // A paste or a drop is cut to what fits, as typing is.
    const QString cut = edited.left(head + room) + edited.right(tail);
    edit->setText(cut);
    edit->setCursorPosition(static_cast<int>(head + room));
    return cut.toStdString();
}

// Enter or Space on a label that takes the focus does what a click does.
bool WidgetBinding::LabelKeyPress(const QKeyEvent* key)
{
    const int k = key->key();
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat() ||
        (k != Qt::Key_Return && k != Qt::Key_Enter && k != Qt::Key_Space))
        return false;
    Guarded(widget_, [this] { control_.RaiseClick(); });
    return true;
}

bool WidgetBinding::KeyPress(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    if (control_.GetKind() == Kind::Label)
        return control_.TakesFocus() && LabelKeyPress(key);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        code = 13;
    else if (!key->text().isEmpty())
        code = key->text().at(0).unicode();
    if (code == 0)
        return false;
    int after = code;
    if (control_.onKeyPress)
        Guarded(widget_, [this, code, &after] { after = control_.RaiseKeyPress(code); });
    if (after == 0)
        return true;
    // MaxLength limits typing only.
    return TooLongForTyping(key->text());
}

bool WidgetBinding::SelectsOnItsOwn(const QFocusEvent* event) const
{
    const Qt::FocusReason r = event->reason();
    if (r != Qt::TabFocusReason && r != Qt::BacktabFocusReason && r != Qt::ShortcutFocusReason)
        return false;
    auto* combo = qobject_cast<QComboBox*>(widget_);
    return qobject_cast<QLineEdit*>(widget_) != nullptr || (combo != nullptr && combo->isEditable());
}

bool WidgetBinding::Redeliver(QEvent* event)
{
    // A line edit selects its whole text when the keyboard brings the focus;
    // here the GotFocus handler alone decides what is selected.
    if (redelivering_)
        return false;
    redelivering_ = true;
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QCoreApplication::sendEvent(widget_, &plain);
    redelivering_ = false;
    return true;
}

bool WidgetBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (view_ != nullptr)
            Guarded(widget_, [this] { view_->NoteFocusIn(control_); });
        return SelectsOnItsOwn(static_cast<QFocusEvent*>(event)) && Redeliver(event);
    case QEvent::KeyPress:
        return KeyPress(event);
    case QEvent::MouseButtonRelease:
        if (qobject_cast<QLabel*>(widget_) != nullptr &&
            widget_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            Guarded(widget_, [this] { control_.RaiseClick(); });
        break;
    default:
        break;
    }
    return false;
}

} // namespace corvane
