#include "scripted_toolkit.h"

#include <stdexcept>

namespace corvane::test {

Answer ScriptedToolkit::MsgBox(std::string_view text, Buttons buttons, std::string_view title)
{
    boxes.push_back({std::string(text), buttons, std::string(title)});
    if (onBox)
        onBox(boxes.back());
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void ScriptedToolkit::SetFocus(Control& control)
{
    if (!control.CanTakeFocus())
        throw std::logic_error("focus on " + control.Name() + ", which cannot take it");
    if (focus == &control)
        return;
    Control* previous = focus;
    focus = &control;
    focusMoves.push_back(control.Name());
    if (previous != nullptr)
        previous->RaiseLostFocus();
    control.RaiseGotFocus();
}

void ScriptedToolkit::SendTab() { ++pendingTabs_; }

void ScriptedToolkit::FlushTabs()
{
    while (pendingTabs_ > 0) {
        --pendingTabs_;
        if (focus == nullptr)
            continue;
        if (Control* next = focus->Owner()->NextInTabOrder(focus))
            SetFocus(*next);
    }
}

void ScriptedToolkit::ShowModal(Form& form)
{
    Control* saved = focus;
    focus = nullptr;
    if (form.onActivate)
        form.onActivate();
    if (!form.Unloaded()) {
        auto it = onShow.find(form.Name());
        if (it != onShow.end())
            it->second(form);
    }
    form.SetUnloaded(true);
    focus = saved;
}

void ScriptedToolkit::Unload(Form& form)
{
    unloaded.push_back(form.Name());
    form.SetUnloaded(true);
}

} // namespace corvane::test
