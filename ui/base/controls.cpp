#include "ui/base/controls.h"

#include "ui/base/form.h"

namespace corvane {

Control::Control(Form* form, std::string name, Kind kind) : form_(form), name_(std::move(name)), kind_(kind)
{
    if (kind == Kind::TextBox || kind == Kind::ComboBox)
        backColor_ = kWhite;
}

void Control::Notify(Prop p)
{
    if (observer_ != nullptr)
        observer_->PropertyChanged(*this, p);
}

void Control::SetText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    // As a text box does, a new text drops the old selection.
    selStart_ = 0;
    selLength_ = 0;
    Notify(Prop::Text);
}

void Control::SetVisible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    Notify(Prop::Visible);
}

void Control::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    Notify(Prop::Enabled);
}

void Control::SetLocked(bool v)
{
    if (v == locked_)
        return;
    locked_ = v;
    Notify(Prop::Locked);
}

void Control::SetBackColor(Color c)
{
    if (c == backColor_)
        return;
    backColor_ = c;
    Notify(Prop::BackColor);
}

void Control::SetForeColor(Color c)
{
    if (c == foreColor_)
        return;
    foreColor_ = c;
    Notify(Prop::ForeColor);
}

void Control::SetFontBold(bool v)
{
    if (v == fontBold_)
        return;
    fontBold_ = v;
    Notify(Prop::FontBold);
}

void Control::SetAccessibleDescription(std::string d)
{
    if (d == accessibleDescription_)
        return;
    accessibleDescription_ = std::move(d);
    Notify(Prop::Spoken);
}

void Control::SetTakesFocus(bool v)
{
    if (v == takesFocus_)
        return;
    takesFocus_ = v;
    Notify(Prop::TakesFocus);
}

void Control::ChangeValue(int v, bool echo)
{
    if (v == value_)
        return;
    value_ = v;
    if (kind_ == Kind::OptionButton && v != 0 && form_ != nullptr) {
        // Option buttons in one container are exclusive.
        for (const auto& other : form_->Controls()) {
            if (other.get() != this && other->kind_ == Kind::OptionButton && other->container_ == container_ &&
                other->value_ != 0) {
                other->value_ = 0;
                if (echo)
                    other->Notify(Prop::Value);
            }
        }
    }
    if (echo)
        Notify(Prop::Value);
    if (kind_ == Kind::CheckBox || (kind_ == Kind::OptionButton && v != 0))
        RaiseClick();
}

void Control::SetValue(int v) { ChangeValue(v, true); }

void Control::UserSetValue(int v) { ChangeValue(v, false); }

void Control::SetSelStart(int s)
{
    selStart_ = s;
    selLength_ = 0;
    Notify(Prop::Selection);
}

void Control::SetSelLength(int n)
{
    selLength_ = n;
    Notify(Prop::Selection);
}

void Control::AddItem(std::string item)
{
    items_.push_back(std::move(item));
    Notify(Prop::Items);
}

bool Control::EffectivelyVisible() const
{
    for (const Control* c = this; c != nullptr; c = c->container_)
        if (!c->visible_)
            return false;
    return true;
}

bool Control::CanTakeFocus() const
{
    switch (kind_) {
    case Kind::Label:
        if (!takesFocus_)
            return false;
        break;
    case Kind::Frame:
    case Kind::Image:
    case Kind::Line:
        return false;
    default:
        break;
    }
    return tabIndex_ >= 0 && enabled_ && EffectivelyVisible();
}

void Control::UserSetText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    if (onEdited)
        onEdited();
}

void Control::UserSetSelection(int start, int length)
{
    selStart_ = start;
    selLength_ = length;
}

void Control::RaiseClick() const
{
    if (onClick)
        onClick();
}

void Control::RaiseGotFocus() const
{
    if (onGotFocus)
        onGotFocus();
}

void Control::RaiseLostFocus() const
{
    if (onLostFocus)
        onLostFocus();
}

int Control::RaiseKeyPress(int key) const
{
    if (onKeyPress)
        onKeyPress(key);
    return key;
}

} // namespace corvane
