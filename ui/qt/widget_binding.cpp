#include "widget_binding.h"

#include "form_view.h"
#include "ui/errors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace corvane {

QColor ToQColor(Color c, const QPalette& palette)
{
    switch (c) {
    case kSystemWindow:
        return palette.color(QPalette::Base);
    case kSystemButtonFace:
        return palette.color(QPalette::Button);
    case kSystemButtonHighlight:
        return palette.color(QPalette::Light);
    default:
        return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                      static_cast<int>((c >> 16) & 0xFF));
    }
}

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

QStringList FontFamilies(const std::string& designFace)
{
    // The design's face is a Windows bitmap font; Liberation Sans has close
    // metrics. Naming only faces that exist keeps font matching quick.
    if (designFace == "MS Sans Serif")
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {QString::fromStdString(designFace), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

void Guarded(QWidget* parent, const std::function<void()>& handler)
{
    std::string message;
    try {
        handler();
        return;
    } catch (const RuntimeError& err) {
        message = ErrorMessage(err);
    } catch (const std::exception& err) {
        message = std::string("Error\r\n") + err.what();
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Corvane"),
                    Q(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

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
        connect(edit, &QLineEdit::textEdited, this, [c](const QString& t) { c->UserSetText(t.toStdString()); });
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget_)) {
        connect(text, &QPlainTextEdit::textChanged, this, [this, c, text] {
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
    widget_->setVisible(control_.Visible());
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
    }
}

void WidgetBinding::ApplyText()
{
    applying_ = true;
    const QString text = Q(control_.Text());
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        // No QLineEdit length limit: a value the program writes stays whole.
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) {
        if (plain->toPlainText() != text)
            plain->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
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
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget_))
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
    const bool editor = qobject_cast<QLineEdit*>(widget_) || qobject_cast<QComboBox*>(widget_) ||
                        qobject_cast<QPlainTextEdit*>(widget_);
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
        if (qobject_cast<QComboBox*>(widget_))
            pal.setColor(QPalette::Button, color);
        widget_->setAutoFillBackground(!editor);
    } else {
        widget_->setAutoFillBackground(false);
    }
    widget_->setPalette(pal);
}

void WidgetBinding::ApplyFont()
{
    QFont font = widget_->font();
    const Style& s = control_.GetStyle();
    font.setFamilies(FontFamilies(s.fontName));
    font.setPointSizeF(s.fontSize);
    font.setBold(control_.FontBold());
    widget_->setFont(font);
}

void WidgetBinding::ApplySelection()
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        edit->setSelection(control_.SelStart(), control_.SelLength());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        if (combo->lineEdit() != nullptr)
            combo->lineEdit()->setSelection(control_.SelStart(), control_.SelLength());
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) {
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

bool WidgetBinding::KeyPress(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
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

bool WidgetBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (view_ != nullptr)
            Guarded(widget_, [this] { view_->NoteFocusIn(control_); });
        break;
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
