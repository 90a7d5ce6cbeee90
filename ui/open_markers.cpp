#include "ui/open_markers.h"

#include "ui/sections.h"

namespace corvane {

OpenMarkers::OpenMarkers(const Form1Controls& controls, Toolkit& toolkit) : k_(controls), toolkit_(toolkit)
{
    WireFocus();
}

std::array<OpenMarkers::Marker, 6> OpenMarkers::Markers() const
{
    return {{{k_.lblResFinalBC[0], "Base Curve", &OpenValues::bc},
             {k_.lblResFinalPow[0], "Power", &OpenValues::power},
             {k_.lblResFinalSerie[0], "Series", &OpenValues::series},
             {k_.lblResFinalBC[1], "Base Curve", &OpenValues::bc},
             {k_.lblResFinalPow[1], "Power", &OpenValues::power},
             {k_.lblResFinalSerie[1], "Series", &OpenValues::series}}};
}

void OpenMarkers::WireFocus()
{
    for (const Marker& m : Markers()) {
        Control* label = m.label;
        const std::string hint = std::string("Enter or click on the ??? to choose the ") + m.value;
        label->onGotFocus = [this, label, hint] {
            focused_ = label;
            label->SetBackColor(kFocusColor);
            k_.lblhelp->SetCaption(hint);
            hint_ = hint;
        };
        label->onLostFocus = [this, label] {
            if (focused_ == label)
                focused_ = nullptr;
            label->SetBackColor(kSystemWindow);
        };
    }
}

void OpenMarkers::Update(const std::array<OpenValues, 2>& open, const std::string& clickLine, bool moveOn)
{
    Control* leaving = nullptr;
    for (std::size_t i = 0; i < Markers().size(); ++i) {
        const Marker m = Markers()[i];
        const bool isOpen = m.label->Visible() && open[i / 3].*m.open;
        m.label->SetTakesFocus(isOpen);
        m.label->SetAccessibleDescription(isOpen ? std::string("Not chosen yet: Enter or Space chooses the ") + m.value
                                                 : std::string());
        if (!isOpen && m.label == focused_)
            leaving = m.label;
    }
    UpdateHelp(clickLine);
    if (moveOn && leaving != nullptr)
        if (Control* next = k_.form->NextInTabOrder(leaving))
            toolkit_.SetFocus(*next);
}

// A hint that names a value to click goes once that value is settled: the
// click line names the next open value that has one, or is empty.
void OpenMarkers::UpdateHelp(const std::string& line)
{
    // The focused marker that is still open keeps its own hint.
    if (hint_.empty() || k_.lblhelp->Caption() != hint_ || (focused_ != nullptr && focused_->TakesFocus()))
        return;
    if (line == hint_)
        return;
    k_.lblhelp->SetCaption(line);
    hint_ = line;
}

} // namespace corvane
