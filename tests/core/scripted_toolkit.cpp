#include "scripted_toolkit.h"

#include <algorithm>
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
    shownForms.push_back(form.Name());
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

namespace {

std::map<std::string, std::string> Page(const Form& form)
{
    std::map<std::string, std::string> page;
    for (const auto& c : form.Controls())
        if (c->EffectivelyVisible())
            page[c->Name()] = c->Caption();
    return page;
}

} // namespace

PrintOutcome ScriptedToolkit::PrintForm(const Form& form, PrintLostHandler whenLost)
{
    lostHandlers.push_back(std::move(whenLost));
    if (printOutcome.fault == PrintFault::None)
        printed.push_back(Page(form));
    return printOutcome;
}

std::optional<std::string> ScriptedToolkit::ChooseSaveFile(std::string_view suggestedName)
{
    suggestedFiles.emplace_back(suggestedName);
    if (fileAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

PageLines ScriptedToolkit::LinesOnPage(const Form& /*page*/, const Control& label)
{
    PageLines lines{0, label.Geom().height / 240};
    std::size_t start = 0;
    const std::string& text = label.Caption();
    for (std::size_t end = 0; end != std::string::npos; start = end + 1) {
        end = text.find('\n', start);
        const std::size_t length = (end == std::string::npos ? text.size() : end) - start;
        lines.needed += std::max<int>(1, static_cast<int>((length + pageLineChars - 1) / pageLineChars));
    }
    return lines;
}

SaveOutcome ScriptedToolkit::SaveFormAsPdf(const Form& form, const std::string& path)
{
    if (saveOutcome.fault == SaveFault::None)
        saved.emplace_back(path, Page(form));
    return saveOutcome;
}

} // namespace corvane::test
