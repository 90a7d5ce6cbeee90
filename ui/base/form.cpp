#include "ui/base/form.h"

#include "ui/base/toolkit.h"

#include <algorithm>
#include <stdexcept>

namespace corvane {

Form::Form(std::string name, std::string caption, int widthTwips, int heightTwips)
    : name_(std::move(name)), caption_(std::move(caption)), width_(widthTwips), height_(heightTwips)
{}

Control& Form::Add(std::string name, Kind kind)
{
    controls_.push_back(std::make_unique<Control>(this, std::move(name), kind));
    return *controls_.back();
}

Control* Form::Find(std::string_view name) const
{
    for (const auto& c : controls_)
        if (c->Name() == name)
            return c.get();
    return nullptr;
}

Control& Form::operator[](std::string_view name) const
{
    Control* c = Find(name);
    if (c == nullptr)
        throw std::out_of_range("no control " + std::string(name) + " on " + name_);
    return *c;
}

std::vector<Control*> Form::TabOrder() const
{
    std::vector<Control*> order;
    for (const auto& c : controls_)
        if (c->TabIndex() >= 0 && c->GetKind() != Kind::Frame)
            order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return order;
}

Control* Form::NextInTabOrder(const Control* current) const
{
    const std::vector<Control*> order = TabOrder();
    if (order.empty())
        return nullptr;
    auto it = std::find(order.begin(), order.end(), current);
    std::size_t start = it == order.end() ? order.size() - 1 : static_cast<std::size_t>(it - order.begin());
    for (std::size_t step = 1; step <= order.size(); ++step) {
        Control* c = order[(start + step) % order.size()];
        if (c->CanTakeFocus())
            return c;
    }
    return nullptr;
}

void LoadAndShowModal(Toolkit& toolkit, Form& form)
{
    form.SetUnloaded(false);
    if (form.onLoad)
        form.onLoad();
    if (!form.Unloaded())
        toolkit.ShowModal(form);
}

void EnterMovesOn(Toolkit& toolkit, Control& control)
{
    control.onKeyPress = [&toolkit](int& key) {
        if (key == 13) {
            toolkit.SendTab();
            key = 0;
        }
    };
}

} // namespace corvane
